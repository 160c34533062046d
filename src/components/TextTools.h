#pragma once

#include <QString>

// Small text helpers shared by the windows: trimming of blanks, the program's upper case, and the token
// extraction of the shared tools.

// Removes leading and trailing blanks (the space character only; tabs stay).
QString trimBlanks(const QString& text);
// Removes trailing blanks only.
QString trimBlanksRight(const QString& text);

// Upper case character by character: umlauts become capitals, the sharp s stays (unlike QString::toUpper,
// which turns it into "SS").
QString upperEachChar(const QString& text);

// The text between the first start delimiter and the next end delimiter after it; "" when there is none.
// For a list of the form "*A*B*" and "*" as both delimiters this is the first entry, A.
QString TokenBetween(const QString& text, const QString& startDelimiter, const QString& endDelimiter);
