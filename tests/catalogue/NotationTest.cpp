#include "catalogue/EquationNotation.h"
#include "catalogue/FormulaNotation.h"
#include "catalogue/ElementTable.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

TEST(FormulaNotation, GivesTheRoundedMolarMass)
{
    const struct {
        QString formula;
        double roundedMass;
    } formulas[] = {{"H2O", 18.0},        {"Ca(OH)2", 74.1},    {"CuSO4·5H2O", 249.7},
                    {"Al2(SO4)3", 342.1}, {"(NH4)2SO4", 132.1}, {"K4(Fe(CN)6)", 368.3},
                    {"2H2O", 36.0},       {"Cl", 35.5},         {"C12H22O11", 342.3}};
    for (const auto& c : formulas) {
        const ParsedFormula parsed = parseFormula(c.formula);
        ASSERT_TRUE(parsed.ok()) << parsed.error.toStdString();
        EXPECT_DOUBLE_EQ(roundedMolarMass(parsed.atoms), c.roundedMass) << c.formula.toStdString();
    }
}

TEST(FormulaNotation, NamesWhatDoesNotRead)
{
    const struct {
        QString formula;
        QString error; // a phrase of the message
    } formulas[] = {
        {"", "leer"}, {"Xy2", "„Xy“ an Stelle 1 ist kein Elementsymbol"}, {"NaCL", "„L“ an Stelle 4"},
        {"H2O)", "„)“ an Stelle 4 gibt es keine „(“"}, {"Ca(OH2", "„(“ an Stelle 3 wird nicht geschlossen"},
        {"Ca()2", "Klammer an Stelle 3 ist leer"}, {"(2H)", "Zahl an Stelle 2 steht direkt nach „(“"},
        {"h2o", "Kleinbuchstabe „h“ an Stelle 1"}, {"NaCl ", "An Stelle 5 steht ein Leerzeichen"},
        {"SO4-", "An Stelle 4 steht das Zeichen „-“"}, {"H0", "Zahl 0 an Stelle 2"},
        {"H99999999999", "zu groß"}, {"CuSO4·", "Nach „·“ an Stelle 6 steht keine Formel"},
        {"·H2O", "Vor „·“ an Stelle 1"}, {"CuSO4·5", "Nach der Zahl an Stelle 7 folgt keine Formel"},
    };
    for (const auto& c : formulas) {
        const ParsedFormula parsed = parseFormula(c.formula);
        EXPECT_FALSE(parsed.ok()) << c.formula.toStdString();
        EXPECT_TRUE(parsed.error.contains(c.error)) << parsed.error.toStdString();
    }
}

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

// Only the counts are lowered; what does not read (yet) stands as typed.
TEST(FormulaNotation, RunsLowerExactlyTheCounts)
{
    using enum FormulaLayout;
    const struct {
        QString text;
        FormulaLayout layout;
        QString runs; // subscripts in "_{…}", so that a row reads like the formula it shows
    } cases[] = {
        {"H2SO4", Finished, "[H]_{2}[SO]_{4}"}, {"Al2(SO4)3", Finished, "[Al]_{2}[(SO]_{4}[)]_{3}"},
        {"2H2O", Finished, "[2H]_{2}[O]"}, {"CuSO4·5H2O", Finished, "[CuSO]_{4}[·5H]_{2}[O]"},
        {"C12H22O11", Finished, "[C]_{12}[H]_{22}[O]_{11}"}, {"NaCl", Finished, "[NaCl]"}, {"", Finished, ""},
        {"H2O + CO2", Finished, "[H2O + CO2]"}, {"Xy2", Finished, "[Xy2]"},
        {"Al2(SO4", Finished, "[Al2(SO4]"}, {"Al2(SO4", Typing, "[Al]_{2}[(SO]_{4}"},
        {"CuSO4·5", Typing, "[CuSO]_{4}[·5]"}, {"Mg3(", Typing, "[Mg]_{3}[(]"}, {"H2)O2", Typing, "[H2)O2]"},
        {"h2o", Typing, "[h2o]"},
    };
    for (const auto& c : cases) {
        QString written;
        for (const FormulaRun& run : formulaRuns(c.text, c.layout))
            written +=
                run.subscript ? QStringLiteral("_{%1}").arg(run.text) : QStringLiteral("[%1]").arg(run.text);
        EXPECT_EQ(written, c.runs) << c.text.toStdString();
    }
}

// Each line with the one error, warning or imbalance found, none for a right line, and the factor common
// to all coefficients.
TEST(EquationNotation, JudgesEachLine)
{
    const struct {
        QString line;
        QString finding;
        long long factor = 1;
    } cases[] = {
        {"@2H2 + @1O2 = @2H2O", {}}, {"@2O3 = @3O2", {}},
        {"@2H2 + @1O2 = @1H2O", "H links 4, rechts 2; O links 2, rechts 1"}, {"@4H2 + @2O2 = @4H2O", {}, 2},
        {"@2H2 + @O2 = @2H2O", "Vor „O2“ fehlt der Koeffizient"},
        {"@1.5O2 = @1O3", "„1.5“ vor „O2“ ist keine ganze Zahl"}, {"@0H2 = @1H2", "„0“ vor „H2“"},
        {"2H2 + @1O2 = @2H2O", "„2H2+“ vor dem ersten „@“"}, {"@2H2 + @1O2", "Es fehlt „=“"},
        {"@1O2 = @1O2 = @1O2", "2-mal „=“"},
        // The page has four slots per row, two per side: a line outside the notation would write past them
        // or into the wrong slot.
        {"@1H2 + @1Cl2 + @1O2 = @2HCl", "3 Stoffe"},
        {"@2KClO3 = @2KCl + @1O2 + @2O2", "rechten Seite stehen 3 Stoffe"},
        {"@1C=@1C+@1C+@1C+@1C", "rechten Seite stehen 4 Stoffe"},
        {"@1H2 + @1Cl2 = x@2HCl", "rechten Seite steht „x“ vor dem ersten „@“"},
        {"@2H2 + @1O2 = H2O", "rechten Seite steht „H2O“"},
        {"@2H2 + @1O2 =", "Auf der rechten Seite steht nichts"}, {"@2H2 + @1O2 = @2H2O +", "am Ende „+“"},
        {"@1Na++@1Cl=@1NaCl", "In der Formel „Na+“ steht „+“"}, {"@2H2 + @@1O2 = @2H2O", "„@“ ohne Stoff"},
        {"@1Xy = @1H2", "Formel „Xy“"}, {"@2H2 @1O2 = @2H2O", "fehlt „+“"},
        {"@1CuSO4·5H2O = @1CuSO4 + @5H2O", "tiefgestellt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        const ParsedEquation equation = parseEquation(c.line);
        QStringList findings = equation.errors + equation.warnings;
        if (equation.ok() && !imbalance(equation).isEmpty())
            findings << imbalance(equation);
        EXPECT_EQ(findings.size(), c.finding.isEmpty() ? 0 : 1) << findings.join(u'\n').toStdString();
        if (!c.finding.isEmpty()) {
            EXPECT_TRUE(findings.value(0).contains(c.finding)) << findings.value(0).toStdString();
        }
        if (equation.ok()) {
            EXPECT_EQ(commonFactor(equation), c.factor);
        }
    }
}
