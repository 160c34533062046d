#pragma once

#include "components/PrintFields.h"
#include "testrun/JudgedTask.h"
#include "testrun/ResultCategories.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <array>
#include <optional>

// A test run left open for longer than this has no believable duration.
inline constexpr double LongestRunSeconds = 86400.0 * 366;
// The longest task, expected answer or entry a record keeps, in characters; the end of the run cuts what
// is longer, and a record with a longer one is foreign. With it the largest record stays far below
// LargestRecordBytes.
inline constexpr qsizetype LongestTaskText = 200;
// The longest name a record keeps; the end of the run cuts a longer one.
inline constexpr qsizetype LongestName = 200;
// No record the program writes is larger; a larger file is no record and is not read whole.
inline constexpr qint64 LargestRecordBytes = 256 * 1024;

struct CategoryScore {
    int right = 0;
    int asked = 0;
    friend bool operator==(const CategoryScore&, const CategoryScore&) = default;
};

// One test run as the results folder keeps it: a finished one, or one ended early with what was judged
// up to then.
struct ResultRecord {
    QString name;
    QDate date;
    QTime start; // invalid when the duration was unknown
    QTime end;
    std::optional<double> durationSeconds;
    bool expert = false;
    int right = 0;
    int asked = 0;
    QString grade; // "1+" .. "6"; empty when nothing was judged
    std::array<CategoryScore, ResultCategoryCount> categories{};
    bool endedEarly = false;
    QList<JudgedTask> tasks; // in the order asked; none in a record of the first format
    friend bool operator==(const ResultRecord&, const ResultRecord&) = default;
};

// The record of a run from what the print service receives at its end (totals and the fields ANZAHL ...
// JANEIN, AUFGABEN, VORZEITIG), the pupil's name and the moment the run ended. The start is the end minus
// DAUER. Texts longer than a record keeps are cut, tasks beyond what a run asks are left out.
ResultRecord recordFromReport(double right, double asked, const PrintFields& fields, const QString& name,
                              const QDateTime& end);

// The record as the text of its file: UTF-8, a first line that marks the format ("KOLTEST-ERGEBNIS 2"), one
// KEY=VALUE line per value, an AUFGABE line per task, a closing line. Values are escaped, so any name
// survives; see docs/ergebnisdatei.md for the format.
QByteArray recordText(const ResultRecord& record);

struct RecordReading {
    std::optional<ResultRecord> record;
    QString problem; // why the text is no record; empty when it is one
};

// Reads a record file's text back, of either format; anything that is not a whole record is refused with
// its reason, and so is a record with numbers no test run can produce: counts that are not whole numbers
// from 0 to what a run asks (MostAskedPerRun, a category's mostAsked), more right than asked, a duration
// that is negative, not a number or longer than LongestRunSeconds, more tasks of a category than its
// mostAsked, a task text longer than LongestTaskText. Such a file was written by someone else.
RecordReading readRecordText(const QByteArray& text);
