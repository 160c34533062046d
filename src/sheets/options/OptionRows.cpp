#include "sheets/options/OptionRows.h"

#include "components/NumberText.h"

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
