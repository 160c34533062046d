#pragma once

#include "editing/CatalogueDocument.h"

#include <QSet>
#include <QTreeWidget>

// The nine sections on the left, each with its beginner and expert part and their counts, and under them
// the records by their titles. A search text hides the records none of whose fields contain it.
class CatalogueTree final : public QTreeWidget {
public:
    explicit CatalogueTree(QWidget* parent = nullptr);

    // Builds the tree anew from the document, keeping what was open, the search and the selected record.
    void rebuild(const CatalogueDocument& document);
    // Shows the record's title anew after an edit; the search applies to its new fields.
    void retitle(const CatalogueDocument& document, int id);
    void setSearch(const CatalogueDocument& document, const QString& text);

    // Selects the record and opens its part; 0 selects nothing.
    void selectRecord(int id);
    // The selected record; 0 when a section or part or nothing is selected.
    int selectedRecord() const;
    // Where a new record goes: the part that is selected or holds the selected record (a selected section:
    // its beginner part); nullopt when nothing is selected.
    struct Place {
        Section section;
        CataloguePart part;
    };
    std::optional<Place> selectedPlace() const;

private:
    QTreeWidgetItem* recordItem(int id) const;
    // The sections and parts that are open.
    QSet<int> openItems() const;
    void applySearch(const CatalogueDocument& document, QTreeWidgetItem& item);

    QString m_search;
    QSet<int> m_openBeforeSearch;
};
