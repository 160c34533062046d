#pragma once

#include "components/Controls.h"
#include "sheets/Sheet.h"

#include <array>

class SheetContext;

// Page 6, the last sheet: six statements, each answered "Ja" or "Nein".
class YesNoSheet final : public Sheet {
public:
    static constexpr int Rows = 6;
    static constexpr int OptionsPerRow = 2; // "Ja", "Nein"

    explicit YesNoSheet(SheetContext& context);

    std::array<Label, Rows> AnzS6;
    // Row k owns JaNein1(2k) ("Ja") and JaNein1(2k + 1) ("Nein"), one choice group; their captions are the
    // labels AA(2k) and AA(2k + 1). A row without a task has its options disabled.
    std::array<OptionButton, Rows * OptionsPerRow> JaNein1;
    std::array<Label, Rows * OptionsPerRow> AA;

    // Draws six statements and writes the index of each row's right option, with a leading blank, into
    // g_Solutions(0..5). Nothing is chosen yet; the focus goes to the first "Ja".
    void Present() override;
    void Judge() override { hOK6(); }
    // A right row's statement turns green; a wrong or unanswered one turns red and the right answer is
    // chosen.
    void hOK6();

    // A click chooses the answer within its row; the captions of the chosen answers turn light yellow, all
    // others black.
    void JaNein1_Click(int index);

private:
    void colourCaptions();

    SheetContext& m_context;
};
