#include "sheets/substances/SubstanceSheet.h"

#include "components/TextTools.h"
#include "sheets/SheetContext.h"
#include "sheets/SheetDraw.h"
#include "sheets/SheetScore.h"

#include <algorithm>

namespace {

constexpr int Rows = 6;
const QString nameSeparator = QStringLiteral("|");

// A substance a pupil can be asked about: it has a formula and at least one name.
bool poseable(SubstanceRecord& record)
{
    if (trimBlanks(record.Name).isEmpty())
        return false;
    const QStringList names = ensureList(record.Combined).items();
    return std::any_of(names.begin(), names.end(),
                       [](const QString& name) { return !trimBlanks(name).isEmpty(); });
}

// Whether the entry matches the expected answer: one of its "|"-separated names, or the whole text when it
// holds no "|". Nothing entered matches nothing.
bool matches(const QString& entry, const QString& expected)
{
    return !entry.isEmpty() && expected.split(nameSeparator).contains(entry);
}

} // namespace

SubstanceSheet::SubstanceSheet(SheetContext& context) : m_context(context)
{
    for (Label& title : lab_SubsTermTitle)
        title.Caption = QStringLiteral("Richtig:");
}

void SubstanceSheet::Present()
{
    m_context.SetFocus(&Substein[0]);
    mdl_KolTest& state = m_context.state;
    const QList<int> drawn =
        drawSheet(m_context, Section::Substances, upperBound(state.g_SubstanceTasks), state.g_SubstancesEasy,
                  Rows, true, [&state](int record) { return poseable(state.g_SubstanceTasks[record]); });
    for (int row = 0; row < Rows; ++row) {
        SubstanceRecord& record = state.g_SubstanceTasks[drawn[row]];
        TextList& names = ensureList(record.Combined);
        if (row < 3) {
            lab_SubsTerm[row].Term = record.Name;
            state.g_Solutions[row] = names.Join(QString(), nameSeparator, QString());
        } else {
            Substanz[row].Caption = names.Item(1);
            state.g_Solutions[row] = record.Name;
        }
        Substein[row].Enabled = drawn[row] != 0;
        lab_SubCorrect[row].Visible = false;
        lab_SubsTermTitle[row].Visible = false;
    }
}

void SubstanceSheet::hOK11()
{
    mdl_KolTest& state = m_context.state;
    SheetScore score(m_context, TaskCategory::Substances);
    for (int row = 0; row < Rows; ++row) {
        TermInput& input = Substein[row];
        if (!input.Enabled)
            continue; // a row without a task
        const QString& expected = state.g_Solutions[row];
        const QString entry = trimBlanks(input.Term);
        const bool right = matches(entry, expected);
        score.judged(row < 3 ? lab_SubsTerm[row].Term : Substanz[row].Caption,
                     expected.split(nameSeparator).join(QStringLiteral(" / ")), entry, right);
        if (right) {
            input.BackColor = Colour::LightGreen;
        } else {
            input.BackColor = Colour::LightRed;
            lab_SubCorrect[row].Term = expected.section(nameSeparator, 0, 0);
            lab_SubCorrect[row].Visible = true;
            lab_SubsTermTitle[row].Visible = true;
        }
    }
    score.finish(state.g_SubstancesAsked, state.g_SubstancesRight);
}

void SubstanceSheet::Leave()
{
    for (int row = 3; row < Rows; ++row)
        lab_SubsTermTitle[row].Visible = false;
}

void SubstanceSheet::Substein_Click(int index)
{
    TermInput& input = Substein[index];
    if (index < 3) {
        // A name needs umlauts, ß, blanks and hyphens, which only the text pad has.
        TextBox name{input.Term};
        m_context.services.dialogs.ShowTextPad(name, lab_SubsTerm[index].Term);
        input.Term = name.Text;
    } else {
        input.Term = m_context.services.dialogs.EditTerm(input.Term, Substanz[index].Caption);
    }
}

void SubstanceSheet::Substein_KeyPress(int index, int keyAscii)
{
    if (keyAscii == KeyEnter)
        m_context.SetFocus(&Substein[(index + 1) % Rows]);
}
