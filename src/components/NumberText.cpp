#include "components/NumberText.h"

#include <cmath>
#include <limits>

namespace {

bool isSkipped(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

// The characters of the text that the reader looks at: everything but the skipped white space.
class Cursor {
public:
    explicit Cursor(QStringView text) : m_text(text) { skip(); }
    bool atEnd() const { return m_pos >= m_text.size(); }
    qsizetype position() const { return m_pos; }
    QChar peek() const { return atEnd() ? QChar() : m_text.at(m_pos); }
    QChar upperPeek() const { return peek().toUpper(); }
    void advance()
    {
        ++m_pos;
        skip();
    }

private:
    void skip()
    {
        while (m_pos < m_text.size() && isSkipped(m_text.at(m_pos)))
            ++m_pos;
    }
    QStringView m_text;
    qsizetype m_pos = 0;
};

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The value of a hexadecimal digit, or -1 for any other character.
int hexDigitValue(QChar c)
{
    const char16_t u = c.toUpper().unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

double readRadixWhole(Cursor& c, int radix)
{
    double value = 0;
    for (int digit = hexDigitValue(c.peek()); digit >= 0 && digit < radix; digit = hexDigitValue(c.peek())) {
        value = value * radix + digit;
        c.advance();
    }
    return value;
}

// The number at the cursor, possibly infinite; the cursor stops where the number ends.
double readNumber(Cursor& c)
{
    if (c.peek() == QLatin1Char('&')) {
        c.advance();
        const QChar kind = c.upperPeek();
        if (kind == QLatin1Char('H') || kind == QLatin1Char('O')) {
            c.advance();
            return readRadixWhole(c, kind == QLatin1Char('H') ? 16 : 8);
        }
        return 0;
    }

    // Collect the number's characters without the skipped white space, then let the C library read it.
    QString number;
    if (c.peek() == QLatin1Char('+') || c.peek() == QLatin1Char('-')) {
        number += c.peek();
        c.advance();
    }
    bool digits = false;
    while (isAsciiDigit(c.peek())) {
        number += c.peek();
        digits = true;
        c.advance();
    }
    if (c.peek() == QLatin1Char('.')) {
        number += QLatin1Char('.');
        c.advance();
        while (isAsciiDigit(c.peek())) {
            number += c.peek();
            digits = true;
            c.advance();
        }
    }
    if (!digits)
        return 0;
    if (c.upperPeek() == QLatin1Char('E') || c.upperPeek() == QLatin1Char('D')) {
        QString exponent = QStringLiteral("E");
        c.advance();
        if (c.peek() == QLatin1Char('+') || c.peek() == QLatin1Char('-')) {
            exponent += c.peek();
            c.advance();
        }
        bool exponentDigits = false;
        while (isAsciiDigit(c.peek())) {
            exponent += c.peek();
            exponentDigits = true;
            c.advance();
        }
        if (exponentDigits)
            number += exponent;
    }
    return number.toDouble();
}

} // namespace

double readLeadingNumber(QStringView text)
{
    // A number too large for a double (a long &H number as well as 1E999) reads as 0, never as infinity.
    Cursor c(text);
    const double value = readNumber(c);
    return std::isfinite(value) ? value : 0;
}

qsizetype leadingNumberLength(QStringView text)
{
    Cursor c(text);
    readNumber(c);
    return c.position();
}

long long roundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = std::nearbyint(value); // the default rounding mode rounds halves to even
    // Beyond the range of long long the nearer end stands in; converting such a value would be undefined.
    if (rounded < static_cast<double>(std::numeric_limits<long long>::min()))
        return std::numeric_limits<long long>::min();
    if (rounded >= 0x1p63)
        return std::numeric_limits<long long>::max();
    return static_cast<long long>(rounded);
}

std::optional<std::int16_t> toInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

QString printSingle(float value, bool signPosition)
{
    QString text = QString::number(static_cast<double>(value), 'g', 7);
    text.replace(QLatin1Char('e'), QLatin1Char('E'));
    if (signPosition && !text.startsWith(QLatin1Char('-')))
        text.prepend(QLatin1Char(' '));
    return text;
}

QString printWhole(long long value, bool signPosition)
{
    QString text = QString::number(value);
    if (signPosition && value >= 0)
        text.prepend(QLatin1Char(' '));
    return text;
}
