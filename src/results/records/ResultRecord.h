#pragma once

#include "components/PrintFields.h"
#include "testrun/ResultCategories.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <array>
#include <optional>

// A test run left open for longer than this has no believable duration.
inline constexpr double LongestRunSeconds = 86400.0 * 366;

struct CategoryScore {
    int right = 0;
    int asked = 0;
    friend bool operator==(const CategoryScore&, const CategoryScore&) = default;
};

// One finished test run as the results folder keeps it.
struct ResultRecord {
    QString name;
    QDate date;
    QTime start; // invalid when the duration was unknown
    QTime end;
    std::optional<double> durationSeconds;
    bool expert = false;
    int right = 0;
    int asked = 0;
    QString grade; // "1+" .. "6"
    std::array<CategoryScore, ResultCategoryCount> categories{};
    friend bool operator==(const ResultRecord&, const ResultRecord&) = default;
};

// The record of a run from what the print service receives at its end (totals and the fields ANZAHL ...
// JANEIN), the pupil's name and the moment the run ended. The start is the end minus DAUER.
ResultRecord recordFromReport(double right, double asked, const PrintFields& fields, const QString& name,
                              const QDateTime& end);

// The record as the text of its file: UTF-8, a first line that marks the format, one KEY=VALUE line per
// value, a closing line. Values are escaped, so any name survives.
QByteArray recordText(const ResultRecord& record);

struct RecordReading {
    std::optional<ResultRecord> record;
    QString problem; // why the text is no record; empty when it is one
};

// Reads a record file's text back; anything that is not a whole record is refused with its reason, and so
// is a record with numbers no test run can produce: counts that are not whole numbers from 0 to what a run
// asks (MostAskedPerRun, a category's mostAsked), more right than asked, a duration that is negative, not
// a number or longer than LongestRunSeconds. Such a file was written by someone else.
RecordReading readRecordText(const QByteArray& text);
