#include "sheets/options/YesNoSheet.h"

#include "catalogue/Section.h"
#include "sheets/SheetContext.h"
#include "sheets/SheetDraw.h"
#include "sheets/options/OptionRows.h"

YesNoSheet::YesNoSheet(SheetContext& context) : m_context(context)
{
    for (std::size_t i = 0; i < AA.size(); ++i)
        AA[i].Caption = i % 2 == 0 ? QStringLiteral("Ja") : QStringLiteral("Nein");
    colourCaptions();
}

void YesNoSheet::Present()
{
    mdl_KolTest& state = m_context.state;
    const QList<int> drawn =
        drawSheet(m_context, Section::YesNo, upperBound(state.g_YesNoTasks), state.g_YesNoEasy, Rows);
    for (int row = 0; row < Rows; ++row) {
        const YesNoRecord& record = state.g_YesNoTasks[drawn[row]];
        const bool hasTask = drawn[row] != 0;
        Label& label = AnzS6[static_cast<std::size_t>(row)];
        label.Caption = record.Question.trimmedRight();
        label.BackColor = Colour::Default;
        resetRow(optionRow(JaNein1, row, OptionsPerRow), hasTask);
        QString& expected = state.g_Solutions[static_cast<std::size_t>(row)];
        if (hasTask) {
            const int answer = record.Answer != 0 ? 0 : 1; // "Ja" first, "Nein" second
            expected = QStringLiteral(" %1").arg(row * OptionsPerRow + answer);
        } else {
            expected.clear();
        }
    }
    colourCaptions();
    // The keyboard starts at the first statement, not on a tool button that Next left the focus to.
    if (const OptionButton* first = firstOptionAfter(JaNein1, Rows - 1, OptionsPerRow))
        m_context.SetFocus(first);
}

void YesNoSheet::hOK6()
{
    judgeChoiceRows(m_context, TaskCategory::YesNo, JaNein1, AnzS6, OptionsPerRow,
                    {.rightOptionGreen = false, .wrongChoiceRed = false}, m_context.state.g_YesNoAsked,
                    m_context.state.g_YesNoRight);
    // The corrected rows show their right answer highlighted like a chosen one.
    colourCaptions();
}

void YesNoSheet::JaNein1_Click(int index)
{
    auto options = optionRow(JaNein1, index / OptionsPerRow, OptionsPerRow);
    chooseOption(options, static_cast<std::size_t>(index % OptionsPerRow));
    colourCaptions();
}

void YesNoSheet::colourCaptions()
{
    for (std::size_t i = 0; i < AA.size(); ++i)
        AA[i].ForeColor = JaNein1[i].Value ? Colour::LightYellow : Colour::Black;
}
