#include "sheets/SheetDraw.h"
#include "support/CatalogueBuilder.h"
#include "support/WindowFixture.h"

#include <QSet>

// The draws of a sheet: fair, distinct, within the beginner part, and never looping on a short section.

TEST(PickRandomIndexTest, NeverDrawsAnExcludedNumberAndNeverLoops)
{
    ProcessRandom random;
    for (int i = 0; i < 200; ++i) {
        EXPECT_EQ(PickRandomIndex(random, 1, {0, 0, 0, 0, 0, 0}), 1);
        EXPECT_EQ(PickRandomIndex(random, 3, {1, 2}), 3);
    }
    EXPECT_EQ(PickRandomIndex(random, 2, {1, 2}), 0);
    EXPECT_EQ(PickRandomIndex(random, 0, {}), 0);
    EXPECT_EQ(drawDistinct(random, 3, 6).size(), 3);
}

// Every record of a section is equally likely; the first is not favoured.
TEST(PickRandomIndexTest, IsFairOverTheWholeRange)
{
    ProcessRandom random;
    std::array<int, 5> counts{};
    constexpr int draws = 50000;
    for (int i = 0; i < draws; ++i)
        ++counts.at(static_cast<std::size_t>(PickRandomIndex(random, 5, {}) - 1));
    for (int count : counts)
        EXPECT_NEAR(count, draws / 5, draws / 50);
}

// A beginner draws only the 8 records before the marker, an expert all 12.
TEST_F(WindowTest, BeginnersDrawOnlyBeforeTheMarker)
{
    load();
    ProcessRandom fair;
    frm_AppMain window({state, world.services, world.tools, world, fair}, world);
    for (const auto& [expert, highestRecord] : {std::pair{0, 8}, std::pair{1, 12}}) {
        form.Expert_Click(expert);
        int highest = 0;
        for (int run = 0; run < 200; ++run) {
            const QList<int> drawn = drawSheet(window, Section::Elements, upperBound(state.g_ElementTasks),
                                               state.g_ElementsEasy, 6);
            EXPECT_EQ(QSet<int>(drawn.begin(), drawn.end()).size(), 6);
            highest = std::max(highest, *std::max_element(drawn.begin(), drawn.end()));
        }
        EXPECT_EQ(highest, highestRecord);
    }
}

struct ShortSectionCase {
    const char* name;
    const char* elements; // the element section's lines, separated by "|"
    int difficulty;
    QString supply; // how the message tells what there is
    int filledRows; // rows 0.. of the symbol group that get a task
};

class ShortSection : public WindowTest, public ::testing::WithParamInterface<ShortSectionCase> {};

// The page tells the pupil once it is shown; a row without a task is neither asked, judged, coloured nor
// counted, and with nothing asked there is no grade yet.
TEST_P(ShortSection, IsReportedOnceThePageIsShownAndItsEmptyRowsAreNotJudged)
{
    const ShortSectionCase& c = GetParam();
    writeCatalogue(catalogueFile({{Section::Elements, QString(c.elements).split(u'|', Qt::SkipEmptyParts)}}));
    world.parameters[QStringLiteral("DIFFICULTY")] = QString::number(c.difficulty);
    startTest();
    // The message at start-up has already named the catalogue's errors; the page adds its own notice.
    ASSERT_EQ(world.notices.size(), 2);
    EXPECT_EQ(world.notices.last(),
              "Auf dieser Seite fehlen Aufgaben: Im Abschnitt „Elemente“ der Aufgabendatei " + c.supply +
                  ", diese Seite braucht 6.\n\nBitte sag deiner Lehrerin oder deinem Lehrer Bescheid.");
    EXPECT_EQ(world.diagnostics.filter("section 1 (Elemente)").size(), 1);
    EXPECT_EQ(form.Seite[1].Left, 0); // the notice came after the slide
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(form.elements.EleSym[row].Enabled, row < c.filledRows);
        EXPECT_EQ(form.elements.AnzS1[row].Caption.isEmpty(), row >= c.filledRows);
        EXPECT_EQ(form.elements.Ele[row].Enabled, row + 3 < c.filledRows);
    }

    form.but_OK_Click();
    for (int row = 0; row < 3; ++row)
        for (const TextBox* field : {&form.elements.EleSym[row], &form.elements.Ele[row]})
            EXPECT_TRUE(field->Enabled || (field->BackColor == Colour::Default && field->Text.isEmpty()));
    EXPECT_EQ(state.g_ElementsAsked.toInt(), c.filledRows);
    EXPECT_EQ(state.g_TotalAsked.toInt(), c.filledRows);
    EXPECT_EQ(form.ctl_Mark.MarkText, c.filledRows > 0 ? "6" : "");
    EXPECT_FALSE(form.lab_Correct.Visible);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ShortSection,
    ::testing::Values(ShortSectionCase{"BeginnerPart", "Eisen|Fe|Gold|Au|ææ|Blei|Pb", 0,
                                       "stehen vor der Zeile „ææ“ nur 2 Aufgaben", 2},
                      ShortSectionCase{"OneForExperts", "Eisen|Fe", 1, "steht nur eine Aufgabe", 1},
                      ShortSectionCase{"Empty", "", 1, "stehen keine Aufgaben", 0},
                      ShortSectionCase{"NoBeginnerMarker", "Eisen|Fe", 0,
                                       "sind keine Aufgaben für Anfänger markiert (die Zeile „ææ“ fehlt)",
                                       0}),
    [](const auto& info) { return std::string(info.param.name); });
