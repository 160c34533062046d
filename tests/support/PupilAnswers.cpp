#include "support/PupilAnswers.h"

#include "components/NumberText.h"
#include "components/TextTools.h"
#include "sheets/definitions/TermWheels.h"
#include "sheets/options/OptionRows.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

std::size_t at(int index)
{
    return static_cast<std::size_t>(index);
}

// A typed row: the right text, or nothing at all (an empty field is never right).
void type(TextBox& field, const QString& right, Answers answers)
{
    field.Text = answers == Answers::Right ? right : QString();
}

// The option of the row that the expected answer names, or its neighbour in the row for a wrong answer.
int optionToChoose(const QString& expected, int row, int perRow, Answers answers)
{
    const std::optional<int> right = expectedInRow(expected, row, perRow);
    EXPECT_TRUE(right.has_value()) << "row " << row << " expects " << expected.toStdString();
    const int position = right.value_or(0);
    return row * perRow + (answers == Answers::Right ? position : (position + 1) % perRow);
}

} // namespace

QString firstVariant(const QString& variants)
{
    return TokenBetween(variants, QStringLiteral("*"), QStringLiteral("*"));
}

QString firstName(const QString& names)
{
    return names.section(QLatin1Char('|'), 0, 0);
}

int wheelPosition(const Wheel& wheel, const QString& text, Answers answers)
{
    const QString wanted = judgedText(text);
    for (int i = 0; i < wheel.Items.size(); ++i)
        if ((judgedText(wheel.Items.at(i)) == wanted) == (answers == Answers::Right))
            return i;
    return -1;
}

void answerElements(ElementSheet& sheet, const mdl_KolTest& state, Answers answers)
{
    for (int row = 0; row < 3; ++row) {
        type(sheet.EleSym[at(row)], state.g_Solutions[at(row)], answers);
        type(sheet.Ele[at(row)], firstVariant(state.g_Solutions[at(row + 3)]), answers);
    }
}

void answerSyllables(SyllableSheet& sheet, const mdl_KolTest& state, Answers answers)
{
    for (int row = 0; row < 4; ++row) {
        const QString& expected = state.g_Solutions[at(row)];
        type(sheet.Zahl[at(row)], row < 2 ? expected : firstVariant(expected), answers);
    }
}

void answerSubstances(SubstanceSheet& sheet, const mdl_KolTest& state, Answers answers)
{
    for (int row = 0; row < 6; ++row) {
        const QString& expected = state.g_Solutions[at(row)];
        sheet.Substein[at(row)].Term =
            answers == Answers::Right ? (row < 3 ? firstName(expected) : expected) : QString();
    }
}

void answerMolarMasses(MolarMassSheet& sheet, const mdl_KolTest& state, Answers answers)
{
    // Pupils type the decimal comma.
    for (int row = 0; row < 4; ++row)
        type(sheet.Mol[at(row)], trimBlanks(state.g_Solutions[at(row)]).replace(u'.', u','), answers);
}

void answerAmounts(AmountSheet& sheet, const mdl_KolTest& state, Answers answers)
{
    for (int row = 0; row < 5; ++row)
        type(sheet.Stoffm[at(row)], state.g_Solutions[at(row)], answers);
}

void answerDefinitions(DefinitionSheet& sheet, const mdl_KolTest& state, Answers answers)
{
    for (int row = 0; row < 3; ++row) {
        Wheel& wheel = sheet.lst_Definition[at(row)];
        const int position = wheelPosition(wheel, state.g_Solutions[at(row)], answers);
        ASSERT_NE(position, -1) << "definition wheel " << row;
        wheel.Value = wheel.Items.at(position);
    }
}

void answerTerms(TermSheet& sheet, const mdl_KolTest& state, Answers answers)
{
    for (int row = 0; row < 4; ++row) {
        Wheel& wheel = sheet.lst_Begriff[at(row)];
        const int position = wheelPosition(wheel, state.g_Solutions[at(row)], answers);
        ASSERT_NE(position, -1) << "term wheel " << row;
        // As the window does: the wheel shows the item, then its handler runs.
        wheel.Value = wheel.Items.at(position);
        sheet.lst_Begriff_Click(row, position + 1, wheel.Value);
    }
}

void answerEquations(EquationSheet& sheet, const mdl_KolTest& state, Answers answers)
{
    for (int slot = 0; slot < EquationSheet::Slots; ++slot) {
        TextBox& field = sheet.Einsetz[at(slot)];
        if (!field.Visible)
            continue;
        const QString& expected = state.g_Solutions[at(slot + 1)];
        field.Text = answers == Answers::Right
                         ? expected
                         : printWhole(static_cast<long long>(readLeadingNumber(expected)) + 1, false);
    }
}

void answerCharges(ChargeSheet& sheet, const mdl_KolTest& state, Answers answers)
{
    for (int row = 0; row < ChargeSheet::Rows; ++row)
        sheet.ChooseS5_1_Click(
            optionToChoose(state.g_Solutions[at(row)], row, ChargeSheet::OptionsPerRow, answers));
}

void answerYesNo(YesNoSheet& sheet, const mdl_KolTest& state, Answers answers)
{
    for (int row = 0; row < YesNoSheet::Rows; ++row)
        sheet.JaNein1_Click(
            optionToChoose(state.g_Solutions[at(row)], row, YesNoSheet::OptionsPerRow, answers));
}

void answerCurrentPage(frm_AppMain& form, Answers answers)
{
    const mdl_KolTest& state = form.state;
    const std::map<const Sheet*, std::function<void()>> byPage = {
        {&form.elements, [&] { answerElements(form.elements, state, answers); }},
        {&form.syllables, [&] { answerSyllables(form.syllables, state, answers); }},
        {&form.substanceNames, [&] { answerSubstances(form.substanceNames, state, answers); }},
        {&form.molarMasses, [&] { answerMolarMasses(form.molarMasses, state, answers); }},
        {&form.amounts, [&] { answerAmounts(form.amounts, state, answers); }},
        {&form.definitions, [&] { answerDefinitions(form.definitions, state, answers); }},
        {&form.terms, [&] { answerTerms(form.terms, state, answers); }},
        {&form.equations, [&] { answerEquations(form.equations, state, answers); }},
        {&form.charges, [&] { answerCharges(form.charges, state, answers); }},
        {&form.yesNo, [&] { answerYesNo(form.yesNo, state, answers); }},
    };
    const WalkStep* step = form.walkStep(form.m_CurrentPage);
    ASSERT_TRUE(step && step->sheet) << "page " << form.m_CurrentPage << " has no sheet";
    byPage.at(step->sheet)();
}
