#include "desktop/tools/PeriodicTableGrid.h"

#include "catalogue/PeriodicTableCells.h"
#include "desktop/tools/ElementBlocks.h"
#include "desktop/tools/PeriodicTableAccessible.h"
#include "desktop/view/Look.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

namespace {

// In cells: the headings beside and above the table, and the gap above the f-rows.
constexpr qreal headingShare = 0.4;
constexpr qreal seriesGap = 0.35;
constexpr qreal tableWidthInCells = periodicColumns + headingShare;
constexpr qreal tableHeightInCells = 7 + seriesGap + 2 + headingShare;
constexpr QSize smallestCell(50, 44);
constexpr QSize preferredCell(72, 64);

QFont pixelFont(const QFont& base, qreal pixels, bool bold = false)
{
    QFont font = base;
    font.setPixelSize(qMax(6, qRound(pixels)));
    font.setBold(bold);
    return font;
}

// Draws the text centred in the rectangle, made smaller as far as needed to fit its width.
void drawFitted(QPainter& painter, const QRectF& rect, const QString& text, QFont font)
{
    const qreal width = QFontMetricsF(font).horizontalAdvance(text);
    if (width > rect.width())
        font.setPixelSize(qMax(6, static_cast<int>(font.pixelSize() * rect.width() / width)));
    painter.setFont(font);
    painter.drawText(rect, Qt::AlignCenter, text);
}

QString seriesName(ElementSeries series)
{
    return series == ElementSeries::Lanthanide ? QStringLiteral("Lanthanoide") : QStringLiteral("Actinoide");
}

} // namespace

QRectF PeriodicTableGrid::Geometry::cell(int row, int column) const
{
    const qreal rowOffset = row <= 7 ? row - 1 : row - 2 + seriesGap; // the free row 8 shrinks to a gap
    return {origin.x() + (column - 1) * cellWidth, origin.y() + rowOffset * cellHeight, cellWidth,
            cellHeight};
}

PeriodicTableGrid::PeriodicTableGrid(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Periodensystem"));
    installPeriodicTableAccessibility();
    m_details = new QLabel(this);
    m_details->setTextFormat(Qt::RichText);
    m_details->setWordWrap(true);
    m_details->setAlignment(Qt::AlignCenter);
    m_details->setStyleSheet(QStringLiteral("color: #17375E;"));
    showDetails();
}

QSize PeriodicTableGrid::sizeHint() const
{
    return {qRound(tableWidthInCells * preferredCell.width()),
            qRound(tableHeightInCells * preferredCell.height())};
}

QSize PeriodicTableGrid::minimumSizeHint() const
{
    return {qRound(tableWidthInCells * smallestCell.width()),
            qRound(tableHeightInCells * smallestCell.height())};
}

PeriodicTableGrid::Geometry PeriodicTableGrid::geometry() const
{
    // Cells fill the widget, but keep a sensible shape: never much wider than high, nor higher than wide.
    qreal cellWidth = width() / tableWidthInCells;
    qreal cellHeight = height() / tableHeightInCells;
    cellWidth = qMin(cellWidth, cellHeight * 1.35);
    cellHeight = qMin(cellHeight, cellWidth);
    const QPointF tableTopLeft((width() - cellWidth * tableWidthInCells) / 2,
                               (height() - cellHeight * tableHeightInCells) / 2);
    return {tableTopLeft + QPointF(headingShare * cellWidth, headingShare * cellHeight), cellWidth,
            cellHeight};
}

void PeriodicTableGrid::select(const ChemicalElement* element)
{
    const PeriodicCell* cell = element ? &periodicCells().at(element->number - 1) : nullptr;
    if (cell == m_selected)
        return;
    m_selected = cell;
    showDetails();
    update();
    emit selectionChanged(element);
}

QRect PeriodicTableGrid::cellRect(const ChemicalElement& element) const
{
    const PeriodicCell& cell = periodicCells().at(element.number - 1);
    return geometry().cell(cell.row, cell.column).toRect();
}

const ChemicalElement* PeriodicTableGrid::selected() const
{
    return m_selected ? m_selected->element : nullptr;
}

void PeriodicTableGrid::showSearch(bool searching, const QList<const ChemicalElement*>& found)
{
    m_searching = searching;
    m_found = found;
    update();
}

QString PeriodicTableGrid::detailsText() const
{
    return accessibleDescription();
}

void PeriodicTableGrid::showDetails()
{
    if (!m_selected) {
        m_details->setText(QStringLiteral("Klicke auf ein Element oder suche es oben, um mehr zu erfahren."));
        setAccessibleDescription(m_details->text());
        return;
    }
    const ChemicalElement& element = *m_selected->element;
    QStringList lines = {QStringLiteral("%1 (%2)").arg(element.name(), element.symbol)};
    if (element.names.size() > 1)
        lines << QStringLiteral("auch: ") + element.names.mid(1).join(QStringLiteral(", "));
    QString mass =
        QStringLiteral("Ordnungszahl %1 · Atommasse %2 u").arg(element.number).arg(atomicMassText(element));
    if (element.massNumberOnly)
        mass += QStringLiteral(" (Massenzahl des stabilsten Isotops)");
    lines << mass;
    const QString place = element.series == ElementSeries::None
                              ? QStringLiteral("Gruppe %1").arg(element.group)
                              : seriesName(element.series);
    lines << QStringLiteral("Periode %1 · %2 · %3")
                 .arg(element.period)
                 .arg(place, blockName(m_selected->block));
    QString html = QStringLiteral("<span style=\"font-size:x-large\"><b>%1</b></span>")
                       .arg(lines.first().toHtmlEscaped());
    for (const QString& line : lines.mid(1))
        html += QStringLiteral("<br>") + line.toHtmlEscaped();
    m_details->setText(html);
    setAccessibleDescription(lines.join(QStringLiteral(". ")));
}

void PeriodicTableGrid::resizeEvent(QResizeEvent*)
{
    // The details stand in the free space of periods 1 to 3 above groups 3 to 12.
    const Geometry g = geometry();
    const QRectF space = g.cell(1, 3).united(g.cell(3, 12)).adjusted(4, 2, -4, -g.cellHeight * 0.15);
    m_details->setGeometry(space.toRect());
    QFont font = m_details->font();
    font.setPixelSize(qMax(11, qRound(g.cellHeight * 0.24)));
    m_details->setFont(font);
}

void PeriodicTableGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const Geometry g = geometry();
    paintHeadings(painter, g);
    paintSeriesMarkers(painter, g);
    for (const PeriodicCell& cell : periodicCells())
        paintCell(painter, g, cell);
}

void PeriodicTableGrid::paintHeadings(QPainter& painter, const Geometry& g) const
{
    painter.setPen(look::Ink);
    painter.setFont(pixelFont(font(), g.cellHeight * 0.2, true));
    for (int column = 1; column <= periodicColumns; ++column) {
        const QRectF cell = g.cell(1, column);
        painter.drawText(QRectF(cell.left(), cell.top() - headingShare * g.cellHeight, cell.width(),
                                headingShare * g.cellHeight),
                         Qt::AlignCenter, QString::number(column));
    }
    for (int period = 1; period <= 7; ++period) {
        const QRectF cell = g.cell(period, 1);
        painter.drawText(QRectF(cell.left() - headingShare * g.cellWidth, cell.top(),
                                headingShare * g.cellWidth, cell.height()),
                         Qt::AlignCenter, QString::number(period));
    }
}

void PeriodicTableGrid::paintSeriesMarkers(QPainter& painter, const Geometry& g) const
{
    const QColor colour = blockColour(ElementBlock::F).lighter(112);
    for (const auto& [row, range] :
         {std::pair{6, QStringLiteral("57–71")}, std::pair{7, QStringLiteral("89–103")}}) {
        const QRectF rect = g.cell(row, seriesColumn).adjusted(1.5, 1.5, -1.5, -1.5);
        painter.setPen(QPen(colour.darker(150), 1, Qt::DashLine));
        painter.setBrush(colour);
        painter.drawRoundedRect(rect, 4, 4);
        painter.setPen(look::Ink);
        drawFitted(painter, rect, range, pixelFont(font(), g.cellHeight * 0.2));
    }
}

void PeriodicTableGrid::paintCell(QPainter& painter, const Geometry& g, const PeriodicCell& cell) const
{
    const ChemicalElement& element = *cell.element;
    const bool selected = &cell == m_selected;
    const bool faded = m_searching && !selected && !m_found.contains(&element);
    const QRectF rect = g.cell(cell.row, cell.column).adjusted(1.5, 1.5, -1.5, -1.5);
    QColor fill = blockColour(cell.block);
    QColor ink = look::Ink;
    if (faded) {
        fill = fill.lighter(125);
        fill.setAlpha(110);
        ink.setAlpha(90);
    }
    painter.setPen(selected ? QPen(look::TitleFrom, 3.5) : QPen(fill.darker(140), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(rect, 4, 4);

    painter.setPen(ink);
    const qreal h = rect.height();
    const QRectF inner = rect.adjusted(3, 1, -3, -1);
    painter.setFont(pixelFont(font(), h * 0.19));
    painter.drawText(inner, Qt::AlignLeft | Qt::AlignTop, QString::number(element.number));
    drawFitted(painter, QRectF(inner.left(), rect.top() + h * 0.16, inner.width(), h * 0.38), element.symbol,
               pixelFont(font(), h * 0.34, true));
    drawFitted(painter, QRectF(inner.left(), rect.top() + h * 0.53, inner.width(), h * 0.22), element.name(),
               pixelFont(font(), h * 0.17));
    drawFitted(painter, QRectF(inner.left(), rect.top() + h * 0.75, inner.width(), h * 0.22),
               atomicMassText(element), pixelFont(font(), h * 0.17));
}

void PeriodicTableGrid::mousePressEvent(QMouseEvent* event)
{
    const Geometry g = geometry();
    for (const PeriodicCell& cell : periodicCells())
        if (g.cell(cell.row, cell.column).contains(event->position())) {
            select(cell.element);
            return;
        }
}

void PeriodicTableGrid::keyPressEvent(QKeyEvent* event)
{
    int rowStep = 0;
    int columnStep = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        columnStep = -1;
        break;
    case Qt::Key_Right:
        columnStep = 1;
        break;
    case Qt::Key_Up:
        rowStep = -1;
        break;
    case Qt::Key_Down:
        rowStep = 1;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (!m_selected) {
        select(periodicCells().constFirst().element);
        return;
    }
    if (const PeriodicCell* next = neighbourCell(*m_selected, rowStep, columnStep))
        select(next->element);
}
