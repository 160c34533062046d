#include "support/CatalogueBuilder.h"
#include "support/WindowFixture.h"

#include <optional>

// Page 5, the charge numbers, as a pupil sees it: four particles, "-3" to "+3" in each row, the judging
// with its colours and corrections, and the Enter ring.

namespace {

// Drawn in this order when the draw is not scripted; all of them are for beginners.
const QStringList fourParticles = {"Oxid-Ion", "-2", "Argon", "0", "Natrium-Ion", "+1", "Nitrid-Ion", "-3"};

class ChargePage : public WindowTest {
protected:
    void open(const QStringList& charges = fourParticles)
    {
        writeCatalogue(catalogueFile({{Section::Charges, charges + QStringList{"ææ"}}}));
        openPage(5);
    }
    ChargeSheet& sheet() { return form.charges; }
    OptionButton& option(int index) { return sheet().ChooseS5_1[static_cast<std::size_t>(index)]; }
    QList<int> chosen() { return chosenOptions(form.charges.ChooseS5_1); }
};

} // namespace

// A right row turns its chosen option green; a wrong one turns its label red, the wrongly chosen option's
// text red, and shows the right option chosen.
TEST_F(ChargePage, JudgesEachRowAndShowsTheRightOption)
{
    open();
    const struct {
        int right;                  // absolute index of the right option
        int choice;                 // absolute index the pupil chose, or -1 for none
        std::optional<int> redText; // the option whose text turns red
    } rows[] = {{3, -1, std::nullopt}, {12, 12, std::nullopt}, {19, 17, 17}, {27, 27, std::nullopt}};
    for (int row = 0; row < 4; ++row) {
        solution(row) = QString::number(rows[row].right);
        if (rows[row].choice >= 0)
            sheet().ChooseS5_1_Click(rows[row].choice);
    }
    option(0).Value = false; // nothing chosen in row 0

    form.but_OK_Click();

    for (int row = 0; row < 4; ++row) {
        const bool right = rows[row].choice == rows[row].right;
        for (int i = 7 * row; i < 7 * row + 7; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(option(i).Value, i == rows[row].right);
            EXPECT_EQ(option(i).BackColor,
                      right && i == rows[row].right ? Colour::LightGreen : Colour::Default);
            EXPECT_EQ(option(i).ForeColor, rows[row].redText == i ? Colour::LightRed : Colour::Default);
        }
        EXPECT_EQ(sheet().AnzS5[static_cast<std::size_t>(row)].BackColor,
                  right ? Colour::Default : Colour::LightRed);
    }
    EXPECT_EQ(state.g_ChargesRight, 2);
    EXPECT_EQ(state.g_ChargesAsked.toText(), "4");
}

TEST_F(ChargePage, PresentShowsTheParticlesWithMinusThreeChosen)
{
    open();
    sheet().ChooseS5_1_Click(12);
    sheet().AnzS5[1].BackColor = Colour::LightRed;
    option(12).BackColor = Colour::LightGreen;

    sheet().Present();

    const QStringList names = {"Oxid-Ion", "Argon", "Natrium-Ion", "Nitrid-Ion"};
    const QStringList expected = {"1", "10", "18", "21"};
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(sheet().AnzS5[static_cast<std::size_t>(row)].Caption, names[row]);
        EXPECT_EQ(sheet().AnzS5[static_cast<std::size_t>(row)].BackColor, Colour::Default);
        EXPECT_EQ(solution(row), expected[row]);
    }
    EXPECT_EQ(chosen(), QList<int>({0, 7, 14, 21}));
    EXPECT_EQ(form.FocusRequest, &option(0));
    EXPECT_EQ(option(12).BackColor, Colour::Default);
    EXPECT_EQ(option(0).Caption, "-3");
    EXPECT_EQ(option(10).Caption, "0");
    EXPECT_EQ(option(27).Caption, "+3");
}

TEST_F(ChargePage, AClickChoosesWithinItsRowAndEnterGoesToTheFirstOptionOfTheNextRow)
{
    open();
    for (int index : {9, 11, 20})
        sheet().ChooseS5_1_Click(index);
    EXPECT_EQ(chosen(), QList<int>({0, 11, 20, 21}));
    const QList<std::pair<int, int>> ring = {{0, 7}, {6, 7}, {9, 14}, {20, 21}, {21, 0}, {27, 0}};
    for (const auto& step : ring)
        EXPECT_EQ(focusAfter([&] { sheet().ChooseS5_1_KeyPress(step.first, KeyEnter); }), &option(step.second))
            << step.first;
    EXPECT_EQ(focusAfter([&] { sheet().ChooseS5_1_KeyPress(9, ' '); }), nullptr);
}

// A catalogue whose charge number the page cannot offer would reach into the next row's options; that
// row stays empty instead, the pupil is told, and Enter passes it by.
TEST_F(ChargePage, AChargeOutsideTheOptionsLeavesItsRowOut)
{
    open({"Oxid-Ion", "-2", "Argon", "0", "Natrium-Ion", "+1", "Osmium", "8"});

    EXPECT_EQ(solution(3), "");
    for (int i = 21; i < 28; ++i)
        EXPECT_FALSE(option(i).Enabled);
    EXPECT_EQ(chosen(), QList<int>({0, 7, 14}));
    ASSERT_FALSE(world.notices.isEmpty());
    EXPECT_TRUE(world.notices.last().startsWith("Die Ladungszahl von „Osmium“ in der Aufgabendatei ist 8;"));
    EXPECT_TRUE(world.diagnostics.last().contains("charge number 8 is outside -3..+3"));

    sheet().ChooseS5_1_KeyPress(14, KeyEnter);
    EXPECT_EQ(form.FocusRequest, &option(0));

    form.but_OK_Click();
    EXPECT_EQ(state.g_ChargesAsked.toText(), "3");
    EXPECT_EQ(state.g_TotalAsked.toInt(), 3);
    EXPECT_EQ(chosen(), QList<int>({1, 10, 18}));
}
