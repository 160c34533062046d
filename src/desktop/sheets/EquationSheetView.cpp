#include "desktop/sheets/SheetViews.h"

#include "desktop/view/Look.h"
#include "desktop/widgets/FormulaLabel.h"
#include "sheets/equations/EquationSheet.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr int FieldWidth = 56;
constexpr int FieldHeight = 40;
constexpr int SignWidth = 30;
// Each slot takes three grid columns: its field, its formula and the sign after it. Each equation takes two
// grid rows: the fields with their formulas, and under every field the right coefficient when it is wrong.
constexpr int ColumnsPerSlot = 3;
constexpr int LinesPerRow = 2;

const QColor CorrectionInk(0x1B, 0x5E, 0x20); // dark green: the right coefficient

std::size_t at(int index)
{
    return static_cast<std::size_t>(index);
}

QFont taskFont(const QWidget& widget, bool bold = false)
{
    return look::sized(widget.font(), look::TaskPointSize, bold);
}

void setInk(QWidget& widget, const QColor& ink)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, ink);
    widget.setPalette(palette);
}

// The formula of a slot, drawn with its digits as subscripts.
QWidget& addFormula(PageContext& page, QWidget& frame, const Label& model)
{
    auto* formula = new FormulaLabel(&frame);
    formula->setContentsMargins(6, 6, 6, 0); // lowered a little: the subscripts hang below the line
    formula->setFont(taskFont(*formula, true));
    setInk(*formula, look::Ink);
    page.bind.renderer([formula, &model] {
        if (formula->formula() != model.Caption)
            formula->setFormula(model.Caption);
        setShown(*formula, model.Visible);
    });
    return *formula;
}

// A sign between two slots ("+" or the arrow), hidden with the slot it leads to.
QWidget& addSign(PageContext& page, QWidget& frame, const Label& model)
{
    auto* sign = new QLabel(&frame);
    sign->setFont(taskFont(*sign, true));
    sign->setAlignment(Qt::AlignCenter);
    sign->setMinimumWidth(SignWidth);
    setInk(*sign, look::Ink);
    page.bind.label(*sign, model);
    return *sign;
}

void addSlot(EquationSheet& sheet, PageContext& page, QGridLayout& grid, int slot)
{
    QWidget& frame = *grid.parentWidget();
    const int line = slot / 4 * LinesPerRow;
    const int column = slot % 4 * ColumnsPerSlot;

    auto* field = new QLineEdit(&frame);
    field->setObjectName(QStringLiteral("Einsetz%1").arg(slot));
    field->setFont(taskFont(*field));
    field->setFixedSize(FieldWidth, FieldHeight);
    field->setAlignment(Qt::AlignCenter);
    field->setCursor(Qt::PointingHandCursor);
    field->setAccessibleDescription(QStringLiteral("Koeffizient"));
    field->setToolTip(QStringLiteral("Anklicken für die Bildschirmtastatur – oder einfach lostippen"));
    // The field is named by the formula it stands in front of.
    page.bind.textField(
        *field, sheet.Einsetz[at(slot)], sheet.EText[at(slot)], [&sheet, slot] { sheet.Einsetz_Click(slot); },
        [&sheet, slot](int key) { sheet.Einsetz_KeyPress(slot, key); });

    auto* correction = new QLabel(&frame);
    correction->setObjectName(QStringLiteral("Einsetz2_%1").arg(slot));
    correction->setFont(taskFont(*correction, true));
    correction->setAlignment(Qt::AlignCenter);
    setInk(*correction, CorrectionInk);
    QSizePolicy keepPlace = correction->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true); // a correction appearing moves nothing
    correction->setSizePolicy(keepPlace);
    page.bind.label(*correction, sheet.Einsetz2[at(slot)]);

    QWidget& formula = addFormula(page, frame, sheet.EText[at(slot)]);
    formula.setObjectName(QStringLiteral("EText%1").arg(slot));

    grid.addWidget(field, line, column);
    grid.addWidget(&formula, line, column + 1);
    grid.addWidget(correction, line + 1, column);
}

} // namespace

void buildEquationSheetView(EquationSheet& sheet, QWidget& frame, PageContext& context)
{
    QVBoxLayout& column = pageColumn(frame);
    addTitle(column, QStringLiteral(" Gleichungen einrichten"));
    addHint(column, QStringLiteral("Möglichst kleine ganzzahlige Koeffizienten einsetzen!"));

    auto* grid = new QGridLayout;
    grid->setContentsMargins(10, 10, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(4);
    column.addLayout(grid);
    for (int slot = 0; slot < EquationSheet::Slots; ++slot)
        addSlot(sheet, context, *grid, slot);
    for (int row = 0; row < EquationSheet::Rows; ++row) {
        const auto r = at(row);
        const int line = row * LinesPerRow;
        grid->addWidget(&addSign(context, frame, sheet.PlusL[r]), line, 0 * ColumnsPerSlot + 2);
        grid->addWidget(&addSign(context, frame, sheet.Arrow[r]), line, 1 * ColumnsPerSlot + 2);
        grid->addWidget(&addSign(context, frame, sheet.PlusR[r]), line, 2 * ColumnsPerSlot + 2);
    }
    grid->setColumnStretch(4 * ColumnsPerSlot, 1); // the rows keep to the left
    column.addStretch();
}
