#pragma once

#include "components/Controls.h"

#include <QStringList>

#include <span>

class SheetContext;
class SheetScore;

// Judges the rows of a definition sheet, each a wheel the pupil turned to the partner of the text shown in
// its task label. A row
// is right when its wheel shows the expected text of g_Solutions(row), or one of the texts also accepted
// for it, once both are trimmed and in capitals; it gets the tick firstMarker + row, a wrong row the
// correction panel of that marker with the expected text. A disabled wheel has no task and is not judged.
void judgeWheelRows(SheetScore& score, SheetContext& context, std::span<const Label> tasks,
                    std::span<const Wheel> wheels, int firstMarker,
                    std::span<const QStringList> alsoRight = {});
