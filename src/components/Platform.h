#pragma once

#include <QDate>
#include <QString>

// What the operating system gives the windows.
class Platform {
public:
    virtual ~Platform() = default;

    // The words the program was started with, joined by blanks (without the program's own name).
    virtual QString CommandLineText() const = 0;

    // Standard message boxes without icon; the yes/no box answers true for yes.
    virtual bool AskYesNo(const QString& text, const QString& title) = 0;
    virtual void ShowMessage(const QString& text, const QString& title) = 0;

    // The hourglass mouse pointer while the program is busy.
    virtual void SetBusyPointer(bool busy) = 0;

    // Whether another instance of the program runs. The answer of the first call is kept for the process.
    virtual bool AnotherInstanceRunning() = 0;

    virtual QDate Today() const = 0;

    // Draws the windows as their models stand now, and lets pending window events run.
    virtual void Repaint() = 0;
    virtual void ProcessEvents() = 0;

    // Ends the program with status 0. Nothing of the program runs after this call: the real program exits,
    // test doubles throw.
    virtual void EndProgram() = 0;

    // One precise line for the person who looks after the program (standard error).
    virtual void Diagnose(const QString& line) = 0;
};
