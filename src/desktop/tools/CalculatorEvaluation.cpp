#include "desktop/tools/CalculatorEvaluation.h"

#include <QLocale>

#include <muParser.h>

#include <cmath>
#include <optional>

namespace {

constexpr int shownDigits = 12;

const QString invalidInput = QStringLiteral("Ungültige Eingabe");

// The one operation the calculator refuses; muparser itself would give infinity.
mu::value_type divide(mu::value_type dividend, mu::value_type divisor)
{
    if (divisor == 0)
        throw mu::ParserError(mu::ecDIV_BY_ZERO);
    return dividend / divisor;
}

mu::value_type add(mu::value_type a, mu::value_type b)
{
    return a + b;
}

mu::value_type subtract(mu::value_type a, mu::value_type b)
{
    return a - b;
}

mu::value_type multiply(mu::value_type a, mu::value_type b)
{
    return a * b;
}

// The expression in muparser's notation, or nothing when it holds a character the calculator has no key
// for. So no function, constant or variable of muparser can be reached, and letters never reach it (except
// the "e" of a shown result such as 1,5e+20).
std::optional<std::string> toParserNotation(const QString& expression, QString& rejected)
{
    std::string text;
    for (const QChar c : expression) {
        if (c.isDigit() && c.unicode() < 128)
            text += static_cast<char>(c.unicode());
        else if (c == QLatin1Char(',') || c == QLatin1Char('.'))
            text += '.';
        else if (c == calculatorTimes.front() || c == QLatin1Char('*'))
            text += '*';
        else if (c == calculatorDivide.front() || c == QLatin1Char('/') || c == QLatin1Char(':'))
            text += '/';
        else if (c == calculatorMinus.front() || c == QLatin1Char('-'))
            text += '-';
        else if (QStringLiteral("+()eE ").contains(c))
            text += static_cast<char>(c.unicode());
        else {
            rejected = c;
            return std::nullopt;
        }
    }
    return text;
}

mu::value_type evaluateInParser(const std::string& expression)
{
    mu::Parser parser;
    parser.EnableBuiltInOprt(false);
    parser.DefineOprt("+", add, mu::prADD_SUB);
    parser.DefineOprt("-", subtract, mu::prADD_SUB);
    parser.DefineOprt("*", multiply, mu::prMUL_DIV);
    parser.DefineOprt("/", divide, mu::prMUL_DIV);
    parser.SetExpr(expression);
    return parser.Eval();
}

CalculatorResult failure(const QString& error, const QString& diagnostic)
{
    return {0, error, diagnostic};
}

} // namespace

CalculatorResult evaluateExpression(const QString& expression)
{
    if (expression.trimmed().isEmpty())
        return failure(invalidInput, QStringLiteral("Rechner: leere Eingabe"));
    QString rejected;
    const std::optional<std::string> parserText = toParserNotation(expression, rejected);
    if (!parserText)
        return failure(invalidInput,
                       QStringLiteral("Rechner: „%1“ enthält das Zeichen „%2“, für das es keine "
                                      "Taste gibt")
                           .arg(expression, rejected));
    double value = 0;
    try {
        value = evaluateInParser(*parserText);
    } catch (const mu::ParserError& error) {
        const QString diagnostic =
            QStringLiteral("Rechner: „%1“: %2").arg(expression, QString::fromStdString(error.GetMsg()));
        return failure(error.GetCode() == mu::ecDIV_BY_ZERO ? QStringLiteral("Division durch Null")
                                                            : invalidInput,
                       diagnostic);
    }
    if (!std::isfinite(value))
        return failure(QStringLiteral("Ergebnis zu groß"),
                       QStringLiteral("Rechner: „%1“ ergibt keinen endlichen Wert").arg(expression));
    // What the display shows is what the pupil takes: 0,1+0,2 gives 0,3, not 0,30000000000000004.
    value = QString::number(value, 'g', shownDigits).toDouble();
    return {value == 0 ? 0.0 : value, {}, {}}; // no "−0"
}

QString calculatorNumberText(double value)
{
    QLocale german(QLocale::German, QLocale::Germany);
    german.setNumberOptions(QLocale::OmitGroupSeparator);
    return german.toString(value, 'g', shownDigits).replace(QLatin1Char('-'), calculatorMinus);
}

QString toggleLastSign(const QString& expression)
{
    // The last operand starts at `start`: a number, or a whole bracket when the expression ends with ")".
    qsizetype start = expression.size();
    if (expression.endsWith(QLatin1Char(')'))) {
        int depth = 0;
        while (start > 0) {
            const QChar c = expression.at(--start);
            depth += c == QLatin1Char(')') ? 1 : c == QLatin1Char('(') ? -1 : 0;
            if (depth == 0)
                break;
        }
    } else {
        while (start > 0 &&
               (expression.at(start - 1).isDigit() || expression.at(start - 1) == QLatin1Char(',')))
            --start;
    }
    // A "−" before the operand is its sign when nothing or an operator or "(" stands before it.
    const bool signed_ = start > 0 && expression.at(start - 1) == calculatorMinus.front() &&
                         (start == 1 || QStringLiteral("+×÷(").contains(expression.at(start - 2)) ||
                          expression.at(start - 2) == calculatorMinus.front());
    QString toggled = expression;
    if (signed_)
        toggled.remove(start - 1, 1);
    else
        toggled.insert(start, calculatorMinus);
    return toggled;
}
