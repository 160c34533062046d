#pragma once

#include "desktop/view/PageParts.h"

class QGridLayout;

// The calculator button but_Calc(index) beside a number field, in the grid's line and column; it is
// usable while the field is, and its accessible name tells which task it helps with.
void addCalculatorButton(PageContext& page, QGridLayout& grid, int line, int column, int index,
                         const TextBox& field, const Label& task, Bindings::Handler click);
