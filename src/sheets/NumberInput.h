#pragma once

#include <QString>

// How typed and expected answers are brought into one form before they are compared. Pupils type numbers
// the German way (decimal comma, a small e for the exponent) and terms in any mix of capitals and blanks.

// Every "," becomes "." and every small "e" a capital "E"; nothing else changes, the length stays.
void NormalizeNumberText(QString& s);

// Normalises s in place, then reads its leading number (readLeadingNumber: blanks anywhere are skipped, so
// "1 2" reads as 12; reading stops at the first character that cannot continue the number; a text that
// does not start with a number reads as 0) and rounds it to single precision. A value beyond the single
// range becomes an infinity of its sign.
float ParseNumber(QString& s);

// Whether a normalised text starts with a number at all (after blanks, an optional sign, then a digit or
// a point and a digit), so that an empty field or a text of words never counts as the number 0.
bool startsWithNumber(const QString& normalised);

// s in capitals character by character (umlauts become capitals, ß stays), without blanks at either end.
QString TrimUpper(const QString& s);

// s without any blank and without any character of code 0.
QString StripBlanks(const QString& s);
