#pragma once

#include <QList>
#include <QStringList>

class QChartView;
class QFont;
class QWidget;

// The bar charts of the results window: one series of bars under a title, each bar labelled, with a value
// axis from 0 to a top.

enum class BarDirection {
    Upward,    // short labels under the bars
    Rightward, // long labels left of the bars
};

QChartView* makeBarChart(const QString& objectName, const QString& title, BarDirection direction,
                         QWidget* parent);

// Shows one bar per label with its value; the value axis runs from 0 to top with a tick every step.
void setBars(QChartView& view, const QStringList& labels, const QList<qreal>& values, int top, int step);

// The chart's title in the font, its labels a little smaller, so that the chart grows with the window's text.
void setChartFont(QChartView& view, const QFont& font);
