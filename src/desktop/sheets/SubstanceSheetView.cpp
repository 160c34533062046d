#include "desktop/sheets/SheetFormulas.h"
#include "desktop/sheets/SheetViews.h"
#include "desktop/view/Look.h"
#include "desktop/widgets/FormulaField.h"
#include "desktop/widgets/FormulaLabel.h"
#include "sheets/substances/SubstanceSheet.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int FieldHeight = 36;

void inkTask(QWidget& task)
{
    QPalette ink = task.palette();
    ink.setColor(QPalette::WindowText, look::Ink);
    task.setPalette(ink);
}

// The task of a row: the formula to name (rows 0..2) or the name to give the formula of (rows 3..5).
QWidget& addTask(PageContext& context, SubstanceSheet& page, QWidget& frame, int i)
{
    const auto row = static_cast<std::size_t>(i);
    QWidget* task = nullptr;
    if (i < 3) {
        FormulaLabel& formula = newFormulaLabel(frame, look::TaskPointSize);
        context.bind.termLabel(formula, page.lab_SubsTerm[row]);
        task = &formula;
    } else {
        auto* name = new QLabel(&frame);
        name->setFont(look::sized(name->font(), look::TaskPointSize, true));
        context.bind.label(*name, page.Substanz[row]);
        task = name;
    }
    task->setObjectName(QStringLiteral("Substein%1_Aufgabe").arg(i));
    inkTask(*task);
    return *task;
}

// One row: its task, the formula input, and "Richtig:" with the right answer once the row was wrong.
void addRow(PageContext& context, SubstanceSheet& page, QGridLayout& rows, int i)
{
    QWidget& frame = *rows.parentWidget();
    const auto row = static_cast<std::size_t>(i);
    const int line = i % 3;
    rows.addWidget(&addTask(context, page, frame, i), line, 0);

    FormulaField& input = newFormulaField(frame);
    input.setObjectName(QStringLiteral("Substein%1").arg(i));
    input.setMinimumHeight(FieldHeight);
    input.setCursor(Qt::PointingHandCursor);
    input.setToolTip(i < 3 ? QStringLiteral("Anklicken für die Bildschirmtastatur – oder einfach lostippen")
                           : QStringLiteral("Anklicken für den Formeleditor – oder einfach lostippen"));
    const QString& task = i < 3 ? page.lab_SubsTerm[row].Term : page.Substanz[row].Caption;
    context.bind.termInput(
        input, page.Substein[row], task, [&page, i] { page.Substein_Click(i); },
        [&page, i](int key) { page.Substein_KeyPress(i, key); });
    rows.addWidget(&input, line, 1);

    QLabel& title = fixedLabel(frame, QString(), look::BasePointSize);
    title.setObjectName(QStringLiteral("lab_SubsTermTitle%1").arg(i));
    context.bind.label(title, page.lab_SubsTermTitle[row]);
    rows.addWidget(&title, line, 2);

    FormulaLabel& correction = newFormulaLabel(frame, look::TaskPointSize);
    correction.setObjectName(QStringLiteral("lab_SubCorrect%1").arg(i));
    context.bind.termLabel(correction, page.lab_SubCorrect[row]);
    rows.addWidget(&correction, line, 3);
    for (QWidget* shownWhenWrong : {static_cast<QWidget*>(&title), static_cast<QWidget*>(&correction)}) {
        QSizePolicy keepPlace = shownWhenWrong->sizePolicy();
        keepPlace.setRetainSizeWhenHidden(true); // the input keeps its width when the right answer shows
        shownWhenWrong->setSizePolicy(keepPlace);
    }
}

QGridLayout& addRows(QVBoxLayout& column)
{
    QGridLayout& rows = addRowGrid(column);
    rows.setColumnMinimumWidth(0, 280);
    rows.setColumnMinimumWidth(3, 220);
    rows.setVerticalSpacing(6);
    return rows;
}

} // namespace

void buildSubstanceSheetView(SubstanceSheet& page, QWidget& frame, PageContext& context)
{
    QVBoxLayout& column = pageColumn(frame);

    // Rows 0..2 ask for names, rows 3..5 for formulas; the first input has the focus, so names come first.
    addTitle(column, QStringLiteral("Namen von Substanzen"));
    addHint(column, QStringLiteral("(ohne Zahlsilben - wenn möglich: Metall zuerst)"));
    QGridLayout& names = addRows(column);
    for (int i = 0; i < 3; ++i)
        addRow(context, page, names, i);

    column.addStretch();
    addTitle(column, QStringLiteral(" Formeln von Substanzen"));
    addHint(column,
            QStringLiteral("(mit Ziffern - werden automatisch tiefgestellt; wenn möglich: Metall oder "
                           "Wasserstoff zuerst)"));
    QGridLayout& formulas = addRows(column);
    for (int i = 3; i < 6; ++i)
        addRow(context, page, formulas, i);
    column.addStretch();
}
