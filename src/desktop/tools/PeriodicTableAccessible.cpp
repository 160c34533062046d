#include "desktop/tools/PeriodicTableAccessible.h"

#include "catalogue/PeriodicTableCells.h"
#include "desktop/tools/PeriodicTableGrid.h"
#include "desktop/view/AccessibleFactory.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>

namespace {

// One element cell. It has no object of its own: it reads its grid, which owns it through the grid's
// interface.
class ElementCellAccessible final : public QAccessibleInterface {
public:
    ElementCellAccessible(PeriodicTableGrid& grid, int index) : m_grid(&grid), m_index(index) {}

    bool isValid() const override { return !m_grid.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_grid ? m_grid->window()->windowHandle() : nullptr; }
    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation) const override
    {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_grid); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::Cell; }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name)
            return {};
        const ChemicalElement& e = element();
        return QStringLiteral("%1 (%2), Ordnungszahl %3, Atommasse %4 u")
            .arg(e.name(), e.symbol)
            .arg(e.number)
            .arg(atomicMassText(e));
    }

    QRect rect() const override
    {
        if (!m_grid)
            return {};
        const QRect place = m_grid->cellRect(element());
        return {m_grid->mapToGlobal(place.topLeft()), place.size()};
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.selectable = true;
        state.selected = m_grid && m_grid->selected() == &element();
        return state;
    }

private:
    const ChemicalElement& element() const { return *periodicCells().at(m_index).element; }

    QPointer<PeriodicTableGrid> m_grid;
    int m_index;
};

// The grid as a table of its cells. The cells' interfaces are registered with the accessibility cache
// when first asked for and removed with the grid.
class PeriodicTableAccessible final : public QAccessibleWidget {
public:
    explicit PeriodicTableAccessible(PeriodicTableGrid& grid) : QAccessibleWidget(&grid, QAccessible::Table) {}
    ~PeriodicTableAccessible() override
    {
        for (const QAccessible::Id id : m_cells)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return static_cast<int>(periodicCells().size()); }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (m_cells.isEmpty()) {
            auto& grid = static_cast<PeriodicTableGrid&>(*widget());
            for (int i = 0; i < childCount(); ++i)
                m_cells << QAccessible::registerAccessibleInterface(new ElementCellAccessible(grid, i));
        }
        return QAccessible::accessibleInterface(m_cells.at(index));
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < m_cells.size(); ++i)
            if (QAccessible::accessibleInterface(m_cells.at(i)) == child)
                return i;
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* cell = child(i); cell->rect().contains(x, y))
                return cell;
        return nullptr;
    }

private:
    mutable QList<QAccessible::Id> m_cells;
};

} // namespace

void installPeriodicTableAccessibility()
{
    installAccessibleInterface<PeriodicTableGrid, PeriodicTableAccessible>();
}
