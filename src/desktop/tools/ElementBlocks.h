#pragma once

#include "catalogue/PeriodicTableCells.h"

#include <QColor>
#include <QString>

// How the periodic table shows the blocks: the colour of their cells and the name in the legend.
QColor blockColour(ElementBlock block);
QString blockName(ElementBlock block);
