#include "components/Keypads.h"

namespace {

QString blockCharacters(const keypad::DigitBlock& block)
{
    return block.rows.join(QString()) + block.sideSigns;
}

} // namespace

QString keypadCharacters(KeypadKind kind)
{
    switch (kind) {
    case KeypadKind::Text: {
        const QString letters = keypad::textLetterRows.join(QString());
        QString capitals;
        for (const QChar letter : letters)
            capitals += letter.toUpper(); // per character: ß stays ß
        return keypad::textDigits + letters + capitals + QLatin1Char(' ') + keypad::textSigns;
    }
    case KeypadKind::Number:
        return blockCharacters(keypad::numberBlock);
    case KeypadKind::Formula:
        return keypad::formulaLetterRows.join(QString()) + blockCharacters(keypad::formulaBlock);
    }
    return {};
}
