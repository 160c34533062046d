#include "results/records/ClassSelection.h"

#include <algorithm>

bool PupilFilter::accepts(const PupilSummary& pupil) const
{
    if (!pupil.latest)
        return !from.isValid() && !to.isValid() && !expert;
    const QDate date = pupil.latest->date;
    return (!from.isValid() || date >= from) && (!to.isValid() || date <= to) &&
           (!expert || *expert == pupil.latest->expert);
}

QList<PupilSummary> filteredPupils(const QList<PupilSummary>& pupils, const PupilFilter& filter)
{
    QList<PupilSummary> chosen;
    for (const PupilSummary& pupil : pupils)
        if (filter.accepts(pupil))
            chosen << pupil;
    return chosen;
}

QString distributionGrade(int index)
{
    return gradeText(GradeBandCount - 1 - index);
}

std::array<int, GradeBandCount> gradeDistribution(const QList<PupilSummary>& pupils)
{
    std::array<int, GradeBandCount> counts{};
    for (const PupilSummary& pupil : pupils) {
        if (!pupil.latest)
            continue;
        for (int index = 0; index < GradeBandCount; ++index)
            if (pupil.latest->grade == distributionGrade(index))
                ++counts[static_cast<std::size_t>(index)];
    }
    return counts;
}

std::array<CategoryScore, ResultCategoryCount> latestRunScores(const QList<PupilSummary>& pupils)
{
    std::array<CategoryScore, ResultCategoryCount> sums{};
    for (const PupilSummary& pupil : pupils) {
        if (!pupil.latest)
            continue;
        for (std::size_t i = 0; i < sums.size(); ++i) {
            sums[i].right += pupil.latest->categories[i].right;
            sums[i].asked += pupil.latest->categories[i].asked;
        }
    }
    return sums;
}

QList<TaskSummary> weakestTasks(const QList<TaskSummary>& analysis, qsizetype count)
{
    QList<TaskSummary> tasks = analysis;
    std::stable_sort(tasks.begin(), tasks.end(), isWeakerTask);
    return tasks.first(std::min(count, tasks.size()));
}
