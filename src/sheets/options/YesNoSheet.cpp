#include "sheets/options/YesNoSheet.h"

#include "catalogue/Section.h"
#include "sheets/SheetContext.h"
#include "sheets/SheetDraw.h"
#include "sheets/SheetScore.h"
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
    for (int row = 0; row < Rows; ++row)
        if (posed(row)) {
            m_context.SetFocus(&JaNein1[static_cast<std::size_t>(row * OptionsPerRow)]);
            break;
        }
}

void YesNoSheet::hOK6()
{
    mdl_KolTest& state = m_context.state;
    SheetScore score(m_context);
    for (int row = 0; row < Rows; ++row) {
        const std::optional<int> expected =
            expectedInRow(state.g_Solutions[static_cast<std::size_t>(row)], row, OptionsPerRow);
        if (!posed(row) || !expected)
            continue;
        score.asked();
        const auto options = optionRow(JaNein1, row, OptionsPerRow);
        Label& label = AnzS6[static_cast<std::size_t>(row)];
        if (options[static_cast<std::size_t>(*expected)].Value) {
            score.right();
            label.BackColor = Colour::LightGreen;
        } else {
            chooseOption(options, static_cast<std::size_t>(*expected));
            label.BackColor = Colour::LightRed;
        }
    }
    // The corrected rows show their right answer highlighted like a chosen one.
    colourCaptions();
    score.finish(state.g_YesNoAsked, state.g_YesNoRight);
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
