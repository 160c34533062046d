#include "desktop/view/DialogScaling.h"

#include "desktop/view/WidgetScaling.h"

#include <QVariant>
#include <QWidget>

namespace {

constexpr const char* DialogScaleKey = "koltestDialogScale";

} // namespace

void setDialogScale(QWidget& window, double scale)
{
    window.setProperty(DialogScaleKey, scale);
}

double dialogScale(const QWidget* parent)
{
    for (const QWidget* widget = parent; widget; widget = widget->parentWidget())
        if (const QVariant scale = widget->property(DialogScaleKey); scale.isValid())
            return scale.toDouble();
    return 1;
}

void scaleDialog(QWidget& dialog)
{
    const double scale = dialogScale(dialog.parentWidget());
    scaleWidgetTree(dialog, scale);
    setDialogScale(dialog, scale);
}
