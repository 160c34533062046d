#pragma once

#include <QWidget>

struct ChemicalElement;
struct PeriodicCell;
class QLabel;

// The 118 cells of the periodic table, drawn to fill the widget: atomic number, symbol, German name and
// mass in each, coloured by block, with group numbers above and period numbers beside. A click or the arrow
// keys select a cell; its details stand in the free space above the d-block. Elements found by a search
// stay bright, the others fade.
class PeriodicTableGrid final : public QWidget {
    Q_OBJECT

public:
    explicit PeriodicTableGrid(QWidget* parent = nullptr);

    void select(const ChemicalElement* element);
    const ChemicalElement* selected() const;
    // While searching, only the elements found stay bright; without a search every cell is.
    void showSearch(bool searching, const QList<const ChemicalElement*>& found);
    // The details of the selected element as plain text, or the invitation to select one.
    QString detailsText() const;
    // Where the element's cell stands in the widget.
    QRect cellRect(const ChemicalElement& element) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void selectionChanged(const ChemicalElement* element);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Geometry {
        QPointF origin; // top left of the cell in period 1, group 1
        qreal cellWidth = 0;
        qreal cellHeight = 0;
        QRectF cell(int row, int column) const;
    };
    Geometry geometry() const;
    void paintCell(QPainter& painter, const Geometry& geometry, const PeriodicCell& cell) const;
    void paintSeriesMarkers(QPainter& painter, const Geometry& geometry) const;
    void paintHeadings(QPainter& painter, const Geometry& geometry) const;
    void showDetails();

    const PeriodicCell* m_selected = nullptr;
    bool m_searching = false;
    QList<const ChemicalElement*> m_found;
    QLabel* m_details = nullptr;
};
