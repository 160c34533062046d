#include "testrun/GradeScale.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

// Every band, each at its lower bound where a small count reaches it exactly, and the edges of the scale.
// The share is taken in single precision, so 849999999 of 1000000000 already reaches 0.85.
TEST(GradeScale, FollowsTheSchoolScale)
{
    const struct {
        long long right;
        long long asked;
        const char* grade;
    } cases[] = {{0, 6, "6"},    {1, 20, "6"},   {1, 10, "5-"},  {2, 10, "5"},  {3, 10, "5+"},  {8, 20, "4-"},
                 {9, 20, "4"},   {5, 10, "4+"},  {11, 20, "3-"}, {6, 10, "3"},  {13, 20, "3+"}, {7, 10, "2-"},
                 {15, 20, "2"},  {8, 10, "2+"},  {17, 20, "1-"}, {9, 10, "1"},  {19, 20, "1+"}, {49, 52, "1"},
                 {50, 52, "1+"}, {6, 6, "1+"},   {5, 6, "2+"},   {26, 52, "4+"}, {25, 52, "4"},
                 {849999999, 1000000000, "1-"}};
    for (const auto& c : cases)
        EXPECT_EQ(gradeText(gradeBand(c.right, c.asked)), c.grade) << c.right << " of " << c.asked;
}
