#include "desktop/sheets/CalculatorButtons.h"
#include "desktop/sheets/SheetFormulas.h"
#include "desktop/sheets/SheetViews.h"
#include "desktop/view/Look.h"
#include "desktop/widgets/FormulaLabel.h"
#include "sheets/molarmasses/MolarMassSheet.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// The formula drawing gets a column of its own between the task text and the answer field.
void addFormulaColumn(PageContext& context, QGridLayout& rows, int line, const TermLabel& term)
{
    QWidget* field = rows.itemAtPosition(line, 1)->widget();
    rows.removeWidget(field);
    rows.addWidget(field, line, 2);
    FormulaLabel& formula = newFormulaLabel(*rows.parentWidget(), look::TaskPointSize);
    formula.setObjectName(QStringLiteral("lab_MolTerm%1").arg(line));
    rows.addWidget(&formula, line, 1);
    context.bind.termLabel(formula, term);
}

} // namespace

void buildMolarMassSheetView(MolarMassSheet& page, QWidget& frame, PageContext& context)
{
    QVBoxLayout& column = pageColumn(frame);

    addTitle(column, QStringLiteral("Molare Massen in g"));
    addHint(column, QStringLiteral("Molare Massen (in Gramm) auf eine Nachkommastelle runden!   (evtl. "
                                   "Periodensystem aufrufen)"));
    column.addSpacing(12);
    QGridLayout& rows = addRowGrid(column);
    rows.setVerticalSpacing(18);
    rows.setColumnMinimumWidth(0, 0); // the task texts are 40 characters wide already
    rows.setColumnStretch(1, 0);
    rows.setColumnMinimumWidth(1, 110);
    rows.setColumnStretch(2, 1);
    for (int i = 0; i < 4; ++i) {
        const auto row = static_cast<std::size_t>(i);
        addAnswerRow(context, rows,
                     {page.AnzS7[row], page.Mol[row], QStringLiteral("Mol%1").arg(i),
                      [&page, i] { page.Mol_Click(i); }, [&page, i](int key) { page.Mol_KeyPress(i, key); }});
    }
    for (int i = 0; i < 4; ++i) {
        const auto row = static_cast<std::size_t>(i);
        addFormulaColumn(context, rows, i, page.lab_MolTerm[row]);
        addCalculatorButton(context, rows, i, 3, i, page.Mol[row], page.AnzS7[row],
                            [&page, i] { page.but_Calc_Click(i); });
    }
    column.addStretch();
}
