#pragma once

#include "catalogue/CheckFindings.h"

#include <QStringList>

#include <optional>

// Judgements of single catalogue lines that several sections share. field names the line's meaning in
// the messages, with its German article, e.g. "die Definition".

// A line that the page shows or expects must hold more than blanks.
bool checkNotEmpty(const SourceLine& line, const QString& field, CheckFindings& findings);

// A line stored in a field of fixed width loses what stands beyond it (warning).
void checkWidth(const SourceLine& line, int width, const QString& field, CheckFindings& findings);

// A character that would break the page, e.g. "," in a wheel item (error).
void checkForbidden(const SourceLine& line, QChar character, const QString& field, const QString& why,
                    CheckFindings& findings);

// A number line must hold a plain decimal number and nothing else (a comma ends the number for the
// program), and one that is finite. The value, read as the program reads it; nothing when the line is not
// clean.
std::optional<double> checkNumber(const SourceLine& line, const QString& field, CheckFindings& findings);

// A number line stored as a single-precision number: clean, and not too large for it.
std::optional<double> checkSingleNumber(const SourceLine& line, const QString& field,
                                        CheckFindings& findings);

// The answer line of an amount task: a plain number (with decimal point or comma) that the page can read.
void checkAmountAnswer(const SourceLine& line, CheckFindings& findings);

// A number line stored as a 16-bit whole number: clean, whole and within -32768..32767.
std::optional<int> checkWholeNumber(const SourceLine& line, const QString& field, CheckFindings& findings);

// A list of accepted answers separated by "*": the pupil types one of them, trimmed, so none may be
// empty or carry blanks at either end. The items, as the program splits them.
QStringList checkAnswerList(const SourceLine& line, const QString& field, CheckFindings& findings);
