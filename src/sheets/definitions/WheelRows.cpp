#include "sheets/definitions/WheelRows.h"

#include "components/TextTools.h"
#include "sheets/SheetContext.h"
#include "sheets/SheetScore.h"
#include "sheets/definitions/TermWheels.h"

void judgeWheelRows(SheetScore& score, SheetContext& context, std::span<const Label> tasks,
                    std::span<const Wheel> wheels, int firstMarker, std::span<const QStringList> alsoRight)
{
    for (std::size_t row = 0; row < wheels.size(); ++row) {
        if (!wheels[row].Enabled)
            continue; // no task on this row
        const QString& solution = context.state.g_Solutions[row];
        const QString expected = judgedText(solution);
        const QString chosen = judgedText(wheels[row].Value);
        const int marker = firstMarker + static_cast<int>(row);
        const bool right = chosen == expected || (row < alsoRight.size() && alsoRight[row].contains(chosen));
        score.judged(trimBlanks(tasks[row].Caption), trimBlanks(solution), trimBlanks(wheels[row].Value),
                     right);
        if (right) {
            context.ShowCorrect(marker);
        } else {
            context.ShowWrong(marker, expected);
        }
    }
}
