#pragma once

#include <QString>

// The German school grade of a share of right answers. There are sixteen bands, worst first: band 0 is
// "6" (below 0.1), band 15 is "1+" (0.95 and more). The bands are 0.1 wide up to "4-" and 0.05 wide from
// there on. Share and bounds are compared in single precision, so a share exactly on a bound reaches it.
inline constexpr int GradeBandCount = 16;

int gradeBand(long long right, long long asked);
QString gradeText(int band);
