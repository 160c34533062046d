#include "desktop/results/ResultsViewCharts.h"

#include "desktop/view/Look.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHorizontalBarSeries>
#include <QValueAxis>

namespace {

constexpr double LabelShare = 0.75; // the labels' size, of the window's text

template <typename Axis> Axis& axisOf(const QChart& chart)
{
    for (QAbstractAxis* axis : chart.axes())
        if (auto* found = qobject_cast<Axis*>(axis))
            return *found;
    Q_UNREACHABLE();
}

QBarSet& barsOf(const QChart& chart)
{
    return *static_cast<QAbstractBarSeries*>(chart.series().constFirst())->barSets().constFirst();
}

} // namespace

QChartView* makeBarChart(const QString& objectName, const QString& title, BarDirection direction,
                         QWidget* parent)
{
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->hide();
    chart->setBackgroundRoundness(0);
    const bool upward = direction == BarDirection::Upward;
    QAbstractBarSeries* series =
        upward ? static_cast<QAbstractBarSeries*>(new QBarSeries(chart)) : new QHorizontalBarSeries(chart);
    auto* bars = new QBarSet(title, series);
    bars->setColor(look::TitleTo);
    series->append(bars);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsInsideEnd);
    chart->addSeries(series);
    auto* labelAxis = new QBarCategoryAxis(chart);
    labelAxis->setTruncateLabels(false);
    auto* valueAxis = new QValueAxis(chart);
    valueAxis->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(labelAxis, upward ? Qt::AlignBottom : Qt::AlignLeft);
    chart->addAxis(valueAxis, upward ? Qt::AlignLeft : Qt::AlignBottom);
    series->attachAxis(labelAxis);
    series->attachAxis(valueAxis);

    auto* view = new QChartView(chart, parent);
    view->setObjectName(objectName);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(240, 160);
    return view;
}

void setBars(QChartView& view, const QStringList& labels, const QList<qreal>& values, int top, int step)
{
    const QChart& chart = *view.chart();
    QBarSet& bars = barsOf(chart);
    bars.remove(0, bars.count());
    bars.append(values);
    axisOf<QBarCategoryAxis>(chart).setCategories(labels);
    auto& valueAxis = axisOf<QValueAxis>(chart);
    valueAxis.setTickType(QValueAxis::TicksDynamic);
    valueAxis.setTickAnchor(0);
    valueAxis.setTickInterval(step);
    valueAxis.setRange(0, top);
}

void setChartFont(QChartView& view, const QFont& font)
{
    QChart& chart = *view.chart();
    chart.setTitleFont(look::sized(font, font.pointSizeF(), true));
    const QFont labels = look::sized(font, font.pointSizeF() * LabelShare);
    for (QAbstractAxis* axis : chart.axes())
        axis->setLabelsFont(labels);
    barsOf(chart).setLabelFont(labels);
}
