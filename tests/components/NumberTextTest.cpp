#include "components/NumberText.h"
#include "components/DynValue.h"
#include "components/FixedText.h"
#include "components/TextTools.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(LeadingNumber, ReadsWhatStandsFirst)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {{"12", 12},     {"1 2", 12}, {" \t1\n2 g", 12}, {"3,5", 3},    {"58.44", 58.44},
                 {"-1.5", -1.5}, {"+3", 3},   {".5", 0.5},       {"5.8E1", 58}, {"5.8e1", 58},
                 {"2D2", 200},   {"2E", 2},   {"1.2.3", 1.2},    {"&H1F", 31},  {"&O17", 15},
                 {"&O19", 1},    {"Na", 0},   {"", 0},           {"-", 0},      {"1E999", 0}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(readLeadingNumber(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(Int16, RoundsHalvesToEvenAndRejectsWhatDoesNotFit)
{
    EXPECT_EQ(toInt16(2.5), 2);
    EXPECT_EQ(toInt16(3.5), 4);
    EXPECT_EQ(toInt16(-2.5), -2);
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_EQ(toInt16(-32768), -32768);
    EXPECT_EQ(toInt16(32767.5), std::nullopt);
    EXPECT_EQ(toInt16(-40000), std::nullopt);
}

TEST(PrintNumber, SignPositionAndSevenDigits)
{
    EXPECT_EQ(printWhole(12, true), " 12");
    EXPECT_EQ(printWhole(0, true), " 0");
    EXPECT_EQ(printWhole(-3, true), "-3");
    EXPECT_EQ(printWhole(4, false), "4");
    EXPECT_EQ(printSingle(18.0f, true), " 18");
    EXPECT_EQ(printSingle(58.44f, true), " 58.44");
    EXPECT_EQ(printSingle(-1.5f, true), "-1.5");
    EXPECT_EQ(printSingle(1234.5678f, false), "1234.568");
}

TEST(DynValueTest, EmptyCountsAsZeroAndPrintsAsNothing)
{
    DynValue empty;
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_EQ(empty.toText(), "");
    EXPECT_TRUE(empty == 0);
    empty += 6;
    EXPECT_EQ(empty.toText(), "6");
    EXPECT_TRUE(empty.isInt16());
    EXPECT_EQ(DynValue::truth(true).toInt(), -1);
    EXPECT_EQ(DynValue::whole(70000).toText(), "70000");
}

TEST(FixedTextTest, PadsAndCuts)
{
    FixedText<5> text(QStringLiteral("ab"));
    EXPECT_EQ(text.text(), "ab   ");
    EXPECT_EQ(text.trimmedRight(), "ab");
    text = QStringLiteral("abcdefgh");
    EXPECT_EQ(text.text(), "abcde");
    EXPECT_EQ(FixedText<3>().text(), "   ");
}

TEST(TextToolsTest, TokensTrimsAndUpperCase)
{
    EXPECT_EQ(TokenBetween(QStringLiteral("*Iod*Jod*"), "*", "*"), "Iod");
    EXPECT_EQ(TokenBetween(QStringLiteral("*"), "*", "*"), "");
    EXPECT_EQ(trimBlanks(QStringLiteral("  a b \t ")), "a b \t");
    EXPECT_EQ(trimBlanks(QStringLiteral("   ")), "");
    EXPECT_EQ(upperEachChar(QStringLiteral("größe äöü")), "GRÖßE ÄÖÜ");
}

} // namespace
