#include "desktop/results/RecordFiles.h"

#include "components/SafeFileWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSysInfo>

#include <cerrno>

namespace {

// A record is a few hundred bytes; a bigger file is something else and is not read whole.
constexpr qint64 LargestRecord = 64 * 1024;

const QString temporarySuffix = QStringLiteral(".tmp");

bool isPassedOverSilently(const QString& fileName)
{
    return fileName.startsWith(QLatin1Char('.')) || fileName.endsWith(temporarySuffix) ||
           fileName.startsWith(QLatin1String(ResultsSpreadsheetName));
}

QString hostPart(const QString& host)
{
    QString part;
    for (const QChar c : host)
        if ((c.isLetterOrNumber() && c.unicode() < 0x80) || c == QLatin1Char('-'))
            part += c;
    return part.isEmpty() ? QStringLiteral("rechner") : part.left(40);
}

} // namespace

QString recordFileName(const QDateTime& now, const QString& host, qint64 processId, quint64 random)
{
    return QStringLiteral("koltest-ergebnis-%1-%2-%3-%4.txt")
        .arg(now.toString(QStringLiteral("yyyyMMdd-HHmmss")), hostPart(host))
        .arg(processId)
        .arg(random, 16, 16, QLatin1Char('0'));
}

WrittenRecord writeNewRecord(const QString& folder, const QByteArray& content)
{
    // A clash of two random 64-bit parts is not to be expected; a few tries make sure of it.
    constexpr int Tries = 4;
    FileWrite write;
    for (int attempt = 0; attempt < Tries; ++attempt) {
        const QString target = QDir(folder).filePath(
            recordFileName(QDateTime::currentDateTime(), QSysInfo::machineHostName(),
                           QCoreApplication::applicationPid(), QRandomGenerator::system()->generate64()));
        // A record is never replaced, and only the teachers' group may read it.
        write = writeFileSafely(target, content, ExistingFile::Keep, FileReaders::OwnerAndGroup);
        if (write.written())
            return {target, QString()};
        if (write.error != EEXIST)
            break;
    }
    return {QString(), write.problem};
}

FolderScan scanResultsFolder(const QString& folder)
{
    FolderScan scan;
    const QFileInfo info(folder);
    if (!info.isDir()) {
        scan.problem = QStringLiteral("%1 is not a folder").arg(folder);
        return scan;
    }
    if (!info.isReadable() || !info.isExecutable()) {
        scan.problem = QStringLiteral("%1 cannot be read").arg(folder);
        return scan;
    }
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo& entry : files) {
        if (isPassedOverSilently(entry.fileName()))
            continue;
        const auto skip = [&](const QString& reason) {
            scan.skipped << entry.filePath() + QStringLiteral(": ") + reason;
        };
        if (entry.size() > LargestRecord) {
            skip(QStringLiteral("not a result record (too large)"));
            continue;
        }
        QFile file(entry.filePath());
        if (!file.open(QIODevice::ReadOnly)) {
            skip(QStringLiteral("cannot be read: ") + file.errorString());
            continue;
        }
        const RecordReading reading = readRecordText(file.read(LargestRecord + 1));
        if (reading.record)
            scan.records << *reading.record;
        else
            skip(QStringLiteral("not a result record: ") + reading.problem);
    }
    return scan;
}
