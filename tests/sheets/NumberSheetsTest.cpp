#include "sheets/NumberRows.h"
#include "support/CatalogueBuilder.h"
#include "support/WindowFixture.h"

#include <limits>

// Pages 8 (molar masses) and 12 (amounts of substance), the two number sheets: their rows, the judging of
// typed numbers (how a number is read is NumberInput's rule), the Enter rings and the calculator.

namespace {

class NumberSheets : public WindowTest {
protected:
    void open(int page, bool expert = false)
    {
        writeCatalogue(catalogueFile({
            {Section::MolarMasses,
             {"Wasser (H2O)", "18.0", "H2O", "Natriumchlorid (NaCl)", "58.4", "NaCl", "Kaputt (Xy)", "viel",
              "Xy", "Sauerstoff (O2)", "32.0", "O2", "Methan (CH4)", "16.0", "CH4", "ææ", "Ammoniak (NH3)",
              "17.0", "NH3"}},
            {Section::Amounts,
             {"Wie viel mol sind 36 g Wasser (H2O)?", "2.0", "Wie viel mol sind 16 g Sauerstoff (O2)?", "0.5",
              "ææ", "Wie viel mol sind 12,15 g Magnesium (Mg)?", "0.50", "Kaputt", "ungefähr zwei",
              "Wie viel mol sind 10 g Wasserstoff (H2)?", "5", "Welche Masse in g haben 3 mol Wasser (H2O)?",
              "54 g"}},
        }));
        state.g_Expert = DynValue::int16(expert ? 1 : 0);
        openPage(page);
    }
};

} // namespace

// Typed and expected numbers must read as the same single-precision value (NumberInput's rule); a field
// without a number, or with a second one, is wrong, also where 0 is expected.
TEST_F(NumberSheets, RowsAreJudgedByTheirValue)
{
    open(8);
    const QStringList expected = {" 58.4", " 58.4", " 20", " 18"};
    const QStringList typed = {" 58,4 g", "58,44", "20 oder 21", "18"};
    for (int row = 0; row < 4; ++row) {
        solution(row) = expected[row];
        form.molarMasses.Mol[row].Text = typed[row];
    }
    form.but_OK_Click();
    EXPECT_EQ(form.molarMasses.Mol[0].BackColor, Colour::LightGreen);
    EXPECT_EQ(form.molarMasses.Mol[1].Text, "58,44 - richtig ist:  58.4");
    EXPECT_EQ(form.molarMasses.Mol[2].BackColor, Colour::LightRed);
    EXPECT_EQ(state.g_MolarMassesRight, 2);

    form.but_Next_Click();
    ASSERT_EQ(form.m_CurrentPage, 12);
    solution(0) = "0";
    solution(1) = "54 g";
    form.amounts.Stoffm[1].Text = "54";
    form.but_OK_Click();
    EXPECT_EQ(form.amounts.Stoffm[0].Text, " - richtig ist: 0");
    EXPECT_EQ(form.amounts.Stoffm[1].BackColor, Colour::LightGreen);
}

TEST_F(NumberSheets, OnlyBeginnersSeeTheFormulaBesideEachTaskAndTheMassIsExpectedWithItsSignBlank)
{
    open(8);
    MolarMassSheet& page = form.molarMasses;
    // The unreadable record 3 is never drawn; the beginner part holds the other four.
    EXPECT_EQ(page.AnzS7[2].Caption.trimmed(), "Sauerstoff (O2)");
    const QStringList expected = {" 18", " 58.4", " 32", " 16"};
    const QStringList terms = {"H2O", "NaCl", "O2", "CH4"};
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(solution(row), expected[row]);
        EXPECT_TRUE(page.lab_MolTerm[row].Visible);
        EXPECT_EQ(page.lab_MolTerm[row].Term, terms[row]);
    }
    EXPECT_EQ(form.FocusRequest, &page.Mol[0]);
    EXPECT_TRUE(world.notices.filter("Molare Massen").isEmpty());
    EXPECT_EQ(world.diagnostics.filter("section 3 (Molare Massen): record(s) 3 cannot be answered").size(),
              1);
}

// The amounts take no beginner limit; the unanswerable record is never drawn.
TEST_F(NumberSheets, AmountsComeFromTheWholeSectionAlsoForBeginners)
{
    open(12);
    const QStringList expected = {"2.0", "0.5", "0.50", "5", "54 g"};
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(solution(row), expected[row]);
        EXPECT_TRUE(form.amounts.Stoffm[row].Enabled);
    }
    EXPECT_EQ(form.amounts.AnzS12[4].Caption, "Welche Masse in g haben 3 mol Wasser (H2O)?");
    EXPECT_TRUE(world.notices.filter("Stoffmengen").isEmpty());
}

TEST_F(WindowTest, TooFewAnswerableAmountsLeaveRowsEmptyAndUnjudged)
{
    writeCatalogue(
        catalogueFile({{Section::Amounts, {"Frage eins", "1", "Frage zwei", "zwei", "Frage drei", "3"}}}));
    openPage(12);
    EXPECT_TRUE(form.amounts.Stoffm[1].Enabled);
    EXPECT_FALSE(form.amounts.Stoffm[2].Enabled);
    EXPECT_TRUE(world.notices.last().contains("nur 2 Aufgaben"));
    form.amounts.Stoffm[0].Text = "1";
    form.amounts.Stoffm[1].Text = "3";
    form.but_OK_Click();
    EXPECT_EQ(state.g_AmountsAsked.toText(), "2");
    EXPECT_EQ(state.g_AmountsRight, 2);
    EXPECT_EQ(form.amounts.Stoffm[2].BackColor, Colour::Default);
}

TEST_F(NumberSheets, FieldsOpenTheNumberKeypadWithTheTaskAndEnterWalksTheRings)
{
    open(8);
    MolarMassSheet& masses = form.molarMasses;
    AmountSheet& amounts = form.amounts;
    EXPECT_EQ(focusAfter([&] { masses.Mol_KeyPress(0, KeyEnter); }), &masses.Mol[1]);
    EXPECT_EQ(focusAfter([&] { masses.Mol_KeyPress(3, KeyEnter); }), &masses.Mol[0]);
    EXPECT_EQ(focusAfter([&] { amounts.Stoffm_KeyPress(4, KeyEnter); }), &amounts.Stoffm[0]);
    EXPECT_EQ(focusAfter([&] { masses.Mol_KeyPress(1, 'a'); }), nullptr);

    world.padInputs = {"58,4", "2"};
    masses.Mol_Click(1);
    amounts.AnzS12[3].Caption = "Frage";
    amounts.Stoffm_Click(3);
    EXPECT_EQ(
        world.callsStartingWith("Dialogs.Show"),
        QStringList({"Dialogs.ShowNumberPad: " + masses.AnzS7[1].Caption, "Dialogs.ShowNumberPad: Frage"}));
    EXPECT_EQ(masses.Mol[1].Text, "58,4");
    EXPECT_EQ(amounts.Stoffm[3].Text, "2");
}

TEST(CalculatorText, IsTheShortestFormWithADecimalComma)
{
    EXPECT_EQ(calculatorText(-12.5), "-12,5");
    EXPECT_EQ(calculatorText(0.1 + 0.2), "0,30000000000000004");
}

// A beginner's calculator button offers the calculator with its row's task; a result replaces the field's
// text, no result (cancelled, or no number) keeps it. An expert is told to calculate in the head.
TEST_F(NumberSheets, TheCalculatorFillsTheFieldOfItsRow)
{
    open(8);
    form.amounts.AnzS12[1].Caption = "Wie viel mol?";
    form.amounts.Stoffm[1].Text = "alt";
    world.calculatorResults = {12.5, ToolsService::NoResult, std::numeric_limits<double>::quiet_NaN()};
    form.molarMasses.but_Calc_Click(2);
    form.amounts.but_Calc_Click(5);
    form.molarMasses.but_Calc_Click(2);
    EXPECT_EQ(form.molarMasses.Mol[2].Text, "12,5");
    EXPECT_EQ(form.amounts.Stoffm[1].Text, "alt");
    const QString massPrompt = "Tools.ShowCalculator: Molare Masse von " + form.molarMasses.AnzS7[2].Caption;
    EXPECT_EQ(
        world.callsStartingWith("Tools.ShowCalculator"),
        QStringList({massPrompt, "Tools.ShowCalculator: Stoffmenge in Mol von Wie viel mol?", massPrompt}));

    state.g_Expert = DynValue::int16(1);
    world.calls.clear();
    world.calculatorResults = {1};
    form.amounts.but_Calc_Click(5);
    EXPECT_EQ(form.amounts.Stoffm[1].Text, "alt");
    EXPECT_EQ(world.calls, QStringList{"Notices.ShowNotice: Tut mir leid! Experten müssen im Kopf rechnen!"});
}
