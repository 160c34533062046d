#include "desktop/editor/CatalogueTree.h"

#include "catalogue/SectionChecks.h"
#include "editing/RecordForm.h"

#include <QSet>

namespace {

enum Role { RecordId = Qt::UserRole, SectionRole, PartRole };

QString partTitle(CataloguePart part, qsizetype count)
{
    return (part == CataloguePart::Beginner ? QStringLiteral("Anfängerteil (%1)")
                                            : QStringLiteral("Expertenteil (%1)"))
        .arg(count);
}

bool isPart(const QTreeWidgetItem& item)
{
    return item.parent() != nullptr && item.data(0, RecordId).toInt() == 0;
}

// What names a section or a part across rebuilds.
int keyOf(const QTreeWidgetItem& item)
{
    return item.data(0, SectionRole).toInt() * 3 + (isPart(item) ? item.data(0, PartRole).toInt() : 2);
}

} // namespace

CatalogueTree::CatalogueTree(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void CatalogueTree::rebuild(const CatalogueDocument& document)
{
    const QSet<int> open = openItems();
    const bool first = topLevelItemCount() == 0;
    const int selected = selectedRecord();
    clear();
    for (Section section : allSections) {
        auto* sectionItem = new QTreeWidgetItem(this, {sectionName(section)});
        sectionItem->setData(0, SectionRole, sectionNumber(section));
        sectionItem->setExpanded(first || open.contains(keyOf(*sectionItem)));
        if (!document.hasSection(section)) {
            sectionItem->setText(0, QStringLiteral("%1 (fehlt in der Datei)").arg(sectionName(section)));
            continue;
        }
        // A page that draws from the whole section at both levels: one list, new records at its end.
        const bool twoParts = hasBeginnerPart(section);
        for (CataloguePart part : {CataloguePart::Beginner, CataloguePart::Expert}) {
            if (!twoParts && part == CataloguePart::Beginner)
                continue;
            const QList<int> ids = twoParts ? document.records(section, part)
                                            : document.records(section, CataloguePart::Beginner) +
                                                  document.records(section, CataloguePart::Expert);
            auto* partItem = new QTreeWidgetItem(
                sectionItem,
                {twoParts ? partTitle(part, ids.size()) : QStringLiteral("Aufgaben (%1)").arg(ids.size())});
            partItem->setData(0, SectionRole, sectionNumber(section));
            partItem->setData(0, PartRole, static_cast<int>(part));
            for (int id : ids) {
                const QString title = recordTitle(section, document.fields(id));
                auto* record = new QTreeWidgetItem(partItem, {title});
                record->setToolTip(0, title);
                record->setData(0, RecordId, id);
            }
            partItem->setExpanded(open.contains(keyOf(*partItem)));
        }
    }
    for (int i = 0; i < topLevelItemCount(); ++i)
        applySearch(document, *topLevelItem(i));
    selectRecord(document.contains(selected) ? selected : 0);
}

void CatalogueTree::retitle(const CatalogueDocument& document, int id)
{
    QTreeWidgetItem* item = recordItem(id);
    if (item == nullptr)
        return;
    const QString title = recordTitle(document.sectionOf(id), document.fields(id));
    item->setText(0, title);
    item->setToolTip(0, title);
    applySearch(document, *item);
}

void CatalogueTree::setSearch(const CatalogueDocument& document, const QString& text)
{
    const QString search = text.trimmed();
    if (m_search.isEmpty() && !search.isEmpty())
        m_openBeforeSearch = openItems();
    const bool ended = !m_search.isEmpty() && search.isEmpty();
    m_search = search;
    for (int i = 0; i < topLevelItemCount(); ++i)
        applySearch(document, *topLevelItem(i));
    // What the search opened closes again; the way to the selected record stays open.
    if (ended) {
        for (QTreeWidgetItemIterator it(this); *it != nullptr; ++it)
            if ((*it)->data(0, RecordId).toInt() == 0)
                (*it)->setExpanded(m_openBeforeSearch.contains(keyOf(**it)));
        selectRecord(selectedRecord());
    }
}

QSet<int> CatalogueTree::openItems() const
{
    QSet<int> open;
    for (QTreeWidgetItemIterator it(const_cast<CatalogueTree*>(this)); *it != nullptr; ++it)
        if ((*it)->isExpanded())
            open << keyOf(**it);
    return open;
}

// Hides the records that do not match and the parts and sections left without a match; a search opens
// what it finds.
void CatalogueTree::applySearch(const CatalogueDocument& document, QTreeWidgetItem& item)
{
    const int id = item.data(0, RecordId).toInt();
    if (id != 0) {
        const bool matches =
            m_search.isEmpty() ||
            document.fields(id).join(QLatin1Char('\n')).contains(m_search, Qt::CaseInsensitive);
        item.setHidden(!matches);
        return;
    }
    bool anyShown = false;
    for (int i = 0; i < item.childCount(); ++i) {
        applySearch(document, *item.child(i));
        anyShown = anyShown || !item.child(i)->isHidden();
    }
    const bool searching = !m_search.isEmpty();
    item.setHidden(searching && !anyShown);
    if (searching && anyShown)
        item.setExpanded(true);
}

QTreeWidgetItem* CatalogueTree::recordItem(int id) const
{
    for (QTreeWidgetItemIterator it(const_cast<CatalogueTree*>(this)); *it != nullptr; ++it)
        if ((*it)->data(0, RecordId).toInt() == id)
            return *it;
    return nullptr;
}

void CatalogueTree::selectRecord(int id)
{
    QTreeWidgetItem* item = id == 0 ? nullptr : recordItem(id);
    if (item == nullptr) {
        clearSelection();
        return;
    }
    for (QTreeWidgetItem* above = item->parent(); above != nullptr; above = above->parent())
        above->setExpanded(true);
    setCurrentItem(item);
    scrollToItem(item);
}

int CatalogueTree::selectedRecord() const
{
    const QTreeWidgetItem* item = currentItem();
    return item != nullptr && item->isSelected() ? item->data(0, RecordId).toInt() : 0;
}

std::optional<CatalogueTree::Place> CatalogueTree::selectedPlace() const
{
    const QTreeWidgetItem* item = currentItem();
    if (item == nullptr)
        return std::nullopt;
    while (item->parent() != nullptr && !isPart(*item))
        item = item->parent();
    return Place{static_cast<Section>(item->data(0, SectionRole).toInt()),
                 static_cast<CataloguePart>(item->data(0, PartRole).toInt())};
}
