#include "support/CatalogueBuilder.h"
#include "support/WindowFixture.h"

#include <cmath>
#include <functional>
#include <limits>

// Pages 8 (molar masses) and 12 (amounts of substance), the two number sheets, as a pupil sees them:
// their rows, the judging of typed numbers, praise, counts and grade, the Enter rings and the calculator.

namespace {

QByteArray numberCatalogue()
{
    return catalogueFile({
        {Section::MolarMasses,
         {"Wasser (H2O)", "18.0", "H2O", "Natriumchlorid (NaCl)", "58.4", "NaCl", "Kaputt (Xy)", "viel", "Xy",
          "Sauerstoff (O2)", "32.0", "O2", "Methan (CH4)", "16.0", "CH4", "ææ", "Ammoniak (NH3)", "17.0",
          "NH3"}},
        {Section::Amounts,
         {"Wie viel mol sind 36 g Wasser (H2O)? (1 Nachkommastelle)", "2.0",
          "Wie viel mol sind 16 g Sauerstoff (O2)? (1 Nachkommastelle)", "0.5", "ææ",
          "Wie viel mol sind 12,15 g Magnesium (Mg)? (2 Nachkommastellen)", "0.50", "Kaputt", "ungefähr zwei",
          "Wie viel mol sind 10 g Wasserstoff (H2)? (ganze Zahl)", "5",
          "Welche Masse in g haben 3 mol Wasser (H2O)? (ganze Zahl)", "54 g"}},
    });
}

class NumberSheets : public WindowTest {
protected:
    void open(int page, bool expert = false)
    {
        writeCatalogue(numberCatalogue());
        state.g_Expert = DynValue::int16(expert ? 1 : 0);
        startTest();
        walkTo(page);
    }
};

struct RowCase {
    const char* name;
    int page;
    QString expected; // as the page left it in g_Solutions
    QString typed;
    bool right;
    QString textAfter;
};

class NumberRows : public NumberSheets, public ::testing::WithParamInterface<RowCase> {};

} // namespace

TEST_P(NumberRows, JudgesOneRow)
{
    const RowCase& c = GetParam();
    open(c.page);
    TextBox& field = c.page == 8 ? form.molarMasses.Mol[0] : form.amounts.Stoffm[0];
    state.g_Solutions[0] = c.expected;
    field.Text = c.typed;

    form.but_OK_Click();

    EXPECT_EQ(field.BackColor, c.right ? Colour::LightGreen : Colour::LightRed);
    EXPECT_EQ(field.Text, c.textAfter);
    EXPECT_EQ(c.page == 8 ? state.g_MolarMassesRight : state.g_AmountsRight, c.right ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Pages8And12, NumberRows,
    ::testing::Values(RowCase{"Comma", 8, " 58.4", "58,4", true, "58,4"},
                      RowCase{"Point", 8, " 58.4", "58.4", true, "58.4"},
                      RowCase{"TrailingZero", 8, " 58.4", "58,40", true, "58,40"},
                      RowCase{"UnitAfter", 8, " 58.4", "58,4 g", true, "58,4 g"},
                      RowCase{"BlanksAround", 8, " 58.4", "  58,4 ", true, "  58,4 "},
                      RowCase{"RoundedDifferently", 8, " 58.4", "58,44", false, "58,44 - richtig ist:  58.4"},
                      RowCase{"NotRounded", 8, " 58.4", "58", false, "58 - richtig ist:  58.4"},
                      RowCase{"WholeWithDecimal", 8, " 18", "18,0", true, "18,0"},
                      RowCase{"SmallExponent", 8, " 18", "1,8e1", true, "1,8e1"},
                      RowCase{"CapitalExponent", 8, " 18", "1,8E1", true, "1,8E1"},
                      RowCase{"BlankBetweenDigits", 8, " 18", "1 8", true, "1 8"},
                      RowCase{"CloseIsWrong", 8, " 18", "18,01", false, "18,01 - richtig ist:  18"},
                      RowCase{"HedgeIsWrong", 8, " 20", "20 oder 21", false, "20 oder 21 - richtig ist:  20"},
                      RowCase{"EmptyIsWrong", 8, " 18", "", false, " - richtig ist:  18"},
                      RowCase{"EmptyIsWrongAlsoForZero", 12, "0", "", false, " - richtig ist: 0"},
                      RowCase{"WordsAreWrongAlsoForZero", 12, "0", "keine", false, "keine - richtig ist: 0"},
                      RowCase{"AmountWithoutZero", 12, "0.5", ",5", true, ",5"},
                      RowCase{"AmountUnitStored", 12, "54 g", "54", true, "54"},
                      RowCase{"AmountRoundedDifferently", 12, "2.0", "2,05", false,
                              "2,05 - richtig ist: 2.0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NumberSheets, BeginnersSeeTheFormulaBesideEachTaskAndExpectTheMassWithItsSignBlank)
{
    open(8);
    const MolarMassSheet& page = form.molarMasses;
    // The unreadable record 3 is never drawn; the beginner part holds the other four.
    EXPECT_EQ(page.AnzS7[0].Caption, QStringLiteral("Wasser (H2O)").leftJustified(40));
    EXPECT_EQ(page.AnzS7[2].Caption.trimmed(), "Sauerstoff (O2)");
    const QString expected[] = {" 18", " 58.4", " 32", " 16"};
    const QString terms[] = {"H2O", "NaCl", "O2", "CH4"};
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(state.g_Solutions[row], expected[row]);
        EXPECT_TRUE(page.lab_MolTerm[row].Visible);
        EXPECT_EQ(page.lab_MolTerm[row].Term, terms[row]);
    }
    EXPECT_EQ(form.FocusRequest, &page.Mol[0]);
    EXPECT_FALSE(world.notices.join("\n").contains("Molare Massen"));
    EXPECT_TRUE(
        world.diagnostics.join("\n").contains("section 3 (Molare Massen): record(s) 3 cannot be answered"));
}

TEST_F(NumberSheets, ExpertsSeeNoFormula)
{
    random.script = {4, 0, 0, 0}; // Ammoniak, the expert-only record, first
    open(8, true);
    EXPECT_EQ(form.molarMasses.AnzS7[0].Caption.trimmed(), "Ammoniak (NH3)");
    for (const TermLabel& term : form.molarMasses.lab_MolTerm)
        EXPECT_FALSE(term.Visible);
}

TEST_F(NumberSheets, AmountsComeFromTheWholeSectionAlsoForBeginners)
{
    open(12);
    const QString expected[] = {"2.0", "0.5", "0.50", "5", "54 g"};
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(state.g_Solutions[row], expected[row]);
        EXPECT_TRUE(form.amounts.Stoffm[row].Enabled);
    }
    EXPECT_EQ(form.amounts.AnzS12[4].Caption, "Welche Masse in g haben 3 mol Wasser (H2O)? (ganze Zahl)");
    EXPECT_FALSE(world.notices.join("\n").contains("Stoffmengen"));
}

TEST_F(NumberSheets, AllRightGivesPraiseCountsAndGrade)
{
    open(8);
    const QString typed[] = {"18", "58,4", "32,0", "16 g"};
    for (int row = 0; row < 4; ++row)
        form.molarMasses.Mol[row].Text = typed[row];
    const int askedBefore = state.g_TotalAsked.toInt();
    form.but_OK_Click();
    EXPECT_TRUE(form.lab_Correct.Visible);
    EXPECT_EQ(state.g_MolarMassesAsked.toText(), "4");
    EXPECT_EQ(state.g_MolarMassesRight, 4);
    EXPECT_EQ(state.g_TotalAsked.toInt(), askedBefore + 4);
    EXPECT_EQ(form.RichtigAnz.Caption, " 4");

    form.but_Next_Click();
    const QString answers[] = {"2", "0,5", "0,50", "5", "54"};
    for (int row = 0; row < 5; ++row)
        form.amounts.Stoffm[row].Text = answers[row];
    form.amounts.Stoffm[4].Text = "45";
    form.but_OK_Click();
    EXPECT_FALSE(form.lab_Correct.Visible);
    EXPECT_EQ(state.g_AmountsAsked.toText(), "5");
    EXPECT_EQ(state.g_AmountsRight, 4);
    EXPECT_EQ(form.RichtigAnz.Caption, " 8");
    EXPECT_EQ(form.ctl_Mark.MarkText, "1-"); // 8 of 9 posed items
}

TEST_F(NumberSheets, TooFewAnswerableRecordsLeaveRowsEmptyAndUnjudged)
{
    writeCatalogue(
        catalogueFile({{Section::Amounts, {"Frage eins", "1", "Frage zwei", "zwei", "Frage drei", "3"}}}));
    startTest();
    walkTo(12);
    EXPECT_TRUE(form.amounts.Stoffm[1].Enabled);
    EXPECT_FALSE(form.amounts.Stoffm[2].Enabled);
    EXPECT_TRUE(world.notices.last().contains("nur 2 Aufgaben"));
    form.amounts.Stoffm[0].Text = "1";
    form.amounts.Stoffm[1].Text = "3";
    form.but_OK_Click();
    EXPECT_EQ(state.g_AmountsAsked.toText(), "2");
    EXPECT_EQ(state.g_AmountsRight, 2);
    EXPECT_TRUE(form.lab_Correct.Visible);
    EXPECT_EQ(form.amounts.Stoffm[2].BackColor, Colour::Default);
}

TEST_F(NumberSheets, EnterWalksTheRings)
{
    open(8);
    MolarMassSheet& masses = form.molarMasses;
    AmountSheet& amounts = form.amounts;
    const QList<std::pair<std::function<void()>, ControlId>> ring = {
        {[&] { masses.Mol_KeyPress(0, KeyEnter); }, &masses.Mol[1]},
        {[&] { masses.Mol_KeyPress(3, KeyEnter); }, &masses.Mol[0]},
        {[&] { amounts.Stoffm_KeyPress(2, KeyEnter); }, &amounts.Stoffm[3]},
        {[&] { amounts.Stoffm_KeyPress(4, KeyEnter); }, &amounts.Stoffm[0]},
        {[&] { masses.Mol_KeyPress(1, 'a'); }, nullptr},
    };
    for (const auto& [press, expected] : ring) {
        form.FocusRequest = nullptr;
        press();
        EXPECT_EQ(form.FocusRequest, expected);
    }
}

TEST_F(NumberSheets, AClickOpensTheNumberKeypadWithTheTaskAsPrompt)
{
    open(8);
    world.padInputs = {"58,4", "2"};
    form.molarMasses.Mol_Click(1);
    form.amounts.AnzS12[3].Caption = "Frage";
    form.amounts.Stoffm_Click(3);
    EXPECT_EQ(world.callsStartingWith("Dialogs.Show"),
              QStringList({"Dialogs.ShowNumberPad: " + form.molarMasses.AnzS7[1].Caption,
                           "Dialogs.ShowNumberPad: Frage"}));
    EXPECT_EQ(form.molarMasses.Mol[1].Text, "58,4");
    EXPECT_EQ(form.amounts.Stoffm[3].Text, "2");
}

namespace {

struct CalculatorCase {
    const char* name;
    bool expert;
    double result; // what the calculator gives back
    QString fieldAfter;
    bool calculatorShown;
};

class Calculator : public NumberSheets, public ::testing::WithParamInterface<CalculatorCase> {};

} // namespace

TEST_P(Calculator, WritesTheResultIntoTheFieldOfItsRow)
{
    const CalculatorCase& c = GetParam();
    open(8, c.expert);
    form.molarMasses.AnzS7[2].Caption = "Sauerstoff (O2)";
    form.amounts.AnzS12[1].Caption = "Wie viel mol?";
    form.molarMasses.Mol[2].Text = "alt";
    form.amounts.Stoffm[1].Text = "alt";
    world.calculatorResults = {c.result, c.result};

    form.molarMasses.but_Calc_Click(2);
    form.amounts.but_Calc_Click(5);

    EXPECT_EQ(form.molarMasses.Mol[2].Text, c.fieldAfter);
    EXPECT_EQ(form.amounts.Stoffm[1].Text, c.fieldAfter);
    const QStringList shown = world.callsStartingWith("Tools.ShowCalculator");
    const QStringList prompts = {"Tools.ShowCalculator: Molare Masse von Sauerstoff (O2)",
                                 "Tools.ShowCalculator: Stoffmenge in Mol von Wie viel mol?"};
    EXPECT_EQ(shown, c.calculatorShown ? prompts : QStringList());
    const QString notice = "Notices.ShowNotice: Tut mir leid! Experten müssen im Kopf rechnen!";
    EXPECT_EQ(world.callsStartingWith("Notices.ShowNotice: Tut mir leid"),
              c.expert ? QStringList({notice, notice}) : QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    Pages8And12, Calculator,
    ::testing::Values(CalculatorCase{"ResultWithDecimalComma", false, 12.5, "12,5", true},
                      CalculatorCase{"WholeResult", false, 32, "32", true},
                      CalculatorCase{"ShortestForm", false, 0.1 + 0.2, "0,30000000000000004", true},
                      CalculatorCase{"NegativeResult", false, -0.25, "-0,25", true},
                      CalculatorCase{"NoResultKeepsTheField", false, -666, "alt", true},
                      CalculatorCase{"NoNumberKeepsTheField", false, std::numeric_limits<double>::quiet_NaN(),
                                     "alt", true},
                      CalculatorCase{"ExpertGetsTheNotice", true, 12.5, "alt", false}),
    [](const auto& info) { return std::string(info.param.name); });
