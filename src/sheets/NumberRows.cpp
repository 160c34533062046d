#include "sheets/NumberRows.h"

#include "sheets/NumberInput.h"
#include "sheets/SheetContext.h"
#include "sheets/TypedAnswerRows.h"

#include <QLocale>

#include <cmath>

bool isTypeableNumber(const QString& expected)
{
    QString text = TrimUpper(expected);
    return std::isfinite(ParseNumber(text)) && startsWithNumber(text);
}

void judgeNumberRow(SheetScore& score, TextBox& field, const QString& expected)
{
    if (!field.Enabled)
        return;
    QString typed = TrimUpper(field.Text);
    QString wanted = TrimUpper(expected);
    const float typedValue = ParseNumber(typed);
    const bool right = isOneNumber(typed) && typedValue == ParseNumber(wanted);
    judgeTypedRow(score, field, right, QStringLiteral(" - richtig ist: "), expected);
}

QString calculatorText(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest)
        .replace(QLatin1Char('.'), QLatin1Char(','));
}

void offerCalculator(SheetContext& context, TextBox& field, const QString& prompt)
{
    if (!field.Enabled)
        return;
    if (context.state.isExpert()) {
        context.tools.notices.ShowNotice(QStringLiteral("Tut mir leid! Experten müssen im Kopf rechnen!"),
                                         QString());
        return;
    }
    const double result = context.services.tools.ShowCalculator(prompt);
    if (result != ToolsService::NoResult && std::isfinite(result))
        field.Text = calculatorText(result);
}
