#pragma once

#include "components/Controls.h"
#include "sheets/Sheet.h"

#include <array>

class SheetContext;

// Page 3: three terms; for each the pupil turns a wheel to its definition among seven.
class DefinitionSheet final : public Sheet {
public:
    explicit DefinitionSheet(SheetContext& context) : m_context(context) {}

    std::array<Label, 3> AnzS3; // the terms
    std::array<Wheel, 3> lst_Definition;

    // Draws three terms and, for each wheel, the right definition and six other distinct definitions of the
    // section, in random order; writes the expected definitions into g_Solutions(0..2).
    void Present() override;
    void Judge() override { hOK3(); }
    // Ticks or corrects each row (markers 4..6), praises three right rows, keeps the right rows and the
    // posed ones in g_DefinitionsAsked for the second definition sheet.
    void hOK3();
    // The right rows of the last judging, which the second definition sheet adds in.
    int rightRows() const { return m_rightRows; }

    // How many other definitions a wheel offers besides the right one.
    static constexpr int OtherDefinitions = 6;

private:
    SheetContext& m_context;
    int m_rightRows = 0;
};
