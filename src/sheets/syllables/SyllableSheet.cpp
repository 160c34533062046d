#include "sheets/syllables/SyllableSheet.h"

#include "components/NumberText.h"
#include "components/TextTools.h"
#include "sheets/SheetContext.h"
#include "sheets/SheetDraw.h"
#include "sheets/SheetScore.h"
#include "sheets/TypedAnswerRows.h"
#include "sheets/Variants.h"

void SyllableSheet::Present()
{
    mdl_KolTest& state = m_context.state;
    const QList<int> drawn =
        drawSheet(m_context, Section::Syllables, upperBound(state.g_SyllableTasks), state.g_SyllablesEasy, 4);
    for (int row = 0; row < 4; ++row) {
        SyllableRecord& record = state.g_SyllableTasks[drawn[row]];
        const QString number = drawn[row] != 0 ? printWhole(record.Value, false) : QString();
        if (row < 2) {
            AnzS2[row].Caption = trimBlanksRight(ensureList(record.Syllables).Item(1));
            state.g_Solutions[row] = number;
        } else {
            AnzS2[row].Caption = number;
            state.g_Solutions[row] = starredVariants(record.Syllables);
        }
        Zahl[row].Enabled = drawn[row] != 0;
    }
    m_context.SetFocus(&Zahl[0]);
}

void SyllableSheet::hOK2()
{
    const QString separator = QStringLiteral(" - richtig ist: ");
    mdl_KolTest& state = m_context.state;
    SheetScore score(m_context, TaskCategory::Syllables);
    for (int row = 0; row < 2; ++row)
        judgeSingleRow(score, AnzS2[row].Caption, Zahl[row], state.g_Solutions[row], separator);
    for (int row = 2; row < 4; ++row) {
        const QString& variants = state.g_Solutions[row];
        judgeListRow(score, AnzS2[row].Caption, Zahl[row], variants, separator, variants);
    }
    score.finish(state.g_SyllablesAsked, state.g_SyllablesRight);
}

void SyllableSheet::Zahl_Click(int index)
{
    TextBox& field = Zahl[index];
    const QString& prompt = AnzS2[index].Caption;
    if (index < 2)
        m_context.services.dialogs.ShowNumberPad(field, prompt);
    else
        m_context.services.dialogs.ShowTextPad(field, prompt);
}

void SyllableSheet::Zahl_KeyPress(int index, int keyAscii)
{
    if (keyAscii == KeyEnter)
        m_context.SetFocus(&Zahl[(index + 1) % 4]);
}
