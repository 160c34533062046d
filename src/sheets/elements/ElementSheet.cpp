#include "sheets/elements/ElementSheet.h"

#include "components/TextTools.h"
#include "sheets/SheetContext.h"
#include "sheets/SheetDraw.h"
#include "sheets/SheetScore.h"
#include "sheets/TypedAnswerRows.h"
#include "sheets/Variants.h"

void ElementSheet::Present()
{
    mdl_KolTest& state = m_context.state;
    const QList<int> drawn =
        drawSheet(m_context, Section::Elements, upperBound(state.g_ElementTasks), state.g_ElementsEasy, 6);
    for (int row = 0; row < 3; ++row) {
        ElementRecord& named = state.g_ElementTasks[drawn[row]];
        AnzS1[row].Caption = trimBlanksRight(ensureList(named.Names).Item(1));
        state.g_Solutions[row] = trimBlanksRight(named.Symbol);
        EleSym[row].Enabled = drawn[row] != 0;

        ElementRecord& symbolised = state.g_ElementTasks[drawn[row + 3]];
        AnzS1[row + 3].Caption = trimBlanksRight(symbolised.Symbol);
        state.g_Solutions[row + 3] = starredVariants(symbolised.Names);
        Ele[row].Enabled = drawn[row + 3] != 0;
    }
    m_context.SetFocus(&EleSym[0]);
}

void ElementSheet::hOK1()
{
    const QString separator = QStringLiteral(" - Richtig ist: ");
    mdl_KolTest& state = m_context.state;
    SheetScore score(m_context, TaskCategory::Elements);
    for (int row = 0; row < 3; ++row)
        judgeSingleRow(score, AnzS1[row].Caption, EleSym[row], state.g_Solutions[row], separator);
    for (int row = 0; row < 3; ++row) {
        const QString& variants = state.g_Solutions[row + 3];
        judgeListRow(score, AnzS1[row + 3].Caption, Ele[row], variants, separator,
                     TokenBetween(variants, QStringLiteral("*"), QStringLiteral("*")));
    }
    score.finish(state.g_ElementsAsked, state.g_ElementsRight);
}

void ElementSheet::EleSym_Click(int index)
{
    m_context.services.dialogs.ShowTextPad(EleSym[index], AnzS1[index].Caption);
}

void ElementSheet::Ele_Click(int index)
{
    m_context.services.dialogs.ShowTextPad(Ele[index], AnzS1[index + 3].Caption);
}

void ElementSheet::EleSym_KeyPress(int index, int keyAscii)
{
    if (keyAscii == KeyEnter)
        m_context.SetFocus(index < 2 ? &EleSym[index + 1] : &Ele[0]);
}

void ElementSheet::Ele_KeyPress(int index, int keyAscii)
{
    if (keyAscii == KeyEnter)
        m_context.SetFocus(index < 2 ? &Ele[index + 1] : &EleSym[0]);
}
