#pragma once

#include <QWidget>

class PeriodicTableGrid;
class QLineEdit;

// The periodic table as a window of its own that may stay open beside the test: a search field and the
// legend of the colours on top, the table, and a footer on rounding. Escape closes it.
class PeriodicTableWindow final : public QWidget {
public:
    explicit PeriodicTableWindow(QWidget* parent = nullptr);

    PeriodicTableGrid& grid() { return *m_grid; }
    QLineEdit& searchField() { return *m_search; }

private:
    QWidget* makeLegend();
    void search(const QString& text);
    void selectFirstFound();

    PeriodicTableGrid* m_grid = nullptr;
    QLineEdit* m_search = nullptr;
};
