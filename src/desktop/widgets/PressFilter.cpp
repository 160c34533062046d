#include "desktop/widgets/PressFilter.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace {

using EventTest = bool (*)(const QEvent&);

// Runs action on the widget's events that trigger accepts, and swallows them and those that ignore accepts.
class ActionFilter final : public QObject {
public:
    ActionFilter(QWidget& widget, EventTest trigger, EventTest ignore, std::function<void()> action)
        : QObject(&widget), m_trigger(trigger), m_ignore(ignore), m_action(std::move(action))
    {
        widget.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_trigger(*event)) {
            m_action();
            return true;
        }
        return m_ignore(*event) || QObject::eventFilter(watched, event);
    }

private:
    EventTest m_trigger;
    EventTest m_ignore;
    std::function<void()> m_action;
};

bool isLeftPress(const QEvent& event)
{
    return event.type() == QEvent::MouseButtonPress &&
           static_cast<const QMouseEvent&>(event).button() == Qt::LeftButton;
}

// A double click would press a second time while the first press's dialog may still be opening.
bool isDoubleClick(const QEvent& event)
{
    return event.type() == QEvent::MouseButtonDblClick;
}

bool isEnter(const QEvent& event)
{
    if (event.type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent&>(event).key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool isNothing(const QEvent&)
{
    return false;
}

} // namespace

void onPress(QWidget& widget, std::function<void()> action)
{
    new ActionFilter(widget, isLeftPress, isDoubleClick, std::move(action)); // owned by the widget
}

void onEnter(QWidget& widget, std::function<void()> action)
{
    new ActionFilter(widget, isEnter, isNothing, std::move(action)); // owned by the widget
}
