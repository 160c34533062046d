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

// Whether a normalised answer is one number and not a hedge between two: it starts with a number, and what
// follows holds no further digit. A unit or a word may follow ("58.4 g", "2 mol", "12.5 g/mol"), another
// number may not ("20 oder 21", "70.9.5"). Blanks between digits join them ("1 2" is 12).
bool isOneNumber(const QString& normalised);

// Whether a normalised answer is a number and nothing else, as a coefficient must be ("2", " 1 2 ", but not
// "2x" or "2 mal").
bool isBareNumber(const QString& normalised);

// s in capitals character by character (umlauts become capitals, ß stays), without blanks at either end.
QString TrimUpper(const QString& s);
