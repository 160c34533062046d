#pragma once

#include "components/Controls.h"
#include "sheets/Sheet.h"
#include "sheets/definitions/DefinitionSheet.h"

#include <QStringList>

#include <array>

class SheetContext;

// Page 4: four definitions; for each the pupil turns a wheel of every term of the catalogue to the term
// defined, helped by a letter-range filter wheel beside it.
class TermSheet final : public Sheet {
public:
    // firstSheet is the first definition sheet, judged before this one in every walk.
    TermSheet(SheetContext& context, const DefinitionSheet& firstSheet)
        : m_context(context), m_firstSheet(firstSheet)
    {
    }

    std::array<Label, 4> AnzS4; // the definitions
    std::array<Wheel, 4> lst_Begriff;
    std::array<Wheel, 4> lst_BegriffFilter;

    // Draws four definitions, offers every term of the section on each term wheel and "A-E" on each filter;
    // writes the expected terms into g_Solutions(0..3).
    void Present() override;
    void Judge() override { hOK4(); }
    // Ticks or corrects each row (markers 0..3), praises four right rows, and counts both definition sheets
    // into the category: asked and right rows of this sheet plus those of the first sheet.
    void hOK4();

    // The pupil turned a wheel of the row index to the item text; position counts from 1.
    void lst_Begriff_Click(int index, int position, const QString& text);
    void lst_BegriffFilter_Click(int index, int position, const QString& text);

private:
    SheetContext& m_context;
    const DefinitionSheet& m_firstSheet;
    // Per row, the other terms whose definition reads the same as the one shown: they are right as well.
    std::array<QStringList, 4> m_sameDefinitionTerms;
};
