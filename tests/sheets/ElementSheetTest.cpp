#include "support/CatalogueBuilder.h"
#include "support/WindowFixture.h"

#include <functional>

// Page 1, the element sheet, as a pupil sees it: its rows, their judging, praise, counts and grade, and
// its answer fields.

namespace {

struct RowCase {
    const char* name;
    QString expected; // as the page left it in g_Solutions
    QString typed;
    bool right;
    QString textAfter; // what the field shows after judging
};

class ElementRows : public WindowTest, public ::testing::WithParamInterface<RowCase> {};

} // namespace

// Rows 0..2 expect a symbol, rows 3..5 a star list of names; the case's row is judged in both kinds of
// place by putting it into row 0 (single) or row 3 (list), all other rows left empty.
TEST_P(ElementRows, JudgesOneRow)
{
    const RowCase& c = GetParam();
    startTest();
    const bool isList = c.expected.startsWith(QLatin1Char('*'));
    TextBox& field = isList ? form.elements.Ele[0] : form.elements.EleSym[0];
    state.g_Solutions[isList ? 3 : 0] = c.expected;
    field.Text = c.typed;

    form.but_OK_Click();

    EXPECT_EQ(field.BackColor, c.right ? Colour::LightGreen : Colour::LightRed);
    EXPECT_EQ(field.Text, c.textAfter);
    EXPECT_EQ(state.g_ElementsRight, c.right ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Page1, ElementRows,
    ::testing::Values(RowCase{"SymbolExact", "Na", "Na", true, "Na"},
                      RowCase{"SymbolWithBlanksAround", "Na", "  Na ", true, "  Na "},
                      RowCase{"SymbolWrongCase", "Na", "NA", false, "NA - Richtig ist: Na"},
                      RowCase{"SymbolEmpty", "Na", "", false, " - Richtig ist: Na"},
                      RowCase{"NameFirstVariant", "*Iod*Jod*", "Iod", true, "Iod"},
                      RowCase{"NameSecondVariant", "*Iod*Jod*", "Jod", true, "Jod"},
                      RowCase{"NameWithLeadingBlank", "*Iod*Jod*", " Jod", true, " Jod"},
                      RowCase{"NamePartOfVariant", "*Iod*Jod*", "Io", false, "Io - Richtig ist: Iod"},
                      RowCase{"NameEmptyNeverMatchesTheStars", "*Iod*Jod*", "", false, " - Richtig ist: Iod"},
                      RowCase{"NameSpanningTwoVariants", "*Iod*Jod*", "Iod*Jod", true, "Iod*Jod"},
                      RowCase{"NameWrongKeepsTypedTextUntrimmed", "*Natrium*", "Natron ", false,
                              "Natron  - Richtig ist: Natrium"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, Page1AllRightGivesPraiseAndGrade)
{
    startTest();
    for (int row = 0; row < 3; ++row) {
        form.elements.EleSym[row].Text = state.g_Solutions[row];
        form.elements.Ele[row].Text = TokenBetween(state.g_Solutions[row + 3], "*", "*");
    }
    form.but_OK_Click();

    EXPECT_TRUE(form.lab_Correct.Visible);
    EXPECT_EQ(form.lab_Correct.Text, world.praise);
    EXPECT_EQ(state.g_ElementsAsked.toText(), "6");
    EXPECT_EQ(state.g_ElementsRight, 6);
    EXPECT_EQ(form.Aufgabenanz.Caption, " 6");
    EXPECT_EQ(form.RichtigAnz.Caption, " 6");
    EXPECT_EQ(form.ctl_Mark.MarkText, "1+");
    EXPECT_EQ(state.g_Grade, "1+");
}

TEST_F(WindowTest, Page1FiveRightGivesNoPraise)
{
    startTest();
    for (int row = 0; row < 3; ++row) {
        form.elements.EleSym[row].Text = state.g_Solutions[row];
        form.elements.Ele[row].Text = TokenBetween(state.g_Solutions[row + 3], "*", "*");
    }
    form.elements.Ele[2].Text = QStringLiteral("Gold");
    form.but_OK_Click();

    EXPECT_FALSE(form.lab_Correct.Visible);
    EXPECT_EQ(form.RichtigAnz.Caption, " 5");
    EXPECT_EQ(form.ctl_Mark.MarkText, "2+"); // 5/6 = 0.833
}

TEST_F(WindowTest, ElementPageShowsNamesAndSymbolsAndExpectsTheirCounterparts)
{
    random.script = {2, 0, 0,
                     0, 0, 0}; // Iod*Jod first (record 3, the third of the allowed), then the lowest left
    startTest();
    EXPECT_EQ(form.elements.AnzS1[0].Caption, "Iod");
    EXPECT_EQ(state.g_Solutions[0], "I");
    EXPECT_EQ(form.elements.AnzS1[1].Caption, "Wasserstoff");
    EXPECT_EQ(form.elements.AnzS1[3].Caption, "Ca");
    EXPECT_EQ(state.g_Solutions[3], "*Calcium*Kalzium*");
    EXPECT_EQ(state.g_Solutions[4], "*Helium*");
    EXPECT_EQ(form.FocusRequest, &form.elements.EleSym[0]);
}

TEST_F(WindowTest, EnterWalksTheRing)
{
    startTest();
    const QList<std::pair<std::function<void()>, ControlId>> ring = {
        {[&] { form.elements.EleSym_KeyPress(0, KeyEnter); }, &form.elements.EleSym[1]},
        {[&] { form.elements.EleSym_KeyPress(2, KeyEnter); }, &form.elements.Ele[0]},
        {[&] { form.elements.Ele_KeyPress(1, KeyEnter); }, &form.elements.Ele[2]},
        {[&] { form.elements.Ele_KeyPress(2, KeyEnter); }, &form.elements.EleSym[0]},
    };
    for (const auto& [press, expected] : ring) {
        form.FocusRequest = nullptr;
        press();
        EXPECT_EQ(form.FocusRequest, expected);
    }
    form.FocusRequest = nullptr;
    form.elements.Ele_KeyPress(0, 'a');
    EXPECT_EQ(form.FocusRequest, nullptr);
}

TEST_F(WindowTest, AClickOpensTheTextKeypadWithTheTaskAsPrompt)
{
    startTest();
    form.elements.AnzS1[1] = {QStringLiteral("Natrium")};
    form.elements.AnzS1[5] = {QStringLiteral("Fe")};
    world.padInputs = {QStringLiteral("Na"), QStringLiteral("Eisen")};

    form.elements.EleSym_Click(1);
    form.elements.Ele_Click(2);

    EXPECT_EQ(world.callsStartingWith("Dialogs.Show"),
              QStringList({"Dialogs.ShowTextPad: Natrium", "Dialogs.ShowTextPad: Fe"}));
    EXPECT_EQ(form.elements.EleSym[1].Text, "Na");
    EXPECT_EQ(form.elements.Ele[2].Text, "Eisen");
}

struct MissingRowsCase {
    const char* name;
    QStringList elements; // the element section's body; beginners draw before "ææ"
    int asked;
    QString grade;
};

class MissingRows : public WindowTest, public ::testing::WithParamInterface<MissingRowsCase> {};

// A row that a too small section could not fill is neither asked, judged, coloured nor counted.
TEST_P(MissingRows, AreNeitherJudgedNorCounted)
{
    const MissingRowsCase& c = GetParam();
    writeCatalogue(catalogueFile({{Section::Elements, c.elements}}));
    startTest();
    form.but_OK_Click();
    for (int row = 0; row < 3; ++row)
        for (const TextBox* field : {&form.elements.EleSym[row], &form.elements.Ele[row]})
            if (!field->Enabled) {
                EXPECT_EQ(field->BackColor, Colour::Default);
                EXPECT_EQ(field->Text, "");
            }
    EXPECT_EQ(state.g_ElementsAsked.toInt(), c.asked);
    EXPECT_EQ(state.g_ElementsRight, 0);
    EXPECT_EQ(state.g_TotalAsked.toInt(), c.asked);
    EXPECT_EQ(form.ctl_Mark.MarkText, c.grade);
    EXPECT_FALSE(form.lab_Correct.Visible);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MissingRows,
    ::testing::Values(MissingRowsCase{"TwoTasks", {"Eisen", "Fe", "Gold", "Au", "ææ", "Blei", "Pb"}, 2, "6"},
                      MissingRowsCase{"NoBeginnerPart", {"Eisen", "Fe", "Gold", "Au"}, 0, ""},
                      MissingRowsCase{"EmptySection", {}, 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });
