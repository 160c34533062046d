#pragma once

#include "app/AppContext.h"
#include "components/Platform.h"
#include "components/RandomSource.h"
#include "components/Services.h"
#include "support/QtPrinters.h"

#include <QDate>
#include <QList>
#include <QStringList>

// Thrown by FakeWorld::EndProgram, so that nothing after the end runs in a test either.
struct ProgramEnded {};

// One scripted double for every service and the platform. It records what it was asked, in order, in
// `calls` ("Interface.Operation: argument"), and answers what the test put into its fields.
class FakeWorld : public ServicesRoot,
                  public AppDescription,
                  public FolderService,
                  public WindowService,
                  public HostService,
                  public UserService,
                  public DialogService,
                  public ToolsService,
                  public PrintService,
                  public SoundService,
                  public NoticeService,
                  public Clock,
                  public Platform {
public:
    FakeWorld();

    QStringList calls;
    QStringList notices;
    QStringList diagnostics;

    // Answers the test scripts.
    QString commandLine;
    QString dataFolder = QStringLiteral("/data/");
    bool hostBegins = true;
    QMap<QString, QString> parameters;
    QString userName;
    QStringList padInputs;    // what the keypads type, one entry per keypad shown
    QList<bool> yesNoAnswers; // answers of the yes/no boxes, in order; no when used up
    bool anotherInstance = false;
    QDate today = QDate(2017, 7, 14);
    int screenWidth = 800;
    double clockValue = 1000.4;
    QString timeText = QStringLiteral("09:15:00");
    QString praise = QStringLiteral("Super!");
    bool exitFlag = true;
    int avatarClicks = 0;

    // ServicesRoot
    void SetCommandLine(const QString& text) override;
    QString CommandLine() const override { return commandLine; }
    void MainWindowClosed() override;
    // AppDescription
    void SetNotice(const QString& text) override;
    void SetShortName(const QString& text) override;
    void SetTitle(const QString& text) override;
    void SetVersion(const QString& text) override;
    // FolderService
    QString DataFolder() override { return dataFolder; }
    // WindowService
    void RegisterWindow(WindowModel& window) override;
    // HostService
    bool Begin(bool value) override;
    void Ready() override;
    QString Parameter(const QString& name, const QString& defaultValue) override;
    void Report(const QString& line, const PrintFields* fields) override;
    // UserService
    QString UserName() const override { return userName; }
    void SetUserName(const QString& name) override;
    void AvatarClicked() override;
    // DialogService
    void ShowNumberPad(TextBox& field, const QString& prompt) override;
    void ShowTextPad(TextBox& field, const QString& prompt) override;
    QString EditTerm(const QString& term, const QString& prompt) override;
    void SetExitFlag(bool value) override;
    bool ExitFlag() const override { return exitFlag; }
    void ShowHelp() override;
    // ToolsService
    void ShowPeriodicTable() override;
    double ShowCalculator(const QString& prompt) override;
    // PrintService
    void PrintForm(const QString& body, const PrintFields& fields) override;
    void ReportResult(double right, double asked, const QString& text, const PrintFields& fields) override;
    // SoundService
    void AttachMelody(MelodyChoice& choice) override;
    void PlayMelody(const MelodyChoice& choice, int options) override;
    QString PraiseText() override { return praise; }
    // NoticeService
    void ShowNotice(const QString& text, const QString& title) override;
    // Clock
    double TimeValue() override { return clockValue; }
    QString TimeText() override { return timeText; }
    void Pause(int milliseconds) override;
    // Platform
    QString CommandLineText() const override { return commandLine; }
    bool AskYesNo(const QString& text, const QString& title) override;
    void ShowMessage(const QString& text, const QString& title) override;
    void SetBusyPointer(bool busy) override;
    bool AnotherInstanceRunning() override { return anotherInstance; }
    QDate Today() const override { return today; }
    int ScreenWidth() const override { return screenWidth; }
    void Repaint() override;
    void ProcessEvents() override;
    void EndProgram() override;
    void Diagnose(const QString& line) override;

    int repaints = 0;
    int pauses = 0;

    SharedServices services;
    SharedTools tools;

    // The calls whose text starts with prefix.
    QStringList callsStartingWith(const QString& prefix) const;

private:
    void typeInto(TextBox& field, const QString& pad, const QString& prompt);
};

// Draws from a script: each draw takes the next scripted number if it lies in the range, else the lowest.
class ScriptedRandom : public RandomSource {
public:
    QList<int> script;
    int uniform(int lo, int hi) override;
};
