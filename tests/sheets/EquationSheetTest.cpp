#include "sheets/equations/EquationRows.h"
#include "support/CatalogueBuilder.h"
#include "support/WindowFixture.h"

#include <array>

// Page 9, the equation sheet: how it puts an equation into slots, what it shows, how it judges whole
// equations, and its Enter ring. The notation itself is the catalogue's rule, tested with it.

namespace {

using Four = std::array<QString, 4>;

// Five equations for beginners (before "ææ") and one more for experts.
const QStringList equations = {"@2H2 + @1O2 = @2H2O", "@1CH4+@2O2=@1CO2+@2H2O", "@2H2O=@2H2+@1O2",
                               "@1Fe+@1S=@1FeS",      "@4Al+@3O2=@2Al2O3",      "ææ",
                               "@2Na+@1Cl2=@2NaCl"};

class EquationPage : public WindowTest {
protected:
    // Shows page 9 at the level; the scripted draw takes records in order.
    void open(const QStringList& lines = equations, int expert = 0)
    {
        writeCatalogue(catalogueFile({{Section::Equations, lines}}));
        state.g_Expert = DynValue::int16(static_cast<std::int16_t>(expert));
        openPage(9);
    }
    EquationSheet& page() { return form.equations; }
    TextBox& field(int slot) { return page().Einsetz[static_cast<std::size_t>(slot)]; }
    void typeRow(int row, const Four& texts)
    {
        for (int j = 0; j < 4; ++j)
            field(4 * row + j).Text = texts[static_cast<std::size_t>(j)];
    }
};

struct JudgeCase {
    const char* name;
    Four typed;     // into row 0, "@2H2 + @1O2 = @2H2O" (slot 3 hidden)
    bool right;     // the equation earns its two points
    int wrongSlot;  // the one slot shown wrong, -1 for none
    QString shown1; // what slot 1 shows after judging
};

class EquationJudging : public EquationPage, public ::testing::WithParamInterface<JudgeCase> {};

} // namespace

// Slots 0 and 1 hold the left side, 2 and 3 the right; a line outside the notation fills none.
TEST(EquationRows, FillTheFourSlots)
{
    const struct {
        QString line;
        Four coefficients;
        Four formulas;
    } cases[] = {{" @2 H2 + @1O2=@2H2O ", {"2", "1", "2", ""}, {"H2", "O2", "H2O", ""}},
                 {"@1CH4+@2O2=@1CO2+@2H2O", {"1", "2", "1", "2"}, {"CH4", "O2", "CO2", "H2O"}},
                 {"@2H2O=@2H2+@1O2", {"2", "", "2", "1"}, {"H2O", "", "H2", "O2"}},
                 {"@1H2+@1Cl2+@1O2=@2HCl", {}, {}}};
    for (const auto& c : cases) {
        const EquationRow row = equationRow(c.line);
        EXPECT_EQ(row.coefficients, c.coefficients) << c.line.toStdString();
        EXPECT_EQ(row.formulas, c.formulas);
        EXPECT_EQ(row.drawable(), !c.coefficients[0].isEmpty());
    }
}

TEST_F(EquationPage, ShowsFiveEquationsWithUnusedSlotsHidden)
{
    open();
    EXPECT_EQ(page().EText[0].Caption, "H2");
    EXPECT_EQ(page().EText[2].Caption, "H2O");
    EXPECT_FALSE(page().EText[3].Visible);
    EXPECT_FALSE(field(3).Visible);
    EXPECT_FALSE(page().PlusR[0].Visible);
    EXPECT_TRUE(page().PlusL[0].Visible);
    EXPECT_TRUE(field(7).Visible);  // methane: four substances
    EXPECT_FALSE(field(9).Visible); // water split: one on the left
    EXPECT_FALSE(page().PlusL[2].Visible);
    for (int entry = 1; entry <= 4; ++entry)
        EXPECT_EQ(solution(entry), (Four{"2", "1", "2", ""})[static_cast<std::size_t>(entry - 1)]);
    EXPECT_EQ(page().Einsetz2[6].Caption, "1");
    EXPECT_FALSE(page().Einsetz2[6].Visible);
    EXPECT_EQ(field(0).Text, "");
    EXPECT_EQ(form.FocusRequest, &field(0));
}

TEST_F(EquationPage, ExpertsStartFromZero)
{
    open(equations, 1);
    for (const TextBox& box : page().Einsetz)
        EXPECT_EQ(box.Text, "0");
    typeRow(0, {"2", "0", "2", "0"}); // slot 1 left at "0": wrong; hidden slot 3 does not count
    form.but_OK_Click();
    EXPECT_EQ(field(1).BackColor, Colour::LightRed);
    EXPECT_EQ(field(3).BackColor, Colour::Default);
    EXPECT_EQ(state.g_EquationsRight, 0);
}

TEST_P(EquationJudging, JudgesTheWholeEquation)
{
    const JudgeCase& c = GetParam();
    open();
    typeRow(0, c.typed);
    field(12).Text = QStringLiteral("9"); // row 3 (Fe + S, all ones) would be right when left empty
    form.but_OK_Click();

    EXPECT_EQ(state.g_EquationsRight, c.right ? 2 : 0);
    for (int slot = 0; slot < 3; ++slot) {
        EXPECT_EQ(field(slot).BackColor, slot == c.wrongSlot ? Colour::LightRed : Colour::LightGreen) << slot;
        EXPECT_EQ(page().Einsetz2[static_cast<std::size_t>(slot)].Visible, slot == c.wrongSlot) << slot;
    }
    EXPECT_EQ(field(1).Text, c.shown1);
    EXPECT_EQ(field(3).BackColor, Colour::Default);
}

INSTANTIATE_TEST_SUITE_P(
    Page9, EquationJudging,
    ::testing::Values(JudgeCase{"EmptyMeansOne", {"2", "", "2", ""}, true, -1, "1"},
                      JudgeCase{"BlanksOnlyMeanOne", {"2", "   ", "2", ""}, true, -1, "1"},
                      JudgeCase{"BlanksAround", {" 2", "1 ", " 2 ", ""}, true, -1, "1 "},
                      JudgeCase{"DecimalComma", {"2,0", "1", "2", ""}, true, -1, "1"},
                      JudgeCase{"HalfIsNoWhole", {"2,5", "1", "2", ""}, false, 0, "1"},
                      JudgeCase{"LettersAfterTheNumber", {"2", "1x", "2", ""}, false, 1, "1x"},
                      JudgeCase{"HiddenSlotIgnored", {"2", "1", "2", "7"}, true, -1, "1"},
                      JudgeCase{"OneWrongSpoilsTheEquation", {"2", "2", "2", ""}, false, 1, "2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EquationPage, AClickOpensTheNumberKeypadAndEnterGoesToTheNextVisibleField)
{
    open();
    world.padInputs = {QStringLiteral("3")};
    page().Einsetz_Click(6);
    EXPECT_EQ(world.callsStartingWith("Dialogs.Show"), QStringList{"Dialogs.ShowNumberPad: Eingabe"});
    EXPECT_EQ(field(6).Text, "3");

    const auto enterMovesTo = [&](std::initializer_list<std::pair<int, int>> steps) {
        for (const auto& step : steps)
            EXPECT_EQ(focusAfter([&] { page().Einsetz_KeyPress(step.first, KeyEnter); }), &field(step.second))
                << step.first;
    };
    enterMovesTo({{2, 4}, {8, 10}, {18, 0}}); // 3 and 9 are hidden
    for (TextBox& box : page().Einsetz)
        box.Visible = false;
    for (int slot : {2, 5, 19})
        field(slot).Visible = true;
    enterMovesTo({{5, 19}, {19, 2}, {2, 5}});
    field(2).Visible = field(19).Visible = false;
    enterMovesTo({{5, 5}}); // alone, it keeps the focus
}

// A line outside the notation is never drawn; standard error names it.
TEST_F(EquationPage, TooFewReadableLinesShowWhatThereIsAndTellThePupil)
{
    open({"@2H2+@1O2=@2H2O", "2H2+@1O2=@2H2O", "@1Fe+@1S=@1FeS", "@1Xy=@1H2", "@1.5O2=@1O3"}, 1);
    EXPECT_EQ(page().EText[4].Caption, "Fe");
    for (int slot = 8; slot < 20; ++slot)
        EXPECT_FALSE(field(slot).Visible) << slot;
    EXPECT_FALSE(page().Arrow[2].Visible);
    EXPECT_EQ(
        world.notices.filter(QStringLiteral("Im Abschnitt „Gleichungen“")),
        QStringList{"Auf dieser Seite fehlen Aufgaben: Im Abschnitt „Gleichungen“ der Aufgabendatei sind nur "
                    "2 Gleichungen richtig geschrieben (3 Zeilen weichen von der Schreibweise ab), diese "
                    "Seite braucht 5.\n\nBitte sag deiner Lehrerin oder deinem Lehrer Bescheid."});
    EXPECT_EQ(world.diagnostics.filter("equation 2 „2H2+@1O2=@2H2O“ is not shown").size(), 1);

    typeRow(0, {"2", "1", "2", "0"});
    typeRow(1, {"1", "1", "1", "0"});
    form.but_OK_Click();
    EXPECT_EQ(state.g_EquationsAsked.toText(), "4");
    EXPECT_TRUE(form.lab_Correct.Visible);
}
