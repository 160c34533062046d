#include "sheets/DefinitionCatalogue.h"
#include "sheets/definitions/TermWheels.h"
#include "support/WindowFixture.h"

// Page 4, the second definition sheet: its term wheels and their letter filters, and its judging, which
// counts both definition sheets into one category.

namespace {

const QStringList someTerms = {"Atom", "Base", "Kation", "Neutron", "oxid", "Ärger", "Zink", "123"};

struct FilterCase {
    const char* name;
    QString shownTerm;
    QString group; // the filter is turned to it
    QStringList terms;
    QString termAfter;
};

class FilterTurned : public ::testing::TestWithParam<FilterCase> {};

TEST_P(FilterTurned, MovesTheTermWheelOnlyWhenItMust)
{
    const FilterCase& c = GetParam();
    Wheel terms{c.terms, c.shownTerm, true};
    followFilter(terms, c.group);
    EXPECT_EQ(terms.Value, c.termAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FilterTurned,
    ::testing::Values(FilterCase{"ToTheFirstTermOfTheGroup", "Base", "M-Q", someTerms, "Neutron"},
                      FilterCase{
                          "LowerCaseInitialCounts", "Base", "M-Q", {"Atom", "oxid", "Neutron"}, "oxid"},
                      FilterCase{"ShownTermFitsAlready", "Kation", "J-L", someTerms, "Kation"},
                      FilterCase{"NoTermInTheGroup", "Base", "F-I", someTerms, "Base"},
                      FilterCase{"UpperBoundIncluded", "Atom", "R-Z", someTerms, "Zink"},
                      FilterCase{"UmlautLiesInNoGroup", "Atom", "R-Z", {"Atom", "Ärger"}, "Atom"},
                      FilterCase{"EmptyShownTermMoves", "", "A-E", someTerms, "Atom"},
                      FilterCase{"EmptyWheelStays", "", "A-E", {}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct TermCase {
    const char* name;
    QString shownGroup;
    QString term; // the term wheel is turned to it
    QString groupAfter;
};

class TermTurned : public ::testing::TestWithParam<TermCase> {};

TEST_P(TermTurned, MovesTheFilterToTheTermsGroup)
{
    const TermCase& c = GetParam();
    Wheel filter{letterGroups(), c.shownGroup, true};
    followTerm(filter, c.term);
    EXPECT_EQ(filter.Value, c.groupAfter);
}

INSTANTIATE_TEST_SUITE_P(Table, TermTurned,
                         ::testing::Values(TermCase{"LowerCaseO", "A-E", "oxid", "M-Q"},
                                           TermCase{"AlreadyInGroup", "J-L", "Kation", "J-L"},
                                           TermCase{"LowerBound", "A-E", "Filtrieren", "F-I"},
                                           TermCase{"UpperBound", "A-E", "Zink", "R-Z"},
                                           TermCase{"UmlautGoesNowhere", "J-L", "Ärger", "J-L"},
                                           TermCase{"DigitGoesNowhere", "A-E", "123", "A-E"},
                                           TermCase{"SharpSGoesNowhere", "A-E", "ßeta", "A-E"},
                                           TermCase{"EmptyGoesNowhere", "F-I", "", "F-I"}),
                         [](const auto& info) { return std::string(info.param.name); });

class TermPage : public WindowTest {
protected:
    void SetUp() override
    {
        writeCatalogue(definitionCatalogue());
        startTest();
        walkTo(4);
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
        EXPECT_EQ(state.g_Solutions[row].size(), 20); // the expected term keeps its width
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

namespace {

struct Page4RowCase {
    const char* name;
    QString expected; // the record's term
    QString chosen;
    bool right;
};

class Page4Rows : public TermPage, public ::testing::WithParamInterface<Page4RowCase> {};

} // namespace

TEST_P(Page4Rows, JudgesRowZeroWithMarkerZero)
{
    const Page4RowCase& c = GetParam();
    state.g_Solutions[0] = c.expected.leftJustified(20);
    form.terms.lst_Begriff[0].Value = c.chosen;
    for (std::size_t row = 1; row < 4; ++row)
        form.terms.lst_Begriff[row].Value.clear();

    form.but_OK_Click();

    EXPECT_EQ(form.img_Correct[0].Visible, c.right);
    EXPECT_EQ(form.lab_Wrong[0].Visible, !c.right);
    if (!c.right) {
        EXPECT_EQ(form.lab_Wrong[0].Text, "Leider falsch! Richtig wäre gewesen:<br><b>" +
                                              upperEachChar(c.expected.trimmed()) + "</b>");
    }
}

INSTANTIATE_TEST_SUITE_P(Page4, Page4Rows,
                         ::testing::Values(Page4RowCase{"Exact", "Base", "Base", true},
                                           Page4RowCase{"StoredWithBlanks", "Base   ", "Base", true},
                                           Page4RowCase{"OtherCase", "oxidation", "Oxidation", true},
                                           Page4RowCase{"Wrong", "Lösung", "Gemisch", false},
                                           Page4RowCase{"NothingChosen", "Lösung", "", false},
                                           Page4RowCase{"UmlautInCorrection", "Äther", "Atom", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, BothDefinitionSheetsCountIntoOneCategory)
{
    writeCatalogue(definitionCatalogue());
    startTest();
    walkTo(3);
    for (std::size_t row = 0; row < 3; ++row) // rows 0 and 1 right
        form.definitions.lst_Definition[row].Value = row < 2 ? state.g_Solutions[row] : QString();
    form.but_OK_Click();
    EXPECT_FALSE(form.lab_Correct.Visible);
    form.but_Next_Click();
    ASSERT_EQ(form.m_CurrentPage, 4);
    for (std::size_t row = 0; row < 4; ++row) // rows 0..2 right
        form.terms.lst_Begriff[row].Value = row < 3 ? state.g_Solutions[row].trimmed() : QString();
    form.but_OK_Click();

    EXPECT_EQ(state.g_DefinitionsRight, 5);
    EXPECT_EQ(state.g_DefinitionsAsked.toInt(), 7);
    EXPECT_EQ(form.Aufgabenanz.Caption, " 7");
    EXPECT_EQ(form.RichtigAnz.Caption, " 5");
    EXPECT_EQ(form.ctl_Mark.MarkText, "2-"); // 5 of 7
    EXPECT_FALSE(form.lab_Correct.Visible);
    EXPECT_TRUE(form.img_Correct[2].Visible);
    EXPECT_TRUE(form.lab_Wrong[3].Visible);
}

TEST_F(WindowTest, FourRightTermsArePraisedWhateverTheFirstSheetGave)
{
    writeCatalogue(definitionCatalogue());
    startTest();
    walkTo(4); // the first definition sheet judged as it stood
    for (std::size_t row = 0; row < 4; ++row)
        form.terms.lst_Begriff[row].Value = state.g_Solutions[row];
    form.but_OK_Click();

    EXPECT_TRUE(form.lab_Correct.Visible);
    EXPECT_EQ(state.g_DefinitionsRight, 4 + form.definitions.rightRows());
}

TEST_F(WindowTest, ATermWhoseDefinitionReadsTheSameIsRightToo)
{
    writeCatalogue(definitionSection({"Ion", "Geladenes Teilchen.", "Teilchen", " geladenes TEILCHEN.",
                                      "Atom", "Kleinstes Teilchen.", "Base", "Lauge bildend."}));
    startTest();
    walkTo(4);
    ASSERT_EQ(form.terms.AnzS4[0].Caption, "Geladenes Teilchen.");
    form.terms.lst_Begriff[0].Value = QStringLiteral("Teilchen");
    form.but_OK_Click();
    EXPECT_TRUE(form.img_Correct[0].Visible);
}
