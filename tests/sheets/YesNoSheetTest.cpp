#include "support/CatalogueBuilder.h"
#include "support/WindowFixture.h"

#include <QFile>
#include <QTemporaryDir>

#include <stdexcept>

// Page 6, the yes/no statements, as a pupil sees it: the statements, the judging with its colours and
// corrections, the highlighted captions of the chosen answers, praise and counts; and the end of the test
// run that follows its judging.

namespace {

// Records 1..6, all for beginners, are drawn in this order when the draw is not scripted: yes, no, yes,
// yes, no, no.
QByteArray yesNoCatalogue()
{
    return catalogueFile(
        {{Section::YesNo,
          {"Wasser besteht aus Wasserstoff und Sauerstoff.", " j ", "Gold rostet an feuchter Luft.", "N",
           "Eisen ist ein Metall.", "J", "Helium ist ein Edelgas.", "J", "Kochsalz ist eine Säure.", "Ja",
           "Sauerstoff brennt selbst.", "N", "ææ"}}});
}

class YesNoPage : public WindowTest {
protected:
    void open()
    {
        writeCatalogue(yesNoCatalogue());
        openPage(6);
    }
    YesNoSheet& sheet() { return form.yesNo; }
    QList<int> chosen() const
    {
        QList<int> indexes;
        for (std::size_t i = 0; i < form.yesNo.JaNein1.size(); ++i)
            if (form.yesNo.JaNein1[i].Value)
                indexes << static_cast<int>(i);
        return indexes;
    }
    QList<int> yellowCaptions() const
    {
        QList<int> indexes;
        for (std::size_t i = 0; i < form.yesNo.AA.size(); ++i) {
            const Colour colour = form.yesNo.AA[i].ForeColor;
            EXPECT_TRUE(colour == Colour::LightYellow || colour == Colour::Black) << i;
            if (colour == Colour::LightYellow)
                indexes << static_cast<int>(i);
        }
        return indexes;
    }
};

constexpr int NoAnswer = -1;

struct YesNoCase {
    const char* name;
    int row;
    bool yes;   // the statement is right
    int choice; // absolute index of the chosen option, or NoAnswer
    bool judgedRight;
};

class YesNoRows : public YesNoPage, public ::testing::WithParamInterface<YesNoCase> {};

} // namespace

// Only the case's row is answered; the others stay unanswered and are wrong.
TEST_P(YesNoRows, JudgesOneRow)
{
    const YesNoCase& c = GetParam();
    open();
    const int right = 2 * c.row + (c.yes ? 0 : 1);
    solution(c.row) = QStringLiteral(" %1").arg(right);
    if (c.choice != NoAnswer)
        sheet().JaNein1_Click(c.choice);

    form.but_OK_Click();

    EXPECT_EQ(sheet().AnzS6[static_cast<std::size_t>(c.row)].BackColor,
              c.judgedRight ? Colour::LightGreen : Colour::LightRed);
    EXPECT_TRUE(sheet().JaNein1[static_cast<std::size_t>(right)].Value);
    EXPECT_FALSE(sheet().JaNein1[static_cast<std::size_t>(right ^ 1)].Value);
    EXPECT_EQ(chosen().size(), 6); // every row shows its right answer now
    EXPECT_EQ(yellowCaptions(), chosen());
    EXPECT_EQ(state.g_YesNoRight, c.judgedRight ? 1 : 0);
    EXPECT_EQ(state.g_YesNoAsked.toText(), "6");
}

INSTANTIATE_TEST_SUITE_P(Page6, YesNoRows,
                         ::testing::Values(YesNoCase{"NeinForAWrongStatement", 5, false, 11, true},
                                           YesNoCase{"JaForAWrongStatementIsCorrected", 2, false, 4, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(YesNoPage, PresentShowsSixStatementsWithNothingChosen)
{
    open();
    EXPECT_EQ(sheet().AnzS6[0].Caption, "Wasser besteht aus Wasserstoff und Sauerstoff.");
    EXPECT_EQ(sheet().AnzS6[5].Caption, "Sauerstoff brennt selbst.");
    const QStringList expected = {" 0", " 3", " 4", " 6", " 9", " 11"}; // "Ja" for Kochsalz counts as no
    for (int row = 0; row < 6; ++row)
        EXPECT_EQ(solution(row), expected[row]) << row;
    EXPECT_TRUE(chosen().isEmpty());
    EXPECT_TRUE(yellowCaptions().isEmpty());
    EXPECT_EQ(form.FocusRequest, &sheet().JaNein1[0]);
    EXPECT_EQ(sheet().AA[0].Caption, "Ja");
    EXPECT_EQ(sheet().AA[11].Caption, "Nein");
}

TEST_F(YesNoPage, ExactlyTheChosenCaptionsAreLightYellow)
{
    open();
    const QList<std::pair<int, QList<int>>> clicks = {
        {0, {0}}, {1, {1}}, {4, {1, 4}}, {11, {1, 4, 11}}, {10, {1, 4, 10}}};
    for (const auto& [index, yellow] : clicks) {
        SCOPED_TRACE(index);
        sheet().JaNein1_Click(index);
        EXPECT_EQ(chosen(), yellow);
        EXPECT_EQ(yellowCaptions(), yellow);
    }
}

// After the last sheet: the end time, one grade line for the host with the grade just computed, and the
// record for the print service; Next comes as after every sheet.
TEST_F(YesNoPage, JudgingTheLastSheetClosesTheTestRun)
{
    open();
    sheet().JaNein1_Click(0);
    world.timeText = QStringLiteral("09:41:07");
    form.but_OK_Click();

    EXPECT_EQ(state.g_TestTimes[2], "09:41:07");
    EXPECT_EQ(world.callsStartingWith("Host.Report: <-"),
              QStringList({"Host.Report: <- Note: 5-"})); // 1 of 6
    EXPECT_EQ(world.callsStartingWith("Print."), QStringList({"Print.ReportResult: 1/6"}));
    const qsizetype host = world.calls.indexOf("Host.Report: <- Note: 5-");
    const qsizetype print = world.calls.indexOf("Print.ReportResult: 1/6");
    EXPECT_LT(host, print);
    EXPECT_EQ(form.m_NextDelay, 5);
}

TEST_F(YesNoPage, OtherSheetsDoNotCloseTheTestRun)
{
    openPage(5);
    form.but_OK_Click();
    EXPECT_TRUE(world.callsStartingWith("Host.Report: <-").isEmpty());
    EXPECT_TRUE(world.callsStartingWith("Print.").isEmpty());
}

namespace {

// A print service that fails as a printer or a full disk would.
class FailingPrintWorld : public FakeWorld {
public:
    void ReportResult(double, double, const QString&, const PrintFields&) override
    {
        throw std::runtime_error("Drucker nicht bereit");
    }
};

} // namespace

TEST(EndOfTestRunTest, AFailingPrintServiceDoesNotStopTheTest)
{
    FailingPrintWorld world;
    ScriptedRandom random;
    mdl_KolTest state;
    QTemporaryDir folder;
    state.g_CatalogFile = folder.filePath(QStringLiteral("koltest.dat"));
    QFile file(state.g_CatalogFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(yesNoCatalogue());
    file.close();
    ResetTestRun(state);
    frm_AppMain form({state, world.services, world.tools, world, random}, world);
    form.Form_Load();
    world.userName = QStringLiteral("Mia");
    ASSERT_TRUE(form.StartTest());
    form.ShowPage(6);

    form.but_OK_Click();
    for (int tick = 0; tick < 5; ++tick)
        form.tmr_Delay_Timer();

    EXPECT_TRUE(form.but_Next.Visible);
    EXPECT_EQ(world.callsStartingWith("Host.Report: <-").size(), 1);
    ASSERT_FALSE(world.diagnostics.isEmpty());
    EXPECT_EQ(world.diagnostics.last(),
              "end of the test run: the result report to the print service failed: Drucker nicht bereit");
}
