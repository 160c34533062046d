#include "app/frm_AppMain.h"

#include "components/TextTools.h"

// Pages 1 and 2 are judged alike: a row with a single expected answer must match it exactly once the typed
// text is trimmed; a row with a list "*A*B*" of accepted variants must match one of them exactly. A wrong
// row keeps what was typed and gets the correction appended.

namespace {

void markRight(mdl_KolTest& state, TextBox& field)
{
    state.g_TotalRight += 1;
    field.BackColor = Colour::LightGreen;
}

void markWrong(TextBox& field, const QString& separator, const QString& shownAnswer)
{
    field.BackColor = Colour::LightRed;
    field.Text += separator + shownAnswer;
}

bool judgeSingleRow(mdl_KolTest& state, TextBox& field, const QString& expected, const QString& separator)
{
    if (trimBlanks(field.Text) == expected) {
        markRight(state, field);
        return true;
    }
    markWrong(field, separator, expected);
    return false;
}

bool judgeListRow(mdl_KolTest& state, TextBox& field, const QString& variants, const QString& separator,
                  const QString& shownAnswer)
{
    const QString typed = trimBlanks(field.Text);
    const QString star = QStringLiteral("*");
    if (!typed.isEmpty() && (star + variants + star).contains(star + typed + star)) {
        markRight(state, field);
        return true;
    }
    markWrong(field, separator, shownAnswer);
    return false;
}

} // namespace

void frm_AppMain::hOK1()
{
    const QString separator = QStringLiteral(" - Richtig ist: ");
    const long long before = state.g_TotalRight.toInt();
    state.g_TotalAsked += 6;
    for (int row = 0; row < 3; ++row)
        judgeSingleRow(state, page1.EleSym[row], state.g_Solutions[row], separator);
    for (int row = 0; row < 3; ++row) {
        const QString& variants = state.g_Solutions[row + 3];
        judgeListRow(state, page1.Ele[row], variants, separator,
                     TokenBetween(variants, QStringLiteral("*"), QStringLiteral("*")));
    }
    if (state.g_TotalRight == 6)
        ShowPraise();
    state.g_ElementsRight = static_cast<double>(state.g_TotalRight.toInt() - before);
    state.g_ElementsAsked = DynValue::int16(6);
    UpdateGrade();
}

void frm_AppMain::hOK2()
{
    const QString separator = QStringLiteral(" - richtig ist: ");
    const long long before = state.g_TotalRight.toInt();
    state.g_TotalAsked += 4;
    int rightRows = 0;
    for (int row = 0; row < 2; ++row)
        rightRows += judgeSingleRow(state, page2.Zahl[row], state.g_Solutions[row], separator) ? 1 : 0;
    for (int row = 2; row < 4; ++row) {
        const QString& variants = state.g_Solutions[row];
        rightRows += judgeListRow(state, page2.Zahl[row], variants, separator, variants) ? 1 : 0;
    }
    if (rightRows == 4)
        ShowPraise();
    state.g_SyllablesRight = static_cast<double>(state.g_TotalRight.toInt() - before);
    state.g_SyllablesAsked = DynValue::int16(4);
    UpdateGrade();
}
