#pragma once

#include "catalogue/ElementTable.h"

// The elements a search text finds, case-insensitively, the most likely first: the element with that
// symbol, then the element with that name (any accepted spelling), then the names that begin with the text,
// then the names that contain it; within each kind by atomic number. Blank text finds nothing.
QList<const ChemicalElement*> searchElements(QStringView text);
