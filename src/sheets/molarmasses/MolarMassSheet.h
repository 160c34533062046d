#pragma once

#include "components/Controls.h"
#include "sheets/NumberRows.h"
#include "sheets/Sheet.h"

#include <array>

class SheetContext;

// Page 8: the molar masses of four substances, typed in grams and rounded to one decimal.
class MolarMassSheet final : public Sheet {
public:
    explicit MolarMassSheet(SheetContext& context) : m_context(context) {}

    std::array<Label, 4> AnzS7;           // the substance as the catalogue shows it
    std::array<TermLabel, 4> lab_MolTerm; // its formula, drawn for beginners only
    std::array<TextBox, 4> Mol;

    // Draws four substances and writes the rows and their expected molar masses g_Solutions(0..3).
    void Present() override;
    void Judge() override { hOK8(); }
    void hOK8();

    // A click opens the number keypad with the row's task as the prompt; Enter walks the ring Mol(0..3),
    // back to Mol(0). but_Calc(0..3) beside Mol(0..3) offers the calculator.
    void Mol_Click(int index) { m_rows.fieldClick(index); }
    void Mol_KeyPress(int index, int keyAscii) { m_rows.fieldKeyPress(index, keyAscii); }
    void but_Calc_Click(int index) { m_rows.calculatorClick(index); }

private:
    SheetContext& m_context;
    NumberSheetRows m_rows{m_context, AnzS7, Mol, 0, QStringLiteral("Molare Masse von ")};
};
