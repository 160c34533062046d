#include "desktop/sheets/CalculatorButtons.h"

#include "desktop/view/Look.h"

#include <QGridLayout>
#include <QPushButton>

void addCalculatorButton(PageContext& page, QGridLayout& grid, int line, int column, int index,
                         const TextBox& field, const Label& task, Bindings::Handler click)
{
    auto* button = new QPushButton(QStringLiteral("Rechner"), grid.parentWidget());
    button->setObjectName(QStringLiteral("but_Calc%1").arg(index));
    button->setToolTip(QStringLiteral("Taschenrechner"));
    button->setFont(look::sized(button->font(), look::BasePointSize));
    button->setFocusPolicy(Qt::NoFocus); // Enter and Tab walk the answer fields
    QObject::connect(button, &QPushButton::clicked, button,
                     [&bind = page.bind, click] { bind.dispatch(click); });
    page.bind.renderer([button, &field, &task] {
        if (button->isEnabled() != field.Enabled)
            button->setEnabled(field.Enabled);
        const QString name = QStringLiteral("Taschenrechner: ") + task.Caption.trimmed();
        if (button->accessibleName() != name)
            button->setAccessibleName(name);
    });
    grid.addWidget(button, line, column);
}
