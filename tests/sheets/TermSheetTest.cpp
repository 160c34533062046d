#include "sheets/DefinitionCatalogue.h"
#include "sheets/definitions/TermWheels.h"
#include "support/WindowFixture.h"

// Page 4, the second definition sheet: its term wheels and their letter filters, and the judging of the
// wheel rows of both definition sheets, which count into one category.

TEST(TermWheels, TheFilterMovesTheTermWheelOnlyWhenItMust)
{
    const QStringList someTerms = {"Atom", "Base", "Kation", "Neutron", "oxid", "Ärger", "Zink", "123"};
    const struct {
        QString shownTerm;
        QString group; // the filter is turned to it
        QStringList terms;
        QString termAfter;
    } cases[] = {{"Base", "M-Q", someTerms, "Neutron"},
                 {"Base", "M-Q", {"Atom", "oxid", "Neutron"}, "oxid"}, // a small initial counts
                 {"Kation", "J-L", someTerms, "Kation"},               // fits already
                 {"Base", "F-I", someTerms, "Base"},                   // no term in the group
                 {"Atom", "R-Z", someTerms, "Zink"},                   // upper bound included
                 {"", "A-E", someTerms, "Atom"},
                 {"", "A-E", {}, ""}};
    for (const auto& c : cases) {
        Wheel terms{c.terms, c.shownTerm, true};
        followFilter(terms, c.group);
        EXPECT_EQ(terms.Value, c.termAfter) << c.group.toStdString() << " " << c.shownTerm.toStdString();
    }
}

// An initial outside A..Z (an umlaut, ß, nothing) lies in no group: the filter stays.
TEST(TermWheels, TheTermWheelMovesTheFilterToTheTermsGroup)
{
    const struct {
        QString shownGroup;
        QString term; // the term wheel is turned to it
        QString groupAfter;
    } cases[] = {{"A-E", "oxid", "M-Q"}, {"J-L", "Kation", "J-L"}, {"A-E", "Filtrieren", "F-I"},
                 {"A-E", "Zink", "R-Z"}, {"J-L", "Ärger", "J-L"},  {"A-E", "ßeta", "A-E"},
                 {"F-I", "", "F-I"}};
    for (const auto& c : cases) {
        Wheel filter{letterGroups(), c.shownGroup, true};
        followTerm(filter, c.term);
        EXPECT_EQ(filter.Value, c.groupAfter) << c.term.toStdString();
    }
}

namespace {

class TermPage : public WindowTest {
protected:
    void SetUp() override
    {
        writeCatalogue(definitionCatalogue());
        openPage(4);
    }
};

} // namespace

TEST_F(TermPage, EveryWheelOffersEveryTermOnceInCaseIndependentOrderAsWritten)
{
    const QStringList expected = {"Atom",      "Base",    "Dichte",      "Edukt",  "Element",
                                  "Gemisch",   "Ion",     "Katalysator", "Lösung", "Molekül",
                                  "oxidation", "Produkt", "Teilchen",    "Äther"};
    for (std::size_t row = 0; row < 4; ++row) {
        EXPECT_EQ(form.terms.lst_Begriff[row].Items, expected);
        EXPECT_EQ(form.terms.lst_Begriff[row].Value, "Atom");
        EXPECT_EQ(form.terms.lst_BegriffFilter[row].Items, QStringList({"A-E", "F-I", "J-L", "M-Q", "R-Z"}));
        EXPECT_EQ(form.terms.lst_BegriffFilter[row].Value, "A-E");
        EXPECT_EQ(state.g_Solutions.at(row).size(), 20); // the expected term keeps its width
        EXPECT_FALSE(form.terms.AnzS4[row].Caption.endsWith(QLatin1Char(' ')));
    }
    EXPECT_EQ(form.FocusRequest, &form.terms.lst_Begriff[0]);
}

TEST_F(TermPage, TheWheelsOfARowFollowEachOther)
{
    form.terms.lst_BegriffFilter[2].Value = QStringLiteral("M-Q");
    form.terms.lst_BegriffFilter_Click(2, 4, QStringLiteral("M-Q"));
    EXPECT_EQ(form.terms.lst_Begriff[2].Value, "Molekül");

    form.terms.lst_Begriff[2].Value = QStringLiteral("Gemisch");
    form.terms.lst_Begriff_Click(2, 6, QStringLiteral("Gemisch"));
    EXPECT_EQ(form.terms.lst_BegriffFilter[2].Value, "F-I");
    EXPECT_EQ(form.terms.lst_BegriffFilter[1].Value, "A-E"); // other rows stay
}

// A wheel row is judged by its trimmed item in capitals; page 4 marks row r with marker r.
TEST_F(TermPage, WheelRowsAreJudgedAsTheirItemReads)
{
    const struct {
        QString expected; // the record's term
        QString chosen;
        bool right;
    } rows[] = {{"Base   ", "Base", true},
                {"oxidation", "Oxidation", true},
                {"Lösung", "", false},
                {"Äther", "Atom", false}};
    for (int row = 0; row < 4; ++row) {
        solution(row) = rows[row].expected.leftJustified(20);
        form.terms.lst_Begriff[static_cast<std::size_t>(row)].Value = rows[row].chosen;
    }
    form.but_OK_Click();
    for (std::size_t row = 0; row < 4; ++row) {
        EXPECT_EQ(form.img_Correct[row].Visible, rows[row].right) << row;
        EXPECT_EQ(form.lab_Wrong[row].Visible, !rows[row].right);
    }
    EXPECT_EQ(form.lab_Wrong[3].Text, "Leider falsch! Richtig wäre gewesen:<br><b>ÄTHER</b>");
}

// Page 3 marks its rows with markers 4..6 and praises only when all three are right; page 4 praises its
// own four rows whatever page 3 gave, and both count into one category.
TEST_F(WindowTest, BothDefinitionSheetsCountIntoOneCategory)
{
    writeCatalogue(definitionCatalogue());
    openPage(3);
    for (int row = 0; row < 2; ++row) // row 2 left wrong
        form.definitions.lst_Definition[static_cast<std::size_t>(row)].Value = solution(row).trimmed();
    form.but_OK_Click();
    EXPECT_FALSE(form.lab_Correct.Visible);
    EXPECT_TRUE(form.img_Correct[4].Visible && form.img_Correct[5].Visible);
    EXPECT_EQ(form.lab_Wrong[6].Text,
              "Leider falsch! Richtig wäre gewesen:<br><b>" + upperEachChar(solution(2).trimmed()) + "</b>");
    form.but_Next_Click();
    ASSERT_EQ(form.m_CurrentPage, 4);
    for (int row = 0; row < 4; ++row)
        form.terms.lst_Begriff[static_cast<std::size_t>(row)].Value = solution(row);
    form.but_OK_Click();

    EXPECT_TRUE(form.lab_Correct.Visible);
    EXPECT_EQ(state.g_DefinitionsRight, 6);
    EXPECT_EQ(state.g_DefinitionsAsked.toInt(), 7);
    EXPECT_EQ(form.RichtigAnz.Caption, " 6");
}

TEST_F(WindowTest, ATermWhoseDefinitionReadsTheSameIsRightToo)
{
    writeCatalogue(definitionSection({"Ion", "Geladenes Teilchen.", "Teilchen", " geladenes TEILCHEN.",
                                      "Atom", "Kleinstes Teilchen.", "Base", "Lauge bildend."}));
    openPage(4);
    ASSERT_EQ(form.terms.AnzS4[0].Caption, "Geladenes Teilchen.");
    form.terms.lst_Begriff[0].Value = QStringLiteral("Teilchen");
    form.but_OK_Click();
    EXPECT_TRUE(form.img_Correct[0].Visible);
}
