#pragma once

#include <QAccessible>

// Installs, once, an accessibility factory that tells screen readers every widget of the class Widget
// through the interface Interface (constructed from the widget).
template <typename Widget, typename Interface> void installAccessibleInterface()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString& className, QObject* object) -> QAccessibleInterface* {
            auto* widget = qobject_cast<Widget*>(object);
            if (!widget || className != QLatin1String(Widget::staticMetaObject.className()))
                return nullptr;
            return new Interface(*widget);
        });
        return true;
    }();
    Q_UNUSED(installed)
}
