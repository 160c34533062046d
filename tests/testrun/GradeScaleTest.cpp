#include "testrun/GradeScale.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct GradeCase {
    int right;
    int asked;
    const char* grade;
};

class Grade : public ::testing::TestWithParam<GradeCase> {};

TEST_P(Grade, FollowsTheSchoolScale)
{
    EXPECT_EQ(gradeText(gradeBand(GetParam().right, GetParam().asked)), GetParam().grade)
        << GetParam().right << " of " << GetParam().asked;
}

// Every band, each at its lower bound where a small count reaches it exactly, and the edges of the scale.
INSTANTIATE_TEST_SUITE_P(
    Table, Grade,
    ::testing::Values(GradeCase{0, 6, "6"}, GradeCase{1, 20, "6"}, GradeCase{1, 10, "5-"},
                      GradeCase{2, 10, "5"}, GradeCase{3, 10, "5+"}, GradeCase{8, 20, "4-"},
                      GradeCase{9, 20, "4"}, GradeCase{5, 10, "4+"}, GradeCase{11, 20, "3-"},
                      GradeCase{6, 10, "3"}, GradeCase{13, 20, "3+"}, GradeCase{7, 10, "2-"},
                      GradeCase{15, 20, "2"}, GradeCase{8, 10, "2+"}, GradeCase{17, 20, "1-"},
                      GradeCase{9, 10, "1"}, GradeCase{19, 20, "1+"}, GradeCase{49, 52, "1"},
                      GradeCase{50, 52, "1+"}, GradeCase{6, 6, "1+"}, GradeCase{5, 6, "2+"},
                      GradeCase{26, 52, "4+"}, GradeCase{25, 52, "4"}));

} // namespace
