#include "support/CatalogueBuilder.h"
#include "support/WindowFixture.h"

// Page 11, the substance names, as a pupil sees it: formulas to name, names to give the formula of, the
// judging with its corrections, the formula editor, and leaving the page.

namespace {

// Record 4 has no formula; all but the last are for beginners.
QByteArray substanceCatalogue()
{
    return catalogueFile(
        {{Section::Substances,
          recordLines({"Wasser||H2O", "Kohlenstoff*Kohlen|dioxid|CO2", "Natrium|chlorid|NaCl",
                       "Ohne Formel||", "Methan||CH4", "Ammoniak||NH3", "Eisen(III)-*Eisen(III)|oxid|Fe2O3",
                       "ææ", "Ozon||O3"})}});
}

class SubstanceSheetTest : public WindowTest {
protected:
    void open()
    {
        writeCatalogue(substanceCatalogue());
        openPage(11);
    }
    SubstanceSheet& page() { return form.substanceNames; }
};

} // namespace

// An entry must be one of the "|"-separated names, or the formula, exactly once trimmed; a wrong row keeps
// the entry and shows the first name or the formula under "Richtig:".
TEST_F(SubstanceSheetTest, RowsAreJudgedAgainstEachAcceptedName)
{
    open();
    const QString carbonDioxide = QStringLiteral("Kohlenstoffdioxid|Kohlendioxid");
    const struct {
        QString expected;
        QString entered;
        bool right;
    } rows[] = {{carbonDioxide, "  Kohlendioxid ", true},
                {carbonDioxide, carbonDioxide, false},
                {carbonDioxide, "Kohlen", false},
                {carbonDioxide, "kohlendioxid", false},
                {"Wasser|", "", false}, // nothing entered never matches an empty name
                {"CO2", "Co2", false}};
    for (int row = 0; row < 6; ++row) {
        solution(row) = rows[row].expected;
        page().Substein[row].Term = rows[row].entered;
    }
    form.but_OK_Click();
    for (int row = 0; row < 6; ++row) {
        EXPECT_EQ(page().Substein[row].BackColor, rows[row].right ? Colour::LightGreen : Colour::LightRed)
            << row;
        EXPECT_EQ(page().Substein[row].Term, rows[row].entered);
        EXPECT_EQ(page().lab_SubCorrect[row].Visible, !rows[row].right);
        EXPECT_EQ(page().lab_SubsTermTitle[row].Visible, !rows[row].right);
        EXPECT_EQ(page().lab_SubCorrect[row].Term,
                  rows[row].right ? "" : rows[row].expected.section(u'|', 0, 0));
    }
    EXPECT_EQ(page().lab_SubsTermTitle[0].Caption, "Richtig:");
    EXPECT_EQ(state.g_SubstancesRight, 1);
}

TEST_F(SubstanceSheetTest, ShowsFormulasAndNamesAndExpectsTheirCounterparts)
{
    open();
    // Record 4 has no formula and is never drawn; the beginner part holds the six others.
    EXPECT_EQ(page().lab_SubsTerm[0].Term, "H2O");
    EXPECT_EQ(solution(0), "Wasser");
    EXPECT_EQ(page().lab_SubsTerm[1].Term, "CO2");
    EXPECT_EQ(solution(1), "Kohlenstoffdioxid|Kohlendioxid");
    EXPECT_EQ(page().Substanz[3].Caption, "Methan");
    EXPECT_EQ(solution(3), "CH4");
    EXPECT_EQ(page().Substanz[5].Caption, "Eisen(III)-oxid");
    EXPECT_EQ(solution(5), "Fe2O3");
    EXPECT_EQ(form.FocusRequest, &page().Substein[0]);
    for (int row = 0; row < 6; ++row) {
        EXPECT_TRUE(page().Substein[row].Enabled);
        EXPECT_FALSE(page().lab_SubCorrect[row].Visible);
        EXPECT_FALSE(page().lab_SubsTermTitle[row].Visible);
    }
    EXPECT_FALSE(world.notices.join("\n").contains("Substanznamen"));
}

TEST_F(SubstanceSheetTest, AClickEditsANameOnTheTextPadAFormulaInTheFormulaEditorAndEnterWalksTheRing)
{
    page().lab_SubsTerm[0].Term = "H2O";
    page().Substanz[4].Caption = "Ammoniak";
    page().Substein[4].Term = "NH";
    page().Substein[0].Term = "Was";
    world.termEdits = {"NH3"};
    world.padInputs = {"Wasser"};
    page().Substein_Click(4);
    page().Substein_Click(0);
    page().Substein_Click(0); // a cancelled pad gives the entry back unchanged
    EXPECT_EQ(world.callsStartingWith("Dialogs."),
              QStringList({"Dialogs.EditTerm: NH | Ammoniak", "Dialogs.ShowTextPad: H2O",
                           "Dialogs.ShowTextPad: H2O"}));
    EXPECT_EQ(page().Substein[4].Term, "NH3");
    EXPECT_EQ(page().Substein[0].Term, "Wasser");

    EXPECT_EQ(focusAfter([&] { page().Substein_KeyPress(2, KeyEnter); }), &page().Substein[3]);
    EXPECT_EQ(focusAfter([&] { page().Substein_KeyPress(5, KeyEnter); }), &page().Substein[0]);
    EXPECT_EQ(focusAfter([&] { page().Substein_KeyPress(1, 'a'); }), nullptr);
}

TEST_F(SubstanceSheetTest, LeavingHidesTheLowerTitles)
{
    open();
    form.but_OK_Click(); // all six wrong: every correction shows
    form.but_Next_Click();
    EXPECT_EQ(form.m_CurrentPage, 8);
    for (int row = 0; row < 6; ++row)
        EXPECT_EQ(page().lab_SubsTermTitle[row].Visible, row < 3);
}
