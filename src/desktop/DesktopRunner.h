#pragma once

#include "app/Main.h"
#include "desktop/results/DesktopResultRunner.h"

class DesktopPlatform;
class DesktopServices;

// Shows the main window for one test run: a fresh window model and its view, the model's load handler,
// then the event loop until the window has closed.
class DesktopRunner final : public MainWindowRunner {
public:
    DesktopRunner(AppContext context, DesktopServices& services, DesktopPlatform& platform);
    void ShowMainWindowModal() override;

private:
    AppContext m_context;
    DesktopServices& m_services;
    DesktopPlatform& m_platform;
    // Shows the results after each test run; it lives as long as the program.
    DesktopResultRunner m_results;
};
