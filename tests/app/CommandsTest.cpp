#include "support/WindowFixture.h"

// The command dispatcher and the small handlers of the main window.

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
    try {
        form.EXECUTE(c.command);
    } catch (const ProgramEnded&) { // the platform ends the program: nothing after it runs
    }
    EXPECT_EQ(world.calls.filter(QRegularExpression("^(?!Root\\.)")), c.expectedCalls);
    EXPECT_EQ(form.CloseRequested, c.closes);
    EXPECT_EQ(form.m_CurrentPage, 1);
}

const QString quitQuestion =
    QStringLiteral("Platform.AskYesNo: Ende? | Wollen Sie den Test wirklich verlassen?");
const QString restartQuestion =
    QStringLiteral("Platform.AskYesNo: Neu? | Wirklich einen neuen Test beginnen?");

const QStringList quitting = {quitQuestion, "Dialogs.SetExitFlag: 1", "Platform.EndProgram"};
const QString noPeriodicTable = "Notices.ShowNotice: Leider ist das Periodensystem nichts für Experten...";
const QString noCalculator = "Notices.ShowNotice: Tut mir leid, Experten müssen selber rechnen!";

INSTANTIATE_TEST_SUITE_P(
    Table, Command,
    ::testing::Values(CommandCase{"Help", "DIALOG.HELP();", 0, {}, {"Dialogs.ShowHelp"}, false},
                      CommandCase{"QuitNo", "QUIT", 0, {false}, {quitQuestion}, false},
                      CommandCase{"QuitYes", "QUIT", 0, {true}, quitting, true},
                      CommandCase{"AbortYes", "DIALOG.ABORT();", 0, {true}, quitting, true},
                      CommandCase{"RestartNo", "RESTART", 0, {false}, {restartQuestion}, false},
                      CommandCase{"RestartYes", "RESTART", 0, {true}, {restartQuestion}, true},
                      CommandCase{
                          "PeriodicTable", "PERIODICTABLE", 0, {}, {"Tools.ShowPeriodicTable"}, false},
                      CommandCase{"PeriodicTableExpert", "PERIODICTABLE", 1, {}, {noPeriodicTable}, false},
                      CommandCase{"Calculator", "CALC", 0, {}, {"Tools.ShowCalculator: "}, false},
                      CommandCase{"CalculatorExpert", "CALC", 1, {}, {noCalculator}, false},
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
    EXPECT_EQ(world.calls.filter(QRegularExpression("^(Platform.AskYesNo|Tools|Dialogs.ShowHelp)")),
              QStringList({quitQuestion, restartQuestion, "Tools.ShowPeriodicTable",
                           "Tools.ShowCalculator: ", "Dialogs.ShowHelp"}));
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
