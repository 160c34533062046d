#include "support/WindowFixture.h"

// Page 1, the element sheet: its rows, their judging and its answer fields.

// Rows 0..2 expect a symbol exactly, rows 3..5 one of a star list of names; either trimmed. A wrong row
// keeps what was typed and shows the symbol or the first name.
TEST_F(WindowTest, ElementRowsAreJudgedAsTyped)
{
    startTest();
    const struct {
        QString expected;
        QString typed;
        bool right;
        QString textAfter;
    } rows[] = {{"Na", "  Na ", true, "  Na "},
                {"Na", "NA", false, "NA - Richtig ist: Na"},
                {"Na", "Nb ", false, "Nb  - Richtig ist: Na"},
                {"*Iod*Jod*", " Jod", true, " Jod"},
                {"*Iod*Jod*", "Io", false, "Io - Richtig ist: Iod"},
                {"*Iod*Jod*", "", false, " - Richtig ist: Iod"}}; // nothing never matches between the stars
    for (int row = 0; row < 6; ++row) {
        solution(row) = rows[row].expected;
        (row < 3 ? form.elements.EleSym[row] : form.elements.Ele[row - 3]).Text = rows[row].typed;
    }
    form.but_OK_Click();
    for (int row = 0; row < 6; ++row) {
        const TextBox& field = row < 3 ? form.elements.EleSym[row] : form.elements.Ele[row - 3];
        EXPECT_EQ(field.BackColor, rows[row].right ? Colour::LightGreen : Colour::LightRed) << row;
        EXPECT_EQ(field.Text, rows[row].textAfter);
    }
    EXPECT_EQ(state.g_ElementsRight, 2);
}

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
    EXPECT_EQ(focusAfter([&] { page.EleSym_KeyPress(1, KeyEnter); }), &page.EleSym[2]);
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
