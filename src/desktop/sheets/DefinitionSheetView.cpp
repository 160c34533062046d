#include "desktop/sheets/DefinitionRows.h"
#include "desktop/sheets/SheetViews.h"
#include "desktop/widgets/ChoiceWheel.h"
#include "sheets/definitions/DefinitionSheet.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int TermWidth = 240; // a term of 20 letters in one line

} // namespace

void buildDefinitionSheetView(DefinitionSheet& page, QWidget& frame, PageContext& context)
{
    QVBoxLayout& column = pageColumn(frame);
    addTitle(column, QStringLiteral("Definitionen (Was ist ein ...?)"));
    addHint(column, QStringLiteral("Definitionen zu den vorgegeben Begriffen anklicken!"));
    QGridLayout& rows = addMarkedRows(column, context, 4, 3);
    for (int i = 0; i < 3; ++i) {
        const auto row = static_cast<std::size_t>(i);
        auto* line = new QHBoxLayout;
        line->setSpacing(12);
        QLabel& term = addRowTask(context, frame, page.AnzS3[row],
                                  QStringLiteral("lst_Definition%1_Aufgabe").arg(i), true);
        term.setFixedWidth(TermWidth);
        line->addWidget(&term);
        line->addWidget(&addRowWheel(context, frame, page.lst_Definition[row], page.AnzS3[row],
                                     QStringLiteral("lst_Definition%1").arg(i), {}),
                        1);
        rows.addLayout(line, i, 0);
    }
}
