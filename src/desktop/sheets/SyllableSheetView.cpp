#include "desktop/sheets/SheetViews.h"

#include "sheets/syllables/SyllableSheet.h"

#include <QVBoxLayout>

void buildSyllableSheetView(SyllableSheet& page, QWidget& frame, PageContext& context)
{
    QVBoxLayout& column = pageColumn(frame);

    addTitle(column, QStringLiteral("Zahlsilben"));
    // Rows 0 and 1 ask for a number, rows 2 and 3 for a syllable; each pair has its own hint.
    for (int first : {0, 2}) {
        addHint(column, first == 0 ? QStringLiteral("(Arabische Ziffern: 1...2...3...)")
                                   : QStringLiteral("(Nur Kleinschreibung!)"));
        QGridLayout& rows = addRowGrid(column);
        for (int i = first; i < first + 2; ++i) {
            const auto row = static_cast<std::size_t>(i);
            addAnswerRow(context, rows,
                         {page.AnzS2[row], page.Zahl[row], QStringLiteral("Zahl%1").arg(i),
                          [&page, i] { page.Zahl_Click(i); },
                          [&page, i](int key) { page.Zahl_KeyPress(i, key); }});
        }
    }
    column.addStretch();
}
