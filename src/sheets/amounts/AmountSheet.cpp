#include "sheets/amounts/AmountSheet.h"

#include "components/TextTools.h"
#include "sheets/NumberRows.h"
#include "sheets/SheetContext.h"

namespace {

// A question a pupil can answer: it has a text, and its answer reads as a number.
bool poseable(const AmountRecord& record)
{
    return !trimBlanks(record.Text1).isEmpty() && isTypeableNumber(record.Text2);
}

} // namespace

void AmountSheet::Present()
{
    mdl_KolTest& state = m_context.state;
    const QList<int> drawn =
        m_rows.draw(Section::Amounts, upperBound(state.g_AmountTasks), state.g_AmountsEasy, false,
                    [&state](int record) { return poseable(state.g_AmountTasks[record]); });
    for (int row = 0; row < 5; ++row) {
        const AmountRecord& record = state.g_AmountTasks[drawn[row]];
        AnzS12[row].Caption = record.Text1;
        state.g_Solutions[row] = record.Text2;
    }
}

void AmountSheet::hOK12()
{
    m_rows.judge(TaskCategory::Amounts, m_context.state.g_AmountsAsked, m_context.state.g_AmountsRight);
}
