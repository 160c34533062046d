#pragma once

#include "components/Controls.h"
#include "sheets/Sheet.h"

#include <array>

class SheetContext;

// Page 2: two number syllables to give the number of, two numbers to give the syllable of.
class SyllableSheet final : public Sheet {
public:
    explicit SyllableSheet(SheetContext& context) : m_context(context) {}

    std::array<Label, 4> AnzS2; // 0, 1: syllables, 2, 3: numbers
    std::array<TextBox, 4> Zahl;

    // Draws four syllables and writes the rows and their expected answers g_Solutions(0..3).
    void Present() override;
    void Judge() override { hOK2(); }
    void hOK2();

    // A click opens the number keypad (rows 0, 1) or the text keypad (rows 2, 3) with the row's task as the
    // prompt; Enter walks the ring Zahl(0..3), back to Zahl(0).
    void Zahl_Click(int index);
    void Zahl_KeyPress(int index, int keyAscii);

private:
    SheetContext& m_context;
};
