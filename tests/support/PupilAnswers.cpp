#include "support/PupilAnswers.h"

#include "components/TextTools.h"
#include "sheets/definitions/TermWheels.h"
#include "sheets/options/OptionRows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

template <std::size_t N>
void typeRows(std::array<TextBox, N>& fields, const std::function<QString(int)>& answer)
{
    for (std::size_t row = 0; row < N; ++row)
        fields[row].Text = answer(static_cast<int>(row));
}

QString firstVariant(const QString& variants)
{
    return TokenBetween(variants, QStringLiteral("*"), QStringLiteral("*"));
}

// Turns each wheel to the item that reads as its row's expected answer; returns the positions.
template <std::size_t N> QList<int> turnWheels(std::array<Wheel, N>& wheels, const mdl_KolTest& state)
{
    QList<int> positions;
    for (std::size_t row = 0; row < N; ++row) {
        const QStringList& items = wheels[row].Items;
        const auto found = std::find_if(items.begin(), items.end(), [&](const QString& item) {
            return judgedText(item) == judgedText(state.g_Solutions[row]);
        });
        EXPECT_NE(found, items.end()) << "wheel " << row;
        wheels[row].Value = found == items.end() ? QString() : *found;
        positions << static_cast<int>(found - items.begin());
    }
    return positions;
}

// Clicks the option that the expected answer of each row names.
void chooseOptions(int rows, int perRow, const mdl_KolTest& state, const std::function<void(int)>& click)
{
    for (int row = 0; row < rows; ++row) {
        const std::optional<int> right =
            expectedInRow(state.g_Solutions[static_cast<std::size_t>(row)], row, perRow);
        ASSERT_TRUE(right.has_value()) << "row " << row;
        click(row * perRow + *right);
    }
}

} // namespace

void answerCurrentPageRight(frm_AppMain& form)
{
    const mdl_KolTest& state = form.state;
    const auto expected = [&state](int row) { return state.g_Solutions.at(static_cast<std::size_t>(row)); };
    const Sheet* sheet = form.walkStep(form.m_CurrentPage)->sheet;
    if (sheet == &form.elements) {
        typeRows(form.elements.EleSym, expected);
        typeRows(form.elements.Ele, [&](int row) { return firstVariant(expected(row + 3)); });
    } else if (sheet == &form.syllables) {
        typeRows(form.syllables.Zahl,
                 [&](int row) { return row < 2 ? expected(row) : firstVariant(expected(row)); });
    } else if (sheet == &form.substanceNames) {
        for (int row = 0; row < 6; ++row)
            form.substanceNames.Substein[static_cast<std::size_t>(row)].Term =
                row < 3 ? expected(row).section(QLatin1Char('|'), 0, 0) : expected(row);
    } else if (sheet == &form.molarMasses) { // pupils type the decimal comma
        typeRows(form.molarMasses.Mol,
                 [&](int row) { return trimBlanks(expected(row)).replace(u'.', u','); });
    } else if (sheet == &form.amounts) {
        typeRows(form.amounts.Stoffm, expected);
    } else if (sheet == &form.definitions) {
        turnWheels(form.definitions.lst_Definition, state);
    } else if (sheet == &form.terms) {
        const QList<int> positions = turnWheels(form.terms.lst_Begriff, state);
        for (int row = 0; row < positions.size(); ++row) // as the window does: the wheel's handler runs
            form.terms.lst_Begriff_Click(row, positions[row] + 1,
                                         form.terms.lst_Begriff[static_cast<std::size_t>(row)].Value);
    } else if (sheet == &form.equations) {
        typeRows(form.equations.Einsetz, [&](int slot) { return expected(slot + 1); });
    } else if (sheet == &form.charges) {
        chooseOptions(ChargeSheet::Rows, ChargeSheet::OptionsPerRow, state,
                      [&](int index) { form.charges.ChooseS5_1_Click(index); });
    } else {
        ASSERT_EQ(sheet, &form.yesNo) << "page " << form.m_CurrentPage;
        chooseOptions(YesNoSheet::Rows, YesNoSheet::OptionsPerRow, state,
                      [&](int index) { form.yesNo.JaNein1_Click(index); });
    }
}
