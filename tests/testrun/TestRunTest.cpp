#include "support/CatalogueBuilder.h"
#include "support/WindowFixture.h"
#include "testrun/TestStart.h"

// The reset before every test run and the start of a test on page 0.

TEST(ResetTestRunTest, ClearsTheRunAndKeepsWhatOutlivesIt)
{
    mdl_KolTest state;
    state.g_Solutions[30] = QStringLiteral("x");
    state.g_CandidateName = QStringLiteral("Mia");
    state.g_TestTimes = {"a", "b", "c"};
    state.g_Grade = QStringLiteral("2");
    state.g_GradeWords = QStringLiteral("gut");
    state.g_ElementsAsked = DynValue::int16(6);
    state.g_ElementsRight = 5;
    state.g_Expert = DynValue::int16(1);
    state.g_ElementsEasy = DynValue::int16(25);

    ResetTestRun(state);

    EXPECT_EQ(state.g_Solutions[30], "");
    EXPECT_EQ(state.g_CandidateName, "");
    EXPECT_EQ(state.g_TestTimes[1], "");
    EXPECT_EQ(state.g_TestTimes[2], "c");
    EXPECT_EQ(state.g_Grade, "");
    EXPECT_EQ(state.g_GradeWords, "gut");
    EXPECT_FALSE(state.g_TotalAsked.isEmpty());
    EXPECT_EQ(state.g_TotalAsked.toText() + state.g_TotalRight.toText() + state.g_Expert.toText(), "000");
    EXPECT_EQ(state.g_ElementsAsked.toText(), "6");
    EXPECT_EQ(state.g_ElementsRight, 0);
    EXPECT_EQ(state.g_ElementsEasy.toText(), "25");
}

class StartWithName : public WindowTest, public ::testing::WithParamInterface<QString> {};

// An empty name or one of blanks is refused, and OK comes back for a second try.
TEST_P(StartWithName, IsRefusedWithoutAName)
{
    load();
    world.userName = GetParam();
    form.but_OK_Click();
    const QString refusal = "Platform.ShowMessage: !? | Du solltest vielleicht doch einen Namen eingeben...";
    EXPECT_EQ(world.callsStartingWith(refusal).size(), 1);
    EXPECT_EQ(form.m_CurrentPage, 0);
    EXPECT_EQ(state.g_TotalAsked.toText(), "0");
    EXPECT_EQ(form.m_NextDelay, 0);
    EXPECT_EQ(form.m_OkDelay, 5);
}

INSTANTIATE_TEST_SUITE_P(Table, StartWithName, ::testing::Values("", "   "));

// The name is kept as typed, blanks around included; the start is recorded and the level reported.
TEST_F(WindowTest, StartRecordsTheRunAndReportsTheLevel)
{
    startTest(QStringLiteral("  Jörg "));
    EXPECT_EQ(world.callsStartingWith("Platform.ShowMessage"), QStringList());
    EXPECT_EQ(state.g_CandidateName, "  Jörg ");
    EXPECT_EQ(form.Caption, "  Jörg  im KOLBRIX -TEST");
    EXPECT_EQ(world.callsStartingWith("Host.Report"), QStringList({"Host.Report: -> Anfänger"}));
    EXPECT_FALSE(form.Streberstufe.Visible);
}

TEST_F(WindowTest, ExpertStartRecordsTheRunAndReportsTheLevel)
{
    load();
    world.userName = QStringLiteral("Mia");
    form.page0.Expert[1].Value = true;
    form.Expert_Click(1);
    EXPECT_FALSE(form.but_GameTools[0].Visible || form.but_GameTools[1].Visible);
    form.Expert_Click(0); // a beginner click brings the tool buttons back
    EXPECT_TRUE(form.but_GameTools[0].Visible && form.but_GameTools[1].Visible);
    EXPECT_EQ(state.g_Expert.toText(), "0");
    form.Expert_Click(1);
    EXPECT_EQ(state.g_Expert.toText(), "1");
    form.but_OK_Click();

    EXPECT_EQ(state.g_TestDate[1], "07-14-2017");
    EXPECT_EQ(state.g_TestTimes[1], "09:15:00");
    EXPECT_EQ(form.m_StartTime, 1000);
    EXPECT_EQ(world.callsStartingWith("Host.Report"), QStringList({"Host.Report: -> Experte"}));
    EXPECT_EQ(form.Caption, "Mia im KOLBRIX -TEST [1er Kandidat]");
    EXPECT_TRUE(form.Streberstufe.Visible);
}

TEST_F(WindowTest, StartLinksTheSubstanceNames)
{
    writeCatalogue(catalogueFile(
        {{Section::Substances, {"Eisen(III)-*Eisen(III)", "oxid", "Fe2O3", "Wasser", "", "H2O"}}}));
    startTest();
    EXPECT_EQ(state.g_SubstanceTasks[1].Combined->Join("", "|", ""), "Eisen(III)-oxid|Eisen(III)oxid");
    EXPECT_EQ(state.g_SubstanceTasks[2].Combined->Join("", "|", ""), "Wasser");
}
