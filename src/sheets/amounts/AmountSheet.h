#pragma once

#include "components/Controls.h"
#include "sheets/NumberRows.h"
#include "sheets/Sheet.h"

#include <array>

class SheetContext;

// Page 12: five questions on amounts of substance, their texts and answers whole from the catalogue.
class AmountSheet final : public Sheet {
public:
    explicit AmountSheet(SheetContext& context) : m_context(context) {}

    std::array<Label, 5> AnzS12; // the questions
    std::array<TextBox, 5> Stoffm;

    // Draws five questions from the whole section (this page has no beginner part) and writes the rows and
    // their expected answers g_Solutions(0..4).
    void Present() override;
    void Judge() override { hOK12(); }
    void hOK12();

    // A click opens the number keypad with the question as the prompt; Enter walks the ring Stoffm(0..4),
    // back to Stoffm(0). but_Calc(4..8) beside Stoffm(0..4) offers the calculator.
    void Stoffm_Click(int index) { m_rows.fieldClick(index); }
    void Stoffm_KeyPress(int index, int keyAscii) { m_rows.fieldKeyPress(index, keyAscii); }
    void but_Calc_Click(int index) { m_rows.calculatorClick(index); }

private:
    SheetContext& m_context;
    NumberSheetRows m_rows{m_context, AnzS12, Stoffm, 4, QStringLiteral("Stoffmenge in Mol von ")};
};
