// A helper for the results test: one of several processes that write records into one folder at the same
// moment. Usage: record_writer FOLDER WRITER COUNT START_MS, START_MS being the epoch milliseconds at which
// all writers begin. Each record's name tells writer and number; exit status 1 when a record was not written.
#include "desktop/results/RecordFiles.h"
#include "results/records/ResultRecord.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 5)
        return 2;
    const QString folder = arguments[1];
    const int count = arguments[3].toInt();
    const qint64 wait = arguments[4].toLongLong() - QDateTime::currentMSecsSinceEpoch();
    if (wait > 0)
        QThread::msleep(static_cast<unsigned long>(wait));
    ResultRecord record;
    record.date = QDate::currentDate();
    record.end = QTime::currentTime();
    record.grade = QStringLiteral("6");
    for (int i = 0; i < count; ++i) {
        // A hostile name, so that reading back proves the whole record arrived.
        record.name = QStringLiteral("Kind %1-%2\n;=\"ü\"").arg(arguments[2]).arg(i);
        record.right = i;
        record.asked = count;
        const WrittenRecord written = writeNewRecord(folder, recordText(record));
        if (!written.problem.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(written.problem));
            return 1;
        }
    }
    return 0;
}
