#include "desktop/sheets/OptionSheetParts.h"
#include "desktop/sheets/SheetViews.h"

#include "desktop/view/Look.h"
#include "desktop/widgets/PressFilter.h"
#include "sheets/options/YesNoSheet.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// One answer of a statement: the option and its caption AA(index) on a blue ground, on which both the
// black caption and the light yellow of the chosen answer read well. A click on the caption chooses too.
QWidget& answerChip(QWidget& frame, PageContext& context, YesNoSheet& page, int index)
{
    const auto at = static_cast<std::size_t>(index);
    const Label& caption = page.AA[at];
    const Label& statement = page.AnzS6[at / YesNoSheet::OptionsPerRow];
    const auto click = [&page, index] { page.JaNein1_Click(index); };

    auto* chip = new QWidget(&frame);
    chip->setObjectName(QStringLiteral("AnswerChip%1").arg(index));
    chip->setAttribute(Qt::WA_StyledBackground);
    chip->setStyleSheet(QStringLiteral("#AnswerChip%1 { background: %2; border-radius: 8px; }")
                            .arg(index)
                            .arg(look::TitleTo.name()));
    auto* line = new QHBoxLayout(chip);
    line->setContentsMargins(8, 2, 10, 2);
    line->setSpacing(4);
    QAbstractButton& option = optionButton(*chip, context, page.JaNein1[at], statement, caption.Caption,
                                           QStringLiteral("JaNein1_%1").arg(index), click);
    auto* text = new QLabel(chip);
    text->setObjectName(QStringLiteral("AA%1").arg(index));
    text->setFont(look::sized(text->font(), look::TaskPointSize, true));
    text->setMinimumWidth(text->fontMetrics().horizontalAdvance(QStringLiteral("Nein")));
    text->setCursor(Qt::PointingHandCursor);
    context.bind.label(*text, caption);
    onPress(*text, [&bind = context.bind, &option, click] {
        if (!option.isEnabled())
            return; // a row without a statement takes no answer
        option.setFocus(Qt::MouseFocusReason);
        bind.dispatch(click);
    });
    line->addWidget(&option);
    line->addWidget(text);
    return *chip;
}

} // namespace

void buildYesNoSheetView(YesNoSheet& page, QWidget& frame, PageContext& context)
{
    QVBoxLayout& column = pageColumn(frame);
    addTitle(column, QStringLiteral("Verständnisfragen"));
    addHint(column, QStringLiteral("(Antwort anklicken!)"));

    auto* rows = new QGridLayout;
    rows->setContentsMargins(10, 2, 0, 0);
    rows->setHorizontalSpacing(12);
    rows->setVerticalSpacing(10); // six statements of two lines each still fit the page
    rows->setColumnStretch(0, 1);
    column.addLayout(rows);
    for (int row = 0; row < YesNoSheet::Rows; ++row) {
        QLabel& statement = optionTaskLabel(frame, context, page.AnzS6[static_cast<std::size_t>(row)],
                                            QStringLiteral("AnzS6_%1").arg(row));
        statement.setWordWrap(true);
        rows->addWidget(&statement, row, 0);
        for (int answer = 0; answer < YesNoSheet::OptionsPerRow; ++answer)
            rows->addWidget(&answerChip(frame, context, page, row * YesNoSheet::OptionsPerRow + answer), row,
                            1 + answer, Qt::AlignVCenter);
    }
    column.addStretch();
}
