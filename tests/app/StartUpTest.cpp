#include "app/Main.h"
#include "support/CatalogueBuilder.h"
#include "support/WindowFixture.h"

#include <QRegularExpression>

// Start-up: the start procedure, the main window's load and its layout.

struct CommandLineCase {
    const char* name;
    QString commandLine;
    bool anotherInstance;
    bool refused;
    bool exitFlagCleared;
};

class LoadWithCommandLine : public WindowTest, public ::testing::WithParamInterface<CommandLineCase> {};

TEST_P(LoadWithCommandLine, RefusesASecondInstanceAndHonoursDev)
{
    const CommandLineCase& c = GetParam();
    world.commandLine = c.commandLine;
    world.anotherInstance = c.anotherInstance;
    bool ended = false;
    try {
        load();
    } catch (const ProgramEnded&) {
        ended = true;
    }
    EXPECT_EQ(ended, c.refused);
    EXPECT_EQ(world.notices.contains("Der Kolbrixtest läuft bereits oder wird noch geladen."), c.refused);
    if (!c.refused) {
        EXPECT_EQ(world.exitFlag, !c.exitFlagCleared);
        EXPECT_TRUE(form.Shown && form.Maximised);
        EXPECT_TRUE(form.Seite[0].Visible);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, LoadWithCommandLine,
    ::testing::Values(CommandLineCase{"Alone", "", false, false, true},
                      CommandLineCase{"SecondInstance", "", true, true, false},
                      CommandLineCase{"SecondInstanceLowerCaseNew", "/new", true, true, false},
                      CommandLineCase{"SecondInstanceWithNew", "/NEW", true, false, true},
                      CommandLineCase{"NewInsideAWord", "X/NEWER", true, false, true},
                      CommandLineCase{"DevUpper", "-DEV", false, false, false},
                      CommandLineCase{"DevLower", "-dev", false, false, false},
                      CommandLineCase{"DevMixed", "/NEW -Dev", true, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct DifficultyCase {
    const char* name;
    QString parameter; // empty: the host has none
    int expert;
    bool locked;
};

class LoadWithDifficulty : public WindowTest, public ::testing::WithParamInterface<DifficultyCase> {};

TEST_P(LoadWithDifficulty, PresetsAndLocksTheChoice)
{
    const DifficultyCase& c = GetParam();
    if (!c.parameter.isEmpty())
        world.parameters[QStringLiteral("DIFFICULTY")] = c.parameter;
    load();
    EXPECT_EQ(state.g_Expert.toInt(), c.expert);
    EXPECT_EQ(form.page0.Expert[1].Value, c.expert == 1);
    EXPECT_EQ(form.page0.Expert[0].Value, c.expert == 0);
    EXPECT_EQ(form.page0.Expert[0].Enabled, !c.locked);
    EXPECT_EQ(form.page0.Expert[1].Enabled, !c.locked);
    EXPECT_EQ(form.but_GameTools[1].Visible, c.expert == 0); // no calculator for a preset expert either
}

INSTANTIATE_TEST_SUITE_P(Table, LoadWithDifficulty,
                         ::testing::Values(DifficultyCase{"Absent", "", 0, false},
                                           DifficultyCase{"Choose", "-1", 0, false},
                                           DifficultyCase{"Beginner", "0", 0, true},
                                           DifficultyCase{"Expert", "1", 1, true},
                                           DifficultyCase{"OutOfRange", "2", 0, false},
                                           DifficultyCase{"NotANumber", "hard", 0, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, PresetExpertStartsWithTheExpertCaption)
{
    world.parameters[QStringLiteral("DIFFICULTY")] = QStringLiteral("1");
    startTest();
    EXPECT_EQ(form.Caption, "Mia im KOLBRIX -TEST [1er Kandidat]");
    EXPECT_TRUE(form.Streberstufe.Visible);
}

TEST_F(WindowTest, LoadTalksToTheServicesInOrder)
{
    load();
    QStringList handshake;
    for (const QString& call : world.calls)
        if (call.startsWith("Host.") || call.startsWith("Windows.") || call.startsWith("Sound."))
            handshake << call;
    EXPECT_EQ(handshake, QStringList({"Windows.RegisterWindow: Kolbrix Test", "Sound.AttachMelody: 4",
                                      "Host.Begin: 1", "Host.Ready", "Host.Parameter: DIFFICULTY"}));
    EXPECT_FALSE(form.Streberstufe.Visible);
    EXPECT_EQ(form.Seite[1].Width, form.bar_Holder.Width);
    EXPECT_EQ(form.Seite[1].Height, form.bar_Mark.Top - 10);
}

TEST_F(WindowTest, ARefusedHandshakeEndsTheProgram)
{
    world.hostBegins = false;
    EXPECT_THROW(load(), ProgramEnded);
    EXPECT_TRUE(world.callsStartingWith("Host.Ready").isEmpty());
}

TEST_F(WindowTest, ABrokenCatalogueIsReportedAndTheWindowStaysUsable)
{
    writeCatalogue(windows1252Lines({"#", "Eisen", "Fe", "@", "#", "1"}));
    load();
    ASSERT_EQ(world.notices.size(), 1);
    EXPECT_TRUE(world.notices.first().startsWith("Mit der Aufgabendatei „" + state.g_CatalogFile + "“"));
    EXPECT_TRUE(world.notices.first().contains("Zeile 6: "));
    EXPECT_EQ(world.diagnostics.size(), world.notices.first().count("\n• "));
    EXPECT_EQ(world.diagnostics.filter(state.g_CatalogFile + ":6: error: ").size(), 1);
    EXPECT_EQ(upperBound(state.g_ElementTasks), 1);
    EXPECT_EQ(form.m_OkDelay, 5);
}

TEST_F(WindowTest, EveryLoadReadsTheCatalogueAgain)
{
    load();
    EXPECT_EQ(upperBound(state.g_ElementTasks), 12);
    writeCatalogue(catalogueFile({{Section::Elements, {"Gold", "Au"}}}));
    frm_AppMain nextRun(context);
    nextRun.Form_Load();
    EXPECT_EQ(upperBound(state.g_ElementTasks), 1);
}

TEST_F(WindowTest, ResizeCentresTheHolderAndRightAlignsTheButtons)
{
    form.bar_Status.Height = 400;
    form.but_GameTools[0].Height = 300;
    form.ScaleWidth = 2000;
    form.ScaleHeight = 1200;
    form.Form_Resize();
    const int margin = 50;
    EXPECT_EQ(form.but_OK.Left, 2000 - form.but_OK.Width - margin);
    EXPECT_EQ(form.but_OK.Top, margin);
    EXPECT_EQ(form.but_Next.Left, form.but_OK.Left);
    EXPECT_EQ(form.but_GameTools[1].Left, form.but_OK.Left - 3 * margin - form.but_GameTools[1].Width);
    EXPECT_EQ(form.but_GameTools[0].Left, form.but_GameTools[1].Left - margin - form.but_GameTools[0].Width);
    EXPECT_EQ(form.bar_Holder.Left, (2000 - form.bar_Holder.Width) / 2);
    EXPECT_EQ(form.bar_Holder.Top,
              form.bar_Header.Height + (1200 - form.bar_Header.Height - 400 - form.bar_Holder.Height) / 2);
    // the holder shows the part of the window's gradient that lies behind it
    EXPECT_EQ(form.bar_Holder.Background.top, -form.bar_Holder.Top);
    EXPECT_EQ(form.bar_Holder.Background.from, form.Background.from);
    EXPECT_EQ(form.Background.height, 1200);

    form.ScaleWidth = 600; // narrower than the holder: nothing is clamped
    form.Form_Resize();
    EXPECT_LT(form.bar_Holder.Left, 0);
}

namespace {

// Shows the main window a given number of times, then stops the start procedure's loop.
class CountingRunner : public MainWindowRunner {
public:
    CountingRunner(mdl_KolTest& state, int runs) : m_state(state), m_runs(runs) {}
    QStringList candidatesSeen;
    void ShowMainWindowModal() override
    {
        candidatesSeen << m_state.g_CandidateName;
        m_state.g_CandidateName = QStringLiteral("Mia"); // what a test run leaves behind
        if (--m_runs == 0)
            throw ProgramEnded{};
    }

private:
    mdl_KolTest& m_state;
    int m_runs;
};

} // namespace

TEST(MainTest, DescribesTheProgramAndResetsBeforeEveryRun)
{
    FakeWorld world;
    world.commandLine = QStringLiteral("/NEW DIFFICULTY=1");
    ProcessRandom random;
    mdl_KolTest state;
    AppContext context{state, world.services, world.tools, world, random};
    CountingRunner runner(state, 3);
    EXPECT_THROW(Main(context, runner), ProgramEnded);

    EXPECT_EQ(world.callsStartingWith("App.SetShortName"), QStringList({"App.SetShortName: KolTest"}));
    EXPECT_EQ(world.callsStartingWith("App.SetTitle"), QStringList({"App.SetTitle: Kolbrix Test"}));
    EXPECT_EQ(world.callsStartingWith("App.SetVersion"),
              QStringList({"App.SetVersion: " + programVersion()}));
    EXPECT_TRUE(programVersion().contains(QRegularExpression("^\\d+\\.\\d+\\.\\d+$")));
    EXPECT_EQ(world.callsStartingWith("Root.SetCommandLine"),
              QStringList({"Root.SetCommandLine: /NEW DIFFICULTY=1"}));
    EXPECT_EQ(state.g_CatalogFile, "/data/koltest.dat");
    EXPECT_EQ(runner.candidatesSeen, QStringList({"", "", ""}));
}
