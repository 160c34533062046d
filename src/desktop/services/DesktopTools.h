#pragma once

#include "components/Services.h"

#include "desktop/tools/PeriodicTableWindow.h"

#include <QPointer>

class DesktopWindows;

// The calculator as a modal dialog, the periodic table as a window that stays open beside the test and is
// brought to the front when asked for again.
class DesktopTools final : public ToolsService {
public:
    explicit DesktopTools(const DesktopWindows& windows) : m_windows(windows) {}
    void ShowPeriodicTable() override;
    double ShowCalculator(const QString& prompt) override;

    // The periodic table while it is open.
    PeriodicTableWindow* periodicTable() const { return m_periodicTable; }

private:
    const DesktopWindows& m_windows;
    QPointer<PeriodicTableWindow> m_periodicTable; // deletes itself when closed, or with its main window
};
