#include "components/NumberText.h"
#include "support/PupilAnswers.h"
#include "support/WindowFixture.h"
#include "testrun/GradeScale.h"
#include "testrun/ResultCategories.h"

#include <QFile>

// A whole test run on the shipped catalogue, page by page as a pupil takes it, at both levels, every
// answer right or every answer wrong: the praise of each sheet, the counters, the grade badge, the record
// of the finished test run and the result window at the end.

namespace {

struct RunCase {
    const char* name;
    int expertChoice; // the start page's option: 0 beginner, 1 expert
    Answers answers;
};

class WholeTest : public WindowTest, public ::testing::WithParamInterface<RunCase> {};

QVariant fieldValue(const PrintFields& fields, const QString& key)
{
    for (const PrintFields::Field& field : fields.fields())
        if (field.key == key)
            return field.value;
    return {};
}

} // namespace

TEST_P(WholeTest, EverySheetCountsIntoTheGradeAndTheRecord)
{
    const RunCase& c = GetParam();
    const bool right = c.answers == Answers::Right;
    QFile shipped(QStringLiteral(KOLTEST_SHIPPED_DATA "/koltest.dat"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    writeCatalogue(shipped.readAll());
    load();
    form.Expert_Click(c.expertChoice);
    world.userName = QStringLiteral("Mia");
    form.but_OK_Click();
    const QList<int> walkOrder = {1, 2, 11, 8, 12, 3, 4, 9, 5, 6};
    for (int page : walkOrder) {
        ASSERT_EQ(form.m_CurrentPage, page);
        answerCurrentPage(form, c.answers);
        form.but_OK_Click();
        EXPECT_EQ(form.lab_Correct.Visible, right) << "page " << page;
        form.but_Next_Click(); // after the last page: the result window, closed with "Ja"
    }

    const int rightItems = right ? MostAskedPerRun : 0;
    const QString grade = right ? "1+" : "6";
    EXPECT_EQ(state.g_TotalAsked.toInt(), MostAskedPerRun);
    EXPECT_EQ(state.g_TotalRight.toInt(), rightItems);
    EXPECT_EQ(form.Aufgabenanz.Caption, " 52");
    EXPECT_EQ(form.RichtigAnz.Caption, QStringLiteral(" %1").arg(rightItems));
    EXPECT_EQ(form.ctl_Mark.MarkText, grade);
    EXPECT_EQ(gradeText(form.ctl_Mark.Band), grade);
    EXPECT_EQ(world.callsStartingWith("Host.Report: <-"), QStringList{"Host.Report: <- Note: " + grade});
    EXPECT_EQ(world.notices, QStringList()); // the shipped catalogue fills every page

    // The record handed to the print service holds every item once and each category's pair.
    EXPECT_EQ(world.callsStartingWith("Print.ReportResult"),
              QStringList{QStringLiteral("Print.ReportResult: %1/%2").arg(rightItems).arg(MostAskedPerRun)});
    const PrintFields& fields = world.reportedFields;
    EXPECT_EQ(fieldValue(fields, "ANZAHL").toInt(), MostAskedPerRun);
    EXPECT_EQ(fieldValue(fields, "RICHTIG").toInt(), rightItems);
    EXPECT_EQ(fieldValue(fields, "FALSCH").toInt(), MostAskedPerRun - rightItems);
    EXPECT_EQ(fieldValue(fields, "EXPERTE").toBool(), c.expertChoice == 1);
    for (const ResultCategory& category : ResultCategories)
        EXPECT_EQ(fieldValue(fields, QLatin1String(category.key)).toString(),
                  QStringLiteral("%1/%2").arg(right ? category.mostAsked : 0).arg(category.mostAsked))
            << category.key;

    EXPECT_EQ(world.callsStartingWith("Windows.ShowResultWindowModal"),
              QStringList{QStringLiteral("Windows.ShowResultWindowModal:  Von  52 Aufgaben wurden %1 richtig "
                                         "gelöst! | %2")
                              .arg(printWhole(rightItems, true), right ? "sehr gut plus" : "ungenügend")});
}

INSTANTIATE_TEST_SUITE_P(Runs, WholeTest,
                         ::testing::Values(RunCase{"BeginnerRight", 0, Answers::Right},
                                           RunCase{"BeginnerWrong", 0, Answers::Wrong},
                                           RunCase{"ExpertRight", 1, Answers::Right},
                                           RunCase{"ExpertWrong", 1, Answers::Wrong}),
                         [](const auto& info) { return std::string(info.param.name); });
