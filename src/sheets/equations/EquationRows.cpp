#include "sheets/equations/EquationRows.h"

#include "catalogue/EquationNotation.h"

EquationRow equationRow(QStringView line)
{
    const ParsedEquation equation = parseEquation(line);
    EquationRow row;
    if (!equation.ok()) {
        row.problems = equation.errors;
        return row;
    }
    // A side that reads holds one or two substances: slots 0 and 1 on the left, 2 and 3 on the right.
    const auto fill = [&row](const QList<EquationSubstance>& side, std::size_t firstSlot) {
        for (qsizetype i = 0; i < side.size(); ++i) {
            const auto slot = firstSlot + static_cast<std::size_t>(i);
            row.coefficients.at(slot) = side.at(i).coefficient;
            row.formulas.at(slot) = side.at(i).formula;
        }
    };
    fill(equation.left, 0);
    fill(equation.right, 2);
    return row;
}
