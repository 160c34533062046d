#pragma once

#include "components/Controls.h"

#include <QString>

class SheetScore;

// Rows whose answer is typed into a text field. A row with a single expected answer must match it exactly
// once the typed text is trimmed; a row with a list "*A*B*" of accepted variants must match one of them
// exactly. A right row turns light green and counts; a wrong one turns light red, keeps what was typed and
// gets separator and the shown answer appended. A disabled field has no task: it is not judged at all.

// task is the row's task as shown, for the run's record.

// Counts a row whose verdict is known and marks it as described above; the record keeps expected as the
// right answer.
void judgeTypedRow(SheetScore& score, const QString& task, TextBox& field, bool right,
                   const QString& expected, const QString& separator, const QString& shownAnswer);

// Judges a row that expects exactly one text.
void judgeSingleRow(SheetScore& score, const QString& task, TextBox& field, const QString& expected,
                    const QString& separator);

// Judges a row that accepts any of the variants "*A*B*"; a wrong row shows shownAnswer, the record keeps
// the variants joined by " / ".
void judgeListRow(SheetScore& score, const QString& task, TextBox& field, const QString& variants,
                  const QString& separator, const QString& shownAnswer);
