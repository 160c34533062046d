#include "desktop/sheets/CalculatorButtons.h"
#include "desktop/sheets/SheetViews.h"
#include "sheets/amounts/AmountSheet.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

void buildAmountSheetView(AmountSheet& page, QWidget& frame, PageContext& context)
{
    QVBoxLayout& column = pageColumn(frame);

    addTitle(column, QStringLiteral("Stoffmengen in mol"));
    addHint(column, QStringLiteral("(Bei Gasen: 25°C, 1013 hPa)"));
    column.addSpacing(8);
    QGridLayout& rows = addRowGrid(column);
    rows.setColumnStretch(0, 2); // the questions are long: they get most of the width and wrap when needed
    rows.setVerticalSpacing(14);
    for (int i = 0; i < 5; ++i) {
        const auto row = static_cast<std::size_t>(i);
        addAnswerRow(context, rows,
                     {page.AnzS12[row], page.Stoffm[row], QStringLiteral("Stoffm%1").arg(i),
                      [&page, i] { page.Stoffm_Click(i); },
                      [&page, i](int key) { page.Stoffm_KeyPress(i, key); }});
    }
    for (int i = 0; i < 5; ++i) {
        const auto row = static_cast<std::size_t>(i);
        qobject_cast<QLabel*>(rows.itemAtPosition(i, 0)->widget())->setWordWrap(true);
        addCalculatorButton(context, rows, i, 2, i + 4, page.Stoffm[row], page.AnzS12[row],
                            [&page, i] { page.but_Calc_Click(i + 4); });
    }
    column.addStretch();
}
