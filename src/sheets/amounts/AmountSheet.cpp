#include "sheets/amounts/AmountSheet.h"

#include "components/TextTools.h"
#include "sheets/NumberRows.h"
#include "sheets/SheetContext.h"
#include "sheets/SheetDraw.h"
#include "sheets/SheetScore.h"

namespace {

// A question a pupil can answer: it has a text, and its answer reads as a number.
bool poseable(const AmountRecord& record)
{
    return !trimBlanks(record.Text1).isEmpty() && isTypeableNumber(record.Text2);
}

} // namespace

void AmountSheet::Present()
{
    m_context.SetFocus(&Stoffm[0]);
    mdl_KolTest& state = m_context.state;
    const QList<int> drawn =
        drawSheet(m_context, Section::Amounts, upperBound(state.g_AmountTasks), state.g_AmountsEasy, 5, false,
                  [&state](int record) { return poseable(state.g_AmountTasks[record]); });
    for (int row = 0; row < 5; ++row) {
        const AmountRecord& record = state.g_AmountTasks[drawn[row]];
        AnzS12[row].Caption = record.Text1;
        state.g_Solutions[row] = record.Text2;
        Stoffm[row].Enabled = drawn[row] != 0;
    }
}

void AmountSheet::hOK12()
{
    mdl_KolTest& state = m_context.state;
    SheetScore score(m_context);
    for (int row = 0; row < 5; ++row)
        judgeNumberRow(score, Stoffm[row], state.g_Solutions[row]);
    score.finish(state.g_AmountsAsked, state.g_AmountsRight);
}

void AmountSheet::Stoffm_Click(int index)
{
    m_context.services.dialogs.ShowNumberPad(Stoffm[index], AnzS12[index].Caption);
}

void AmountSheet::Stoffm_KeyPress(int index, int keyAscii)
{
    if (keyAscii == KeyEnter)
        m_context.SetFocus(&Stoffm[(index + 1) % 5]);
}

void AmountSheet::but_Calc_Click(int index)
{
    if (index < 4 || index > 8)
        return;
    offerCalculator(m_context, Stoffm[index - 4],
                    QStringLiteral("Stoffmenge in Mol von ") + AnzS12[index - 4].Caption);
}
