#include "desktop/sheets/DefinitionRows.h"

#include "desktop/view/Look.h"
#include "desktop/view/PageViews.h"
#include "desktop/widgets/ChoiceWheel.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

QGridLayout& addMarkedRows(QVBoxLayout& column, PageContext& context, int firstMarker, int rows)
{
    column.addStretch();
    addDefinitionMarkers(column, context, firstMarker, rows);
    // The markers' grid stands right above the closing stretch.
    auto* grid = qobject_cast<QGridLayout*>(column.itemAt(column.count() - 2)->layout());
    Q_ASSERT(grid);
    grid->setContentsMargins(10, 4, 0, 0);
    grid->setVerticalSpacing(10);
    grid->setHorizontalSpacing(10);
    return *grid;
}

QLabel& addRowTask(PageContext& context, QWidget& frame, const Label& task, const QString& name, bool bold)
{
    auto* label = new QLabel(&frame);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setFont(look::sized(label->font(), look::TaskPointSize, bold));
    QPalette ink = label->palette();
    ink.setColor(QPalette::WindowText, look::Ink);
    label->setPalette(ink);
    context.bind.label(*label, task);
    return *label;
}

ChoiceWheel& addRowWheel(PageContext& context, QWidget& frame, Wheel& model, const Label& task,
                         const QString& name, Bindings::Select select, const QString& namePrefix)
{
    auto* wheel = new ChoiceWheel(&frame);
    wheel->setObjectName(name);
    wheel->setFont(look::sized(wheel->font(), look::TaskPointSize));
    context.bind.wheel(*wheel, model, task, std::move(select), namePrefix);
    return *wheel;
}
