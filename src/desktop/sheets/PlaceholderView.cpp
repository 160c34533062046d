#include "desktop/sheets/SheetViews.h"

#include "sheets/placeholder/PlaceholderSheet.h"

#include <QVBoxLayout>

#include <map>

namespace {

struct Heading {
    QString title;
    QString hint;
};

// The fixed title bars and hints of the pages whose rows follow below them, top to bottom.
const std::map<int, std::vector<Heading>>& headings()
{
    static const std::map<int, std::vector<Heading>> table = {
        {5,
         {{QStringLiteral(" Bevorzugte Ladungszahl der Ionen"),
           QStringLiteral("Evtl. Periodensystem aufrufen!")}}},
        {6, {{QStringLiteral("Verständnisfragen"), QStringLiteral("(Antwort anklicken!)")}}},
    };
    return table;
}

} // namespace

void buildPlaceholderView(PlaceholderSheet& sheet, QWidget& frame, PageContext& /*context*/)
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
}
