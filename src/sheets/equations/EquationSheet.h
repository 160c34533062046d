#pragma once

#include "components/Controls.h"
#include "sheets/Sheet.h"

#include <QList>

#include <array>

class SheetContext;
struct EquationRow;

// Page 9: five reaction equations to balance. Row r has four slots s = 4r + j, j = 0 and 1 on the left
// side, 2 and 3 on the right; each slot is a coefficient field in front of a formula. An equation counts
// only as a whole, two points when every coefficient is right.
class EquationSheet final : public Sheet {
public:
    static constexpr int Rows = 5;
    static constexpr int Slots = 4 * Rows;

    explicit EquationSheet(SheetContext& context);

    std::array<TextBox, Slots> Einsetz; // the coefficients the pupil types
    std::array<Label, Slots> EText;     // the formulas, drawn with their digits as subscripts
    std::array<Label, Slots> Einsetz2;  // the right coefficient beside each field, shown when it is wrong
    std::array<Label, Rows> PlusL;      // "+" between slots 4r and 4r + 1
    std::array<Label, Rows> PlusR;      // "+" between slots 4r + 2 and 4r + 3
    std::array<Label, Rows> Arrow;      // the arrow between the two sides

    // Draws five equations and writes the rows and their expected coefficients g_Solutions(1..20); slots
    // without a substance are hidden. Experts' fields start at "0", beginners' fields empty.
    void Present() override;
    void Judge() override { hOK9(); }
    // An empty visible field counts as 1; a row scores 2 points only when all its visible fields read as
    // their expected numbers. Hidden slots and rows without a task play no part.
    void hOK9();

    // A click opens the number keypad with the prompt "Eingabe"; Enter goes on to the next visible field,
    // wrapping from the last to the first.
    void Einsetz_Click(int index);
    void Einsetz_KeyPress(int index, int keyAscii);

private:
    // The record numbers of the five rows, 0 for a row without a task.
    QList<int> drawRecords();
    void presentRow(int row, const EquationRow& equation);
    bool posed(int row) const;
    // The row's equation as the pupil sees it, without coefficients: "H2 + O2 → H2O".
    QString equationText(int row) const;

    SheetContext& m_context;
};
