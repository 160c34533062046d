#include "sheets/definitions/TermWheels.h"

#include "components/TextTools.h"

#include <QSet>

#include <algorithm>
#include <utility>

QStringList letterGroups()
{
    return {QStringLiteral("A-E"), QStringLiteral("F-I"), QStringLiteral("J-L"), QStringLiteral("M-Q"),
            QStringLiteral("R-Z")};
}

QString initialOf(const QString& term)
{
    return upperEachChar(term.left(1));
}

bool liesInGroup(const QString& initial, const QString& group)
{
    if (initial.isEmpty() || group.isEmpty())
        return false;
    return group.left(1) <= initial && initial <= group.right(1);
}

void followFilter(Wheel& terms, const QString& group)
{
    if (liesInGroup(initialOf(terms.Value), group))
        return;
    const auto first = std::find_if(terms.Items.cbegin(), terms.Items.cend(), [&group](const QString& term) {
        return liesInGroup(initialOf(term), group);
    });
    if (first != terms.Items.cend())
        terms.Value = *first;
}

void followTerm(Wheel& filter, const QString& term)
{
    const QString initial = initialOf(term);
    if (liesInGroup(initial, filter.Value))
        return;
    const auto group = std::find_if(filter.Items.cbegin(), filter.Items.cend(),
                                    [&initial](const QString& g) { return liesInGroup(initial, g); });
    if (group != filter.Items.cend())
        filter.Value = *group;
}

QString judgedText(const QString& text)
{
    return upperEachChar(trimBlanks(text));
}

QStringList wheelTerms(const CatalogueArray<DefinitionRecord>& records)
{
    QList<std::pair<QString, QString>> keyed; // upper case, as written
    QSet<QString> seen;
    for (int i = 1; i <= upperBound(records); ++i) {
        const QString term = trimBlanks(records[i].Term.text());
        const QString key = upperEachChar(term);
        if (term.isEmpty() || seen.contains(key))
            continue;
        seen.insert(key);
        keyed.append({key, term});
    }
    std::sort(keyed.begin(), keyed.end());
    QStringList terms;
    for (const auto& [key, term] : keyed)
        terms.append(term);
    return terms;
}
