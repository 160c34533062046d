#include "testrun/GradeScale.h"

#include <array>

namespace {

// The lower bound of every band above the lowest.
constexpr std::array<float, GradeBandCount - 1> lowerBounds = {
    0.1f, 0.2f, 0.3f, 0.4f, 0.45f, 0.5f, 0.55f, 0.6f, 0.65f, 0.7f, 0.75f, 0.8f, 0.85f, 0.9f, 0.95f};

} // namespace

int gradeBand(long long right, long long asked)
{
    const auto share = static_cast<float>(static_cast<double>(right) / static_cast<double>(asked));
    int band = 0;
    for (std::size_t i = 0; i < lowerBounds.size(); ++i)
        if (lowerBounds[i] <= share)
            band = static_cast<int>(i) + 1;
    return band;
}

QString gradeText(int band)
{
    static const std::array<const char*, GradeBandCount> grades = {
        "6", "5-", "5", "5+", "4-", "4", "4+", "3-", "3", "3+", "2-", "2", "2+", "1-", "1", "1+"};
    return QString::fromLatin1(grades.at(static_cast<std::size_t>(band)));
}
