#include "sheets/molarmasses/MolarMassSheet.h"

#include "components/NumberText.h"
#include "components/TextTools.h"
#include "sheets/NumberRows.h"
#include "sheets/SheetContext.h"
#include "sheets/SheetDraw.h"
#include "sheets/SheetScore.h"

#include <cmath>

namespace {

// A record whose molar mass a pupil can type: a finite positive mass (a mass line that did not read as a
// number leaves 0) and a task text to show.
bool poseable(const MolarMassRecord& record)
{
    return std::isfinite(record.MolarMass) && record.MolarMass > 0 &&
           !trimBlanks(record.Formula.text()).isEmpty();
}

} // namespace

void MolarMassSheet::Present()
{
    m_context.SetFocus(&Mol[0]);
    mdl_KolTest& state = m_context.state;
    const QList<int> drawn = drawSheet(
        m_context, Section::MolarMasses, upperBound(state.g_MolarMassTasks), state.g_MolarMassesEasy, 4, true,
        [&state](int record) { return poseable(state.g_MolarMassTasks[record]); });
    const bool beginner = !state.isExpert();
    for (int row = 0; row < 4; ++row) {
        const bool posed = drawn[row] != 0;
        const MolarMassRecord& record = state.g_MolarMassTasks[drawn[row]];
        AnzS7[row].Caption = record.Formula.text();
        state.g_Solutions[row] = posed ? printSingle(record.MolarMass, true) : QString();
        lab_MolTerm[row].Visible = beginner && posed;
        lab_MolTerm[row].Term = beginner ? record.Term : QString();
        Mol[row].Enabled = posed;
    }
}

void MolarMassSheet::hOK8()
{
    mdl_KolTest& state = m_context.state;
    SheetScore score(m_context);
    for (int row = 0; row < 4; ++row)
        judgeNumberRow(score, Mol[row], state.g_Solutions[row]);
    score.finish(state.g_MolarMassesAsked, state.g_MolarMassesRight);
}

void MolarMassSheet::Mol_Click(int index)
{
    m_context.services.dialogs.ShowNumberPad(Mol[index], AnzS7[index].Caption);
}

void MolarMassSheet::Mol_KeyPress(int index, int keyAscii)
{
    if (keyAscii == KeyEnter)
        m_context.SetFocus(&Mol[(index + 1) % 4]);
}

void MolarMassSheet::but_Calc_Click(int index)
{
    if (index < 0 || index > 3)
        return;
    offerCalculator(m_context, Mol[index], QStringLiteral("Molare Masse von ") + AnzS7[index].Caption);
}
