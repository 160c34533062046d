#pragma once

#include "components/Controls.h"

#include <QString>

#include <array>
#include <cstddef>
#include <optional>
#include <span>

// The choice sheets lay their option buttons out in rows of equal length; each row is one choice group,
// and the expected answer of a row is the absolute index of its right option, written as a number.

// The options of one row: perRow options from row * perRow on.
template <std::size_t N>
std::span<OptionButton> optionRow(std::array<OptionButton, N>& options, int row, int perRow)
{
    return std::span<OptionButton>(options).subspan(static_cast<std::size_t>(row * perRow),
                                                    static_cast<std::size_t>(perRow));
}

// The position within the row of the option that the expected answer names (a number text, leading blank
// allowed), or nothing when it names no option of this row: a wrong index is never used to reach into
// another row or past the sheet.
std::optional<int> expectedInRow(const QString& expected, int row, int perRow);

// The position of the first chosen option of the row, or nothing when none is chosen.
std::optional<int> chosenInRow(std::span<const OptionButton> row);

// Takes the row back to its presented look: no colours, nothing chosen, enabled when the row is posed.
void resetRow(std::span<OptionButton> row, bool posed);
