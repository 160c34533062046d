#include "support/WindowFixture.h"

#include <functional>

// Page 2, the number-syllable sheet: its rows, their judging and its answer fields.

TEST_F(WindowTest, SyllablePageShowsNumbersWithoutBlank)
{
    startTest();
    random.script = {3, 0, 0, 0}; // tetra first
    form.but_OK_Click();
    form.but_Next_Click();
    EXPECT_EQ(form.syllables.AnzS2[0].Caption, "tetra");
    EXPECT_EQ(state.g_Solutions[0], "4");
    EXPECT_EQ(form.syllables.AnzS2[2].Caption, "2");
    EXPECT_EQ(state.g_Solutions[2], "*di*");
    EXPECT_EQ(form.FocusRequest, &form.syllables.Zahl[0]);
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
    form.syllables.Zahl[0].Text = QStringLiteral("04");
    form.syllables.Zahl[1].Text = QStringLiteral(" 10 ");
    form.syllables.Zahl[2].Text = QStringLiteral("okta");
    form.syllables.Zahl[3].Text = QStringLiteral("Di");

    form.but_OK_Click();

    EXPECT_EQ(form.syllables.Zahl[0].Text, "04 - richtig ist: 4");
    EXPECT_EQ(form.syllables.Zahl[1].BackColor, Colour::LightGreen);
    EXPECT_EQ(form.syllables.Zahl[2].BackColor, Colour::LightGreen);
    EXPECT_EQ(form.syllables.Zahl[3].Text, "Di - richtig ist: *di*");
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
        form.syllables.Zahl[row].Text =
            row < 2 ? state.g_Solutions[row] : TokenBetween(state.g_Solutions[row], "*", "*");
    form.but_OK_Click();
    EXPECT_TRUE(form.lab_Correct.Visible);
    EXPECT_EQ(state.g_SyllablesRight, 4);
}

TEST_F(WindowTest, EnterWalksTheRingOfNumbers)
{
    startTest();
    walkTo(2);
    const QList<std::pair<std::function<void()>, ControlId>> ring = {
        {[&] { form.syllables.Zahl_KeyPress(0, KeyEnter); }, &form.syllables.Zahl[1]},
        {[&] { form.syllables.Zahl_KeyPress(3, KeyEnter); }, &form.syllables.Zahl[0]},
    };
    for (const auto& [press, expected] : ring) {
        form.FocusRequest = nullptr;
        press();
        EXPECT_EQ(form.FocusRequest, expected);
    }
}

TEST_F(WindowTest, NumbersGetTheNumberKeypadAndSyllablesTheTextKeypad)
{
    startTest();
    walkTo(2);
    form.syllables.AnzS2[0] = {QStringLiteral("tri")};
    form.syllables.AnzS2[3] = {QStringLiteral("8")};
    world.padInputs = {QStringLiteral("3"), QStringLiteral("okta")};

    form.syllables.Zahl_Click(0);
    form.syllables.Zahl_Click(3);

    EXPECT_EQ(world.callsStartingWith("Dialogs.Show"),
              QStringList({"Dialogs.ShowNumberPad: tri", "Dialogs.ShowTextPad: 8"}));
    EXPECT_EQ(form.syllables.Zahl[3].Text, "okta");
}
