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

// The question itself and "Nein" keeping the pupil are the end-of-walk tests'; here: what each answer leaves.
TEST_F(WindowTest, NextOnTheLastPageAsksForANewTest)
{
    openPage(6);
    form.but_OK_Click();
    tick(5);
    world.yesNoAnswers = {false};
    form.but_Next_Click();
    EXPECT_EQ(form.m_OkDelay, 0); // the judged sheet is not offered for judging again
    world.yesNoAnswers = {true};
    form.but_Next_Click();
    EXPECT_TRUE(form.CloseRequested);
}

TEST_F(WindowTest, OkAndNextComeBackAfterFiveTicks)
{
    load();
    tick(4);
    EXPECT_FALSE(form.but_OK.Visible);
    tick(1);
    EXPECT_TRUE(form.but_OK.Visible);

    world.userName = QStringLiteral("Mia");
    form.but_OK_Click();
    EXPECT_FALSE(form.but_OK.Visible);
    EXPECT_EQ(form.m_NextDelay, 0); // starting the test judges nothing
    EXPECT_EQ(form.m_OkDelay, 5);

    tick(5);
    form.but_OK_Click();
    EXPECT_FALSE(form.but_OK.Visible);
    tick(4);
    EXPECT_FALSE(form.but_Next.Visible);
    form.FocusRequest = nullptr;
    tick(1);
    EXPECT_TRUE(form.but_Next.Visible);
    EXPECT_EQ(form.FocusRequest, &form.but_Next); // the pupil's next step
    EXPECT_FALSE(form.but_OK.Visible);
    tick(1); // countdowns at 0 stay there
    EXPECT_EQ(form.m_OkDelay, 0);
    EXPECT_EQ(form.m_NextDelay, 0);
}

// A page that the walk table does not hold (there is no page 7) still gets its buttons back.
TEST_F(WindowTest, OkAndNextComeBackOnAPageOutsideTheWalk)
{
    load();
    form.m_CurrentPage = 7;
    form.m_OkDelay = form.m_NextDelay = 0;
    form.but_OK_Click();
    EXPECT_EQ(form.m_NextDelay, 5);
    form.but_Next_Click();
    EXPECT_EQ(form.m_OkDelay, 5);
}

// The old page slides out across the window's right edge and the new one in from there, together in the
// 0.8 s of forty 10 ms steps each, however long a frame takes to draw: a slow screen draws fewer frames.
// The new page ends exactly in place.
TEST_F(WindowTest, APageChangeLeavesTheWindowInItsTimeAndEndsInPlace)
{
    startTest();
    world.clockRuns = true;
    const struct {
        int width, height; // of the window
        int paintMs;       // what drawing one frame takes
    } screens[] = {{1366, 698, 0}, {1024, 570, 5}, {3840, 2100, 40}};
    for (const auto& screen : screens) {
        SCOPED_TRACE(screen.width);
        resize(screen.width, screen.height);
        world.repaintMs = screen.paintMs;
        form.but_OK_Click();
        world.repaints = 0;
        const int from = form.m_CurrentPage;
        const double start = world.clockValue;
        form.but_Next_Click();
        EXPECT_NEAR(world.clockValue - start, 0.8, 0.08);
        EXPECT_LE(world.repaints, 800 / (10 + screen.paintMs) + 2); // a last frame for each slide
        // At its last step out, the old page stood beyond the window's right edge.
        EXPECT_GE(form.m_PageLeft + form.Seite[from].Left * form.m_PageScale, screen.width);
        EXPECT_FALSE(form.Seite[from].Visible);
        EXPECT_TRUE(form.Seite[form.m_CurrentPage].Visible);
        EXPECT_EQ(form.Seite[form.m_CurrentPage].Left, 0);
    }
}

TEST_F(WindowTest, PraisePanelHidesOnClickOnEveryPageSwitchAndAfterTwoSeconds)
{
    startTest();
    form.ShowPraise();
    form.lab_Correct_Click();
    EXPECT_FALSE(form.lab_Correct.Visible);
    form.ShowPraise();
    form.but_Next_Click();
    EXPECT_FALSE(form.lab_Correct.Visible);
    form.ShowPraise();
    EXPECT_EQ(form.lab_Correct.Text, world.praise);
    tick(19);
    EXPECT_TRUE(form.lab_Correct.Visible);
    tick(1); // it never covers the judged rows for long
    EXPECT_FALSE(form.lab_Correct.Visible);
}

// The editor's preview shows a record on the first page that draws from its section.
TEST_F(WindowTest, TheFirstPageOfASectionDrawsFromIt)
{
    writeCatalogue(catalogueFile({}));
    for (const Section section : allSections) {
        world.notices.clear();
        openPage(form.firstPageOf(section));
        const QStringList shortOfTasks =
            world.notices.filter(QStringLiteral("Auf dieser Seite fehlen Aufgaben"));
        ASSERT_EQ(shortOfTasks.size(), 1);
        EXPECT_TRUE(shortOfTasks[0].contains(QStringLiteral("„%1“").arg(sectionName(section))))
            << shortOfTasks[0].toStdString();
    }
}
