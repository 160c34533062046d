#include "support/FakeWorld.h"

FakeWorld::FakeWorld()
    : services{*this, *this, *this, *this, *this, *this, *this, *this, *this, *this}, tools{*this, *this}
{
}

void FakeWorld::SetCommandLine(const QString& text)
{
    commandLine = text;
    calls << QStringLiteral("Root.SetCommandLine: ") + text;
}

void FakeWorld::MainWindowClosed()
{
    calls << QStringLiteral("Root.MainWindowClosed");
}

void FakeWorld::SetNotice(const QString& text)
{
    calls << QStringLiteral("App.SetNotice: ") + text;
}

void FakeWorld::SetShortName(const QString& text)
{
    calls << QStringLiteral("App.SetShortName: ") + text;
}

void FakeWorld::SetTitle(const QString& text)
{
    calls << QStringLiteral("App.SetTitle: ") + text;
}

void FakeWorld::SetVersion(const QString& text)
{
    calls << QStringLiteral("App.SetVersion: ") + text;
}

void FakeWorld::RegisterWindow(WindowModel& window)
{
    calls << QStringLiteral("Windows.RegisterWindow: ") + window.Caption;
}

bool FakeWorld::Begin(bool value)
{
    calls << QStringLiteral("Host.Begin: %1").arg(value);
    return hostBegins;
}

void FakeWorld::Ready()
{
    calls << QStringLiteral("Host.Ready");
}

QString FakeWorld::Parameter(const QString& name, const QString& defaultValue)
{
    calls << QStringLiteral("Host.Parameter: ") + name;
    return parameters.value(name, defaultValue);
}

void FakeWorld::Report(const QString& line, const PrintFields* fields)
{
    calls << QStringLiteral("Host.Report: ") + line + (fields ? QStringLiteral(" [fields]") : QString());
}

void FakeWorld::SetUserName(const QString& name)
{
    userName = name;
    calls << QStringLiteral("User.SetUserName: ") + name;
}

void FakeWorld::AvatarClicked()
{
    ++avatarClicks;
    calls << QStringLiteral("User.AvatarClicked");
}

void FakeWorld::typeInto(TextBox& field, const QString& pad, const QString& prompt)
{
    calls << QStringLiteral("Dialogs.%1: %2").arg(pad, prompt);
    if (!padInputs.isEmpty())
        field.Text = padInputs.takeFirst();
}

void FakeWorld::ShowNumberPad(TextBox& field, const QString& prompt)
{
    typeInto(field, QStringLiteral("ShowNumberPad"), prompt);
}

void FakeWorld::ShowTextPad(TextBox& field, const QString& prompt)
{
    typeInto(field, QStringLiteral("ShowTextPad"), prompt);
}

QString FakeWorld::EditTerm(const QString& term, const QString& prompt)
{
    calls << QStringLiteral("Dialogs.EditTerm: ") + prompt;
    return term;
}

void FakeWorld::SetExitFlag(bool value)
{
    exitFlag = value;
    calls << QStringLiteral("Dialogs.SetExitFlag: %1").arg(value);
}

void FakeWorld::ShowHelp()
{
    calls << QStringLiteral("Dialogs.ShowHelp");
}

void FakeWorld::ShowPeriodicTable()
{
    calls << QStringLiteral("Tools.ShowPeriodicTable");
}

double FakeWorld::ShowCalculator(const QString& prompt)
{
    calls << QStringLiteral("Tools.ShowCalculator: ") + prompt;
    return NoResult;
}

void FakeWorld::PrintForm(const QString& body, const PrintFields&)
{
    calls << QStringLiteral("Print.PrintForm: ") + body;
}

void FakeWorld::ReportResult(double right, double asked, const QString&, const PrintFields&)
{
    calls << QStringLiteral("Print.ReportResult: %1/%2").arg(right).arg(asked);
}

void FakeWorld::AttachMelody(MelodyChoice& choice)
{
    calls << QStringLiteral("Sound.AttachMelody: %1").arg(choice.Melodies.size());
}

void FakeWorld::PlayMelody(const MelodyChoice& choice, int)
{
    calls << QStringLiteral("Sound.PlayMelody: ") + choice.currentName();
}

void FakeWorld::ShowNotice(const QString& text, const QString& title)
{
    notices << text;
    calls << QStringLiteral("Notices.ShowNotice: ") + text +
                 (title.isEmpty() ? QString() : QStringLiteral(" | ") + title);
}

void FakeWorld::Pause(int)
{
    ++pauses;
}

bool FakeWorld::AskYesNo(const QString& text, const QString& title)
{
    calls << QStringLiteral("Platform.AskYesNo: %1 | %2").arg(title, text);
    return !yesNoAnswers.isEmpty() && yesNoAnswers.takeFirst();
}

void FakeWorld::ShowMessage(const QString& text, const QString& title)
{
    calls << QStringLiteral("Platform.ShowMessage: %1 | %2").arg(title, text);
}

void FakeWorld::SetBusyPointer(bool busy)
{
    calls << QStringLiteral("Platform.SetBusyPointer: %1").arg(busy);
}

void FakeWorld::Repaint()
{
    ++repaints;
}

void FakeWorld::ProcessEvents() {}

void FakeWorld::EndProgram()
{
    calls << QStringLiteral("Platform.EndProgram");
    throw ProgramEnded{};
}

void FakeWorld::Diagnose(const QString& line)
{
    diagnostics << line;
}

QStringList FakeWorld::callsStartingWith(const QString& prefix) const
{
    QStringList found;
    for (const QString& call : calls)
        if (call.startsWith(prefix))
            found << call;
    return found;
}

int ScriptedRandom::uniform(int lo, int hi)
{
    if (!script.isEmpty()) {
        const int next = script.takeFirst();
        if (next >= lo && next <= hi)
            return next;
    }
    return lo;
}
