#include "desktop/results/ResultsViewPdf.h"

#include "desktop/Diagnostics.h"
#include "desktop/print/PdfFile.h"
#include "desktop/view/Look.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QGraphicsScene>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace {

constexpr double TitlePointSize = 16;
constexpr double TextPointSize = 9;
constexpr double ChartHeightShare = 0.3; // of the page's width
constexpr double CellPadding = 0.8;      // of a character's width
constexpr double PaperChartWidth = 480;  // the width a chart is laid out for on paper, in its pixels

// Draws the page's content top to bottom and begins a new page when the next line does not fit.
class PageWriter {
public:
    PageWriter(QPdfWriter& writer, QPainter& painter)
        : m_writer(writer), m_painter(painter),
          m_page(writer.pageLayout().paintRectPixels(writer.resolution())), m_y(m_page.top())
    {
    }

    void text(const QString& line, double pointSize, bool bold = false)
    {
        m_painter.setFont(look::sized(m_painter.font(), pointSize, bold));
        const double height = m_painter.fontMetrics().lineSpacing();
        makeRoom(height);
        m_painter.drawText(QRectF(m_page.left(), m_y, m_page.width(), height), Qt::TextSingleLine, line);
        m_y += height;
    }

    void charts(const QList<QChartView*>& views)
    {
        if (views.isEmpty())
            return;
        const double width = m_page.width() / views.size();
        const double height = m_page.width() * ChartHeightShare;
        makeRoom(height);
        for (qsizetype i = 0; i < views.size(); ++i)
            drawChart(*views[i]->chart(), QRectF(m_page.left() + i * width, m_y, width, height));
        m_y += height;
    }

    void table(const OverviewTable& table)
    {
        space();
        text(table.heading, TextPointSize + 2, true);
        m_painter.setFont(look::sized(m_painter.font(), TextPointSize));
        const QList<double> widths = columnWidths(table);
        row(table.columns, widths, true);
        for (const QStringList& cells : table.rows)
            row(cells, widths, false);
    }

    void space() { m_y += m_painter.fontMetrics().lineSpacing(); }

private:
    // The chart laid out for the paper's proportions at a size its texts fit, whatever the window's size
    // (a large window's chart has larger texts and is laid out as much wider), and put back as it was shown.
    void drawChart(QChart& chart, const QRectF& target)
    {
        const QSizeF shown = chart.size();
        const double textScale =
            std::max(1.0, chart.titleFont().pointSizeF() / QApplication::font().pointSizeF());
        const double width = PaperChartWidth * textScale;
        chart.resize(QSizeF(width, width * target.height() / target.width()));
        chart.scene()->render(&m_painter, target, chart.sceneBoundingRect());
        chart.resize(shown);
    }

    void makeRoom(double height)
    {
        if (m_y + height > m_page.bottom() && m_y > m_page.top()) {
            m_writer.newPage();
            m_y = m_page.top();
        }
    }

    // Each column as wide as its widest text, all of them shrunk together when they are wider than the page.
    QList<double> columnWidths(const OverviewTable& table) const
    {
        const QFontMetricsF metrics(look::sized(m_painter.font(), TextPointSize, true));
        const double padding = metrics.averageCharWidth() * CellPadding;
        QList<double> widths;
        double total = 0;
        for (qsizetype column = 0; column < table.columns.size(); ++column) {
            double width = metrics.horizontalAdvance(table.columns[column]);
            for (const QStringList& cells : table.rows)
                width = std::max(width, metrics.horizontalAdvance(cells.value(column)));
            widths << width + padding;
            total += width + padding;
        }
        if (total > m_page.width())
            for (double& width : widths)
                width *= m_page.width() / total;
        return widths;
    }

    void row(const QStringList& cells, const QList<double>& widths, bool bold)
    {
        m_painter.setFont(look::sized(m_painter.font(), TextPointSize, bold));
        const double height = m_painter.fontMetrics().lineSpacing();
        makeRoom(height);
        double x = m_page.left();
        for (qsizetype column = 0; column < widths.size(); ++column) {
            const QString elided = m_painter.fontMetrics().elidedText(cells.value(column), Qt::ElideRight,
                                                                      qRound(widths[column]));
            m_painter.drawText(QRectF(x, m_y, widths[column], height), Qt::TextSingleLine, elided);
            x += widths[column];
        }
        m_y += height;
    }

    QPdfWriter& m_writer;
    QPainter& m_painter;
    QRectF m_page;
    double m_y;
};

} // namespace

QString saveResultsPdf(const ResultsOverview& overview, const QString& path)
{
    const QString problem = writePdfFile(path, overview.title, [&overview](QPdfWriter& writer) {
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        PageWriter page(writer, painter);
        page.text(overview.title, TitlePointSize, true);
        for (const QString& line : overview.lines)
            page.text(line, TextPointSize);
        page.space();
        page.charts(overview.charts);
        for (const OverviewTable& table : overview.tables)
            page.table(table);
        return true;
    });
    if (problem.isEmpty())
        return {};
    writeDiagnostic(QStringLiteral("%1: cannot save the results overview: %2").arg(path, problem));
    return QStringLiteral("Die Übersicht konnte nicht als „%1“ gespeichert werden. %2\nEine vorhandene Datei "
                          "dieses Namens bleibt unverändert.")
        .arg(QDir::toNativeSeparators(path), problem);
}
