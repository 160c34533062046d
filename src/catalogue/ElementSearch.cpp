#include "catalogue/ElementSearch.h"

#include <algorithm>

namespace {

// How well an element fits the search text; lower is better, None not at all.
enum Fit { Symbol, Name, NameStart, NamePart, None };

Fit fitOf(const ChemicalElement& element, QStringView text)
{
    if (element.symbol.compare(text, Qt::CaseInsensitive) == 0)
        return Symbol;
    Fit best = None;
    for (const QString& name : element.names) {
        if (name.compare(text, Qt::CaseInsensitive) == 0)
            return Name;
        if (name.startsWith(text, Qt::CaseInsensitive))
            best = std::min(best, NameStart);
        else if (name.contains(text, Qt::CaseInsensitive))
            best = std::min(best, NamePart);
    }
    return best;
}

} // namespace

QList<const ChemicalElement*> searchElements(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    QList<std::pair<Fit, const ChemicalElement*>> found;
    if (trimmed.isEmpty())
        return {};
    for (const ChemicalElement& element : elementTable())
        if (const Fit fit = fitOf(element, trimmed); fit != None)
            found.append({fit, &element});
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QList<const ChemicalElement*> elements;
    for (const auto& [fit, element] : found)
        elements.append(element);
    return elements;
}
