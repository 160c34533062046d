#pragma once

#include "components/Controls.h"
#include "sheets/Sheet.h"

#include <array>

class SheetContext;

// Page 1: three element names to give the symbol of, three symbols to give the name of.
class ElementSheet final : public Sheet {
public:
    explicit ElementSheet(SheetContext& context) : m_context(context) {}

    std::array<Label, 6> AnzS1; // 0..2: names, 3..5: symbols
    std::array<TextBox, 3> EleSym;
    std::array<TextBox, 3> Ele;

    // Draws six elements and writes the rows and their expected answers g_Solutions(0..5).
    void Present() override;
    void Judge() override { hOK1(); }
    void hOK1();

    // A click opens the text keypad with the row's task as the prompt; Enter walks the ring EleSym(0..2),
    // Ele(0..2), back to EleSym(0).
    void EleSym_Click(int index);
    void Ele_Click(int index);
    void EleSym_KeyPress(int index, int keyAscii);
    void Ele_KeyPress(int index, int keyAscii);

private:
    SheetContext& m_context;
};
