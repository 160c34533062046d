#include "support/WindowFixture.h"

#include <functional>

// Answer fields, the command dispatcher and the small handlers of the main window.

TEST_F(WindowTest, EnterWalksTheRingsOfPagesOneAndTwo)
{
    startTest();
    const QList<std::pair<std::function<void()>, ControlId>> ring = {
        {[&] { form.EleSym_KeyPress(0, KeyEnter); }, &form.page1.EleSym[1]},
        {[&] { form.EleSym_KeyPress(2, KeyEnter); }, &form.page1.Ele[0]},
        {[&] { form.Ele_KeyPress(1, KeyEnter); }, &form.page1.Ele[2]},
        {[&] { form.Ele_KeyPress(2, KeyEnter); }, &form.page1.EleSym[0]},
        {[&] { form.Zahl_KeyPress(0, KeyEnter); }, &form.page2.Zahl[1]},
        {[&] { form.Zahl_KeyPress(3, KeyEnter); }, &form.page2.Zahl[0]},
    };
    for (const auto& [press, expected] : ring) {
        form.FocusRequest = nullptr;
        press();
        EXPECT_EQ(form.FocusRequest, expected);
    }
    form.FocusRequest = nullptr;
    form.Ele_KeyPress(0, 'a');
    EXPECT_EQ(form.FocusRequest, nullptr);
}

TEST_F(WindowTest, AClickOpensTheKeypadWithTheTaskAsPrompt)
{
    startTest();
    form.page1.AnzS1[1] = {QStringLiteral("Natrium")};
    form.page1.AnzS1[5] = {QStringLiteral("Fe")};
    form.page2.AnzS2[0] = {QStringLiteral("tri")};
    form.page2.AnzS2[3] = {QStringLiteral("8")};
    world.padInputs = {QStringLiteral("Na"), QStringLiteral("Eisen"), QStringLiteral("3"),
                       QStringLiteral("okta")};

    form.EleSym_Click(1);
    form.Ele_Click(2);
    form.Zahl_Click(0);
    form.Zahl_Click(3);

    EXPECT_EQ(world.callsStartingWith("Dialogs.Show"),
              QStringList({"Dialogs.ShowTextPad: Natrium", "Dialogs.ShowTextPad: Fe",
                           "Dialogs.ShowNumberPad: tri", "Dialogs.ShowTextPad: 8"}));
    EXPECT_EQ(form.page1.EleSym[1].Text, "Na");
    EXPECT_EQ(form.page1.Ele[2].Text, "Eisen");
    EXPECT_EQ(form.page2.Zahl[3].Text, "okta");
}

struct CommandCase {
    const char* name;
    QString command;
    int expert;
    QList<bool> answers;
    QStringList expectedCalls; // calls of the dialogs, tools, notices and platform, in order
    bool closes;
};

class Command : public WindowTest, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(Command, IsCarriedOut)
{
    const CommandCase& c = GetParam();
    startTest();
    form.Expert_Click(c.expert);
    world.calls.clear();
    world.yesNoAnswers = c.answers;
    bool ended = false;
    try {
        form.EXECUTE(c.command);
    } catch (const ProgramEnded&) {
        ended = true;
    }
    QStringList seen;
    for (const QString& call : world.calls)
        if (!call.startsWith("Root."))
            seen << call;
    EXPECT_EQ(seen, c.expectedCalls);
    EXPECT_EQ(form.CloseRequested, c.closes);
    EXPECT_EQ(ended, c.expectedCalls.contains("Platform.EndProgram"));
    EXPECT_EQ(form.m_CurrentPage, 1);
}

const QString quitQuestion =
    QStringLiteral("Platform.AskYesNo: Ende? | Wollen Sie den Test wirklich verlassen?");
const QString restartQuestion =
    QStringLiteral("Platform.AskYesNo: Neu? | Wirklich einen neuen Test beginnen?");

INSTANTIATE_TEST_SUITE_P(
    Table, Command,
    ::testing::Values(
        CommandCase{"Help", "DIALOG.HELP();", 0, {}, {"Dialogs.ShowHelp"}, false},
        CommandCase{"QuitNo", "QUIT", 0, {false}, {quitQuestion}, false},
        CommandCase{"QuitYes",
                    "QUIT",
                    0,
                    {true},
                    {quitQuestion, "Dialogs.SetExitFlag: 1", "Platform.EndProgram"},
                    true},
        CommandCase{"AbortYes",
                    "DIALOG.ABORT();",
                    0,
                    {true},
                    {quitQuestion, "Dialogs.SetExitFlag: 1", "Platform.EndProgram"},
                    true},
        CommandCase{"RestartNo", "RESTART", 0, {false}, {restartQuestion}, false},
        CommandCase{"RestartYes", "RESTART", 0, {true}, {restartQuestion}, true},
        CommandCase{"PeriodicTable", "PERIODICTABLE", 0, {}, {"Tools.ShowPeriodicTable"}, false},
        CommandCase{"PeriodicTableExpert",
                    "PERIODICTABLE",
                    1,
                    {},
                    {"Notices.ShowNotice: Leider ist das Periodensystem nichts für Experten..."},
                    false},
        CommandCase{"Calculator", "CALC", 0, {}, {"Tools.ShowCalculator: "}, false},
        CommandCase{"CalculatorExpert",
                    "CALC",
                    1,
                    {},
                    {"Notices.ShowNotice: Tut mir leid, Experten müssen selber rechnen!"},
                    false},
        CommandCase{"CaseMatters", "quit", 0, {}, {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, ButtonsSendTheirCommands)
{
    load();
    world.yesNoAnswers = {false, false};
    form.but_GameCommands_Click(0);
    form.but_GameCommands_Click(1);
    form.but_GameTools_Click(0);
    form.but_GameTools_Click(1);
    form.bar_Header_Command(QStringLiteral("DIALOG.HELP();"));
    EXPECT_EQ(world.callsStartingWith("Platform.AskYesNo").size(), 2);
    EXPECT_EQ(world.callsStartingWith("Tools."),
              QStringList({"Tools.ShowPeriodicTable", "Tools.ShowCalculator: "}));
    EXPECT_EQ(world.callsStartingWith("Dialogs.ShowHelp").size(), 1);
}

TEST_F(WindowTest, AnAvatarClickRefreshesTheOtherFigure)
{
    load();
    form.ctl_Avatar1_Click();
    EXPECT_EQ(world.avatarClicks, 1);
    EXPECT_EQ(form.ctl_Avatar2.Refreshes, 1);
    EXPECT_EQ(form.ctl_Avatar1.Refreshes, 0);
    form.ctl_Avatar2_Click();
    EXPECT_EQ(form.ctl_Avatar1.Refreshes, 1);
}
