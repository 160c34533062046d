#pragma once

#include "results/window/ResultWindowRunner.h"

class DesktopWindows;

// Shows the result window on screen, modal for the whole program, and returns once it has closed. Lives
// as long as the program, and with it what the result windows of the program run share.
class DesktopResultRunner final : public ResultWindowRunner {
public:
    explicit DesktopResultRunner(DesktopWindows& windows) : m_windows(windows) {}
    void ShowResultWindowModal(frm_AppResult& window) override;

private:
    DesktopWindows& m_windows;
};
