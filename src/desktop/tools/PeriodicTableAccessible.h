#pragma once

// Screen readers read the periodic table cell by cell: the painted grid is told to them as a table whose
// children are the 118 element cells, each named with the element's name, symbol, atomic number and mass.
// Installs the accessibility factory for PeriodicTableGrid, once.
void installPeriodicTableAccessibility();
