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
    try {
        load();
    } catch (const ProgramEnded&) { // checked below
    }
    EXPECT_EQ(world.calls.contains("Platform.EndProgram"), c.refused);
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
                      CommandLineCase{"DevInAnyCase", "/NEW -Dev", true, false, false}),
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
    for (int choice : {0, 1}) {
        EXPECT_EQ(form.page0.Expert[choice].Value, c.expert == choice);
        EXPECT_EQ(form.page0.Expert[choice].Enabled, !c.locked);
    }
    EXPECT_EQ(form.but_GameTools[1].Visible, c.expert == 0); // no calculator for a preset expert either
}

INSTANTIATE_TEST_SUITE_P(Table, LoadWithDifficulty,
                         ::testing::Values(DifficultyCase{"Absent", "", 0, false},
                                           DifficultyCase{"Beginner", "0", 0, true},
                                           DifficultyCase{"Expert", "1", 1, true},
                                           DifficultyCase{"OutOfRange", "2", 0, false},
                                           DifficultyCase{"NotANumber", "hard", 0, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, LoadTalksToTheServicesInOrder)
{
    load();
    EXPECT_EQ(world.calls.filter(QRegularExpression("^(Host|Windows|Sound)\\.")),
              QStringList({"Windows.RegisterWindow: Kolbrix Test", "Sound.AttachMelody: 4", "Host.Begin: 1",
                           "Host.Ready", "Host.Parameter: DIFFICULTY"}));
    EXPECT_FALSE(form.Streberstufe.Visible);
    EXPECT_EQ(form.FocusRequest, &form.page0.NameField);
    EXPECT_EQ(form.Seite[1].Width, form.bar_Mark.Width);
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
    frm_AppMain nextRun(context, world);
    nextRun.Form_Load();
    EXPECT_EQ(upperBound(state.g_ElementTasks), 1);
}

bool inside(const Geometry& inner, int left, int top, int width, int height)
{
    return inner.Left >= left && inner.Top >= top && inner.Left + inner.Width <= left + width &&
           inner.Top + inner.Height <= top + height;
}

// On every screen from a netbook to a 4K whiteboard the page area lies whole between the header and the
// status strip, centred, as large as it fits; the buttons lie in the status strip, side by side.
TEST_F(WindowTest, ThePageAreaAndTheButtonsFitTheWindow)
{
    load();
    for (const auto& [width, height] : {std::pair{1024, 570}, std::pair{1366, 698}, std::pair{3840, 2100}}) {
        SCOPED_TRACE(width);
        resize(width, height);
        const double scale = form.m_PageScale;
        const Geometry page{form.m_PageLeft, form.bar_Holder.Top, static_cast<int>(1040 * scale),
                            static_cast<int>(566 * scale)};
        const int freeHeight = height - form.bar_Header.Height - form.bar_Status.Height;
        EXPECT_TRUE(inside(page, 0, form.bar_Header.Height, width, freeHeight));
        // One side of the page area touches the free space: it is as large as it fits.
        EXPECT_TRUE(page.Width >= width - 2 || page.Height >= freeHeight - 2)
            << page.Width << "x" << page.Height;
        EXPECT_NEAR(page.Left, width - page.Left - page.Width, 1);

        for (const Button* button : {&form.but_GameTools[0], &form.but_GameTools[1], &form.but_OK})
            EXPECT_TRUE(inside(*button, 0, 0, width, form.bar_Status.Height));
        EXPECT_LT(form.but_GameTools[0].Left + form.but_GameTools[0].Width, form.but_GameTools[1].Left);
        EXPECT_LT(form.but_GameTools[1].Left + form.but_GameTools[1].Width, form.but_OK.Left);
        EXPECT_EQ(form.but_Next.Left, form.but_OK.Left);
        // The holder shows the part of the window's gradient that lies behind it.
        EXPECT_EQ(form.bar_Holder.Background.top, -form.bar_Holder.Top);
        EXPECT_EQ(form.Background.height, height);
    }
}

// On a 4K whiteboard pages and strips are drawn well over twice as large as on a laptop.
TEST_F(WindowTest, TextGrowsWithTheScreen)
{
    const double laptop = form.m_PageScale; // the fixture's window
    resize(3840, 2100);
    EXPECT_GT(form.m_PageScale, 2.5 * laptop);
    EXPECT_GT(form.m_StripScale, 2.5);
}

namespace {

// Shows the main window a given number of times, then stops the start procedure's loop.
struct CountingRunner : MainWindowRunner {
    mdl_KolTest& state;
    int runs;
    QStringList candidatesSeen;
    CountingRunner(mdl_KolTest& state, int runs) : state(state), runs(runs) {}
    void ShowMainWindowModal() override
    {
        candidatesSeen << state.g_CandidateName;
        state.g_CandidateName = QStringLiteral("Mia"); // what a test run leaves behind
        if (--runs == 0)
            throw ProgramEnded{};
    }
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

    EXPECT_EQ(world.callsStartingWith("App.Set").mid(1) +
                  world.callsStartingWith("Root."), // after the notice
              QStringList({"App.SetShortName: KolTest", "App.SetTitle: Kolbrix Test",
                           "App.SetVersion: " + programVersion(), "Root.SetCommandLine: /NEW DIFFICULTY=1"}));
    EXPECT_TRUE(programVersion().contains(QRegularExpression("^\\d+\\.\\d+\\.\\d+$")));
    EXPECT_EQ(state.g_CatalogFile, "/data/koltest.dat");
    EXPECT_EQ(runner.candidatesSeen, QStringList({"", "", ""}));
}
