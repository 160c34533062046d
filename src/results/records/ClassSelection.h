#pragma once

#include "results/records/ClassResults.h"
#include "testrun/GradeScale.h"

#include <QDate>

#include <array>
#include <optional>

// Which pupils a teacher looks at: those whose latest finished run falls into the date range and was taken
// at the level. An invalid bound and an open level let every pupil through; a pupil without a finished run
// has neither date nor level and passes only when nothing is chosen.
struct PupilFilter {
    QDate from;
    QDate to;
    std::optional<bool> expert;

    bool accepts(const PupilSummary& pupil) const;
};

QList<PupilSummary> filteredPupils(const QList<PupilSummary>& pupils, const PupilFilter& filter);

// How many of the pupils' latest finished runs reached each grade, best first: "1+", "1", "1-" … "6".
std::array<int, GradeBandCount> gradeDistribution(const QList<PupilSummary>& pupils);

// The grade that gradeDistribution counts at the index: "1+" for 0 … "6" for GradeBandCount - 1.
QString distributionGrade(int index);

// Right and asked per category, summed over the pupils' latest finished runs.
std::array<CategoryScore, ResultCategoryCount> latestRunScores(const QList<PupilSummary>& pupils);

// The tasks the class got right least often, the lowest share right first (of equal shares the more often
// asked first), at most count of them.
QList<TaskSummary> weakestTasks(const QList<TaskSummary>& analysis, qsizetype count);
