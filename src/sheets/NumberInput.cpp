#include "sheets/NumberInput.h"

#include "components/NumberText.h"
#include "components/TextTools.h"

#include <cmath>
#include <limits>

void NormalizeNumberText(QString& s)
{
    for (QChar& ch : s) {
        if (ch == QLatin1Char(','))
            ch = QLatin1Char('.');
        else if (ch == QLatin1Char('e'))
            ch = QLatin1Char('E');
    }
}

float ParseNumber(QString& s)
{
    NormalizeNumberText(s);
    const double value = readLeadingNumber(s);
    if (std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max())) {
        constexpr float infinity = std::numeric_limits<float>::infinity();
        return value > 0 ? infinity : -infinity;
    }
    return static_cast<float>(value);
}

namespace {

// The white space the number reader skips wherever it stands.
bool skippedByReader(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

} // namespace

bool startsWithNumber(const QString& normalised)
{
    QString rest;
    for (QChar c : normalised)
        if (!skippedByReader(c))
            rest += c;
    qsizetype i = rest.startsWith(QLatin1Char('+')) || rest.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (i < rest.size() && rest.at(i) == QLatin1Char('.'))
        ++i;
    return i < rest.size() && rest.at(i) >= QLatin1Char('0') && rest.at(i) <= QLatin1Char('9');
}

namespace {

QStringView afterNumber(const QString& normalised)
{
    return QStringView(normalised).mid(leadingNumberLength(normalised));
}

// Whether the digit at `at` begins a number of its own, rather than a unit's power written after its
// letters ("dm3", "mol^-1", "mol-1").
bool beginsAnotherNumber(QStringView rest, qsizetype at)
{
    if (at > 0 && rest.at(at - 1).isDigit())
        return false;
    qsizetype before = at;
    if (before > 0 && (rest.at(before - 1) == QLatin1Char('-') || rest.at(before - 1) == QChar(0x2212)))
        --before;
    if (before > 0 && rest.at(before - 1) == QLatin1Char('^'))
        --before;
    return before == 0 || !rest.at(before - 1).isLetter();
}

} // namespace

bool isOneNumber(const QString& normalised)
{
    const QStringView rest = afterNumber(normalised);
    if (!startsWithNumber(normalised))
        return false;
    for (qsizetype i = 0; i < rest.size(); ++i)
        if (rest.at(i).isDigit() && beginsAnotherNumber(rest, i))
            return false;
    return true;
}

bool isBareNumber(const QString& normalised)
{
    return startsWithNumber(normalised) && afterNumber(normalised).isEmpty();
}

QString TrimUpper(const QString& s)
{
    return trimBlanks(upperEachChar(s));
}
