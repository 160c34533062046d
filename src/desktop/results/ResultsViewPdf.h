#pragma once

#include <QList>
#include <QStringList>

class QChartView;

// A table of the overview as it is shown: its heading, the column headings and the rows' texts.
struct OverviewTable {
    QString heading;
    QStringList columns;
    QList<QStringList> rows;
};

// What the results window puts on paper: a title with lines under it, the charts side by side, the tables.
struct ResultsOverview {
    QString title;
    QStringList lines;
    QList<QChartView*> charts;
    QList<OverviewTable> tables;
};

// Writes the overview as a PDF on A4, as many pages as the tables need, through the safe writing of every
// PDF. Returns a German message for the user when it was not written, else the empty text; the exact cause
// goes to standard error.
QString saveResultsPdf(const ResultsOverview& overview, const QString& path);
