#include "sheets/NumberInput.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <limits>

// The text functions that bring typed and expected answers into one form before they are compared. How
// the leading number is read is the number reader's own rule, tested with it.

TEST(ParseNumber, NormalisesAndReadsTheLeadingNumberInSinglePrecision)
{
    const struct {
        QString typed;
        float value;
        QString normalised; // every "," a "." and every small "e" a capital "E", nothing else changed
    } cases[] = {{"58,4", 58.4f, "58.4"},   {"58,4 g", 58.4f, "58.4 g"},
                 {"5,8e1", 58.0f, "5.8E1"}, {" - ,5", -0.5f, " - .5"},
                 {"1,2,3", 1.2f, "1.2.3"},  {"Mehl ergibt e", 0.0f, "MEhl Ergibt E"},
                 {"0,1", 0.1f, "0.1"}, // rounded to single precision
                 {"1e39", std::numeric_limits<float>::infinity(), "1E39"}, // beyond single precision
                 {"-1e39", -std::numeric_limits<float>::infinity(), "-1E39"}};
    for (const auto& c : cases) {
        QString text = c.typed;
        EXPECT_EQ(ParseNumber(text), c.value) << c.typed.toStdString();
        EXPECT_EQ(text, c.normalised);
    }
}

// A number answer may carry a unit or a word, a coefficient nothing; neither may hedge with a second number.
TEST(NumberAnswer, TellsOneNumberFromHedgesAndNoAnswer)
{
    const struct {
        QString text;
        bool starts;
        bool one;  // a number sheet's answer
        bool bare; // a coefficient
    } cases[] = {{"58.4 g", true, true, false},
                 {" - 1", true, true, true},
                 {"+.5", true, true, true},
                 {"   ", false, false, false},
                 {"g 58", false, false, false},
                 {".", false, false, false},
                 {"-", false, false, false},
                 {"1 2 ", true, true, true},
                 {"20 oder 21", true, false, false},
                 {"70.9.5", true, false, false},
                 {"2x", true, true, false},
                 {"24.5 dm3", true, true, false},
                 {"58.4 g·mol^-1", true, true, false},
                 {"20-21", true, false, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(startsWithNumber(c.text), c.starts) << c.text.toStdString();
        EXPECT_EQ(isOneNumber(c.text), c.one) << c.text.toStdString();
        EXPECT_EQ(isBareNumber(c.text), c.bare) << c.text.toStdString();
    }
}
