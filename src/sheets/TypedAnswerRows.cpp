#include "sheets/TypedAnswerRows.h"

#include "components/TextTools.h"
#include "sheets/SheetScore.h"

void judgeTypedRow(SheetScore& score, const QString& task, TextBox& field, bool right,
                   const QString& expected, const QString& separator, const QString& shownAnswer)
{
    score.judged(task, expected, trimBlanks(field.Text), right);
    if (right) {
        field.BackColor = Colour::LightGreen;
    } else {
        field.BackColor = Colour::LightRed;
        field.Text += separator + shownAnswer;
    }
}

void judgeSingleRow(SheetScore& score, const QString& task, TextBox& field, const QString& expected,
                    const QString& separator)
{
    if (field.Enabled)
        judgeTypedRow(score, task, field, trimBlanks(field.Text) == expected, expected, separator, expected);
}

void judgeListRow(SheetScore& score, const QString& task, TextBox& field, const QString& variants,
                  const QString& separator, const QString& shownAnswer)
{
    if (!field.Enabled)
        return;
    const QString typed = trimBlanks(field.Text);
    const QString star = QStringLiteral("*");
    const bool right = !typed.isEmpty() && (star + variants + star).contains(star + typed + star);
    const QString allVariants = variants.split(star, Qt::SkipEmptyParts).join(QStringLiteral(" / "));
    judgeTypedRow(score, task, field, right, allVariants, separator, shownAnswer);
}
