#include "desktop/widgets/ShortcutTyping.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

class ShortcutTypingFilter final : public QObject {
public:
    explicit ShortcutTypingFilter(QLineEdit& field) : QObject(&field) { field.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && typesWithShortcutKey(*static_cast<QKeyEvent*>(event)))
            return true;
        return QObject::eventFilter(watched, event);
    }

private:
    static bool typesWithShortcutKey(const QKeyEvent& key)
    {
        const Qt::KeyboardModifiers modifiers = key.modifiers();
        if (modifiers & (Qt::AltModifier | Qt::MetaModifier))
            return true; // nothing a line edit does with these is editing
        const QString text = key.text();
        return (modifiers & Qt::ControlModifier) && !text.isEmpty() && text.at(0).isPrint();
    }
};

} // namespace

void refuseShortcutTyping(QLineEdit& field)
{
    new ShortcutTypingFilter(field); // owned by the field
}
