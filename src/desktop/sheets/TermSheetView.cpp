#include "desktop/sheets/DefinitionRows.h"
#include "desktop/sheets/SheetViews.h"
#include "desktop/widgets/ChoiceWheel.h"
#include "sheets/definitions/TermSheet.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int FilterWidth = 100;
constexpr int TermWheelWidth = 230;
constexpr int WrongPanelWidth = 200; // a correction names a term, not a definition

} // namespace

void buildTermSheetView(TermSheet& page, QWidget& frame, PageContext& context)
{
    QVBoxLayout& column = pageColumn(frame);
    addTitle(column, QStringLiteral("Chemische Begriffe suchen"));
    addHint(column, QStringLiteral("Begriffe  zu den gegebenen Definitionen auswählen!"));
    QGridLayout& rows = addMarkedRows(column, context, 0, 4);
    rows.setColumnMinimumWidth(2, WrongPanelWidth);
    for (int i = 0; i < 4; ++i) {
        const auto row = static_cast<std::size_t>(i);
        auto* line = new QHBoxLayout;
        line->setSpacing(10);
        line->addWidget(&addRowTask(context, frame, page.AnzS4[row],
                                    QStringLiteral("lst_Begriff%1_Aufgabe").arg(i), false),
                        1);
        ChoiceWheel& filter = addRowWheel(
            context, frame, page.lst_BegriffFilter[row], page.AnzS4[row],
            QStringLiteral("lst_BegriffFilter%1").arg(i),
            [&page, i](int position, const QString& text) {
                page.lst_BegriffFilter_Click(i, position, text);
            },
            QStringLiteral("Anfangsbuchstaben für: "));
        filter.setFixedWidth(FilterWidth);
        line->addWidget(&filter);
        ChoiceWheel& terms = addRowWheel(
            context, frame, page.lst_Begriff[row], page.AnzS4[row], QStringLiteral("lst_Begriff%1").arg(i),
            [&page, i](int position, const QString& text) { page.lst_Begriff_Click(i, position, text); });
        terms.setFixedWidth(TermWheelWidth);
        line->addWidget(&terms);
        rows.addLayout(line, i, 0);
    }
}
