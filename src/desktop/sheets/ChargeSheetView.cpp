#include "desktop/sheets/OptionSheetParts.h"
#include "desktop/sheets/SheetViews.h"

#include "sheets/options/ChargeSheet.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

void buildChargeSheetView(ChargeSheet& page, QWidget& frame, PageContext& context)
{
    QVBoxLayout& column = pageColumn(frame);
    addTitle(column, QStringLiteral(" Bevorzugte Ladungszahl der Ionen"));
    addHint(column, QStringLiteral("Evtl. Periodensystem aufrufen!"));
    column.addSpacing(10);

    QGridLayout& rows = addRowGrid(column);
    rows.setVerticalSpacing(18);
    for (int row = 0; row < ChargeSheet::Rows; ++row) {
        const Label& task = page.AnzS5[static_cast<std::size_t>(row)];
        QLabel& name = optionTaskLabel(frame, context, task, QStringLiteral("AnzS5_%1").arg(row));
        auto* options = new QHBoxLayout;
        options->setSpacing(10);
        for (int offset = 0; offset < ChargeSheet::OptionsPerRow; ++offset) {
            const int index = row * ChargeSheet::OptionsPerRow + offset;
            const OptionButton& model = page.ChooseS5_1[static_cast<std::size_t>(index)];
            QAbstractButton& option = optionButton(
                frame, context, model, task, model.Caption, QStringLiteral("ChooseS5_1_%1").arg(index),
                [&page, index] { page.ChooseS5_1_Click(index); },
                [&page, index](int key) { page.ChooseS5_1_KeyPress(index, key); });
            option.setMinimumWidth(74);
            options->addWidget(&option);
        }
        options->addStretch();
        rows.addWidget(&name, row, 0);
        rows.addLayout(options, row, 1);
    }
    column.addStretch();
}
