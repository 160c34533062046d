#include "desktop/ControlPlaces.h"

#include "desktop/widgets/ChoiceWheel.h"
#include "desktop/widgets/FormulaLabel.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

QList<QWidget*> visibleControls(QWidget& area)
{
    QList<QWidget*> controls;
    for (QWidget* widget : area.findChildren<QWidget*>()) {
        const bool control = qobject_cast<QLabel*>(widget) || qobject_cast<QLineEdit*>(widget) ||
                             qobject_cast<QAbstractButton*>(widget) || qobject_cast<QComboBox*>(widget) ||
                             qobject_cast<ChoiceWheel*>(widget) || qobject_cast<FormulaLabel*>(widget);
        if (!control || !widget->isVisibleTo(&area))
            continue;
        bool inner = false;
        for (QWidget* parent = widget->parentWidget(); parent && parent != &area;
             parent = parent->parentWidget())
            inner = inner || qobject_cast<ChoiceWheel*>(parent) || qobject_cast<QComboBox*>(parent);
        if (!inner)
            controls << widget;
    }
    return controls;
}

QRect inWindow(QWidget& widget)
{
    return QRect(widget.mapTo(widget.window(), QPoint(0, 0)), widget.size());
}

QString misplaced(const QRect& area, const QList<QWidget*>& controls)
{
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QRect place = inWindow(*controls[i]);
        if (!area.contains(place))
            return QStringLiteral("%1 at %2,%3 %4x%5 lies outside")
                .arg(controls[i]->objectName())
                .arg(place.x())
                .arg(place.y())
                .arg(place.width())
                .arg(place.height());
        for (qsizetype j = i + 1; j < controls.size(); ++j)
            if (place.intersects(inWindow(*controls[j])))
                return controls[i]->objectName() + QStringLiteral(" covers ") + controls[j]->objectName();
    }
    return {};
}

double messageBoxPointSize(QWidget& window)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Titel"), QStringLiteral("Text"),
                    QMessageBox::Ok, &window);
    QTimer::singleShot(0, &box, [&box] { box.done(QMessageBox::Ok); });
    box.exec();
    return box.font().pointSizeF();
}
