#pragma once

#include "components/Controls.h"

#include <array>

class frm_AppMain;

// Page 1: three element names to give the symbol of, three symbols to give the name of.
struct ElementPage {
    std::array<Label, 6> AnzS1; // 0..2: names, 3..5: symbols
    std::array<TextBox, 3> EleSym;
    std::array<TextBox, 3> Ele;
};

// Draws six elements and writes the rows and their expected answers g_Solutions(0..5).
void presentElementPage(frm_AppMain& form);
