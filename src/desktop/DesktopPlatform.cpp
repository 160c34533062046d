#include "desktop/DesktopPlatform.h"

#include "desktop/Diagnostics.h"
#include "desktop/InstanceLock.h"
#include "desktop/ProgramEnd.h"
#include "desktop/services/DesktopWindows.h"
#include "desktop/services/MessageBoxes.h"

#include <QApplication>

DesktopPlatform::DesktopPlatform(QString commandLineText, const DesktopWindows& windows, InstanceLock& lock)
    : m_commandLineText(std::move(commandLineText)), m_windows(windows), m_lock(lock)
{
}

bool DesktopPlatform::AskYesNo(const QString& text, const QString& title)
{
    const bool yes = askYesNo(m_windows.dialogParent(), text, title);
    passOnProgramEnd();
    return yes;
}

void DesktopPlatform::ShowMessage(const QString& text, const QString& title)
{
    showOkMessage(m_windows.dialogParent(), text, title);
    passOnProgramEnd();
}

void DesktopPlatform::SetBusyPointer(bool busy)
{
    if (busy == m_busy)
        return; // the override cursor stacks; keep exactly one
    m_busy = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

bool DesktopPlatform::AnotherInstanceRunning()
{
    return m_lock.anotherInstanceRunning();
}

void DesktopPlatform::Repaint()
{
    if (m_activeView)
        m_activeView->renderNow();
}

void DesktopPlatform::ProcessEvents()
{
    QCoreApplication::processEvents();
    passOnProgramEnd();
}

void DesktopPlatform::EndProgram()
{
    endProgram(0);
}

void DesktopPlatform::Diagnose(const QString& line)
{
    writeDiagnostic(line);
}
