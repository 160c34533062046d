#include "support/WindowFixture.h"

// Pages 1 and 2 judged as a pupil sees them: colours, corrections, praise, counts and grade.

namespace {

struct RowCase {
    const char* name;
    QString expected; // as the page left it in g_Solutions
    QString typed;
    bool right;
    QString textAfter; // what the field shows after judging
};

class ElementRows : public WindowTest, public ::testing::WithParamInterface<RowCase> {};

} // namespace

// Rows 0..2 expect a symbol, rows 3..5 a star list of names; the case's row is judged in both kinds of
// place by putting it into row 0 (single) or row 3 (list), all other rows left empty.
TEST_P(ElementRows, JudgesOneRow)
{
    const RowCase& c = GetParam();
    startTest();
    const bool isList = c.expected.startsWith(QLatin1Char('*'));
    TextBox& field = isList ? form.page1.Ele[0] : form.page1.EleSym[0];
    state.g_Solutions[isList ? 3 : 0] = c.expected;
    field.Text = c.typed;

    form.but_OK_Click();

    EXPECT_EQ(field.BackColor, c.right ? Colour::LightGreen : Colour::LightRed);
    EXPECT_EQ(field.Text, c.textAfter);
    EXPECT_EQ(state.g_ElementsRight, c.right ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Page1, ElementRows,
    ::testing::Values(RowCase{"SymbolExact", "Na", "Na", true, "Na"},
                      RowCase{"SymbolWithBlanksAround", "Na", "  Na ", true, "  Na "},
                      RowCase{"SymbolWrongCase", "Na", "NA", false, "NA - Richtig ist: Na"},
                      RowCase{"SymbolEmpty", "Na", "", false, " - Richtig ist: Na"},
                      RowCase{"NameFirstVariant", "*Iod*Jod*", "Iod", true, "Iod"},
                      RowCase{"NameSecondVariant", "*Iod*Jod*", "Jod", true, "Jod"},
                      RowCase{"NameWithLeadingBlank", "*Iod*Jod*", " Jod", true, " Jod"},
                      RowCase{"NamePartOfVariant", "*Iod*Jod*", "Io", false, "Io - Richtig ist: Iod"},
                      RowCase{"NameEmptyNeverMatchesTheStars", "*Iod*Jod*", "", false, " - Richtig ist: Iod"},
                      RowCase{"NameSpanningTwoVariants", "*Iod*Jod*", "Iod*Jod", true, "Iod*Jod"},
                      RowCase{"NameWrongKeepsTypedTextUntrimmed", "*Natrium*", "Natron ", false,
                              "Natron  - Richtig ist: Natrium"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, Page1AllRightGivesPraiseAndGrade)
{
    startTest();
    for (int row = 0; row < 3; ++row) {
        form.page1.EleSym[row].Text = state.g_Solutions[row];
        form.page1.Ele[row].Text = TokenBetween(state.g_Solutions[row + 3], "*", "*");
    }
    form.but_OK_Click();

    EXPECT_TRUE(form.lab_Correct.Visible);
    EXPECT_EQ(form.lab_Correct.Text, world.praise);
    EXPECT_EQ(state.g_ElementsAsked.toText(), "6");
    EXPECT_EQ(state.g_ElementsRight, 6);
    EXPECT_EQ(form.Aufgabenanz.Caption, " 6");
    EXPECT_EQ(form.RichtigAnz.Caption, " 6");
    EXPECT_EQ(form.ctl_Mark.MarkText, "1+");
    EXPECT_EQ(state.g_Grade, "1+");
}

TEST_F(WindowTest, Page1FiveRightGivesNoPraise)
{
    startTest();
    for (int row = 0; row < 3; ++row) {
        form.page1.EleSym[row].Text = state.g_Solutions[row];
        form.page1.Ele[row].Text = TokenBetween(state.g_Solutions[row + 3], "*", "*");
    }
    form.page1.Ele[2].Text = QStringLiteral("Gold");
    form.but_OK_Click();

    EXPECT_FALSE(form.lab_Correct.Visible);
    EXPECT_EQ(form.RichtigAnz.Caption, " 5");
    EXPECT_EQ(form.ctl_Mark.MarkText, "2+"); // 5/6 = 0.833
}

TEST_F(WindowTest, Page2JudgesNumbersAndSyllables)
{
    startTest();
    form.but_OK_Click(); // page 1 all empty: 0 of 6
    form.but_Next_Click();
    ASSERT_EQ(form.m_CurrentPage, 2);
    state.g_Solutions[0] = QStringLiteral("4");
    state.g_Solutions[1] = QStringLiteral("10");
    state.g_Solutions[2] = QStringLiteral("*octa*okta*");
    state.g_Solutions[3] = QStringLiteral("*di*");
    form.page2.Zahl[0].Text = QStringLiteral("04");
    form.page2.Zahl[1].Text = QStringLiteral(" 10 ");
    form.page2.Zahl[2].Text = QStringLiteral("okta");
    form.page2.Zahl[3].Text = QStringLiteral("Di");

    form.but_OK_Click();

    EXPECT_EQ(form.page2.Zahl[0].Text, "04 - richtig ist: 4");
    EXPECT_EQ(form.page2.Zahl[1].BackColor, Colour::LightGreen);
    EXPECT_EQ(form.page2.Zahl[2].BackColor, Colour::LightGreen);
    EXPECT_EQ(form.page2.Zahl[3].Text, "Di - richtig ist: *di*");
    EXPECT_EQ(state.g_SyllablesRight, 2);
    EXPECT_EQ(state.g_SyllablesAsked.toText(), "4");
    EXPECT_EQ(form.Aufgabenanz.Caption, " 10");
    EXPECT_EQ(form.RichtigAnz.Caption, " 2");
    EXPECT_EQ(form.ctl_Mark.MarkText, "5"); // 2 of 10
    EXPECT_FALSE(form.lab_Correct.Visible);
}

TEST_F(WindowTest, Page2AllRightGivesPraiseEvenAfterAWeakPage1)
{
    startTest();
    form.but_OK_Click();
    form.but_Next_Click();
    for (int row = 0; row < 4; ++row)
        form.page2.Zahl[row].Text =
            row < 2 ? state.g_Solutions[row] : TokenBetween(state.g_Solutions[row], "*", "*");
    form.but_OK_Click();
    EXPECT_TRUE(form.lab_Correct.Visible);
    EXPECT_EQ(state.g_SyllablesRight, 4);
}
