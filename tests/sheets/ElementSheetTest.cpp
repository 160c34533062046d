#include "support/WindowFixture.h"

// Page 1, the element sheet: its rows, their judging and its answer fields.

namespace {

struct RowCase {
    const char* name;
    QString expected; // a symbol, or the star list of names
    QString typed;
    bool right;
    QString textAfter; // what the field shows after judging
};

class ElementRows : public WindowTest, public ::testing::WithParamInterface<RowCase> {};

} // namespace

// A symbol is judged in row 0, a star list of names in row 3; all other rows are left empty.
TEST_P(ElementRows, JudgesOneRow)
{
    const RowCase& c = GetParam();
    startTest();
    const bool isList = c.expected.startsWith(QLatin1Char('*'));
    TextBox& field = isList ? form.elements.Ele[0] : form.elements.EleSym[0];
    solution(isList ? 3 : 0) = c.expected;
    field.Text = c.typed;
    form.but_OK_Click();
    EXPECT_EQ(field.BackColor, c.right ? Colour::LightGreen : Colour::LightRed);
    EXPECT_EQ(field.Text, c.textAfter);
    EXPECT_EQ(state.g_ElementsRight, c.right ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Page1, ElementRows,
    ::testing::Values(RowCase{"SymbolWithBlanksAround", "Na", "  Na ", true, "  Na "},
                      RowCase{"SymbolWrongCase", "Na", "NA", false, "NA - Richtig ist: Na"},
                      RowCase{"NameSecondVariantWithBlank", "*Iod*Jod*", " Jod", true, " Jod"},
                      RowCase{"NamePartOfVariant", "*Iod*Jod*", "Io", false, "Io - Richtig ist: Iod"},
                      RowCase{"NameEmptyNeverMatchesTheStars", "*Iod*Jod*", "", false, " - Richtig ist: Iod"},
                      RowCase{"NameWrongKeepsTypedTextUntrimmed", "*Natrium*", "Natron ", false,
                              "Natron  - Richtig ist: Natrium"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, ElementPageShowsNamesAndSymbolsAndExpectsTheirCounterparts)
{
    random.script = {2, 0, 0, 0, 0, 0}; // Iod*Jod first (record 3), then the lowest left
    startTest();
    EXPECT_EQ(form.elements.AnzS1[0].Caption, "Iod");
    EXPECT_EQ(solution(0), "I");
    EXPECT_EQ(form.elements.AnzS1[1].Caption, "Wasserstoff");
    EXPECT_EQ(form.elements.AnzS1[3].Caption, "Ca");
    EXPECT_EQ(solution(3), "*Calcium*Kalzium*");
    EXPECT_EQ(form.FocusRequest, &form.elements.EleSym[0]);
}

TEST_F(WindowTest, ElementFieldsOpenTheTextKeypadAndEnterWalksTheirRing)
{
    startTest();
    ElementSheet& page = form.elements;
    EXPECT_EQ(focusAfter([&] { page.EleSym_KeyPress(0, KeyEnter); }), &page.EleSym[1]);
    EXPECT_EQ(focusAfter([&] { page.EleSym_KeyPress(2, KeyEnter); }), &page.Ele[0]);
    EXPECT_EQ(focusAfter([&] { page.Ele_KeyPress(1, KeyEnter); }), &page.Ele[2]);
    EXPECT_EQ(focusAfter([&] { page.Ele_KeyPress(2, KeyEnter); }), &page.EleSym[0]);
    EXPECT_EQ(focusAfter([&] { page.Ele_KeyPress(0, 'a'); }), nullptr);

    page.AnzS1[1].Caption = QStringLiteral("Natrium");
    page.AnzS1[5].Caption = QStringLiteral("Fe");
    world.padInputs = {QStringLiteral("Na"), QStringLiteral("Eisen")};
    page.EleSym_Click(1);
    page.Ele_Click(2);
    EXPECT_EQ(world.callsStartingWith("Dialogs.Show"),
              QStringList({"Dialogs.ShowTextPad: Natrium", "Dialogs.ShowTextPad: Fe"}));
    EXPECT_EQ(page.EleSym[1].Text, "Na");
    EXPECT_EQ(page.Ele[2].Text, "Eisen");
}
