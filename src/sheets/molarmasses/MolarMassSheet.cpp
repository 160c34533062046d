#include "sheets/molarmasses/MolarMassSheet.h"

#include "components/NumberText.h"
#include "components/TextTools.h"
#include "sheets/NumberRows.h"
#include "sheets/SheetContext.h"

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
    mdl_KolTest& state = m_context.state;
    const QList<int> drawn =
        m_rows.draw(Section::MolarMasses, upperBound(state.g_MolarMassTasks), state.g_MolarMassesEasy, true,
                    [&state](int record) { return poseable(state.g_MolarMassTasks[record]); });
    const bool beginner = !state.isExpert();
    for (int row = 0; row < 4; ++row) {
        const bool posed = drawn[row] != 0;
        const MolarMassRecord& record = state.g_MolarMassTasks[drawn[row]];
        AnzS7[row].Caption = record.Formula.text();
        state.g_Solutions[row] = posed ? printSingle(record.MolarMass, true) : QString();
        lab_MolTerm[row].Visible = beginner && posed;
        lab_MolTerm[row].Term = beginner ? record.Term : QString();
    }
}

void MolarMassSheet::hOK8()
{
    m_rows.judge(TaskCategory::MolarMasses, m_context.state.g_MolarMassesAsked,
                 m_context.state.g_MolarMassesRight);
}
