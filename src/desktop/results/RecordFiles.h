#pragma once

#include "results/records/ClassResults.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// The record files of a results folder. The folder may be a share that many machines write to at once,
// without reliable locks: every run writes a file of its own under a name no other run can choose, first
// under a hidden temporary name, then renamed; no file is ever rewritten or overwritten.

// The spreadsheet files that the results command writes into the folder: the runs and the tasks.
inline constexpr char ResultsSpreadsheetName[] = "koltest-ergebnisse.csv";
inline constexpr char TasksSpreadsheetName[] = "koltest-aufgaben.csv";

// "koltest-ergebnis-20261206-101530-HOST-PID-RANDOM.txt"; the host name keeps only letters, digits and "-".
QString recordFileName(const QDateTime& now, const QString& host, qint64 processId, quint64 random);

struct WrittenRecord {
    QString path;    // the record's file; empty when it was not written
    QString problem; // why not; empty when it was written
};

// Writes the content as a new record file into the existing folder.
WrittenRecord writeNewRecord(const QString& folder, const QByteArray& content);

struct FolderScan {
    ClassResults results; // the runs in the order of the file names
    QStringList skipped;  // "FILE: not read: why" or "FILE: not a result record: why" for each
    QString problem;      // German: why the folder itself cannot be read; empty when it can
};

// Reads every record of the folder into the class's results. Temporary files and the spreadsheet files are
// passed over silently,
// every other file that is no record is named in skipped: a link (never followed), a FIFO, a device, a
// file too large for a record, and a record with numbers that no test run produces.
FolderScan scanResultsFolder(const QString& folder);

// Keeps the scan of a folder up to date while records arrive, without reading the others again: a record
// file is never rewritten, so only new names are read. When a file read before is gone, or the folder
// becomes readable again, the whole folder is read anew.
class FolderFollower {
public:
    explicit FolderFollower(QString folder) : m_folder(std::move(folder)) {}

    // Reads what is new; true when the scan changed.
    bool update();
    const FolderScan& scan() const { return m_scan; }

private:
    QString m_folder;
    FolderScan m_scan;
    QSet<QString> m_read; // the names in the scan, records and skipped files alike
};
