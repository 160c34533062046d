#pragma once

#include "components/Controls.h"
#include "components/PrintFields.h"

#include <QString>

// The services of the component library that the windows call. Each is a small interface: the desktop
// layer implements them for real, the tests with scripted doubles.

// Describes the program to the component library.
class AppDescription {
public:
    virtual ~AppDescription() = default;
    virtual void SetNotice(const QString& text) = 0;
    virtual void SetShortName(const QString& text) = 0;
    virtual void SetTitle(const QString& text) = 0;
    virtual void SetVersion(const QString& text) = 0;
};

// What the root of the shared services does itself.
class ServicesRoot {
public:
    virtual ~ServicesRoot() = default;
    virtual void SetCommandLine(const QString& commandLine) = 0;
    virtual QString CommandLine() const = 0;
    virtual void MainWindowClosed() = 0;
};

class FolderService {
public:
    virtual ~FolderService() = default;
    // The folder of the program's data files, ending with the path separator.
    virtual QString DataFolder() = 0;
};

class WindowService {
public:
    virtual ~WindowService() = default;
    virtual void RegisterWindow(WindowModel& window) = 0;
};

// The environment that started the program: handshake, parameters and the report lines.
class HostService {
public:
    virtual ~HostService() = default;
    // false means the program must end at once.
    virtual bool Begin(bool value) = 0;
    virtual void Ready() = 0;
    // The parameter's value, or defaultValue when the host has none.
    virtual QString Parameter(const QString& name, const QString& defaultValue) = 0;
    virtual void Report(const QString& line, const PrintFields* fields = nullptr) = 0;
};

class UserService {
public:
    virtual ~UserService() = default;
    // The current user's name; empty when none is known.
    virtual QString UserName() const = 0;
    virtual void SetUserName(const QString& name) = 0;
    // The user clicked an avatar figure: it takes the next look.
    virtual void AvatarClicked() = 0;
};

class DialogService {
public:
    virtual ~DialogService() = default;
    // On-screen keypads: show the prompt and write what was entered into the field (unless cancelled).
    virtual void ShowNumberPad(TextBox& field, const QString& prompt) = 0;
    virtual void ShowTextPad(TextBox& field, const QString& prompt) = 0;
    // The formula editor: returns the edited formula text.
    virtual QString EditTerm(const QString& term, const QString& prompt) = 0;
    // Whether the program may end without asking; the main window clears it unless started with -DEV.
    virtual void SetExitFlag(bool value) = 0;
    virtual bool ExitFlag() const = 0;
    virtual void ShowHelp() = 0;
};

class ToolsService {
public:
    virtual ~ToolsService() = default;
    // What ShowCalculator returns when no result was taken.
    static constexpr double NoResult = -666;
    virtual void ShowPeriodicTable() = 0;
    virtual double ShowCalculator(const QString& prompt) = 0;
};

class PrintService {
public:
    virtual ~PrintService() = default;
    virtual void PrintForm(const QString& body, const PrintFields& fields) = 0;
    virtual void ReportResult(double right, double asked, const QString& text, const PrintFields& fields) = 0;
    // The record of a test run that the pupil ended before its end, with what was judged up to then. A
    // service that keeps only finished runs ignores it, so that no half run is taken for a grade.
    virtual void ReportEndedEarly(double /*right*/, double /*asked*/, const PrintFields& /*fields*/) {}
};

class SoundService {
public:
    virtual ~SoundService() = default;
    virtual void AttachMelody(MelodyChoice& choice) = 0;
    virtual void PlayMelody(const MelodyChoice& choice, int options) = 0;
    // A short praise for a fully right sheet.
    virtual QString PraiseText() = 0;
};

// A message for the user that needs no answer; returns once it was closed.
class NoticeService {
public:
    virtual ~NoticeService() = default;
    virtual void ShowNotice(const QString& text, const QString& title) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds on a running clock; only differences mean something.
    virtual double TimeValue() = 0;
    // The time of day as text, "hh:mm:ss".
    virtual QString TimeText() = 0;
    // Returns after the given milliseconds.
    virtual void Pause(int milliseconds) = 0;
};

// The shared services, reached through their root.
struct SharedServices {
    ServicesRoot& root;
    AppDescription& app;
    FolderService& folders;
    WindowService& windows;
    HostService& host;
    UserService& user;
    DialogService& dialogs;
    ToolsService& tools;
    PrintService& print;
    SoundService& sound;
};

// The shared tools. Colours, gradients, tokens and text lists are plain helpers (Colours.h, TextTools.h,
// TextList.h) and need no service.
struct SharedTools {
    NoticeService& notices;
    Clock& clock;
};
