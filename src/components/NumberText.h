#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

// Reads the number at the start of a text by the classic leading-number rule: blanks, tabs and line
// feeds are skipped wherever they stand (also between digits), then an optional sign, digits, an
// optional "." with more digits and an optional exponent ("E" or "D", optional sign, digits) are taken.
// "&H" and "&O" introduce a hexadecimal or octal whole number. Reading stops at the first character that
// cannot continue the number; a text that does not start with a number reads as 0. The catalogue loader,
// the typed answers and the expected answers all go through this one function.
double readLeadingNumber(QStringView text);

// How many characters of the text readLeadingNumber takes, the white space after the number included: what
// follows them is not part of the number ("58.4 g" takes 5, "1 2 g" takes 4). Meaningful only for a text
// that starts with a number.
qsizetype leadingNumberLength(QStringView text);

// Rounds to the nearest whole number, halves to the even neighbour (2.5 gives 2, 3.5 gives 4). A value
// beyond the range of long long gives its nearer end, NaN gives 0.
long long roundHalfEven(double value);

// A number as a 16-bit whole number, rounded halves to even; nothing when it lies outside -32768..32767.
std::optional<std::int16_t> toInt16(double value);

// A single-precision value as text with up to seven significant digits and "." as decimal point.
// With a sign position a non-negative value gets one leading blank (" 12"), a negative one its "-".
QString printSingle(float value, bool signPosition);

// A whole number as text, optionally with the sign position described above.
QString printWhole(long long value, bool signPosition);
