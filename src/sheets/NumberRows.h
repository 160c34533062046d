#pragma once

#include "components/Controls.h"

#include <QString>

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
void judgeNumberRow(SheetScore& score, TextBox& field, const QString& expected);

// The calculator's result as the field shows it: the shortest form that reads back as the same value, with
// a decimal comma (12.5 gives "12,5").
QString calculatorText(double value);

// A click on a calculator button: an expert is told to calculate in the head; a beginner gets the
// calculator with the prompt, and a taken result replaces the field's text. Without a result (cancelled,
// ToolsService::NoResult, or no finite number) the field stays as it was. A field without a task offers
// nothing.
void offerCalculator(SheetContext& context, TextBox& field, const QString& prompt);
