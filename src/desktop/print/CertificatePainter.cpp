#include "desktop/print/CertificatePainter.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

constexpr double BorderInsetMm = 10;
constexpr double ContentInsetMm = 25;
constexpr double SmallestFittedPointSize = 6;
constexpr double TableGapMm = 14;
constexpr double TableShare = 0.6;
constexpr double ColumnShare = 0.4; // each of the two page columns, of the content's width

QColor colourOf(const QString& name)
{
    return name.isEmpty() ? QColor(Qt::black) : QColor(name);
}

// One pass over the page's elements; it measures only, or draws as well.
class PageLayout {
public:
    PageLayout(QPainter& painter, const CertificatePage& page, double width)
        : m_painter(painter), m_page(page), m_width(width),
          m_pixelsPerMm(painter.device()->logicalDpiY() / 25.4)
    {
    }

    // The height of everything but the flexible spaces, and how many of those there are.
    std::pair<double, int> measure();
    void draw(double flexibleSpace);

private:
    double walk(bool drawing, double flexibleSpace);
    double text(const PageElement& element, double y, bool drawing);
    double table(qsizetype first, qsizetype end, double y, bool drawing);
    double columns(const PageElement& element, double y, bool drawing);
    double signatureLines(const PageElement& element, double y, bool drawing);

    QFont fontOf(const TextStyle& style, double pointSize) const;
    QFontMetricsF metrics(const QFont& font) const { return QFontMetricsF(font, m_painter.device()); }
    QFont fitted(const TextStyle& style, const QString& line, double width) const;
    void drawLine(const QRectF& box, const QString& line, Qt::Alignment alignment, const QFont& font,
                  const TextStyle& style);
    std::pair<double, double> columnSpans(int column) const;

    QPainter& m_painter;
    const CertificatePage& m_page;
    double m_width;
    double m_pixelsPerMm;
};

QFont PageLayout::fontOf(const TextStyle& style, double pointSize) const
{
    QFont font(m_page.page.fontFamily);
    font.setPointSizeF(pointSize);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    // No ligatures: "ff" and "fi" stay separate letters, so the PDF's text is searched and copied as it
    // reads.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// The style's font, made smaller where the line would not fit the width (a very long name, say).
QFont PageLayout::fitted(const TextStyle& style, const QString& line, double width) const
{
    QFont font = fontOf(style, style.pointSize);
    const double natural = metrics(font).horizontalAdvance(line);
    if (natural > width && natural > 0)
        font.setPointSizeF(std::max(SmallestFittedPointSize, style.pointSize * width / natural));
    return font;
}

void PageLayout::drawLine(const QRectF& box, const QString& line, Qt::Alignment alignment, const QFont& font,
                          const TextStyle& style)
{
    m_painter.setFont(font);
    m_painter.setPen(colourOf(style.colour));
    // Plain text: no mnemonic, no markup; what does not fit even at the smallest size is elided.
    const QString shown = metrics(font).elidedText(line, Qt::ElideRight, box.width());
    m_painter.drawText(box, int(alignment | Qt::AlignVCenter | Qt::TextSingleLine), shown);
}

double PageLayout::text(const PageElement& element, double y, bool drawing)
{
    static const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    double height = 0;
    for (const QString& line : element.cells.value(0)) {
        const QFont font = fitted(element.style, line, m_width);
        const double lineHeight = metrics(font).lineSpacing();
        if (drawing)
            drawLine(QRectF(0, y + height, m_width, lineHeight), line,
                     alignments[int(element.style.alignment)], font, element.style);
        height += lineHeight;
    }
    return height;
}

double PageLayout::table(qsizetype first, qsizetype end, double y, bool drawing)
{
    double labelWidth = 0;
    double valueWidth = 0;
    for (qsizetype i = first; i < end; ++i) {
        const PageElement& row = m_page.elements[i];
        const QFontMetricsF fm = metrics(fontOf(row.style, row.style.pointSize));
        labelWidth = std::max(labelWidth, fm.horizontalAdvance(row.cells[0].join(QLatin1Char(' '))));
        valueWidth = std::max(valueWidth, fm.horizontalAdvance(row.cells[1].join(QLatin1Char(' '))));
    }
    // At least a tidy share of the width; the label column gives way first when the page is too narrow.
    const double gap = TableGapMm * m_pixelsPerMm;
    const double tableWidth = std::clamp(labelWidth + gap + valueWidth, m_width * TableShare, m_width);
    valueWidth = std::min(valueWidth, (tableWidth - gap) * 0.4);
    labelWidth = std::min(labelWidth, tableWidth - gap - valueWidth);
    const double left = (m_width - tableWidth) / 2;
    const double pad = tableWidth * 0.04;

    double height = 0;
    for (qsizetype i = first; i < end; ++i) {
        const PageElement& row = m_page.elements[i];
        const QFont font = fontOf(row.style, row.style.pointSize);
        const double rowHeight = metrics(font).lineSpacing() * 1.55;
        if (drawing) {
            const double top = y + height;
            if ((i - first) % 2 == 0)
                m_painter.fillRect(QRectF(left - pad, top, tableWidth + 2 * pad, rowHeight),
                                   QColor(0xEE, 0xF3, 0xF8));
            drawLine(QRectF(left, top, labelWidth, rowHeight), row.cells[0].join(QLatin1Char(' ')),
                     Qt::AlignLeft, font, row.style);
            drawLine(QRectF(left + tableWidth - valueWidth, top, valueWidth, rowHeight),
                     row.cells[1].join(QLatin1Char(' ')), Qt::AlignRight, font, row.style);
        }
        height += rowHeight;
    }
    if (drawing) {
        m_painter.setPen(QPen(colourOf(m_page.page.borderColour), 0.3 * m_pixelsPerMm));
        m_painter.drawLine(QPointF(left - pad, y), QPointF(left + tableWidth + pad, y));
        m_painter.drawLine(QPointF(left - pad, y + height), QPointF(left + tableWidth + pad, y + height));
    }
    return height;
}

// The left (0) or right (1) page column: its left edge and width.
std::pair<double, double> PageLayout::columnSpans(int column) const
{
    const double width = m_width * ColumnShare;
    return {column == 0 ? 0 : m_width - width, width};
}

double PageLayout::columns(const PageElement& element, double y, bool drawing)
{
    double height = 0;
    for (int column = 0; column < 2; ++column) {
        const QString line = element.cells[column].join(QLatin1Char(' '));
        const auto [left, width] = columnSpans(column);
        const QFont font = fitted(element.style, line, width);
        const double lineHeight = metrics(font).lineSpacing();
        if (drawing && !line.isEmpty())
            drawLine(QRectF(left, y, width, lineHeight), line, Qt::AlignHCenter, font, element.style);
        height = std::max(height, lineHeight);
    }
    return height;
}

double PageLayout::signatureLines(const PageElement& element, double y, bool drawing)
{
    const double above = 1.5 * m_pixelsPerMm;
    double height = 0;
    for (int column = 0; column < 2; ++column) {
        const QString caption = element.cells[column].join(QLatin1Char(' '));
        const auto [left, width] = columnSpans(column);
        const QFont font = fitted(element.style, caption, width);
        const double lineHeight = metrics(font).lineSpacing();
        if (drawing && !caption.isEmpty()) {
            m_painter.setPen(QPen(Qt::black, 0.25 * m_pixelsPerMm));
            m_painter.drawLine(QPointF(left, y), QPointF(left + width, y));
            drawLine(QRectF(left, y + above, width, lineHeight), caption, Qt::AlignHCenter, font,
                     element.style);
        }
        height = std::max(height, above + lineHeight);
    }
    return height;
}

double PageLayout::walk(bool drawing, double flexibleSpace)
{
    double y = 0;
    const QList<PageElement>& elements = m_page.elements;
    for (qsizetype i = 0; i < elements.size(); ++i) {
        const PageElement& element = elements[i];
        switch (element.kind) {
        case ElementKind::Text:
            y += text(element, y, drawing);
            break;
        case ElementKind::TableRow: {
            qsizetype end = i + 1;
            while (end < elements.size() && elements[end].kind == ElementKind::TableRow)
                ++end;
            y += table(i, end, y, drawing);
            i = end - 1;
            break;
        }
        case ElementKind::Columns:
            y += columns(element, y, drawing);
            break;
        case ElementKind::SignatureLines:
            y += signatureLines(element, y, drawing);
            break;
        case ElementKind::Space:
            y += element.spaceMillimetres * m_pixelsPerMm;
            break;
        case ElementKind::FlexibleSpace:
            y += flexibleSpace;
            break;
        }
    }
    return y;
}

std::pair<double, int> PageLayout::measure()
{
    const auto flexible =
        std::count_if(m_page.elements.cbegin(), m_page.elements.cend(),
                      [](const PageElement& e) { return e.kind == ElementKind::FlexibleSpace; });
    return {walk(false, 0), int(flexible)};
}

void PageLayout::draw(double flexibleSpace)
{
    walk(true, flexibleSpace);
}

void paintBorder(QPainter& painter, const QRectF& paper, const PageSettings& page, double pixelsPerMm)
{
    if (page.border == BorderStyle::None)
        return;
    const QColor colour = colourOf(page.borderColour);
    const auto frame = [&](double insetMm, double widthMm) {
        painter.setPen(QPen(colour, widthMm * pixelsPerMm));
        painter.setBrush(Qt::NoBrush);
        const double inset = insetMm * pixelsPerMm;
        painter.drawRect(paper.adjusted(inset, inset, -inset, -inset));
    };
    frame(BorderInsetMm, page.border == BorderStyle::Double ? 0.9 : 0.5);
    if (page.border == BorderStyle::Double)
        frame(BorderInsetMm + 2.2, 0.25);
}

} // namespace

void setUpCertificatePaper(QPagedPaintDevice& device, const CertificatePage& page)
{
    device.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4),
        page.page.orientation == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(0, 0, 0, 0)));
}

void paintCertificate(QPainter& painter, const QRectF& paper, const CertificatePage& page)
{
    const double pixelsPerMm = painter.device()->logicalDpiY() / 25.4;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paintBorder(painter, paper, page.page, pixelsPerMm);

    const double inset = ContentInsetMm * pixelsPerMm;
    const QRectF content = paper.adjusted(inset, inset, -inset, -inset);
    PageLayout measuring(painter, page, content.width());
    const auto [fixedHeight, flexibleCount] = measuring.measure();
    // Content taller than the paper is scaled down as a whole rather than cut off at the bottom.
    const double scale = fixedHeight > content.height() ? content.height() / fixedHeight : 1.0;
    painter.translate(content.topLeft());
    painter.scale(scale, scale);
    const double spare = content.height() / scale - fixedHeight;
    PageLayout drawing(painter, page, content.width() / scale);
    drawing.draw(flexibleCount > 0 ? std::max(0.0, spare) / flexibleCount : 0);
    painter.restore();
}
