#pragma once

#include "catalogue/Section.h"
#include "components/Controls.h"
#include "testrun/JudgedTask.h"

#include <QList>
#include <QString>

#include <functional>
#include <span>

class DynValue;
class SheetContext;
class SheetScore;

// What the two number sheets (molar masses, amounts of substance) share: the judging of a typed number and
// the calculator button beside each field.

// Whether an expected answer can be typed at all: the text reads as a finite single-precision number.
// A record whose answer cannot is never posed.
bool isTypeableNumber(const QString& expected);

// Judges a number row: the typed and the expected text are made capital, trimmed, normalised and read as
// single-precision numbers, and the values must be equal (so "58,4", "58.40" and "58,4 g" all match 58.4).
// A field that holds no number, or a second one after it ("20 oder 21"), is wrong, also where 0 is expected.
// A wrong row keeps what was typed and gets " - richtig ist: " and the expected text as stored. A disabled
// field has no task and is not judged.
void judgeNumberRow(SheetScore& score, const QString& task, TextBox& field, const QString& expected);

// The calculator's result as the field shows it: the shortest form that reads back as the same value, with
// a decimal comma (12.5 gives "12,5").
QString calculatorText(double value);

// A click on a calculator button: an expert is told to calculate in the head; a beginner gets the
// calculator with the prompt, and a taken result replaces the field's text. Without a result (cancelled,
// ToolsService::NoResult, or no finite number) the field stays as it was. A field without a task offers
// nothing.
void offerCalculator(SheetContext& context, TextBox& field, const QString& prompt);

// The rows of a number sheet: a task label and a number field each, and a calculator button beside every
// field. The sheet's own handlers call these with their control arrays.
class NumberSheetRows {
public:
    // firstCalculator is the number of the calculator button beside the first field; the calculator's
    // prompt is calculatorPrompt followed by the row's task.
    NumberSheetRows(SheetContext& context, std::span<Label> tasks, std::span<TextBox> fields,
                    int firstCalculator, QString calculatorPrompt);

    // Puts the focus on the first field and draws a record for every row from the section (see drawSheet);
    // a row with a record gets its field enabled, a row without one disabled.
    QList<int> draw(Section section, int upperBound, const DynValue& easyLimit, bool appliesBeginnerLimit,
                    const std::function<bool(int record)>& poseable);
    // Judges every row against its expected answer in g_Solutions(row) and counts the sheet into its
    // category.
    void judge(TaskCategory category, DynValue& categoryAsked, double& categoryRight);
    // A click opens the number keypad with the row's task as the prompt.
    void fieldClick(int index);
    // Enter walks the ring of fields, from the last back to the first.
    void fieldKeyPress(int index, int keyAscii);
    // A calculator button beside a field offers the calculator; any other number is no button of the sheet.
    void calculatorClick(int button);

private:
    SheetContext& m_context;
    std::span<Label> m_tasks;
    std::span<TextBox> m_fields;
    int m_firstCalculator;
    QString m_calculatorPrompt;
};
