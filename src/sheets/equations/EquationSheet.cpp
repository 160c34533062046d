#include "sheets/equations/EquationSheet.h"

#include "catalogue/CatalogueReader.h"
#include "components/NumberText.h"
#include "components/TextTools.h"
#include "sheets/NumberInput.h"
#include "sheets/SheetContext.h"
#include "sheets/SheetDraw.h"
#include "sheets/SheetScore.h"
#include "sheets/equations/EquationRows.h"

#include <algorithm>

namespace {

std::size_t at(int index)
{
    return static_cast<std::size_t>(index);
}

// How the notice speaks of a section with lines that break the notation.
const SupplyWords equationSupply{QStringLiteral("ist %1keine Gleichung richtig geschrieben"),
                                 QStringLiteral("ist %1nur eine Gleichung richtig geschrieben"),
                                 QStringLiteral("sind %1nur %2 Gleichungen richtig geschrieben"),
                                 QStringLiteral(" (eine Zeile weicht von der Schreibweise ab)"),
                                 QStringLiteral(" (%1 Zeilen weichen von der Schreibweise ab)"),
                                 QStringLiteral("readable equations"),
                                 {}};

} // namespace

EquationSheet::EquationSheet(SheetContext& context) : m_context(context)
{
    for (Label& correction : Einsetz2)
        correction.Visible = false;
    for (auto* pluses : {&PlusL, &PlusR})
        for (Label& plus : *pluses)
            plus.Caption = QStringLiteral("+");
    for (Label& arrow : Arrow)
        arrow.Caption = QStringLiteral("→");
}

void EquationSheet::Present()
{
    mdl_KolTest& state = m_context.state;
    std::fill(state.g_Solutions.begin(), state.g_Solutions.begin() + Slots + 1, QString());
    const QList<int> drawn = drawRecords();
    for (int row = 0; row < Rows; ++row) {
        const int record = drawn.at(row);
        presentRow(row, record == 0 ? EquationRow{} : equationRow(state.g_EquationTasks.at(record)));
    }
    const auto firstShown =
        std::find_if(Einsetz.begin(), Einsetz.end(), [](const TextBox& field) { return field.Visible; });
    if (firstShown != Einsetz.end())
        m_context.SetFocus(&*firstShown);
}

QList<int> EquationSheet::drawRecords()
{
    mdl_KolTest& state = m_context.state;
    // A line that breaks the notation is never drawn; the teacher learns which one and why.
    const auto readable = [this, &state](int record) {
        const EquationRow row = equationRow(state.g_EquationTasks.at(record));
        if (!row.drawable())
            m_context.platform.Diagnose(
                QStringLiteral("%1: section %2 (%3), equation %4 „%5“ is not shown: %6")
                    .arg(state.g_CatalogFile)
                    .arg(sectionNumber(Section::Equations))
                    .arg(sectionName(Section::Equations))
                    .arg(record)
                    .arg(state.g_EquationTasks.at(record), row.problems.join(u' ')));
        return row.drawable();
    };
    return drawSheet(m_context, Section::Equations, upperBound(state.g_EquationTasks), state.g_EquationsEasy,
                     Rows, true, readable, equationSupply);
}

void EquationSheet::presentRow(int row, const EquationRow& equation)
{
    mdl_KolTest& state = m_context.state;
    for (int j = 0; j < EquationRow::Slots; ++j) {
        const int slot = 4 * row + j;
        const bool used = equation.used(j);
        const QString& coefficient = equation.coefficients.at(at(j));
        Einsetz[at(slot)] = {state.isExpert() ? QStringLiteral("0") : QString(), Colour::Default, used, true};
        EText[at(slot)].Caption = equation.formulas.at(at(j));
        EText[at(slot)].Visible = used;
        Einsetz2[at(slot)].Caption = coefficient;
        Einsetz2[at(slot)].Visible = false;
        state.g_Solutions[at(slot + 1)] = coefficient;
    }
    PlusL[at(row)].Visible = equation.used(1);
    PlusR[at(row)].Visible = equation.used(3);
    Arrow[at(row)].Visible = equation.used(0);
}

QString EquationSheet::equationText(int row) const
{
    QString text;
    for (int j = 0; j < EquationRow::Slots; ++j) {
        const Label& formula = EText[at(4 * row + j)];
        if (!formula.Visible)
            continue;
        if (!text.isEmpty())
            text += j == 2 ? QStringLiteral(" → ") : QStringLiteral(" + ");
        text += formula.Caption;
    }
    return text;
}

bool EquationSheet::posed(int row) const
{
    return Einsetz[at(4 * row)].Visible; // a row without a task hides every slot
}

void EquationSheet::hOK9()
{
    mdl_KolTest& state = m_context.state;
    SheetScore score(m_context, TaskCategory::Equations);
    for (int row = 0; row < Rows; ++row) {
        if (!posed(row))
            continue;
        QStringList expected;
        QStringList entered;
        PartVerdicts partsRight;
        for (int slot = 4 * row; slot < 4 * row + EquationRow::Slots; ++slot) {
            TextBox& field = Einsetz[at(slot)];
            if (!field.Visible)
                continue;
            if (trimBlanks(field.Text).isEmpty())
                field.Text = QStringLiteral("1"); // as in chemical notation, no coefficient means one
            QString typed = field.Text;
            NormalizeNumberText(typed); // "2,0" is the number 2, "2,5" is not
            const bool right = isBareNumber(typed) &&
                               readLeadingNumber(typed) == readLeadingNumber(state.g_Solutions[at(slot + 1)]);
            field.BackColor = right ? Colour::LightGreen : Colour::LightRed;
            Einsetz2[at(slot)].Visible = !right;
            expected << state.g_Solutions[at(slot + 1)];
            entered << trimBlanks(field.Text);
            partsRight << right;
        }
        score.judged(equationText(row), expected.join(u' '), entered.join(u' '), partsRight, 2);
    }
    score.finish(state.g_EquationsAsked, state.g_EquationsRight);
}

void EquationSheet::Einsetz_Click(int index)
{
    m_context.services.dialogs.ShowNumberPad(Einsetz[at(index)], QStringLiteral("Eingabe"));
}

void EquationSheet::Einsetz_KeyPress(int index, int keyAscii)
{
    if (keyAscii != KeyEnter)
        return;
    // Counting on from the next field, the field itself comes last: it keeps the focus when it is alone.
    for (int step = 1; step <= Slots; ++step) {
        const TextBox& next = Einsetz[at((index + step) % Slots)];
        if (next.Visible) {
            m_context.SetFocus(&next);
            return;
        }
    }
}
