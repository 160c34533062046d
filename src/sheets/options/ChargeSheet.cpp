#include "sheets/options/ChargeSheet.h"

#include "catalogue/Section.h"
#include "components/TextTools.h"
#include "sheets/SheetContext.h"
#include "sheets/SheetDraw.h"
#include "sheets/options/OptionRows.h"

#include <cstdlib>

namespace {

constexpr int HighestCharge = 3;

} // namespace

ChargeSheet::ChargeSheet(SheetContext& context) : m_context(context)
{
    for (std::size_t i = 0; i < ChooseS5_1.size(); ++i) {
        const int charge = static_cast<int>(i % OptionsPerRow) - HighestCharge;
        ChooseS5_1[i].Caption = charge > 0 ? QStringLiteral("+%1").arg(charge) : QString::number(charge);
    }
}

void ChargeSheet::Present()
{
    mdl_KolTest& state = m_context.state;
    const QList<int> drawn =
        drawSheet(m_context, Section::Charges, upperBound(state.g_ChargeTasks), state.g_ChargesEasy, Rows);
    for (int row = 0; row < Rows; ++row) {
        const ChargeRecord& record = state.g_ChargeTasks[drawn[row]];
        const QString name = record.Name.trimmedRight();
        const bool inRange = std::abs(record.Value) <= HighestCharge;
        if (drawn[row] != 0 && !inRange)
            reportChargeOutOfRange(drawn[row], name, record.Value);
        const bool hasTask = drawn[row] != 0 && inRange;

        Label& label = AnzS5[static_cast<std::size_t>(row)];
        label.Caption = drawn[row] != 0 ? name : QString();
        label.BackColor = Colour::Default;
        const auto options = optionRow(ChooseS5_1, row, OptionsPerRow);
        resetRow(options, hasTask);
        if (hasTask) {
            options[0].Value = true; // "-3" stands chosen until the pupil picks another
            state.g_Solutions[static_cast<std::size_t>(row)] =
                QString::number(row * OptionsPerRow + record.Value + HighestCharge);
        } else {
            state.g_Solutions[static_cast<std::size_t>(row)].clear();
        }
    }
    // The keyboard starts in the first row, not on a tool button that Next left the focus to.
    focusRowAfter(Rows - 1);
}

void ChargeSheet::reportChargeOutOfRange(int record, const QString& name, int charge)
{
    m_context.platform.Diagnose(QStringLiteral("%1: section %2 (%3), record %4 \"%5\": charge number %6 is "
                                               "outside -3..+3; the row is left out")
                                    .arg(m_context.state.g_CatalogFile)
                                    .arg(sectionNumber(Section::Charges))
                                    .arg(sectionName(Section::Charges))
                                    .arg(record)
                                    .arg(name)
                                    .arg(charge));
    m_context.NoticeOnceShown(
        QStringLiteral("Die Ladungszahl von „%1“ in der Aufgabendatei ist %2; diese Seite bietet nur -3 bis "
                       "+3 an. Die Zeile bleibt deshalb leer.\n\nBitte sag deiner Lehrerin oder deinem "
                       "Lehrer Bescheid.")
            .arg(name)
            .arg(charge));
}

void ChargeSheet::hOK5()
{
    judgeChoiceRows(m_context, TaskCategory::Charges, ChooseS5_1, AnzS5, OptionsPerRow,
                    {.rightOptionGreen = true, .wrongChoiceRed = true}, m_context.state.g_ChargesAsked,
                    m_context.state.g_ChargesRight);
}

void ChargeSheet::ChooseS5_1_Click(int index)
{
    auto options = optionRow(ChooseS5_1, index / OptionsPerRow, OptionsPerRow);
    chooseOption(options, static_cast<std::size_t>(index % OptionsPerRow));
}

void ChargeSheet::ChooseS5_1_KeyPress(int index, int keyAscii)
{
    if (keyAscii == KeyEnter)
        focusRowAfter(index / OptionsPerRow);
}

void ChargeSheet::focusRowAfter(int row)
{
    if (const OptionButton* first = firstOptionAfter(ChooseS5_1, row, OptionsPerRow))
        m_context.SetFocus(first);
}
