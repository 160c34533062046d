#include "support/WindowFixture.h"

// Page 2, the number-syllable sheet: its rows, their judging and its answer fields.

TEST_F(WindowTest, SyllablePageShowsNumbersWithoutBlankAndJudgesNumbersAndSyllables)
{
    random.script = {3}; // tetra first
    openPage(2);
    EXPECT_EQ(form.syllables.AnzS2[0].Caption, "tetra");
    EXPECT_EQ(solution(0), "4");
    EXPECT_EQ(form.syllables.AnzS2[2].Caption, "2");
    EXPECT_EQ(solution(2), "*di*");
    EXPECT_EQ(form.FocusRequest, &form.syllables.Zahl[0]);

    const QStringList expected = {"4", "10", "*octa*okta*", "*di*"};
    const QStringList typed = {"04", " 10 ", "okta", "Di"};
    for (int row = 0; row < 4; ++row) {
        solution(row) = expected[row];
        form.syllables.Zahl[row].Text = typed[row];
    }
    form.but_OK_Click();
    EXPECT_EQ(form.syllables.Zahl[0].Text, "04 - richtig ist: 4");
    EXPECT_EQ(form.syllables.Zahl[1].BackColor, Colour::LightGreen);
    EXPECT_EQ(form.syllables.Zahl[2].BackColor, Colour::LightGreen);
    EXPECT_EQ(form.syllables.Zahl[3].Text, "Di - richtig ist: *di*");
    EXPECT_EQ(state.g_SyllablesRight, 2);
    EXPECT_EQ(state.g_SyllablesAsked.toText(), "4");
}

TEST_F(WindowTest, NumbersGetTheNumberKeypadSyllablesTheTextKeypadAndEnterWalksTheirRing)
{
    openPage(2);
    SyllableSheet& page = form.syllables;
    EXPECT_EQ(focusAfter([&] { page.Zahl_KeyPress(0, KeyEnter); }), &page.Zahl[1]);
    EXPECT_EQ(focusAfter([&] { page.Zahl_KeyPress(2, KeyEnter); }), &page.Zahl[3]);
    EXPECT_EQ(focusAfter([&] { page.Zahl_KeyPress(3, KeyEnter); }), &page.Zahl[0]);

    page.AnzS2[0].Caption = QStringLiteral("tri");
    page.AnzS2[3].Caption = QStringLiteral("8");
    world.padInputs = {QStringLiteral("3"), QStringLiteral("okta")};
    page.Zahl_Click(0);
    page.Zahl_Click(3);
    EXPECT_EQ(world.callsStartingWith("Dialogs.Show"),
              QStringList({"Dialogs.ShowNumberPad: tri", "Dialogs.ShowTextPad: 8"}));
    EXPECT_EQ(page.Zahl[3].Text, "okta");
}
