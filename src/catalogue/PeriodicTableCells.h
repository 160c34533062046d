#pragma once

#include "catalogue/ElementTable.h"

// Where each element stands in the usual periodic table of 18 columns, with the lanthanoids and actinoids
// in two rows of their own below the main body.

// The block of the orbitals being filled; the periodic table colours its cells by it.
enum class ElementBlock { S, P, D, F };

inline constexpr int periodicRows = 10;    // 1..7 the periods, 8 a free row, 9 and 10 the f-rows
inline constexpr int periodicColumns = 18; // the groups
inline constexpr int lanthanoidRow = 9;
inline constexpr int actinoidRow = 10;
// In periods 6 and 7 group 3's place stands for the f-row below it; the f-rows start in this column.
inline constexpr int seriesColumn = 3;

struct PeriodicCell {
    const ChemicalElement* element = nullptr;
    int row = 0;    // 1..periodicRows
    int column = 0; // 1..periodicColumns
    ElementBlock block = ElementBlock::S;
};

// One cell per element, in the order of the atomic numbers.
const QList<PeriodicCell>& periodicCells();

// The cell reached from `from` by going in the direction (rowStep, columnStep), passing over empty places;
// nullptr at the edge of the table.
const PeriodicCell* neighbourCell(const PeriodicCell& from, int rowStep, int columnStep);

// The mass as the periodic table shows it: exactly the value of the element table, with which the catalogue
// check computes every molar mass, written with a comma ("55,845", "1,008"); the mass number in brackets
// for an element without a standard atomic weight ("[98]").
QString atomicMassText(const ChemicalElement& element);
