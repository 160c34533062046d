#include "desktop/pages/PageViews.h"

#include "app/frm_AppMain.h"

#include <QVBoxLayout>

void buildElementPage(QWidget& frame, PageContext& context)
{
    frm_AppMain& model = context.model;
    ElementPage& page = model.page1;
    QVBoxLayout& column = pageColumn(frame);

    addTitle(column, QStringLiteral(" Elementsymbole"));
    addHint(column, QStringLiteral("(Groß- / Kleinschreibung!)"));
    QGridLayout& symbols = addRowGrid(column);
    for (int i = 0; i < 3; ++i) {
        const auto row = static_cast<std::size_t>(i);
        addAnswerRow(context, symbols,
                     {page.AnzS1[row], page.EleSym[row], QStringLiteral("EleSym%1").arg(i),
                      [&model, i] { model.EleSym_Click(i); },
                      [&model, i](int key) { model.EleSym_KeyPress(i, key); }});
    }

    addTitle(column, QStringLiteral("Namen der Elemente"));
    QGridLayout& names = addRowGrid(column);
    for (int i = 0; i < 3; ++i) {
        const auto row = static_cast<std::size_t>(i);
        addAnswerRow(context, names,
                     {page.AnzS1[row + 3], page.Ele[row], QStringLiteral("Ele%1").arg(i),
                      [&model, i] { model.Ele_Click(i); },
                      [&model, i](int key) { model.Ele_KeyPress(i, key); }});
    }
    column.addStretch();
}
