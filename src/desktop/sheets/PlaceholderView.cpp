#include "desktop/sheets/SheetViews.h"

#include "desktop/view/PageViews.h"
#include "sheets/placeholder/PlaceholderSheet.h"

#include <QVBoxLayout>

#include <map>

namespace {

struct Heading {
    QString title;
    QString hint;
};

// The rows of a definition page are marked with img_Correct(first .. first + count - 1).
struct Markers {
    int first;
    int count;
};

// The fixed title bars and hints of the pages whose rows follow below them, top to bottom.
const std::map<int, std::vector<Heading>>& headings()
{
    static const std::map<int, std::vector<Heading>> table = {
        {3,
         {{QStringLiteral("Definitionen (Was ist ein ...?)"),
           QStringLiteral("Definitionen zu den vorgegeben Begriffen anklicken!")}}},
        {4,
         {{QStringLiteral("Chemische Begriffe suchen"),
           QStringLiteral("Begriffe  zu den gegebenen Definitionen auswählen!")}}},
        {8,
         {{QStringLiteral("Molare Massen in g"),
           QStringLiteral("Molare Massen (in Gramm) auf eine Nachkommastelle runden!   (evtl. Periodensystem "
                          "aufrufen)")}}},
        {9,
         {{QStringLiteral(" Gleichungen einrichten"),
           QStringLiteral("Möglichst kleine ganzzahlige Koeffizienten einsetzen!")}}},
        {11,
         {{QStringLiteral(" Formeln von Substanzen"),
           QStringLiteral("(mit Ziffern - werden automatisch tiefgestellt; wenn möglich: Metall oder "
                          "Wasserstoff zuerst)")},
          {QStringLiteral("Namen von Substanzen"),
           QStringLiteral("(ohne Zahlsilben - wenn möglich: Metall zuerst)")}}},
        {12, {{QStringLiteral("Stoffmengen in mol"), QStringLiteral("(Bei Gasen: 25°C, 1013 hPa)")}}},
    };
    return table;
}

const std::map<int, Markers>& markers()
{
    static const std::map<int, Markers> table = {{3, {4, 3}}, {4, {0, 4}}};
    return table;
}

} // namespace

void buildPlaceholderView(PlaceholderSheet& sheet, QWidget& frame, PageContext& context)
{
    QVBoxLayout& column = pageColumn(frame);
    const auto found = headings().find(sheet.page());
    if (found != headings().end()) {
        const std::vector<Heading>& parts = found->second;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            if (i > 0)
                column.addStretch(); // the next group of rows starts half way down
            addTitle(column, parts[i].title);
            addHint(column, parts[i].hint);
        }
    }
    column.addStretch();
    const auto marked = markers().find(sheet.page());
    if (marked != markers().end())
        addDefinitionMarkers(column, context, marked->second.first, marked->second.count);
}
