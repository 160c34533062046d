#include "desktop/services/DesktopWindows.h"

#include <QApplication>
#include <QWidget>

void DesktopWindows::detach(const WindowModel& window)
{
    m_widgets.erase(&window);
    if (m_registered == &window)
        m_registered = nullptr;
}

QWidget* DesktopWindows::dialogParent() const
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    // A window not yet on screen gives no place to centre on: the dialog then stands in the screen's middle.
    return mainWindow();
}

QWidget* DesktopWindows::mainWindow() const
{
    const auto found = m_widgets.find(m_registered);
    return found != m_widgets.end() && found->second->isVisible() ? found->second : nullptr;
}
