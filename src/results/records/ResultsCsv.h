#pragma once

#include "results/records/ResultRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The results as a spreadsheet file that a German spreadsheet opens by double-click and a learning
// platform imports: UTF-8 with byte-order mark, ";" between fields, decimal comma, CR LF line ends, a
// header row, one row per run.

// One field: quoted (with doubled quotes) when it holds ";", a quote, CR or LF; a leading apostrophe when
// it begins with "=", "+", "-", "@", TAB or CR, so that no spreadsheet takes it for a formula.
QString csvField(const QString& value);

// The header row and one run's row, without the line end.
QString csvHeader();
QString csvRow(const ResultRecord& record);

// The whole file: byte-order mark, header, the runs in the order given.
QByteArray csvDocument(const QList<ResultRecord>& records);
