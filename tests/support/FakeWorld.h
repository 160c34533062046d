#pragma once

#include "components/Platform.h"
#include "components/RandomSource.h"
#include "components/Services.h"
#include "results/window/frm_AppResult.h"
#include "support/QtPrinters.h"
#include "testrun/AppContext.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QRegularExpression>
#include <QStringList>

#include <functional>

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
                  public Platform,
                  public ResultWindowRunner {
public:
    QStringList calls;
    QStringList notices;
    QStringList diagnostics;
    int repaints = 0;
    // While the clock runs, pauses take their time on it and a repaint takes repaintMs.
    bool clockRuns = false;
    int repaintMs = 0;
    int avatarClicks = 0;
    PrintFields reportedFields; // of the last ReportResult
    PrintFields printedFields;  // of the last PrintForm

    // Answers the test scripts.
    QString commandLine;
    QString dataFolder = QStringLiteral("/data/");
    bool hostBegins = true;
    QMap<QString, QString> parameters;
    QString userName;
    QStringList padInputs;    // what the keypads type, one entry per keypad shown
    QList<bool> yesNoAnswers; // answers of the yes/no boxes, in order; no when used up
    QStringList termEdits;    // what the formula editor returns, in order; the term unchanged when used up
    QList<double> calculatorResults; // what the calculator returns, in order; NoResult when used up
    bool anotherInstance = false;
    double clockValue = 1000.4;
    QString timeText = QStringLiteral("09:15:00");
    QString praise = QStringLiteral("Super!");
    bool exitFlag = true;
    // What the pupil does in each result window, in order, once it shows its results; a window that is
    // still open afterwards is closed with "Ja".
    QList<std::function<void(frm_AppResult&)>> resultWindowActions;

    SharedServices services{*this, *this, *this, *this, *this, *this, *this, *this, *this, *this};
    SharedTools tools{*this, *this};

    // The calls whose text starts with prefix.
    QStringList callsStartingWith(const QString& prefix) const
    {
        return calls.filter(QRegularExpression("^" + QRegularExpression::escape(prefix)));
    }

    void SetCommandLine(const QString& text) override { log("Root.SetCommandLine: " + (commandLine = text)); }
    QString CommandLine() const override { return commandLine; }
    void MainWindowClosed() override { log("Root.MainWindowClosed"); }
    void SetNotice(const QString& text) override { log("App.SetNotice: " + text); }
    void SetShortName(const QString& text) override { log("App.SetShortName: " + text); }
    void SetTitle(const QString& text) override { log("App.SetTitle: " + text); }
    void SetVersion(const QString& text) override { log("App.SetVersion: " + text); }
    QString DataFolder() override { return dataFolder; }
    void RegisterWindow(WindowModel& window) override { log("Windows.RegisterWindow: " + window.Caption); }
    bool Begin(bool value) override
    {
        log(QStringLiteral("Host.Begin: %1").arg(value));
        return hostBegins;
    }
    void Ready() override { log("Host.Ready"); }
    QString Parameter(const QString& name, const QString& fallback) override
    {
        log("Host.Parameter: " + name);
        return parameters.value(name, fallback);
    }
    void Report(const QString& line, const PrintFields* fields) override
    {
        log("Host.Report: " + line + (fields ? " [fields]" : ""));
    }
    QString UserName() const override { return userName; }
    void SetUserName(const QString& name) override { log("User.SetUserName: " + (userName = name)); }
    void AvatarClicked() override
    {
        log("User.AvatarClicked");
        ++avatarClicks;
    }
    void ShowNumberPad(TextBox& field, const QString& prompt) override
    {
        type(field, "ShowNumberPad", prompt);
    }
    void ShowTextPad(TextBox& field, const QString& prompt) override { type(field, "ShowTextPad", prompt); }
    QString EditTerm(const QString& term, const QString& prompt) override
    {
        log("Dialogs.EditTerm: " + term + " | " + prompt);
        return termEdits.isEmpty() ? term : termEdits.takeFirst();
    }
    void SetExitFlag(bool value) override
    {
        log(QStringLiteral("Dialogs.SetExitFlag: %1").arg(exitFlag = value));
    }
    bool ExitFlag() const override { return exitFlag; }
    void ShowHelp() override { log("Dialogs.ShowHelp"); }
    void ShowPeriodicTable() override { log("Tools.ShowPeriodicTable"); }
    double ShowCalculator(const QString& prompt) override
    {
        log("Tools.ShowCalculator: " + prompt);
        return calculatorResults.isEmpty() ? NoResult : calculatorResults.takeFirst();
    }
    void PrintForm(const QString& body, const PrintFields& fields) override
    {
        log("Print.PrintForm: " + body);
        printedFields = fields;
    }
    void ReportResult(double right, double asked, const QString&, const PrintFields& fields) override
    {
        log(QStringLiteral("Print.ReportResult: %1/%2").arg(right).arg(asked));
        reportedFields = fields;
    }
    void AttachMelody(MelodyChoice& choice) override
    {
        log(QStringLiteral("Sound.AttachMelody: %1").arg(choice.Melodies.size()));
    }
    void PlayMelody(const MelodyChoice& choice, int) override
    {
        log("Sound.PlayMelody: " + choice.currentName());
    }
    QString PraiseText() override { return praise; }
    void ShowNotice(const QString& text, const QString& title) override
    {
        notices << text;
        log("Notices.ShowNotice: " + text + (title.isEmpty() ? QString() : " | " + title));
    }
    double TimeValue() override { return clockValue; }
    QString TimeText() override { return timeText; }
    void Pause(int milliseconds) override
    {
        if (clockRuns)
            clockValue += milliseconds / 1000.0;
    }
    QString CommandLineText() const override { return commandLine; }
    bool AskYesNo(const QString& text, const QString& title) override
    {
        log(QStringLiteral("Platform.AskYesNo: %1 | %2").arg(title, text));
        return !yesNoAnswers.isEmpty() && yesNoAnswers.takeFirst();
    }
    void ShowMessage(const QString& text, const QString& title) override
    {
        log(QStringLiteral("Platform.ShowMessage: %1 | %2").arg(title, text));
    }
    void SetBusyPointer(bool busy) override { log(QStringLiteral("Platform.SetBusyPointer: %1").arg(busy)); }
    bool AnotherInstanceRunning() override { return anotherInstance; }
    QDate Today() const override { return QDate(2017, 7, 14); }
    void Repaint() override
    {
        ++repaints;
        if (clockRuns)
            clockValue += repaintMs / 1000.0;
    }
    void ProcessEvents() override {}
    void EndProgram() override
    {
        log("Platform.EndProgram");
        throw ProgramEnded{};
    }
    void Diagnose(const QString& line) override { diagnostics << line; }
    // Logs the result sentence and the grade words the window shows.
    void ShowResultWindowModal(frm_AppResult& window) override
    {
        window.ShowResults();
        log("Windows.ShowResultWindowModal: " + window.Texturt[0].Caption + " | " +
            window.Texturt[1].Caption);
        if (!resultWindowActions.isEmpty())
            resultWindowActions.takeFirst()(window);
        if (!window.CloseRequested)
            window.CSCmd1_Click();
    }

private:
    void log(const QString& call) { calls << call; }
    void type(TextBox& field, const char* pad, const QString& prompt)
    {
        log(QStringLiteral("Dialogs.%1: %2").arg(QLatin1String(pad), prompt));
        if (!padInputs.isEmpty())
            field.Text = padInputs.takeFirst();
    }
};

// Draws from a script: each draw takes the next scripted number if it lies in the range, else the lowest.
class ScriptedRandom : public RandomSource {
public:
    QList<int> script;
    int uniform(int lo, int hi) override
    {
        const int next = script.isEmpty() ? lo : script.takeFirst();
        return next >= lo && next <= hi ? next : lo;
    }
};
