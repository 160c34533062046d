#include "desktop/view/DialogScaling.h"

#include "desktop/view/WidgetScaling.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QMessageBox>
#include <QScreen>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace {

constexpr const char* DialogScaleKey = "koltestDialogScale";

// A message box is never wider than 1000 pixels, nor than its screen less 480 on a screen wider than
// 1024 (Qt's own limits). Scaled for a whiteboard, a row of buttons may need more: it becomes a column as
// wide as the box may be, so that the text above has that room too.
void fitButtons(QMessageBox& box)
{
    auto* buttons = box.findChild<QDialogButtonBox*>();
    const QScreen* screen = box.screen();
    if (!buttons || !screen)
        return;
    const int screenWidth = screen->availableGeometry().width();
    const int widest = (screenWidth <= 1024 ? screenWidth : std::min(screenWidth - 480, 1000)) * 9 / 10;
    if (buttons->minimumSizeHint().width() <= widest)
        return;
    buttons->setOrientation(Qt::Vertical);
    buttons->setMinimumWidth(widest);
}

// Scales every dialog as it shows, when all its parts are there, and lets it grow to hold them.
class DialogScaler final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show || event->spontaneous())
            return false;
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (!dialog)
            return false;
        scaleDialog(*dialog);
        if (auto* box = qobject_cast<QMessageBox*>(dialog))
            fitButtons(*box); // before the box takes its size
        else
            dialog->resize(dialog->size().expandedTo(dialog->sizeHint()));
        return false;
    }
};

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

void scaleEveryDialog(QApplication& application)
{
    application.installEventFilter(new DialogScaler(&application));
}
