#include "support/CatalogueBuilder.h"
#include "support/WindowFixture.h"

// Page 6, the yes/no statements: the statements, the judging with its colours and corrections, and the
// highlighted captions of the chosen answers. The end of the test run after it is the whole run's test.

namespace {

class YesNoPage : public WindowTest {
protected:
    // Records 1..6, all for beginners, are drawn in this order when the draw is not scripted.
    void open()
    {
        writeCatalogue(catalogueFile(
            {{Section::YesNo,
              {"Wasser besteht aus Wasserstoff und Sauerstoff.", " j ", "Gold rostet an feuchter Luft.", "N",
               "Eisen ist ein Metall.", "J", "Helium ist ein Edelgas.", "J", "Kochsalz ist eine Säure.", "Ja",
               "Sauerstoff brennt selbst.", "N", "ææ"}}}));
        openPage(6);
    }
    YesNoSheet& sheet() { return form.yesNo; }
    QList<int> chosen() { return chosenOptions(form.yesNo.JaNein1); }
    QList<int> yellowCaptions() const
    {
        QList<int> indexes;
        for (std::size_t i = 0; i < form.yesNo.AA.size(); ++i) {
            const Colour colour = form.yesNo.AA[i].ForeColor;
            EXPECT_TRUE(colour == Colour::LightYellow || colour == Colour::Black) << i;
            if (colour == Colour::LightYellow)
                indexes << static_cast<int>(i);
        }
        return indexes;
    }
};

} // namespace

// A wrong statement answered "Nein" turns green; one answered "Ja", and every unanswered row, red, and
// shows its right answer chosen and highlighted.
TEST_F(YesNoPage, JudgesEachRowAndShowsTheRightAnswers)
{
    open();
    solution(3) = QStringLiteral(" 7"); // row 3 now expects "Nein"
    sheet().JaNein1_Click(6);           // "Ja"
    sheet().JaNein1_Click(11);          // row 5, "Sauerstoff brennt selbst.": "Nein"

    form.but_OK_Click();

    EXPECT_EQ(sheet().AnzS6[5].BackColor, Colour::LightGreen);
    EXPECT_EQ(sheet().AnzS6[3].BackColor, Colour::LightRed);
    EXPECT_EQ(sheet().AnzS6[0].BackColor, Colour::LightRed);
    EXPECT_EQ(chosen(), QList<int>({0, 3, 4, 7, 9, 11})); // every row shows its right answer now
    EXPECT_EQ(yellowCaptions(), chosen());
    EXPECT_EQ(state.g_YesNoRight, 1);
    EXPECT_EQ(state.g_YesNoAsked.toText(), "6");
}

TEST_F(YesNoPage, PresentShowsSixStatementsWithNothingChosen)
{
    open();
    EXPECT_EQ(sheet().AnzS6[0].Caption, "Wasser besteht aus Wasserstoff und Sauerstoff.");
    EXPECT_EQ(sheet().AnzS6[5].Caption, "Sauerstoff brennt selbst.");
    const QStringList expected = {" 0", " 3", " 4", " 6", " 9", " 11"}; // "Ja" for Kochsalz counts as no
    for (int row = 0; row < 6; ++row)
        EXPECT_EQ(solution(row), expected[row]) << row;
    EXPECT_TRUE(chosen().isEmpty());
    EXPECT_TRUE(yellowCaptions().isEmpty());
    EXPECT_EQ(form.FocusRequest, &sheet().JaNein1[0]);
    EXPECT_EQ(sheet().AA[0].Caption, "Ja");
    EXPECT_EQ(sheet().AA[11].Caption, "Nein");

    // A click chooses within its row; exactly the chosen captions are highlighted.
    const QList<std::pair<int, QList<int>>> clicks = {{0, {0}}, {1, {1}}, {4, {1, 4}}, {11, {1, 4, 11}}};
    for (const auto& [index, yellow] : clicks) {
        sheet().JaNein1_Click(index);
        EXPECT_EQ(chosen(), yellow) << index;
        EXPECT_EQ(yellowCaptions(), yellow);
    }
}
