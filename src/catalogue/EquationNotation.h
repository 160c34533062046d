#pragma once

#include "catalogue/FormulaNotation.h"

#include <QList>
#include <QStringList>

// A line of the equation section, e.g. "@2H2 + @1O2 = @2H2O". Blanks (and characters of code 0) do not
// count. Every substance starts with "@", directly followed by its coefficient (the characters
// "0123456789.") and then its formula; "+" separates the substances of a side, "=" the two sides; a side
// holds one or two substances. The equation page splits a line into its four slots the same way, so a
// line that reads here without errors fills the slots as intended.

struct EquationSubstance {
    QString coefficient; // as written: the answer the equation page expects in this slot
    QString formula;
    long long count = 0; // the coefficient's value, once it reads as a whole number from 1
    AtomCounts atoms;    // of one formula unit, once the formula reads
};

struct ParsedEquation {
    QList<EquationSubstance> left;
    QList<EquationSubstance> right;
    QStringList errors;   // German; the line breaks the notation or a formula does not read
    QStringList warnings; // German; the page works, but the line is not written as intended
    bool ok() const { return errors.isEmpty(); }
};

ParsedEquation parseEquation(QStringView line);

// The atoms of one side of an equation that reads, each substance's counted by its coefficient.
AtomCounts sideAtoms(const QList<EquationSubstance>& side);

// For an equation that reads: a German sentence naming every element whose atoms differ between the two
// sides; empty when it balances.
QString imbalance(const ParsedEquation& equation);

// For an equation that reads: the greatest common divisor of all its coefficients (1 when they are as
// small as they can be).
long long commonFactor(const ParsedEquation& equation);
