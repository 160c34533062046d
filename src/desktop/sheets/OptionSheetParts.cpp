#include "desktop/sheets/OptionSheetParts.h"

#include "desktop/view/Look.h"

#include <QLabel>
#include <QRadioButton>

QLabel& optionTaskLabel(QWidget& frame, PageContext& page, const Label& task, const QString& objectName)
{
    auto* label = new QLabel(&frame);
    label->setObjectName(objectName);
    label->setFont(look::sized(label->font(), look::TaskPointSize, true));
    label->setContentsMargins(6, 2, 6, 2); // the verdict colour frames the text
    QPalette ink = label->palette();
    ink.setColor(QPalette::WindowText, look::Ink);
    label->setPalette(ink);
    page.bind.label(*label, task);
    return *label;
}

QAbstractButton& optionButton(QWidget& frame, PageContext& page, const OptionButton& model, const Label& task,
                              const QString& meaning, const QString& objectName, Bindings::Handler click,
                              Bindings::KeyPress keyPress)
{
    auto* option = new QRadioButton(&frame);
    option->setObjectName(objectName);
    option->setFont(look::sized(option->font(), look::TaskPointSize, true));
    option->setCursor(Qt::PointingHandCursor);
    page.bind.option(*option, model, std::move(click), std::move(keyPress));
    page.bind.renderer([option, &task, meaning] {
        const QString name = task.Caption + QStringLiteral(": ") + meaning;
        if (option->accessibleName() != name)
            option->setAccessibleName(name);
    });
    return *option;
}
