#include "desktop/sheets/CalculatorButtons.h"
#include "desktop/sheets/FormulaStandIns.h"
#include "desktop/sheets/SheetViews.h"
#include "desktop/view/Look.h"
#include "sheets/molarmasses/MolarMassSheet.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// Puts the formula drawing right beside the task text in the task's cell of the grid.
void addFormulaBesideTask(PageContext& context, QGridLayout& rows, int line, const TermLabel& term)
{
    QWidget* task = rows.itemAtPosition(line, 0)->widget();
    rows.removeWidget(task);
    QLabel& formula = newFormulaLabel(*rows.parentWidget(), look::TaskPointSize);
    formula.setObjectName(QStringLiteral("lab_MolTerm%1").arg(line));
    auto* cell = new QHBoxLayout;
    cell->setSpacing(24);
    cell->addWidget(task);
    cell->addWidget(&formula);
    cell->addStretch();
    rows.addLayout(cell, line, 0);
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
    for (int i = 0; i < 4; ++i) {
        const auto row = static_cast<std::size_t>(i);
        addAnswerRow(context, rows,
                     {page.AnzS7[row], page.Mol[row], QStringLiteral("Mol%1").arg(i),
                      [&page, i] { page.Mol_Click(i); }, [&page, i](int key) { page.Mol_KeyPress(i, key); }});
    }
    for (int i = 0; i < 4; ++i) {
        const auto row = static_cast<std::size_t>(i);
        addFormulaBesideTask(context, rows, i, page.lab_MolTerm[row]);
        addCalculatorButton(context, rows, i, i, page.Mol[row], page.AnzS7[row],
                            [&page, i] { page.but_Calc_Click(i); });
    }
    column.addStretch();
}
