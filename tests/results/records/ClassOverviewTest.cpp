#include "results/records/ClassOverview.h"
#include "results/records/RecordSamples.h"
#include "support/QtPrinters.h"
#include "testrun/GradeScale.h"

#include <gtest/gtest.h>

namespace {

ClassResults classOf(const QList<ResultRecord>& runs)
{
    ClassResults results;
    for (const ResultRecord& run : runs)
        results.add(run);
    return results;
}

ResultRecord endedEarly(ResultRecord run)
{
    run.endedEarly = true;
    return run;
}

struct LatestCase {
    const char* name;
    QList<ResultRecord> records;
    QStringList pupils; // name, grade of the latest finished run, runs finished and ended early, in order
};

class LatestRun : public ::testing::TestWithParam<LatestCase> {};

TEST_P(LatestRun, IsTheOnlyLineOfEachPupil)
{
    QStringList shown;
    for (const PupilSummary& pupil : classOf(GetParam().records).pupils())
        shown << QStringLiteral("%1 %2 %3 %4")
                     .arg(pupil.name, pupil.latest ? pupil.latest->grade : QStringLiteral("-"))
                     .arg(pupil.runs)
                     .arg(pupil.endedEarly);
    EXPECT_EQ(shown, GetParam().pupils);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LatestRun,
    ::testing::Values(LatestCase{"later_on_the_same_day",
                                 {sampleRecord("Anna", "2026-12-06", "11:00:00", 52, 52),
                                  sampleRecord("Anna", "2026-12-06", "09:00:00", 10, 52)},
                                 {"Anna 1+ 2 0"}},
                      LatestCase{"a_later_day_beats_a_later_hour",
                                 {sampleRecord("Anna", "2026-12-07", "08:00:00", 10, 52),
                                  sampleRecord("Anna", "2026-12-06", "23:00:00", 52, 52)},
                                 {"Anna 5- 2 0"}},
                      LatestCase{"names_differ_in_case_and_blanks_only",
                                 {sampleRecord("anna ", "2026-12-06", "09:00:00", 10, 52),
                                  sampleRecord("Anna", "2026-12-06", "10:00:00", 40, 52)},
                                 {"Anna 2 2 0"}},
                      LatestCase{"a_run_ended_early_is_never_the_latest",
                                 {sampleRecord("Anna", "2026-12-06", "09:00:00", 40, 52),
                                  endedEarly(sampleRecord("Anna", "2026-12-06", "10:00:00", 3, 3)),
                                  endedEarly(sampleRecord("Ben", "2026-12-06", "10:00:00", 0, 0))},
                                 {"Anna 2 1 1", "Ben - 0 1"}},
                      LatestCase{"ordered_by_name",
                                 {sampleRecord("Zoe", "2026-12-06", "09:00:00"),
                                  sampleRecord("ben", "2026-12-06", "09:00:00"),
                                  sampleRecord("Anna", "2026-12-06", "09:00:00")},
                                 {"Anna 2 1 0", "ben 2 1 0", "Zoe 2 1 0"}}),
    [](const ::testing::TestParamInfo<LatestCase>& info) { return std::string(info.param.name); });

TEST(ClassResults, GradeNumbersFollowTheGermanScale)
{
    QStringList numbers;
    for (int band = GradeBandCount - 1; band >= 0; --band)
        numbers << gradeNumberText(gradeText(band));
    EXPECT_EQ(numbers.join(u' '),
              QStringLiteral("0,7 1,0 1,3 1,7 2,0 2,3 2,7 3,0 3,3 3,7 4,0 4,3 4,7 5,0 5,3 6,0"));
    EXPECT_EQ(gradeNumberText(QString()), QString());
}

// Each task over every run, finished or ended early: grouped by category, the weakest first; a run keeps
// only the tasks its pupil got wrong.
TEST(ClassResults, AnalysesTheTasksAndKeepsTheWrongOnes)
{
    ResultRecord anna = sampleRecord("Anna", "2026-12-06", "09:00:00");
    ResultRecord ben = endedEarly(sampleRecord("Ben", "2026-12-06", "10:00:00"));
    ben.tasks[0].entered = QStringLiteral("N");
    ben.tasks[0].partsRight = {false};
    ben.tasks << JudgedTask{TaskCategory::Elements, "K", "Kalium", "Kalium", {true}};
    const ClassResults results = classOf({anna, ben});

    QStringList analysis;
    for (const TaskSummary& task : results.taskAnalysis())
        analysis << QStringLiteral("%1 %2 %3/%4")
                        .arg(int(task.category))
                        .arg(task.task)
                        .arg(task.right)
                        .arg(task.asked);
    EXPECT_EQ(analysis, QStringList({"0 Natrium 1/2", "0 K 1/1", "6 H2 + O2 → H2O 0/2"}));

    const QList<ResultRecord> benRuns = results.runsOf(QStringLiteral(" BEN"));
    ASSERT_EQ(benRuns.size(), 1);
    ASSERT_EQ(benRuns[0].tasks.size(), 2);
    EXPECT_EQ(benRuns[0].tasks[0].entered, QStringLiteral("N"));
    EXPECT_EQ(results.endedEarly().size(), 1);
}

TEST(ClassOverview, ShowsTheLatestRunsTheRunsEndedEarlyAndTheTasks)
{
    // Anna's first run (0 of 6 elements) is not counted: only the latest finished runs are.
    const ClassResults results = classOf({sampleRecord("Anna", "2026-12-05", "09:00:00", 10, 52, 0),
                                          sampleRecord("Anna", "2026-12-06", "09:00:00", 52, 52, 6),
                                          sampleRecord("Ben\nNOTE=1", "2026-12-06", "10:00:00", 40, 52, 3),
                                          endedEarly(sampleRecord("Cem", "2026-12-06", "10:00:00", 2, 3))});
    const QString text = classOverview(results);
    const auto shows = [&text](const char* line) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line << "\n" << text.toStdString();
    };
    shows("Klassenübersicht – Testläufe: 4, davon vorzeitig beendet: 1, Schülerinnen und Schüler: 3\n");
    shows(
        "Anna               06.12.2026  Normale(r) Schüler(in)  1+    0,7        52 von 52  2          0\n");
    shows(
        "Ben<U+000A>NOTE=1  06.12.2026  Normale(r) Schüler(in)  2     2,0        40 von 52  1          0\n");
    shows(
        "Cem                –           –                       –     –          –          0          1\n");
    shows("Cem   06.12.2026  10:00:00  Normale(r) Schüler(in)  2 von 3\n");
    shows("Elemente       75 %  (9 von 12)\n");
    shows("Elemente     Natrium        Na           4         100 %\n");
    shows("Gleichungen  H2 + O2 → H2O  2 1 2        4         0 %\n");
}

// One planted name of 60 000 characters would otherwise widen every line of the table to its length.
TEST(ClassOverview, CutsALongName)
{
    const QString text =
        classOverview(classOf({sampleRecord(QString(60000, u'x'), "2026-12-06", "10:00:00")}));
    EXPECT_TRUE(text.contains(QString(39, u'x') + QStringLiteral("…  06.12.2026"))) << text.toStdString();
    EXPECT_LT(text.size(), 2000);
}

TEST(ClassOverview, SaysSoWhenThereAreNoResults)
{
    EXPECT_EQ(classOverview({}), QStringLiteral("Keine Ergebnisse gefunden\n"));
}

} // namespace
