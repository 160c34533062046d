#pragma once

#include "results/records/ClassResults.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The results as spreadsheet files that a German spreadsheet opens by double-click and a learning platform
// imports: UTF-8 with byte-order mark, ";" between fields, decimal comma, CR LF line ends, a header row,
// then one row per run (the results table) or per task (the task table).

// One field: quoted (with doubled quotes) when it holds ";", a quote, CR or LF; a leading apostrophe when
// it begins with "=", "+", "-", "@", TAB or CR, so that no spreadsheet takes it for a formula.
QString csvField(const QString& value);

// The header row and one run's row, without the line end. The last two columns, the grade as a number and
// whether the run ended early, came later than the others.
QString csvHeader();
QString csvRow(const ResultRecord& record);

// The whole file: byte-order mark, header, the runs in the order given.
QByteArray csvDocument(const QList<ResultRecord>& records);

// The task table: category, task, right answer, times asked, times right, share right in percent.
QString csvTaskHeader();
QString csvTaskRow(const TaskSummary& task);
QByteArray csvTaskDocument(const QList<TaskSummary>& tasks);
