#pragma once

#include <QString>
#include <QStringView>

#include <QList>

#include <map>

// The formula notation of the program: plain text as the catalogue stores it and the formula labels show
// it, e.g. H2SO4, Ca(OH)2, Al2(SO4)3, CuSO4·5H2O.
//
// - An element symbol is a capital letter followed by any small letters.
// - Digits after an element symbol or after ")" count the atoms or the bracket (subscripts).
// - Round brackets group and may nest.
// - A number at the very start is a factor of the whole formula; "·" (the middle dot) joins the parts of
//   an adduct, and a number right after it is the factor of that part (5H2O in CuSO4·5H2O).
// Nothing else may stand in a formula: no blanks, no charges, no other brackets.

inline constexpr char16_t adductDot = u'\u00b7';

// The atoms of a formula, by atomic number.
using AtomCounts = std::map<int, long long>;

struct ParsedFormula {
    AtomCounts atoms;
    bool hasPartFactor = false; // a number stands before the formula or before a part after "·"
    QString error;              // German, naming the place; empty when the formula is well written
    bool ok() const { return error.isEmpty(); }
};

ParsedFormula parseFormula(QStringView formula);

// The molar mass in g/mol, summed from the element table.
double molarMass(const AtomCounts& atoms);

// The molar mass rounded to one decimal, as the molar-mass page asks for it. The table's masses have at
// most four decimals, so the sum is exact and a half (35.45 for Cl) rounds up, as taught in school.
double roundedMolarMass(const AtomCounts& atoms);

// A piece of a formula as the formula labels draw it: normal text or digits lowered as a subscript.
struct FormulaRun {
    QString text;
    bool subscript = false;
    bool operator==(const FormulaRun&) const = default;
};

enum class FormulaLayout {
    Finished, // the text must be a well-formed formula
    Typing,   // the text may also be the beginning of one, as while a pupil types it (Ca(OH, CuSO4·5)
};

// The runs of a formula text: digits after an element symbol or after ")" are subscripts; a leading factor
// and the factor after "·" stay in line. A text that does not read as a formula (or, while typing, as the
// beginning of one) is one normal run as it stands, so no digit is lowered by a guess. Empty text: no run.
QList<FormulaRun> formulaRuns(QStringView text, FormulaLayout layout = FormulaLayout::Finished);
