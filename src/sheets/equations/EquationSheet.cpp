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

// What the pupil reads when lines that break the notation leave too few equations for the page.
QString tooFewReadableMessage(int readable, int skipped, bool limited)
{
    const QString where = limited ? QStringLiteral("vor der Zeile „%1“ ").arg(beginnerEndMarker) : QString();
    QString supply;
    if (readable == 0)
        supply = QStringLiteral("ist %1keine Gleichung richtig geschrieben").arg(where);
    else if (readable == 1)
        supply = QStringLiteral("ist %1nur eine Gleichung richtig geschrieben").arg(where);
    else
        supply = QStringLiteral("sind %1nur %2 Gleichungen richtig geschrieben").arg(where).arg(readable);
    const QString broken =
        skipped == 1 ? QStringLiteral("eine Zeile weicht") : QStringLiteral("%1 Zeilen weichen").arg(skipped);
    return QStringLiteral("Auf dieser Seite fehlen Aufgaben: Im Abschnitt „%1“ der Aufgabendatei %2 (%3 von "
                          "der Schreibweise ab), diese Seite braucht %4.\n\nBitte sag deiner Lehrerin oder "
                          "deinem Lehrer Bescheid.")
        .arg(sectionName(Section::Equations), supply, broken)
        .arg(EquationSheet::Rows);
}

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
    const int upper = upperBound(state.g_EquationTasks);
    const bool limited = !state.isExpert();
    const int max =
        std::clamp(limited ? static_cast<int>(state.g_EquationsEasy.toInt()) : upper, 0, std::max(upper, 0));

    // A line that breaks the notation is never drawn; the teacher learns which one and why.
    QList<int> readable;
    for (int record = 1; record <= max; ++record) {
        const EquationRow row = equationRow(state.g_EquationTasks.at(record));
        if (row.drawable())
            readable.append(record);
        else
            m_context.platform.Diagnose(
                QStringLiteral("%1: section %2 (%3), equation %4 „%5“ is not shown: %6")
                    .arg(state.g_CatalogFile)
                    .arg(sectionNumber(Section::Equations))
                    .arg(sectionName(Section::Equations))
                    .arg(record)
                    .arg(state.g_EquationTasks.at(record), row.problems.join(u' ')));
    }
    const int skipped = max - static_cast<int>(readable.size());
    // With every line readable the usual draw applies, with its notice for a section that is too small.
    if (skipped == 0)
        return drawSheet(m_context, Section::Equations, upper, state.g_EquationsEasy, Rows);

    QList<int> drawn;
    for (int pick : drawDistinct(m_context.random, static_cast<int>(readable.size()), Rows))
        drawn.append(readable.at(pick - 1));
    if (drawn.size() < Rows) {
        m_context.platform.Diagnose(
            QStringLiteral("%1: section %2 (%3) has %4 readable equations %5for a sheet of %6")
                .arg(state.g_CatalogFile)
                .arg(sectionNumber(Section::Equations))
                .arg(sectionName(Section::Equations))
                .arg(readable.size())
                .arg(limited ? QStringLiteral("for beginners ") : QString())
                .arg(Rows));
        m_context.NoticeOnceShown(tooFewReadableMessage(static_cast<int>(readable.size()), skipped, limited));
        while (drawn.size() < Rows)
            drawn.append(0);
    }
    return drawn;
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

bool EquationSheet::posed(int row) const
{
    return Einsetz[at(4 * row)].Visible; // a row without a task hides every slot
}

void EquationSheet::hOK9()
{
    mdl_KolTest& state = m_context.state;
    SheetScore score(m_context);
    for (int row = 0; row < Rows; ++row) {
        if (!posed(row))
            continue;
        score.asked(2);
        bool allRight = true;
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
            allRight = allRight && right;
        }
        if (allRight)
            score.right(2);
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
