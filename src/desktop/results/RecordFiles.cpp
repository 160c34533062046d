#include "desktop/results/RecordFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSysInfo>

#include <unistd.h>

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

// Writes and syncs the whole content; the file was created new, so nothing else is in it.
QString writeWhole(QFile& file, const QByteArray& content)
{
    if (file.write(content) != content.size() || !file.flush())
        return file.errorString();
    if (::fsync(file.handle()) != 0)
        return QStringLiteral("the data did not reach the disk");
    file.close();
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    return QString();
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
    const QDir dir(folder);
    // A clash of two random 64-bit parts is not to be expected; a few tries make sure of it.
    constexpr int Tries = 4;
    QString problem;
    for (int attempt = 0; attempt < Tries; ++attempt) {
        const QString name =
            recordFileName(QDateTime::currentDateTime(), QSysInfo::machineHostName(),
                           QCoreApplication::applicationPid(), QRandomGenerator::system()->generate64());
        const QString target = dir.filePath(name);
        const QString temporary = dir.filePath(QLatin1Char('.') + name + temporarySuffix);
        QFile file(temporary);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            problem = QStringLiteral("cannot create %1: %2").arg(temporary, file.errorString());
            if (QFileInfo::exists(temporary))
                continue;
            return {QString(), problem};
        }
        problem = writeWhole(file, content);
        if (!problem.isEmpty()) {
            QFile::remove(temporary);
            return {QString(), QStringLiteral("cannot write %1: %2").arg(temporary, problem)};
        }
        // rename() refuses an existing target, so no record is ever overwritten.
        if (QFile::rename(temporary, target))
            return {target, QString()};
        problem = QStringLiteral("cannot rename %1 to %2").arg(temporary, name);
        QFile::remove(temporary);
        if (!QFileInfo::exists(target))
            return {QString(), problem};
    }
    return {QString(), problem};
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
