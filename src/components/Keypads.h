#pragma once

#include <QString>
#include <QStringList>

// The on-screen pads that answer fields open, and what their keys type. The desktop lays out exactly these
// keys; that every answer of the catalogue can be typed on the pad of its field is checked against them.
enum class KeypadKind {
    Text,    // digits, letters with umlauts and ß, a shift key for the capitals, blank, brackets, hyphen
    Number,  // digits, decimal comma, minus and E
    Formula, // capitals and small letters side by side, digits, the adduct dot and brackets
};

namespace keypad {

// The text pad's digits, as on top of a German keyboard: some names have them ("2-Methylpropan").
inline const QString textDigits = QStringLiteral("1234567890");
// The text pad's letters in small letters, row by row as on a German keyboard; its shift key gives the
// capitals (ß has none).
inline const QStringList textLetterRows = {QStringLiteral("qwertzuiopü"), QStringLiteral("asdfghjklöä"),
                                           QStringLiteral("yxcvbnmß")};
// The text pad's signs besides the blank: names such as "Eisen(III)-oxid" need them.
inline const QString textSigns = QStringLiteral("()-");

// A block of keys row by row as on a calculator ("0" is twice as wide), and the signs in the column beside
// it, under the backspace key.
struct DigitBlock {
    QStringList rows;
    QString sideSigns;
};
inline const DigitBlock numberBlock = {
    {QStringLiteral("789"), QStringLiteral("456"), QStringLiteral("123"), QStringLiteral("0,")},
    QStringLiteral("-E")};

// The formula pad: thirteen letters a row, capitals above small letters, and its block of digits.
inline const QStringList formulaLetterRows = {
    QStringLiteral("ABCDEFGHIJKLM"), QStringLiteral("NOPQRSTUVWXYZ"), QStringLiteral("abcdefghijklm"),
    QStringLiteral("nopqrstuvwxyz")};
inline const DigitBlock formulaBlock = {
    {QStringLiteral("789"), QStringLiteral("456"), QStringLiteral("123"), QStringLiteral("0·")},
    QStringLiteral("()")};

} // namespace keypad

// Every character the pad can type.
QString keypadCharacters(KeypadKind kind);
