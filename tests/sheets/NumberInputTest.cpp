#include "sheets/NumberInput.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

// The text functions that bring typed and expected answers into one form before they are compared.

namespace {

struct TextCase {
    const char* name;
    QString input;
    QString output;
};

std::string caseName(const ::testing::TestParamInfo<TextCase>& info)
{
    return info.param.name;
}

class Normalize : public ::testing::TestWithParam<TextCase> {};
class Upper : public ::testing::TestWithParam<TextCase> {};

} // namespace

TEST_P(Normalize, ChangesCommasAndSmallEOnly)
{
    QString text = GetParam().input;
    NormalizeNumberText(text);
    EXPECT_EQ(text, GetParam().output);
    EXPECT_EQ(text.size(), GetParam().input.size());
}

INSTANTIATE_TEST_SUITE_P(NumberTexts, Normalize,
                         ::testing::Values(TextCase{"CommaAndExponent", "2,5e-3", "2.5E-3"},
                                           TextCase{"AlreadyNormal", "2.5E3", "2.5E3"},
                                           TextCase{"EveryComma", "1,2,3", "1.2.3"},
                                           TextCase{"SmallEInWords", "Mehl ergibt e", "MEhl Ergibt E"},
                                           TextCase{"BlanksAndSignsStay", " - 1 , 5 ", " - 1 . 5 "},
                                           TextCase{"Empty", "", ""}),
                         caseName);

TEST_P(Upper, CapitalisesAndTrimsBlanks)
{
    EXPECT_EQ(TrimUpper(GetParam().input), GetParam().output);
}

INSTANTIATE_TEST_SUITE_P(Terms, Upper,
                         ::testing::Values(TextCase{"InnerBlanksStay", "  Molare masse ", "MOLARE MASSE"},
                                           TextCase{"UmlautsAndSharpS", "säure ß", "SÄURE ß"},
                                           TextCase{"BlanksOnly", "    ", ""}, TextCase{"Empty", "", ""},
                                           TextCase{"TabIsNoBlank", "\tab", "\tAB"}),
                         caseName);

namespace {

struct ParseCase {
    const char* name;
    QString typed;
    float value;
    QString normalised; // what the caller's text holds afterwards
};

class Parse : public ::testing::TestWithParam<ParseCase> {};

} // namespace

TEST_P(Parse, ReadsTheLeadingNumberInSinglePrecision)
{
    const ParseCase& c = GetParam();
    QString text = c.typed;
    EXPECT_EQ(ParseNumber(text), c.value);
    EXPECT_EQ(text, c.normalised);
}

INSTANTIATE_TEST_SUITE_P(
    NumberTexts, Parse,
    ::testing::Values(
        ParseCase{"DecimalComma", "58,4", 58.4f, "58.4"}, ParseCase{"DecimalPoint", "58.4", 58.4f, "58.4"},
        ParseCase{"TrailingZero", "58,40", 58.4f, "58.40"},
        ParseCase{"UnitAfterNumber", "58,4 g", 58.4f, "58.4 g"},
        ParseCase{"SmallExponent", "5,8e1", 58.0f, "5.8E1"},
        ParseCase{"SmallHundredth", "0,05", 0.05f, "0.05"}, ParseCase{"Negative", "-1,5", -1.5f, "-1.5"},
        ParseCase{"PlusSign", "+3", 3.0f, "+3"}, ParseCase{"NoLeadingDigit", ",5", 0.5f, ".5"},
        ParseCase{"BlankBetweenDigits", "1 2", 12.0f, "1 2"},
        ParseCase{"TabAndLineFeedSkipped", "1\t2\n,5", 12.5f, "1\t2\n.5"},
        ParseCase{"SecondCommaEnds", "1,2,3", 1.2f, "1.2.3"}, ParseCase{"ExponentD", "1D2", 100.0f, "1D2"},
        ParseCase{"Hexadecimal", "&H1F", 31.0f, "&H1F"}, ParseCase{"Octal", "&O17", 15.0f, "&O17"},
        ParseCase{"Empty", "", 0.0f, ""}, ParseCase{"Letters", "abc", 0.0f, "abc"},
        ParseCase{"UnitBeforeNumber", "g 58", 0.0f, "g 58"},
        ParseCase{"RoundedToSingle", "0,1", 0.1f, "0.1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParseNumber, ValuesBeyondSinglePrecisionBecomeInfinite)
{
    QString big = QStringLiteral("1e39");
    QString small = QStringLiteral("-1e39");
    EXPECT_EQ(ParseNumber(big), std::numeric_limits<float>::infinity());
    EXPECT_EQ(ParseNumber(small), -std::numeric_limits<float>::infinity());
}

// A number answer may carry a unit or a word, a coefficient nothing; neither may hedge with a second number.
TEST(NumberAnswer, TellsOneNumberFromHedgesAndNoAnswer)
{
    const struct {
        QString text;
        bool starts;
        bool one;  // a number sheet's answer
        bool bare; // a coefficient
    } cases[] = {
        {"58.4 g", true, true, false},      {" - 1", true, true, true},     {".5", true, true, true},
        {"+.5", true, true, true},          {"", false, false, false},      {"   ", false, false, false},
        {"g 58", false, false, false},      {".", false, false, false},     {"-", false, false, false},
        {"12.5 g/mol", true, true, false},  {"1.2E1", true, true, true},    {"1 2 ", true, true, true},
        {"20 oder 21", true, false, false}, {"70.9.5", true, false, false}, {"2x", true, true, false},
        {"24.5 dm3", true, true, false},    {"58.4 g·mol^-1", true, true, false},
        {"20-21", true, false, false},      {"20 g 21", true, false, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(startsWithNumber(c.text), c.starts) << c.text.toStdString();
        EXPECT_EQ(isOneNumber(c.text), c.one) << c.text.toStdString();
        EXPECT_EQ(isBareNumber(c.text), c.bare) << c.text.toStdString();
    }
}
