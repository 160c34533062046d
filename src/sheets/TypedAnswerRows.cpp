#include "sheets/TypedAnswerRows.h"

#include "components/TextTools.h"
#include "sheets/SheetScore.h"

void judgeTypedRow(SheetScore& score, TextBox& field, bool right, const QString& separator,
                   const QString& shownAnswer)
{
    score.asked();
    if (right) {
        score.right();
        field.BackColor = Colour::LightGreen;
    } else {
        field.BackColor = Colour::LightRed;
        field.Text += separator + shownAnswer;
    }
}

void judgeSingleRow(SheetScore& score, TextBox& field, const QString& expected, const QString& separator)
{
    if (field.Enabled)
        judgeTypedRow(score, field, trimBlanks(field.Text) == expected, separator, expected);
}

void judgeListRow(SheetScore& score, TextBox& field, const QString& variants, const QString& separator,
                  const QString& shownAnswer)
{
    if (!field.Enabled)
        return;
    const QString typed = trimBlanks(field.Text);
    const QString star = QStringLiteral("*");
    const bool right = !typed.isEmpty() && (star + variants + star).contains(star + typed + star);
    judgeTypedRow(score, field, right, separator, shownAnswer);
}
