#include "desktop/services/DesktopTools.h"

#include "desktop/services/DesktopWindows.h"
#include "desktop/tools/CalculatorDialog.h"
#include "desktop/tools/PeriodicTableWindow.h"

void DesktopTools::ShowPeriodicTable()
{
    if (!m_periodicTable) {
        m_periodicTable = new PeriodicTableWindow(m_windows.dialogParent());
        m_periodicTable->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_periodicTable->show();
    m_periodicTable->raise();
    m_periodicTable->activateWindow();
}

double DesktopTools::ShowCalculator(const QString& prompt)
{
    return runCalculator(m_windows.dialogParent(), prompt);
}
