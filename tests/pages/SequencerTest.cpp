#include "pages/RandomDraw.h"
#include "support/CatalogueBuilder.h"
#include "support/WindowFixture.h"

// The walk through the pages, the buttons' cycle and the draws.

TEST_F(WindowTest, NextWalksThePagesInTheirFixedOrder)
{
    startTest();
    QList<int> visited{form.m_CurrentPage};
    QList<bool> restartShown{form.but_GameCommands[1].Visible};
    for (int i = 0; i < 9; ++i) {
        form.but_OK_Click();
        form.but_Next_Click();
        visited << form.m_CurrentPage;
        restartShown << form.but_GameCommands[1].Visible;
        int shownFrames = 0;
        for (int page : PageFrames::numbers)
            shownFrames += form.Seite[page].Visible ? 1 : 0;
        EXPECT_EQ(shownFrames, 1);
        EXPECT_EQ(form.Seite[form.m_CurrentPage].Left, 0);
    }
    EXPECT_EQ(visited, QList<int>({1, 2, 11, 8, 12, 3, 4, 9, 5, 6}));
    EXPECT_EQ(restartShown, QList<bool>({false, false, true, true, true, true, true, true, true, true}));
}

TEST_F(WindowTest, NextOnTheLastPageAsksForANewTest)
{
    startTest();
    walkTo(6);
    form.but_OK_Click();
    for (int tick = 0; tick < 5; ++tick)
        form.tmr_Delay_Timer();
    world.yesNoAnswers = {false};
    form.but_Next_Click();
    EXPECT_EQ(world.callsStartingWith("Platform.AskYesNo"),
              QStringList({"Platform.AskYesNo: Neu? | Wirklich einen neuen Test beginnen?"}));
    EXPECT_FALSE(form.CloseRequested);
    EXPECT_EQ(form.m_OkDelay, 0);   // the judged sheet is not offered for judging again ...
    EXPECT_EQ(form.m_NextDelay, 5); // ... Next comes back instead
    world.yesNoAnswers = {true};
    form.but_Next_Click();
    EXPECT_TRUE(form.CloseRequested);
}

TEST_F(WindowTest, OkAndNextComeBackAfterFiveTicks)
{
    load();
    EXPECT_FALSE(form.but_OK.Visible);
    for (int tick = 0; tick < 4; ++tick)
        form.tmr_Delay_Timer();
    EXPECT_FALSE(form.but_OK.Visible);
    form.tmr_Delay_Timer();
    EXPECT_TRUE(form.but_OK.Visible);

    world.userName = QStringLiteral("Mia");
    form.but_OK_Click();
    EXPECT_FALSE(form.but_OK.Visible);
    EXPECT_EQ(form.m_NextDelay, 0); // starting the test judges nothing
    EXPECT_EQ(form.m_OkDelay, 5);

    for (int tick = 0; tick < 5; ++tick)
        form.tmr_Delay_Timer();
    form.but_OK_Click();
    EXPECT_FALSE(form.but_OK.Visible);
    EXPECT_FALSE(form.but_Next.Visible);
    for (int tick = 0; tick < 5; ++tick)
        form.tmr_Delay_Timer();
    EXPECT_TRUE(form.but_Next.Visible);
    EXPECT_FALSE(form.but_OK.Visible);
    form.tmr_Delay_Timer(); // countdowns at 0 stay there
    EXPECT_EQ(form.m_OkDelay, 0);
    EXPECT_EQ(form.m_NextDelay, 0);
}

TEST_F(WindowTest, SlideMovesOutAndInInFortySteps)
{
    world.screenWidth = 800;
    startTest();
    world.repaints = 0;
    world.pauses = 0;
    form.but_OK_Click();
    form.but_Next_Click();
    // 41 positions out (0, 20, … 800) and 41 in (800, 780, … 0), each drawn and followed by 10 ms
    EXPECT_EQ(world.repaints, 82);
    EXPECT_EQ(world.pauses, 82);
}

TEST_F(WindowTest, PraisePanelHidesOnClickAndOnEveryPageSwitch)
{
    startTest();
    form.ShowPraise();
    form.lab_Correct_Click();
    EXPECT_FALSE(form.lab_Correct.Visible);
    form.ShowPraise();
    form.but_Next_Click();
    EXPECT_FALSE(form.lab_Correct.Visible);
}

TEST(PickRandomIndexTest, NeverDrawsAnExcludedNumberAndNeverLoops)
{
    ProcessRandom random;
    for (int i = 0; i < 200; ++i) {
        EXPECT_EQ(PickRandomIndex(random, 1, {0, 0, 0, 0, 0, 0}), 1);
        EXPECT_EQ(PickRandomIndex(random, 3, {1, 2}), 3);
    }
    EXPECT_EQ(PickRandomIndex(random, 2, {1, 2}), 0);
    EXPECT_EQ(PickRandomIndex(random, 0, {}), 0);
    EXPECT_EQ(drawDistinct(random, 3, 6).size(), 3);
}

// Every record of a section is equally likely; the first is not favoured.
TEST(PickRandomIndexTest, IsFairOverTheWholeRange)
{
    ProcessRandom random;
    std::array<int, 5> counts{};
    constexpr int draws = 50000;
    for (int i = 0; i < draws; ++i)
        ++counts.at(static_cast<std::size_t>(PickRandomIndex(random, 5, {}) - 1));
    for (int count : counts)
        EXPECT_NEAR(count, draws / 5, draws / 50);
}

struct LevelCase {
    const char* name;
    int expert;
    int highestRecord;
};

class DrawRange : public WindowTest, public ::testing::WithParamInterface<LevelCase> {};

TEST_P(DrawRange, BeginnersDrawOnlyBeforeTheMarker)
{
    load();
    form.Expert_Click(GetParam().expert);
    ProcessRandom fair;
    AppContext fairContext{state, world.services, world.tools, world, fair};
    frm_AppMain window(fairContext);
    int highest = 0;
    for (int run = 0; run < 200; ++run) {
        const QList<int> drawn =
            drawSheet(window, Section::Elements, upperBound(state.g_ElementTasks), state.g_ElementsEasy, 6);
        EXPECT_EQ(QSet<int>(drawn.begin(), drawn.end()).size(), 6);
        for (int record : drawn)
            highest = std::max(highest, record);
    }
    EXPECT_EQ(highest, GetParam().highestRecord);
}

INSTANTIATE_TEST_SUITE_P(Table, DrawRange,
                         ::testing::Values(LevelCase{"Beginner", 0, 8}, LevelCase{"Expert", 1, 12}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ShortSectionCase {
    const char* name;
    QStringList elements; // the element section's body
    int difficulty;
    QString supply; // how the message tells what there is
    int filledRows; // rows 0.. of the symbol group that get a task
};

class ShortSection : public WindowTest, public ::testing::WithParamInterface<ShortSectionCase> {};

TEST_P(ShortSection, IsReportedOnceThePageIsShownAndNotLoopedOn)
{
    const ShortSectionCase& c = GetParam();
    writeCatalogue(catalogueFile({{Section::Elements, c.elements}}));
    world.parameters[QStringLiteral("DIFFICULTY")] = QString::number(c.difficulty);
    startTest();
    // The message at start-up has already named the catalogue's errors; the page adds its own notice.
    ASSERT_EQ(world.notices.size(), 2);
    EXPECT_EQ(world.notices.last(),
              "Auf dieser Seite fehlen Aufgaben: Im Abschnitt „Elemente“ der Aufgabendatei " + c.supply +
                  ", diese Seite braucht 6.\n\nBitte sag deiner Lehrerin oder "
                  "deinem Lehrer Bescheid.");
    EXPECT_EQ(world.diagnostics.filter("section 1 (Elemente)").size(), 1);
    EXPECT_EQ(form.Seite[1].Left, 0); // the notice came after the slide
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(form.page1.EleSym[row].Enabled, row < c.filledRows);
        EXPECT_EQ(form.page1.AnzS1[row].Caption.isEmpty(), row >= c.filledRows);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ShortSection,
    ::testing::Values(ShortSectionCase{"BeginnerPart",
                                       {"Eisen", "Fe", "Gold", "Au", "ææ", "Blei", "Pb"},
                                       0,
                                       "stehen vor der Zeile „ææ“ nur 2 Aufgaben",
                                       2},
                      ShortSectionCase{"OneForExperts", {"Eisen", "Fe"}, 1, "steht nur eine Aufgabe", 1},
                      ShortSectionCase{"Empty", {}, 1, "stehen keine Aufgaben", 0},
                      ShortSectionCase{"NoBeginnerMarker",
                                       {"Eisen", "Fe"},
                                       0,
                                       "sind keine Aufgaben für Anfänger markiert (die Zeile „ææ“ fehlt)",
                                       0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, ElementPageShowsNamesAndSymbolsAndExpectsTheirCounterparts)
{
    random.script = {2, 0, 0,
                     0, 0, 0}; // Iod*Jod first (record 3, the third of the allowed), then the lowest left
    startTest();
    EXPECT_EQ(form.page1.AnzS1[0].Caption, "Iod");
    EXPECT_EQ(state.g_Solutions[0], "I");
    EXPECT_EQ(form.page1.AnzS1[1].Caption, "Wasserstoff");
    EXPECT_EQ(form.page1.AnzS1[3].Caption, "Ca");
    EXPECT_EQ(state.g_Solutions[3], "*Calcium*Kalzium*");
    EXPECT_EQ(state.g_Solutions[4], "*Helium*");
    EXPECT_EQ(form.FocusRequest, &form.page1.EleSym[0]);
}

TEST_F(WindowTest, SyllablePageShowsNumbersWithoutBlank)
{
    startTest();
    random.script = {3, 0, 0, 0}; // tetra first
    form.but_OK_Click();
    form.but_Next_Click();
    EXPECT_EQ(form.page2.AnzS2[0].Caption, "tetra");
    EXPECT_EQ(state.g_Solutions[0], "4");
    EXPECT_EQ(form.page2.AnzS2[2].Caption, "2");
    EXPECT_EQ(state.g_Solutions[2], "*di*");
    EXPECT_EQ(form.FocusRequest, &form.page2.Zahl[0]);
}
