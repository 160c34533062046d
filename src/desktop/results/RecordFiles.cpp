#include "desktop/results/RecordFiles.h"

#include "components/FolderAccess.h"
#include "components/RegularFile.h"
#include "components/SafeFileWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSysInfo>

#include <cerrno>

namespace {

const QString temporarySuffix = QStringLiteral(".tmp");

bool isPassedOverSilently(const QString& fileName)
{
    return fileName.startsWith(QLatin1Char('.')) || fileName.endsWith(temporarySuffix) ||
           fileName.startsWith(QLatin1String(ResultsSpreadsheetName)) ||
           fileName.startsWith(QLatin1String(TasksSpreadsheetName));
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

namespace {

// Reads the named files of the folder into the scan.
void readRecords(const QString& folder, const QStringList& names, FolderScan& scan)
{
    for (const QString& name : names) {
        const QString path = QDir(folder).filePath(name);
        // A pupil may plant anything under any name; a link is not followed, not even to a record.
        const FileContent file = readRegularFile(path, LargestRecordBytes, LinkRule::Refuse);
        if (!file.bytes) {
            scan.skipped << path + QStringLiteral(": not read: ") + file.diagnostic;
            continue;
        }
        RecordReading reading = readRecordText(*file.bytes);
        if (reading.record)
            scan.results.add(std::move(*reading.record));
        else
            scan.skipped << path + QStringLiteral(": not a result record: ") + reading.problem;
    }
}

// The files of the folder that may be records, by name; a German problem when the folder cannot be read.
QStringList recordNames(const QString& folder, QString& problem)
{
    // Its records can be read only where the folder may be listed and searched.
    if (const FolderAccess access = folderAccess(folder, R_OK | X_OK); !access.usable()) {
        problem = access.german(QStringLiteral("Ergebnisordner „%1“").arg(folder), folder);
        return {};
    }
    // FIFOs, devices and links are listed too: they are no records and are named as such.
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::System, QDir::Name);
    names.removeIf(isPassedOverSilently);
    return names;
}

} // namespace

FolderScan scanResultsFolder(const QString& folder)
{
    FolderScan scan;
    readRecords(folder, recordNames(folder, scan.problem), scan);
    return scan;
}

bool FolderFollower::update()
{
    FolderScan next;
    const QStringList names = recordNames(m_folder, next.problem);
    const QSet<QString> present(names.cbegin(), names.cend());
    // A file read before that is gone takes its run out of the sums only when everything is read again.
    const bool begunAnew = next.problem != m_scan.problem || !present.contains(m_read);
    if (begunAnew) {
        m_scan = std::move(next);
        m_read.clear();
    }
    QStringList added;
    for (const QString& name : names)
        if (!m_read.contains(name))
            added << name;
    readRecords(m_folder, added, m_scan);
    m_read.unite(QSet<QString>(added.cbegin(), added.cend()));
    return begunAnew || !added.isEmpty();
}
