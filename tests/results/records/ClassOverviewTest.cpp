#include "results/records/ClassOverview.h"
#include "results/records/RecordSamples.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct LatestCase {
    const char* name;
    QList<ResultRecord> records;
    QStringList pupils; // name, grade of the latest run and number of runs, in the order shown
};

class LatestRun : public ::testing::TestWithParam<LatestCase> {};

TEST_P(LatestRun, IsTheOnlyLineOfEachPupil)
{
    QStringList shown;
    for (const PupilLatest& pupil : latestRunPerPupil(GetParam().records))
        shown << QStringLiteral("%1 %2 %3").arg(pupil.latest.name, pupil.latest.grade).arg(pupil.runs);
    EXPECT_EQ(shown, GetParam().pupils);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LatestRun,
    ::testing::Values(LatestCase{"later_on_the_same_day",
                                 {sampleRecord("Anna", "2026-12-06", "11:00:00", 52, 52),
                                  sampleRecord("Anna", "2026-12-06", "09:00:00", 10, 52)},
                                 {"Anna 1+ 2"}},
                      LatestCase{"a_later_day_beats_a_later_hour",
                                 {sampleRecord("Anna", "2026-12-07", "08:00:00", 10, 52),
                                  sampleRecord("Anna", "2026-12-06", "23:00:00", 52, 52)},
                                 {"Anna 5- 2"}},
                      LatestCase{"names_differ_in_case_and_blanks_only",
                                 {sampleRecord("anna ", "2026-12-06", "09:00:00", 10, 52),
                                  sampleRecord("Anna", "2026-12-06", "10:00:00", 40, 52)},
                                 {"Anna 2 2"}},
                      LatestCase{"ordered_by_name",
                                 {sampleRecord("Zoe", "2026-12-06", "09:00:00"),
                                  sampleRecord("ben", "2026-12-06", "09:00:00"),
                                  sampleRecord("Anna", "2026-12-06", "09:00:00")},
                                 {"Anna 2 1", "ben 2 1", "Zoe 2 1"}}),
    [](const ::testing::TestParamInfo<LatestCase>& info) { return std::string(info.param.name); });

TEST(ClassOverview, ShowsTheLatestRunsAndTheClassShareOfEachCategory)
{
    // Anna's first run (0 of 6 elements) is not counted: only the latest runs are.
    const QList<ResultRecord> records = {sampleRecord("Anna", "2026-12-05", "09:00:00", 10, 52, 0),
                                         sampleRecord("Anna", "2026-12-06", "09:00:00", 52, 52, 6),
                                         sampleRecord("Ben\nNOTE=1", "2026-12-06", "10:00:00", 40, 52, 3)};
    const QString text = classOverview(records);
    EXPECT_TRUE(
        text.startsWith(QStringLiteral("Klassenübersicht – Testläufe: 3, Schülerinnen und Schüler: 2\n")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Anna               06.12.2026  1+    52 von 52  2\n")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Ben<U+000A>NOTE=1  06.12.2026  2     40 von 52  1\n")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Elemente       75 %  (9 von 12)\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Ja/Nein        50 %  (2 von 4)\n"))) << text.toStdString();
}

// One planted name of 60 000 characters would otherwise widen every line of the table to its length.
TEST(ClassOverview, CutsALongName)
{
    const QString text = classOverview({sampleRecord(QString(60000, u'x'), "2026-12-06", "10:00:00")});
    EXPECT_TRUE(text.contains(QString(39, u'x') + QStringLiteral("…  06.12.2026"))) << text.toStdString();
    EXPECT_LT(text.size(), 1000);
}

TEST(ClassOverview, SaysSoWhenThereAreNoResults)
{
    EXPECT_EQ(classOverview({}), QStringLiteral("Keine Ergebnisse gefunden\n"));
}

} // namespace
