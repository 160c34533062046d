#include "components/VisibleText.h"

namespace {

bool isInvisible(char32_t code)
{
    switch (QChar::category(code)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_NotAssigned:
    case QChar::Other_PrivateUse:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        break;
    }
    // Letters and marks that draw nothing.
    return code == 0x034F || code == 0x115F || code == 0x1160 || code == 0x3164 || code == 0xFFA0;
}

} // namespace

QString visibleText(const QString& text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t code = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        if (isInvisible(code))
            shown +=
                QStringLiteral("<U+%1>").arg(QString::number(code, 16).toUpper().rightJustified(4, u'0'));
        else
            shown += QString::fromUcs4(&code, 1);
    }
    return shown;
}

QString cutToWidth(const QString& text, qsizetype width)
{
    qsizetype endOfKept = 0; // after the first width - 1 characters
    qsizetype characters = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate())
            continue; // the second half of the character before
        if (++characters == width)
            endOfKept = i;
        if (characters > width)
            return text.left(endOfKept) + QStringLiteral("…");
    }
    return text;
}
