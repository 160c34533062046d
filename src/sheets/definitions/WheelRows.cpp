#include "sheets/definitions/WheelRows.h"

#include "sheets/SheetContext.h"
#include "sheets/SheetScore.h"
#include "sheets/definitions/TermWheels.h"

void judgeWheelRows(SheetScore& score, SheetContext& context, std::span<const Wheel> wheels, int firstMarker,
                    std::span<const QStringList> alsoRight)
{
    for (std::size_t row = 0; row < wheels.size(); ++row) {
        if (!wheels[row].Enabled)
            continue; // no task on this row
        score.asked();
        const QString expected = judgedText(context.state.g_Solutions[row]);
        const QString chosen = judgedText(wheels[row].Value);
        const int marker = firstMarker + static_cast<int>(row);
        if (chosen == expected || (row < alsoRight.size() && alsoRight[row].contains(chosen))) {
            score.right();
            context.ShowCorrect(marker);
        } else {
            context.ShowWrong(marker, expected);
        }
    }
}
