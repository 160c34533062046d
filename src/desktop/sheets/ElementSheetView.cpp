#include "desktop/sheets/SheetViews.h"

#include "sheets/elements/ElementSheet.h"

#include <QVBoxLayout>

void buildElementSheetView(ElementSheet& page, QWidget& frame, PageContext& context)
{
    QVBoxLayout& column = pageColumn(frame);

    addTitle(column, QStringLiteral(" Elementsymbole"));
    addHint(column, QStringLiteral("(Groß- / Kleinschreibung!)"));
    QGridLayout& symbols = addRowGrid(column);
    for (int i = 0; i < 3; ++i) {
        const auto row = static_cast<std::size_t>(i);
        addAnswerRow(context, symbols,
                     {page.AnzS1[row], page.EleSym[row], QStringLiteral("EleSym%1").arg(i),
                      [&page, i] { page.EleSym_Click(i); },
                      [&page, i](int key) { page.EleSym_KeyPress(i, key); }});
    }

    addTitle(column, QStringLiteral("Namen der Elemente"));
    QGridLayout& names = addRowGrid(column);
    for (int i = 0; i < 3; ++i) {
        const auto row = static_cast<std::size_t>(i);
        addAnswerRow(context, names,
                     {page.AnzS1[row + 3], page.Ele[row], QStringLiteral("Ele%1").arg(i),
                      [&page, i] { page.Ele_Click(i); }, [&page, i](int key) { page.Ele_KeyPress(i, key); }});
    }
    column.addStretch();
}
