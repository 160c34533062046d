#pragma once

#include <QString>

// The arithmetic of the calculator. Expressions are written as the calculator shows them (decimal comma,
// "×", "÷", "−") or as typed on a keyboard (point, "*", "/", ":", "-"); both may be mixed.

inline const QString calculatorMinus = QStringLiteral("\u2212");
inline const QString calculatorTimes = QStringLiteral("\u00d7");
inline const QString calculatorDivide = QStringLiteral("\u00f7");

struct CalculatorResult {
    double value = 0;   // rounded to the twelve significant digits the display shows
    QString error;      // German, short enough for the display; empty when there is a value
    QString diagnostic; // for standard error: what exactly went wrong, and where
    bool ok() const { return error.isEmpty(); }
};

CalculatorResult evaluateExpression(const QString& expression);

// A value as the display shows it: decimal comma, no group separators, at most twelve significant digits,
// "−" for a negative value ("12,5", "−0,25").
QString calculatorNumberText(double value);

// The key "±": changes the sign of the last number (or bracket) of the expression, or starts a negative
// number when none stands at the end ("12+3" → "12+−3" → "12+3", "" → "−").
QString toggleLastSign(const QString& expression);
