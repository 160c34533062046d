#include "desktop/editor/CatalogueTrial.h"

#include "components/RegularFile.h"
#include "components/SafeFileWriter.h"
#include "desktop/Diagnostics.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

namespace {

constexpr qint64 LargestCompanionFile = 16 * 1024 * 1024;

// A private folder (only the user may enter it) that lives as long as its owner; without an owner it stays.
QString privateFolder(QObject* owner)
{
    auto dir = std::make_unique<QTemporaryDir>(QDir::temp().filePath(QStringLiteral("koltest-probe-XXXXXX")));
    if (!dir->isValid())
        return {};
    const QString path = dir->path() + QLatin1Char('/');
    if (owner == nullptr)
        dir->setAutoRemove(false);
    else
        QObject::connect(owner, &QObject::destroyed, [kept = dir.release()] { delete kept; });
    return path;
}

} // namespace

QStringList trialCompanionFiles()
{
    return {QStringLiteral("hilfe.html"), QStringLiteral("urkunde-koltest.zq-frm")};
}

std::optional<TrialFolders> makeTrialFolders(const QByteArray& catalogue, const QString& dataFolder,
                                             QObject* owner, QString& problem)
{
    const TrialFolders folders{privateFolder(owner), privateFolder(owner)};
    if (folders.data.isEmpty() || folders.results.isEmpty()) {
        problem = QStringLiteral("Im temporären Ordner %1 lässt sich kein Ordner anlegen.")
                      .arg(QDir::toNativeSeparators(QDir::tempPath()));
        return std::nullopt;
    }
    const FileWrite written = writeFileSafely(folders.data + QStringLiteral("koltest.dat"), catalogue,
                                              ExistingFile::Keep, FileReaders::AsUsual);
    if (!written.written()) {
        problem = written.problem;
        return std::nullopt;
    }
    // Without them the test runs all the same; it says itself what it misses.
    for (const QString& name : trialCompanionFiles()) {
        const QString source = QDir(dataFolder).filePath(name);
        const FileContent content = readRegularFile(source, LargestCompanionFile);
        if (!content.bytes) {
            writeDiagnostic(
                QStringLiteral("%1: not copied for the trial run: %2").arg(source, content.diagnostic));
            continue;
        }
        const FileWrite copied =
            writeFileSafely(folders.data + name, *content.bytes, ExistingFile::Keep, FileReaders::AsUsual);
        if (!copied.written())
            writeDiagnostic(QStringLiteral("%1: not copied for the trial run").arg(folders.data + name));
    }
    return folders;
}

void tryAsPupil(const QByteArray& catalogue, const QString& dataFolder, QWidget& window)
{
    QString problem;
    // The trial runs on after the editor closes and reads its folder at every new test: the folders stay.
    const std::optional<TrialFolders> folders = makeTrialFolders(catalogue, dataFolder, nullptr, problem);
    // "/NEW": the trial starts also while a test of the class runs under the same user.
    if (folders &&
        !QProcess::startDetached(QCoreApplication::applicationFilePath(),
                                 {QStringLiteral("/NEW"), QStringLiteral("--data-dir"), folders->data,
                                  QStringLiteral("--results-dir"), folders->results}))
        problem = QStringLiteral("Das Programm %1 ließ sich nicht starten.")
                      .arg(QDir::toNativeSeparators(QCoreApplication::applicationFilePath()));
    if (!problem.isEmpty()) {
        writeDiagnostic(QStringLiteral("trial run not started: ") + problem);
        QMessageBox::warning(&window, window.windowTitle(),
                             QStringLiteral("Der Test lässt sich nicht ausprobieren. ") + problem);
    }
}
