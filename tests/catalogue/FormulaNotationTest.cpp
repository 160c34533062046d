#include "catalogue/FormulaNotation.h"
#include "catalogue/ElementTable.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct FormulaCase {
    const char* name;
    QString formula;
    double roundedMass; // for a formula that reads
    QString error;      // a phrase of the message for one that does not
};

class Formulas : public ::testing::TestWithParam<FormulaCase> {};

} // namespace

TEST_P(Formulas, ReadAsTheNotationSays)
{
    const FormulaCase& c = GetParam();
    const ParsedFormula parsed = parseFormula(c.formula);
    if (c.error.isEmpty()) {
        ASSERT_TRUE(parsed.ok()) << parsed.error.toStdString();
        EXPECT_DOUBLE_EQ(roundedMolarMass(parsed.atoms), c.roundedMass);
    } else {
        EXPECT_TRUE(parsed.error.contains(c.error)) << parsed.error.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(MolarMasses, Formulas,
                         ::testing::Values(FormulaCase{"Water", "H2O", 18.0, {}},
                                           FormulaCase{"Bracket", "Ca(OH)2", 74.1, {}},
                                           FormulaCase{"Adduct", "CuSO4·5H2O", 249.7, {}},
                                           FormulaCase{"BracketWithCount", "Al2(SO4)3", 342.1, {}},
                                           FormulaCase{"BracketFirst", "(NH4)2SO4", 132.1, {}},
                                           FormulaCase{"NestedBrackets", "K4(Fe(CN)6)", 368.3, {}},
                                           FormulaCase{"LeadingFactor", "2H2O", 36.0, {}},
                                           FormulaCase{"HalfRoundsUp", "Cl", 35.5, {}},
                                           FormulaCase{"LongCarbonChain", "C12H22O11", 342.3, {}}),
                         [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Errors, Formulas,
    ::testing::Values(
        FormulaCase{"Empty", "", 0, "leer"},
        FormulaCase{"UnknownSymbol", "Xy2", 0, "„Xy“ an Stelle 1 ist kein Elementsymbol"},
        FormulaCase{"CapitalTypo", "NaCL", 0, "„L“ an Stelle 4"},
        FormulaCase{"ClosingWithoutOpening", "H2O)", 0, "„)“ an Stelle 4 gibt es keine „(“"},
        FormulaCase{"OpeningNeverClosed", "Ca(OH2", 0, "„(“ an Stelle 3 wird nicht geschlossen"},
        FormulaCase{"EmptyBracket", "Ca()2", 0, "Klammer an Stelle 3 ist leer"},
        FormulaCase{"NumberAfterBracket", "(2H)", 0, "Zahl an Stelle 2 steht direkt nach „(“"},
        FormulaCase{"SmallLetterFirst", "h2o", 0, "Kleinbuchstabe „h“ an Stelle 1"},
        FormulaCase{"Blank", "NaCl ", 0, "An Stelle 5 steht ein Leerzeichen"},
        FormulaCase{"Charge", "SO4-", 0, "An Stelle 4 steht das Zeichen „-“"},
        FormulaCase{"ZeroCount", "H0", 0, "Zahl 0 an Stelle 2"},
        FormulaCase{"HugeCount", "H99999999999", 0, "zu groß"},
        FormulaCase{"DotAtEnd", "CuSO4·", 0, "Nach „·“ an Stelle 6 steht keine Formel"},
        FormulaCase{"DotAtStart", "·H2O", 0, "Vor „·“ an Stelle 1"},
        FormulaCase{"FactorOnly", "CuSO4·5", 0, "Nach der Zahl an Stelle 7 folgt keine Formel"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormulaNotation, CountsEveryAtomThroughBracketsAndParts)
{
    const ParsedFormula sulfate = parseFormula(u"Al2(SO4)3");
    const AtomCounts expected = {{13, 2}, {8, 12}, {16, 3}};
    EXPECT_EQ(sulfate.atoms, expected);
    EXPECT_FALSE(sulfate.hasPartFactor);
    EXPECT_TRUE(parseFormula(u"CuSO4·5H2O").hasPartFactor);
    EXPECT_DOUBLE_EQ(molarMass(parseFormula(u"H2O").atoms), 18.015);
}

TEST(FormulaNotation, SurvivesDeepBracketsWithoutRecursion)
{
    const int depth = 100000;
    const QString nested =
        QString(depth, QLatin1Char('(')) + QStringLiteral("H") + QString(depth, QLatin1Char(')'));
    EXPECT_EQ(parseFormula(nested).atoms, (AtomCounts{{1, 1}}));
    EXPECT_FALSE(parseFormula(QString(depth, QLatin1Char('('))).ok());
    QString multiplied = QStringLiteral("H9"); // nine to the eleventh power hydrogen atoms
    for (int i = 0; i < 10; ++i)
        multiplied = QLatin1Char('(') + multiplied + QStringLiteral(")9");
    EXPECT_TRUE(parseFormula(multiplied).error.contains("zu groß"));
}

namespace {

// Runs written as one text, subscripts in "_{…}", so that a table row reads like the formula it shows.
QString written(const QList<FormulaRun>& runs)
{
    QString text;
    for (const FormulaRun& run : runs)
        text += run.subscript ? QStringLiteral("_{%1}").arg(run.text) : QStringLiteral("[%1]").arg(run.text);
    return text;
}

struct RunCase {
    const char* name;
    QString text;
    FormulaLayout layout;
    QString runs;
};

class Runs : public ::testing::TestWithParam<RunCase> {};

} // namespace

TEST_P(Runs, LowerExactlyTheCounts)
{
    EXPECT_EQ(written(formulaRuns(GetParam().text, GetParam().layout)), GetParam().runs);
}

INSTANTIATE_TEST_SUITE_P(
    Layout, Runs,
    ::testing::Values(
        RunCase{"Counts", "H2SO4", FormulaLayout::Finished, "[H]_{2}[SO]_{4}"},
        RunCase{"CountOfBracket", "Al2(SO4)3", FormulaLayout::Finished, "[Al]_{2}[(SO]_{4}[)]_{3}"},
        RunCase{"FactorsStayInLine", "2H2O", FormulaLayout::Finished, "[2H]_{2}[O]"},
        RunCase{"HydrateFactorInLine", "CuSO4·5H2O", FormulaLayout::Finished, "[CuSO]_{4}[·5H]_{2}[O]"},
        RunCase{"ManyDigits", "C12H22O11", FormulaLayout::Finished, "[C]_{12}[H]_{22}[O]_{11}"},
        RunCase{"NoCount", "NaCl", FormulaLayout::Finished, "[NaCl]"},
        RunCase{"Empty", "", FormulaLayout::Finished, ""},
        RunCase{"NotAFormulaAsItStands", "H2O + CO2", FormulaLayout::Finished, "[H2O + CO2]"},
        RunCase{"UnknownSymbolAsItStands", "Xy2", FormulaLayout::Finished, "[Xy2]"},
        RunCase{"UnfinishedWhenFinishedAsked", "Al2(SO4", FormulaLayout::Finished, "[Al2(SO4]"},
        RunCase{"UnfinishedBracketWhileTyping", "Al2(SO4", FormulaLayout::Typing, "[Al]_{2}[(SO]_{4}"},
        RunCase{"FactorAfterDotWhileTyping", "CuSO4·5", FormulaLayout::Typing, "[CuSO]_{4}[·5]"},
        RunCase{"OpenBracketWhileTyping", "Mg3(", FormulaLayout::Typing, "[Mg]_{3}[(]"},
        RunCase{"WrongWhileTyping", "H2)O2", FormulaLayout::Typing, "[H2)O2]"},
        RunCase{"SmallFirstWhileTyping", "h2o", FormulaLayout::Typing, "[h2o]"}),
    [](const auto& info) { return std::string(info.param.name); });
