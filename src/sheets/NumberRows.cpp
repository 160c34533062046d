#include "sheets/NumberRows.h"

#include "sheets/NumberInput.h"
#include "sheets/SheetContext.h"
#include "sheets/SheetDraw.h"
#include "sheets/SheetScore.h"
#include "sheets/TypedAnswerRows.h"

#include <QLocale>

#include <cmath>
#include <utility>

bool isTypeableNumber(const QString& expected)
{
    QString text = TrimUpper(expected);
    return std::isfinite(ParseNumber(text)) && startsWithNumber(text);
}

void judgeNumberRow(SheetScore& score, const QString& task, TextBox& field, const QString& expected)
{
    if (!field.Enabled)
        return;
    QString typed = TrimUpper(field.Text);
    QString wanted = TrimUpper(expected);
    const float typedValue = ParseNumber(typed);
    const bool right = isOneNumber(typed) && typedValue == ParseNumber(wanted);
    judgeTypedRow(score, task, field, right, expected, QStringLiteral(" - richtig ist: "), expected);
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

NumberSheetRows::NumberSheetRows(SheetContext& context, std::span<Label> tasks, std::span<TextBox> fields,
                                 int firstCalculator, QString calculatorPrompt)
    : m_context(context), m_tasks(tasks), m_fields(fields), m_firstCalculator(firstCalculator),
      m_calculatorPrompt(std::move(calculatorPrompt))
{
}

QList<int> NumberSheetRows::draw(Section section, int upperBound, const DynValue& easyLimit,
                                 bool appliesBeginnerLimit, const std::function<bool(int record)>& poseable)
{
    m_context.SetFocus(&m_fields[0]);
    const QList<int> drawn = drawSheet(m_context, section, upperBound, easyLimit,
                                       static_cast<int>(m_fields.size()), appliesBeginnerLimit, poseable);
    for (std::size_t row = 0; row < m_fields.size(); ++row)
        m_fields[row].Enabled = drawn.at(static_cast<int>(row)) != 0;
    return drawn;
}

void NumberSheetRows::judge(TaskCategory category, DynValue& categoryAsked, double& categoryRight)
{
    SheetScore score(m_context, category);
    for (std::size_t row = 0; row < m_fields.size(); ++row)
        judgeNumberRow(score, m_tasks[row].Caption, m_fields[row], m_context.state.g_Solutions[row]);
    score.finish(categoryAsked, categoryRight);
}

void NumberSheetRows::fieldClick(int index)
{
    const auto row = static_cast<std::size_t>(index);
    m_context.services.dialogs.ShowNumberPad(m_fields[row], m_tasks[row].Caption);
}

void NumberSheetRows::fieldKeyPress(int index, int keyAscii)
{
    if (keyAscii == KeyEnter)
        m_context.SetFocus(&m_fields[static_cast<std::size_t>(index + 1) % m_fields.size()]);
}

void NumberSheetRows::calculatorClick(int button)
{
    const int row = button - m_firstCalculator;
    if (row < 0 || row >= static_cast<int>(m_fields.size()))
        return;
    const auto at = static_cast<std::size_t>(row);
    offerCalculator(m_context, m_fields[at], m_calculatorPrompt + m_tasks[at].Caption);
}
