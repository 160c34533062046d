#include "catalogue/EquationNotation.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

// The slots as the equation page fills them: coefficient and formula of every substance, left then right.
QStringList slotTexts(const ParsedEquation& equation)
{
    QStringList result;
    for (const QList<EquationSubstance>* side : {&equation.left, &equation.right}) {
        for (const EquationSubstance& substance : *side)
            result << substance.coefficient + QLatin1Char(' ') + substance.formula;
        result << QStringLiteral("|");
    }
    return result;
}

struct EquationCase {
    const char* name;
    QString line;
    QString finding; // a phrase of the one error, warning or imbalance; empty when the line is right
    long long factor = 1;
};

class Equations : public ::testing::TestWithParam<EquationCase> {};

} // namespace

TEST(EquationNotation, SplitsLikeTheEquationPage)
{
    const ParsedEquation burning = parseEquation(u" @2 H2 + @1O2=@2H2O ");
    EXPECT_TRUE(burning.ok());
    EXPECT_EQ(slotTexts(burning), (QStringList{"2 H2", "1 O2", "|", "2 H2O", "|"}));
    const ParsedEquation methane = parseEquation(u"@1CH4+@2O2=@1CO2+@2H2O");
    EXPECT_EQ(slotTexts(methane), (QStringList{"1 CH4", "2 O2", "|", "1 CO2", "2 H2O", "|"}));
}

TEST_P(Equations, AreJudged)
{
    const EquationCase& c = GetParam();
    const ParsedEquation equation = parseEquation(c.line);
    QStringList findings = equation.errors + equation.warnings;
    if (equation.ok() && !imbalance(equation).isEmpty())
        findings << imbalance(equation);
    if (c.finding.isEmpty()) {
        EXPECT_TRUE(findings.isEmpty()) << findings.join(QLatin1Char('\n')).toStdString();
    } else {
        ASSERT_EQ(findings.size(), 1) << findings.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(findings.first().contains(c.finding)) << findings.first().toStdString();
    }
    if (equation.ok()) {
        EXPECT_EQ(commonFactor(equation), c.factor);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Equations,
    ::testing::Values(
        EquationCase{"Balanced", "@2H2 + @1O2 = @2H2O", {}}, EquationCase{"OneOnEachSide", "@2O3 = @3O2", {}},
        EquationCase{"Unbalanced", "@2H2 + @1O2 = @1H2O", "H links 4, rechts 2; O links 2, rechts 1"},
        EquationCase{"CommonFactor", "@4H2 + @2O2 = @4H2O", {}, 2},
        EquationCase{"CoefficientMissing", "@2H2 + @O2 = @2H2O", "Vor „O2“ fehlt der Koeffizient"},
        EquationCase{"CoefficientNotWhole", "@1.5O2 = @1O3", "„1.5“ vor „O2“ ist keine ganze Zahl"},
        EquationCase{"CoefficientZero", "@0H2 = @1H2", "„0“ vor „H2“"},
        EquationCase{"TextBeforeFirstMark", "2H2 + @1O2 = @2H2O", "„2H2+“ vor dem ersten „@“"},
        EquationCase{"NoEqualsSign", "@2H2 + @1O2", "Es fehlt „=“"},
        EquationCase{"TwoEqualsSigns", "@1O2 = @1O2 = @1O2", "2-mal „=“"},
        // The page has four slots per row, two per side: a line outside the notation would write past them
        // or into the wrong slot.
        EquationCase{"ThreeOnOneSide", "@1H2 + @1Cl2 + @1O2 = @2HCl", "3 Stoffe"},
        EquationCase{"ThreeOnTheRight", "@2KClO3 = @2KCl + @1O2 + @2O2", "rechten Seite stehen 3 Stoffe"},
        EquationCase{"FourOnTheRight", "@1C=@1C+@1C+@1C+@1C", "rechten Seite stehen 4 Stoffe"},
        EquationCase{"TextAfterEquals", "@1H2 + @1Cl2 = x@2HCl",
                     "rechten Seite steht „x“ vor dem ersten „@“"},
        EquationCase{"NoMarkOnTheRight", "@2H2 + @1O2 = H2O", "rechten Seite steht „H2O“"},
        EquationCase{"NothingOnTheRight", "@2H2 + @1O2 =", "Auf der rechten Seite steht nichts"},
        EquationCase{"PlusAtTheEnd", "@2H2 + @1O2 = @2H2O +", "am Ende „+“"},
        EquationCase{"ChargeInFormula", "@1Na++@1Cl=@1NaCl", "In der Formel „Na+“ steht „+“"},
        EquationCase{"MarkWithoutSubstance", "@2H2 + @@1O2 = @2H2O", "„@“ ohne Stoff"},
        EquationCase{"FormulaDoesNotRead", "@1Xy = @1H2", "Formel „Xy“"},
        EquationCase{"PlusMissing", "@2H2 @1O2 = @2H2O", "fehlt „+“"},
        EquationCase{"FactorDrawnAsSubscript", "@1CuSO4·5H2O = @1CuSO4 + @5H2O", "tiefgestellt"}),
    [](const auto& info) { return std::string(info.param.name); });
