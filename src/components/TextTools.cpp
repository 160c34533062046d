#include "components/TextTools.h"

#include <QStringList>

QString trimBlanksRight(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.left(end);
}

QString trimBlanks(const QString& text)
{
    qsizetype start = 0;
    while (start < text.size() && text.at(start) == QLatin1Char(' '))
        ++start;
    return trimBlanksRight(text.mid(start));
}

QString upperEachChar(const QString& text)
{
    QString result = text;
    for (QChar& c : result)
        c = c.toUpper();
    return result;
}

QString TokenBetween(const QString& text, const QString& startDelimiter, const QString& endDelimiter)
{
    const qsizetype start = text.indexOf(startDelimiter);
    if (start < 0)
        return {};
    const qsizetype from = start + startDelimiter.size();
    const qsizetype end = text.indexOf(endDelimiter, from);
    return end < 0 ? QString() : text.mid(from, end - from);
}
