#pragma once

#include "components/Controls.h"

#include <array>

class frm_AppMain;

// Page 2: two number syllables to give the number of, two numbers to give the syllable of.
struct SyllablePage {
    std::array<Label, 4> AnzS2; // 0, 1: syllables, 2, 3: numbers
    std::array<TextBox, 4> Zahl;
};

// Draws four syllables and writes the rows and their expected answers g_Solutions(0..3).
void presentSyllablePage(frm_AppMain& form);
