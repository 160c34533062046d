#include "support/PrintFieldsReading.h"
#include "support/PupilAnswers.h"
#include "support/WindowFixture.h"
#include "testrun/GradeScale.h"
#include "testrun/ResultCategories.h"

// A whole test run on the shipped catalogue, page by page as a pupil takes it, at both levels, every answer
// right: the praise of each sheet, the counters, the grade badge, the record of the finished test run and
// the result window at the end. How wrong answers count is each sheet's own test.

namespace {

// The start page's option: 0 beginner, 1 expert.
class WholeTest : public WindowTest, public ::testing::WithParamInterface<int> {};

} // namespace

TEST_P(WholeTest, EveryAnswerRightGivesOnePlus)
{
    loadShippedCatalogue();
    form.Expert_Click(GetParam());
    world.userName = QStringLiteral("Mia");
    form.but_OK_Click();
    const QList<int> walkOrder = {1, 2, 11, 8, 12, 3, 4, 9, 5, 6};
    for (int page : walkOrder) {
        ASSERT_EQ(form.m_CurrentPage, page);
        answerCurrentPageRight(form);
        form.but_OK_Click();
        EXPECT_TRUE(form.lab_Correct.Visible) << "page " << page;
        form.but_Next_Click(); // after the last page: the result window, closed with "Ja"
    }

    EXPECT_EQ(form.Aufgabenanz.Caption, " 52");
    EXPECT_EQ(form.RichtigAnz.Caption, " 52");
    EXPECT_EQ(form.ctl_Mark.MarkText, "1+");
    EXPECT_EQ(gradeText(form.ctl_Mark.Band), "1+");
    EXPECT_EQ(world.callsStartingWith("Host.Report: <-"), QStringList{"Host.Report: <- Note: 1+"});
    EXPECT_EQ(world.notices, QStringList()); // the shipped catalogue fills every page

    // The record handed to the print service holds each category full; its other fields are the record's own
    // test.
    EXPECT_EQ(world.callsStartingWith("Print.ReportResult"), QStringList{"Print.ReportResult: 52/52"});
    for (const ResultCategory& category : ResultCategories)
        EXPECT_EQ(fieldValue(world.reportedFields, QLatin1String(category.key)).toString(),
                  QStringLiteral("%1/%1").arg(category.mostAsked))
            << category.key;

    EXPECT_EQ(
        world.callsStartingWith("Windows.ShowResultWindowModal"),
        QStringList{
            "Windows.ShowResultWindowModal:  Von  52 Aufgaben wurden  52 richtig gelöst! | sehr gut plus"});
}

INSTANTIATE_TEST_SUITE_P(Levels, WholeTest, ::testing::Values(0, 1), [](const auto& info) {
    return std::string(info.param == 0 ? "Beginner" : "Expert");
});
