#pragma once

#include "results/records/ResultRecord.h"

#include <QList>
#include <QString>

// One pupil's line of the class overview.
struct PupilLatest {
    ResultRecord latest; // the pupil's latest run
    int runs = 0;        // all runs of the pupil
};

// The pupils of the records, one each (names compared without regard to case and surrounding blanks),
// each with their latest run (by date and end time; of two equal ones the later in the list), ordered by
// name.
QList<PupilLatest> latestRunPerPupil(const QList<ResultRecord>& records);

// Right answers of a category summed over the pupils' latest runs.
std::array<CategoryScore, ResultCategoryCount> classCategoryScores(const QList<PupilLatest>& pupils);

// The overview a teacher reads in a terminal: a row per pupil with the latest run (date, grade, points)
// and the class's share of right answers per category from the latest runs, German headings.
QString classOverview(const QList<ResultRecord>& records);
