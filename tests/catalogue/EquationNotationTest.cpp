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

} // namespace

TEST(EquationNotation, SplitsLikeTheEquationPage)
{
    const ParsedEquation burning = parseEquation(u" @2 H2 + @1O2=@2H2O ");
    EXPECT_TRUE(burning.ok());
    EXPECT_EQ(slotTexts(burning), (QStringList{"2 H2", "1 O2", "|", "2 H2O", "|"}));
    const ParsedEquation methane = parseEquation(u"@1CH4+@2O2=@1CO2+@2H2O");
    EXPECT_EQ(slotTexts(methane), (QStringList{"1 CH4", "2 O2", "|", "1 CO2", "2 H2O", "|"}));
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
        {"@2H2 + @1O2 = @2H2O", {}},
        {"@2O3 = @3O2", {}},
        {"@2H2 + @1O2 = @1H2O", "H links 4, rechts 2; O links 2, rechts 1"},
        {"@4H2 + @2O2 = @4H2O", {}, 2},
        {"@2H2 + @O2 = @2H2O", "Vor „O2“ fehlt der Koeffizient"},
        {"@1.5O2 = @1O3", "„1.5“ vor „O2“ ist keine ganze Zahl"},
        {"@0H2 = @1H2", "„0“ vor „H2“"},
        {"2H2 + @1O2 = @2H2O", "„2H2+“ vor dem ersten „@“"},
        {"@2H2 + @1O2", "Es fehlt „=“"},
        {"@1O2 = @1O2 = @1O2", "2-mal „=“"},
        // The page has four slots per row, two per side: a line outside the notation would write past them
        // or into the wrong slot.
        {"@1H2 + @1Cl2 + @1O2 = @2HCl", "3 Stoffe"},
        {"@2KClO3 = @2KCl + @1O2 + @2O2", "rechten Seite stehen 3 Stoffe"},
        {"@1C=@1C+@1C+@1C+@1C", "rechten Seite stehen 4 Stoffe"},
        {"@1H2 + @1Cl2 = x@2HCl", "rechten Seite steht „x“ vor dem ersten „@“"},
        {"@2H2 + @1O2 = H2O", "rechten Seite steht „H2O“"},
        {"@2H2 + @1O2 =", "Auf der rechten Seite steht nichts"},
        {"@2H2 + @1O2 = @2H2O +", "am Ende „+“"},
        {"@1Na++@1Cl=@1NaCl", "In der Formel „Na+“ steht „+“"},
        {"@2H2 + @@1O2 = @2H2O", "„@“ ohne Stoff"},
        {"@1Xy = @1H2", "Formel „Xy“"},
        {"@2H2 @1O2 = @2H2O", "fehlt „+“"},
        {"@1CuSO4·5H2O = @1CuSO4 + @5H2O", "tiefgestellt"}};
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
