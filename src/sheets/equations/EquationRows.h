#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>

// How the equation page shows one catalogue line: four slots of coefficient and formula, 0 and 1 on the
// left side, 2 and 3 on the right. A side with one substance leaves its second slot empty; the page hides
// that slot and its "+". The line is read by the one equation reader that the catalogue check uses too, so
// a line the check accepts is exactly a line the page can show.
struct EquationRow {
    static constexpr int Slots = 4;

    std::array<QString, Slots> coefficients; // as written: the answers the page expects
    std::array<QString, Slots> formulas;
    QStringList problems; // German; why the page cannot show the line (it breaks the notation)

    bool drawable() const { return problems.isEmpty(); }
    // Whether the slot holds a substance.
    bool used(int slot) const { return !coefficients.at(static_cast<std::size_t>(slot)).isEmpty(); }
};

// The row of an equation line; a line that breaks the notation (say three substances on one side, or text
// before the first "@") gets its problems and no slot, so that nothing is ever put past the four slots.
EquationRow equationRow(QStringView line);
