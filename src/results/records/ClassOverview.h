#pragma once

#include "results/records/ClassResults.h"

#include <QString>

// The overview a teacher reads in a terminal, German headings: a row per pupil with the latest finished run
// (date, level, grade and its number, points) and the counts of runs finished and ended early; the runs
// ended early apart; the class's share of right answers per category from the latest finished runs; and
// the tasks, in each category the weakest first.
QString classOverview(const ClassResults& results);
