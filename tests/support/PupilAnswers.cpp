#include "support/PupilAnswers.h"

#include "components/NumberText.h"
#include "components/TextTools.h"
#include "sheets/definitions/TermWheels.h"
#include "sheets/options/OptionRows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

// A typed row: the right text, or nothing at all (an empty field is never right).
template <std::size_t N>
void typeRows(std::array<TextBox, N>& fields, Answers answers, const std::function<QString(int)>& right)
{
    for (std::size_t row = 0; row < N; ++row)
        fields[row].Text = answers == Answers::Right ? right(static_cast<int>(row)) : QString();
}

QString firstVariant(const QString& variants)
{
    return TokenBetween(variants, QStringLiteral("*"), QStringLiteral("*"));
}

// Turns the wheel to the item that reads as the expected text or, for a wrong answer, to the first that
// does not; returns its position.
template <std::size_t N>
QList<int> turnWheels(std::array<Wheel, N>& wheels, const mdl_KolTest& state, Answers answers)
{
    QList<int> positions;
    for (std::size_t row = 0; row < N; ++row) {
        const QStringList& items = wheels[row].Items;
        const auto fits = [&](const QString& item) {
            return (judgedText(item) == judgedText(state.g_Solutions[row])) == (answers == Answers::Right);
        };
        const auto found = std::find_if(items.begin(), items.end(), fits);
        EXPECT_NE(found, items.end()) << "wheel " << row;
        wheels[row].Value = found == items.end() ? QString() : *found;
        positions << static_cast<int>(found - items.begin());
    }
    return positions;
}

// Clicks the option the expected answer names in each row, or its neighbour in the row for a wrong answer.
void chooseOptions(int rows, int perRow, const mdl_KolTest& state, Answers answers,
                   const std::function<void(int)>& click)
{
    for (int row = 0; row < rows; ++row) {
        const std::optional<int> right =
            expectedInRow(state.g_Solutions[static_cast<std::size_t>(row)], row, perRow);
        ASSERT_TRUE(right.has_value()) << "row " << row;
        click(row * perRow + (answers == Answers::Right ? *right : (*right + 1) % perRow));
    }
}

} // namespace

void answerCurrentPage(frm_AppMain& form, Answers answers)
{
    const mdl_KolTest& state = form.state;
    const auto expected = [&state](int row) { return state.g_Solutions.at(static_cast<std::size_t>(row)); };
    const Sheet* sheet = form.walkStep(form.m_CurrentPage)->sheet;
    if (sheet == &form.elements) {
        typeRows(form.elements.EleSym, answers, expected);
        typeRows(form.elements.Ele, answers, [&](int row) { return firstVariant(expected(row + 3)); });
    } else if (sheet == &form.syllables) {
        typeRows(form.syllables.Zahl, answers,
                 [&](int row) { return row < 2 ? expected(row) : firstVariant(expected(row)); });
    } else if (sheet == &form.substanceNames) {
        for (int row = 0; row < 6; ++row)
            form.substanceNames.Substein[static_cast<std::size_t>(row)].Term =
                answers == Answers::Wrong ? QString()
                : row < 3                 ? expected(row).section(QLatin1Char('|'), 0, 0)
                                          : expected(row);
    } else if (sheet == &form.molarMasses) { // pupils type the decimal comma
        typeRows(form.molarMasses.Mol, answers,
                 [&](int row) { return trimBlanks(expected(row)).replace(u'.', u','); });
    } else if (sheet == &form.amounts) {
        typeRows(form.amounts.Stoffm, answers, expected);
    } else if (sheet == &form.definitions) {
        turnWheels(form.definitions.lst_Definition, state, answers);
    } else if (sheet == &form.terms) {
        const QList<int> positions = turnWheels(form.terms.lst_Begriff, state, answers);
        for (int row = 0; row < positions.size(); ++row) // as the window does: the wheel's handler runs
            form.terms.lst_Begriff_Click(row, positions[row] + 1,
                                         form.terms.lst_Begriff[static_cast<std::size_t>(row)].Value);
    } else if (sheet == &form.equations) {
        for (int slot = 0; slot < EquationSheet::Slots; ++slot)
            if (TextBox& field = form.equations.Einsetz[static_cast<std::size_t>(slot)]; field.Visible)
                field.Text =
                    answers == Answers::Right
                        ? expected(slot + 1)
                        : printWhole(static_cast<long long>(readLeadingNumber(expected(slot + 1))) + 1,
                                     false);
    } else if (sheet == &form.charges) {
        chooseOptions(ChargeSheet::Rows, ChargeSheet::OptionsPerRow, state, answers,
                      [&](int index) { form.charges.ChooseS5_1_Click(index); });
    } else {
        ASSERT_EQ(sheet, &form.yesNo) << "page " << form.m_CurrentPage;
        chooseOptions(YesNoSheet::Rows, YesNoSheet::OptionsPerRow, state, answers,
                      [&](int index) { form.yesNo.JaNein1_Click(index); });
    }
}
