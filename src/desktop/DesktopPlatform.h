#pragma once

#include "components/Platform.h"

class DesktopWindows;
class InstanceLock;

// A window view that can show its model as it stands, at once.
class RenderTarget {
public:
    virtual ~RenderTarget() = default;
    virtual void renderNow() = 0;
};

// The operating system as the windows see it: message boxes, the mouse pointer, the screen, the event
// loop, the single-instance lock and the end of the program. A handler that ends the program while a message
// box or ProcessEvents runs ends it when they return.
class DesktopPlatform final : public Platform {
public:
    DesktopPlatform(QString commandLineText, const DesktopWindows& windows, InstanceLock& lock);

    // The view that Repaint draws: the main window on screen, or none.
    void setActiveView(RenderTarget* view) { m_activeView = view; }

    QString CommandLineText() const override { return m_commandLineText; }
    bool AskYesNo(const QString& text, const QString& title) override;
    void ShowMessage(const QString& text, const QString& title) override;
    void SetBusyPointer(bool busy) override;
    bool AnotherInstanceRunning() override;
    QDate Today() const override { return QDate::currentDate(); }
    void Repaint() override;
    void ProcessEvents() override;
    [[noreturn]] void EndProgram() override;
    void Diagnose(const QString& line) override;

private:
    QString m_commandLineText;
    const DesktopWindows& m_windows;
    InstanceLock& m_lock;
    RenderTarget* m_activeView = nullptr;
    bool m_busy = false;
};
