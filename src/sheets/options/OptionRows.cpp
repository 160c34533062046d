#include "sheets/options/OptionRows.h"

#include "components/NumberText.h"
#include "sheets/SheetContext.h"
#include "sheets/SheetScore.h"

namespace {

// Whether the row has a task: a row without one has its options disabled.
bool rowPosed(std::span<const OptionButton> options, int row, int perRow)
{
    return options[static_cast<std::size_t>(row * perRow)].Enabled;
}

} // namespace

std::optional<int> expectedInRow(const QString& expected, int row, int perRow)
{
    const long long index = roundHalfEven(readLeadingNumber(expected));
    const long long first = static_cast<long long>(row) * perRow;
    if (index < first || index >= first + perRow)
        return std::nullopt;
    return static_cast<int>(index - first);
}

std::optional<int> chosenInRow(std::span<const OptionButton> row)
{
    for (std::size_t i = 0; i < row.size(); ++i)
        if (row[i].Value)
            return static_cast<int>(i);
    return std::nullopt;
}

void resetRow(std::span<OptionButton> row, bool posed)
{
    for (OptionButton& option : row) {
        option.Value = false;
        option.Enabled = posed;
        option.BackColor = Colour::Default;
        option.ForeColor = Colour::Default;
    }
}

const OptionButton* firstOptionAfter(std::span<const OptionButton> options, int row, int perRow)
{
    const int rows = static_cast<int>(options.size()) / perRow;
    for (int step = 1; step <= rows; ++step) {
        const int next = (row + step) % rows;
        if (rowPosed(options, next, perRow))
            return &options[static_cast<std::size_t>(next * perRow)];
    }
    return nullptr;
}

void judgeChoiceRows(SheetContext& context, TaskCategory category, std::span<OptionButton> options,
                     std::span<Label> labels, int perRow, ChoiceMarks marks, DynValue& categoryAsked,
                     double& categoryRight)
{
    SheetScore score(context, category);
    for (int row = 0; row < static_cast<int>(labels.size()); ++row) {
        const std::optional<int> expected =
            expectedInRow(context.state.g_Solutions[static_cast<std::size_t>(row)], row, perRow);
        if (!rowPosed(options, row, perRow) || !expected)
            continue;
        const std::span<OptionButton> choices =
            options.subspan(static_cast<std::size_t>(row * perRow), static_cast<std::size_t>(perRow));
        OptionButton& right = choices[static_cast<std::size_t>(*expected)];
        Label& label = labels[static_cast<std::size_t>(row)];
        const std::optional<int> chosen = chosenInRow(choices);
        score.judged(label.Caption, right.Caption,
                     chosen ? choices[static_cast<std::size_t>(*chosen)].Caption : QString(), right.Value);
        if (right.Value) {
            (marks.rightOptionGreen ? right.BackColor : label.BackColor) = Colour::LightGreen;
            continue;
        }
        if (chosen && marks.wrongChoiceRed)
            choices[static_cast<std::size_t>(*chosen)].ForeColor = Colour::LightRed;
        chooseOption(choices, static_cast<std::size_t>(*expected));
        label.BackColor = Colour::LightRed;
    }
    score.finish(categoryAsked, categoryRight);
}
