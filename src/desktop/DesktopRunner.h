#pragma once

#include "app/Main.h"

class DesktopPlatform;
class DesktopServices;

// Shows the main window for one test run: a fresh window model and its view, the model's load handler,
// then the event loop until the window has closed.
class DesktopRunner final : public MainWindowRunner {
public:
    DesktopRunner(AppContext context, DesktopServices& services, DesktopPlatform& platform)
        : m_context(context), m_services(services), m_platform(platform)
    {
    }
    void ShowMainWindowModal() override;

private:
    AppContext m_context;
    DesktopServices& m_services;
    DesktopPlatform& m_platform;
};
