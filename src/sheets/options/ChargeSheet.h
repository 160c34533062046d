#pragma once

#include "components/Controls.h"
#include "sheets/Sheet.h"

#include <array>

class SheetContext;

// Page 5: four ions or elements; for each the pupil chooses its charge number from "-3" to "+3".
class ChargeSheet final : public Sheet {
public:
    static constexpr int Rows = 4;
    static constexpr int OptionsPerRow = 7; // "-3" .. "+3"

    explicit ChargeSheet(SheetContext& context);

    std::array<Label, Rows> AnzS5;
    // Row k owns the options 7k .. 7k + 6, one choice group; a row without a task has its options disabled.
    std::array<OptionButton, Rows * OptionsPerRow> ChooseS5_1;

    // Draws four particles, writes their names and the index of each row's right option into
    // g_Solutions(0..3), chooses "-3" in every row and puts the focus on the first row.
    void Present() override;
    void Judge() override { hOK5(); }
    // A right choice turns green; a wrong one turns its text red, the right option is chosen instead and
    // the particle's name turns red.
    void hOK5();

    // A click chooses the option within its row; Enter goes on to the first option of the next row with a
    // task: 7, 14, 21, then 0.
    void ChooseS5_1_Click(int index);
    void ChooseS5_1_KeyPress(int index, int keyAscii);

private:
    // Asks for the focus on the first option of the next row after row that has a task, wrapping round.
    void focusRowAfter(int row);
    // Tells the pupil and the log about a particle whose charge number the page cannot offer.
    void reportChargeOutOfRange(int record, const QString& name, int charge);

    SheetContext& m_context;
};
