#pragma once

#include "components/Services.h"

#include <map>

class QWidget;

// Knows the widget of every window on screen and which window was registered as the program's main
// window, so that dialogs, notices and message boxes are parented to it and centred on it.
class DesktopWindows final : public WindowService {
public:
    void RegisterWindow(WindowModel& window) override { m_registered = &window; }

    // The view announces the widget that shows a window model, for as long as it lives.
    void attach(const WindowModel& window, QWidget& widget) { m_widgets[&window] = &widget; }
    void detach(const WindowModel& window);

    // The parent for a new dialog: a modal dialog on screen, else the registered window while it is shown,
    // else none.
    QWidget* dialogParent() const;
    // The registered window while it is shown, else none.
    QWidget* mainWindow() const;

private:
    const WindowModel* m_registered = nullptr;
    std::map<const WindowModel*, QWidget*> m_widgets;
};
