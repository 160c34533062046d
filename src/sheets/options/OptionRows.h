#pragma once

#include "components/Controls.h"
#include "testrun/JudgedTask.h"

#include <QString>

#include <array>
#include <cstddef>
#include <optional>
#include <span>

class DynValue;
class SheetContext;

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

// The first option of the first posed row after row, counting on and wrapping round (row itself comes
// last); nullptr when no row is posed.
const OptionButton* firstOptionAfter(std::span<const OptionButton> options, int row, int perRow);

// How a choice sheet marks a judged row. A wrong row always gets its right option chosen and its label red.
struct ChoiceMarks {
    bool rightOptionGreen; // a right row turns its right option green, else its label
    bool wrongChoiceRed;   // the text of a wrongly chosen option turns red
};

// Judges every posed row against its expected option in g_Solutions(row), marks it and counts the sheet
// into its category. labels holds one label a row, whose caption is the row's task.
void judgeChoiceRows(SheetContext& context, TaskCategory category, std::span<OptionButton> options,
                     std::span<Label> labels, int perRow, ChoiceMarks marks, DynValue& categoryAsked,
                     double& categoryRight);
