#include "desktop/results/ResultsViewCharts.h"

#include "desktop/view/Look.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QValueAxis>

namespace {

constexpr double LabelShare = 0.75; // the labels' size, of the window's text

} // namespace

QChartView* makeBarChart(const QString& objectName, const QString& title, QWidget* parent)
{
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->hide();
    chart->setBackgroundRoundness(0);
    auto* series = new QBarSeries(chart);
    auto* bars = new QBarSet(title, series);
    bars->setColor(look::TitleTo);
    series->append(bars);
    series->setLabelsVisible(true);
    chart->addSeries(series);
    auto* labelAxis = new QBarCategoryAxis(chart);
    labelAxis->setTruncateLabels(false);
    auto* valueAxis = new QValueAxis(chart);
    valueAxis->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(labelAxis, Qt::AlignBottom);
    chart->addAxis(valueAxis, Qt::AlignLeft);
    series->attachAxis(labelAxis);
    series->attachAxis(valueAxis);

    auto* view = new QChartView(chart, parent);
    view->setObjectName(objectName);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(240, 160);
    return view;
}

namespace {

QBarCategoryAxis& labelAxisOf(QChart& chart)
{
    return *static_cast<QBarCategoryAxis*>(chart.axes(Qt::Horizontal).constFirst());
}

} // namespace

void setBars(QChartView& view, const QStringList& labels, const QList<qreal>& values, int top, int step)
{
    QChart& chart = *view.chart();
    auto* series = static_cast<QBarSeries*>(chart.series().constFirst());
    QBarSet& bars = *series->barSets().constFirst();
    bars.remove(0, bars.count());
    bars.append(values);
    labelAxisOf(chart).setCategories(labels);
    auto* valueAxis = static_cast<QValueAxis*>(chart.axes(Qt::Vertical).constFirst());
    valueAxis->setTickType(QValueAxis::TicksDynamic);
    valueAxis->setTickAnchor(0);
    valueAxis->setTickInterval(step);
    valueAxis->setRange(0, top);
}

void slantLabels(QChartView& view)
{
    labelAxisOf(*view.chart()).setLabelsAngle(-40);
}

void setChartFont(QChartView& view, const QFont& font)
{
    QChart& chart = *view.chart();
    chart.setTitleFont(look::sized(font, font.pointSizeF(), true));
    const QFont labels = look::sized(font, font.pointSizeF() * LabelShare);
    for (QAbstractAxis* axis : chart.axes())
        axis->setLabelsFont(labels);
    for (QAbstractSeries* series : chart.series())
        static_cast<QBarSeries*>(series)->barSets().constFirst()->setLabelFont(labels);
}
