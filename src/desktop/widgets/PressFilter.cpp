#include "desktop/widgets/PressFilter.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace {

class PressFilter final : public QObject {
public:
    PressFilter(QWidget& widget, std::function<void()> action) : QObject(&widget), m_action(std::move(action))
    {
        widget.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            m_action();
            return true;
        }
        // A double click would press a second time while the first press's dialog may still be opening.
        if (event->type() == QEvent::MouseButtonDblClick)
            return true;
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_action;
};

class EnterFilter final : public QObject {
public:
    EnterFilter(QWidget& widget, std::function<void()> action) : QObject(&widget), m_action(std::move(action))
    {
        widget.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_action();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_action;
};

} // namespace

void onPress(QWidget& widget, std::function<void()> action)
{
    new PressFilter(widget, std::move(action)); // owned by the widget
}

void onEnter(QWidget& widget, std::function<void()> action)
{
    new EnterFilter(widget, std::move(action)); // owned by the widget
}
