#pragma once

#include "components/Controls.h"
#include "sheets/Sheet.h"

#include <array>

class SheetContext;

// Page 11: three formulas to name (rows 0..2) and three names to give the formula of (rows 3..5), all
// typed into formula inputs.
class SubstanceSheet final : public Sheet {
public:
    explicit SubstanceSheet(SheetContext& context);

    std::array<TermLabel, 3> lab_SubsTerm; // rows 0..2: the formula to name
    std::array<Label, 6> Substanz;         // rows 3..5: the name to give the formula of (0..2 are unused)
    std::array<TermInput, 6> Substein;
    std::array<TermLabel, 6> lab_SubCorrect; // the right answer of a wrong row
    std::array<Label, 6> lab_SubsTermTitle;  // "Richtig:" above it

    // Draws six substances and writes the rows and their expected answers g_Solutions(0..5): for rows 0..2
    // the accepted names joined with "|", for rows 3..5 the formula.
    void Present() override;
    void Judge() override { hOK11(); }
    // Moving on returns the formula inputs to their resting state.
    void Leave() override;
    void hOK11();

    // A click opens a pad on the row's entry, with the row's task as the prompt, and takes back what it
    // returns: the text pad for a name (rows 0..2), the formula editor for a formula (rows 3..5).
    void Substein_Click(int index);
    // Enter moves on to the next input, from the last back to the first.
    void Substein_KeyPress(int index, int keyAscii);

private:
    SheetContext& m_context;
};
