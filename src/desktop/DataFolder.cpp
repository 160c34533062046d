#include "desktop/DataFolder.h"

#include "components/FolderAccess.h"

#include <QDir>
#include <QFileInfo>

#include <unistd.h>

namespace {

// One place a folder may be named: its path, how standard error names it and how the user's notice
// names it. A source without names is tried silently.
struct FolderSource {
    QString path;
    QString diagnosticName;
    QString germanName;
};

FolderSource settingSource(const FolderSetting& setting, const char* key)
{
    return {setting.folder, QStringLiteral("%1 in [Ordner] of %2").arg(QLatin1String(key), setting.file),
            QStringLiteral("Einstellung %1 in %2").arg(QLatin1String(key), setting.file)};
}

FolderSource optionSource(const QString& path, const char* option)
{
    return {path, QLatin1String(option), QStringLiteral("Befehlszeile %1").arg(QLatin1String(option))};
}

FolderSource environmentSource(const QString& path, const char* variable)
{
    return {path, QLatin1String(variable),
            QStringLiteral("Umgebungsvariable %1").arg(QLatin1String(variable))};
}

} // namespace

QString asFolder(const QString& path)
{
    QString folder = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

DataFolderChoice resolveDataFolder(const DataFolderSources& sources)
{
    const QString installed = sources.executableDir.isEmpty()
                                  ? QString()
                                  : sources.executableDir + QStringLiteral("/../share/koltest");
    const FolderSource candidates[] = {
        optionSource(sources.commandLineOption, "--data-dir"),
        environmentSource(sources.environment, "KOLTEST_DATA_DIR"),
        settingSource(sources.userSetting, "Katalog"),
        settingSource(sources.systemSetting, "Katalog"),
        {installed, QString(), QString()},
        {sources.sourceTreeData, QString(), QString()},
    };
    DataFolderChoice choice;
    QStringList missing;
    for (const FolderSource& candidate : candidates) {
        if (candidate.path.isEmpty())
            continue;
        // The catalogue is read by its name, so the folder must be searchable, not listable.
        const FolderAccess access = folderAccess(candidate.path, X_OK);
        if (access.usable()) {
            choice.folder = asFolder(candidate.path);
            choice.exists = true;
            break;
        }
        if (candidate.diagnosticName.isEmpty())
            continue;
        choice.notes << QStringLiteral("%1 %2: %3; ignored")
                            .arg(candidate.diagnosticName, candidate.path, access.english());
        missing << access.german(
            QStringLiteral("Katalogordner „%1“ (%2)").arg(candidate.path, candidate.germanName),
            candidate.path);
    }
    if (!choice.exists)
        choice.folder = asFolder(sources.sourceTreeData);
    if (!missing.isEmpty())
        choice.notice =
            missing.join(QLatin1Char('\n')) +
            QStringLiteral("\nDer Test sucht den Katalog stattdessen in „%1“.").arg(choice.folder);
    return choice;
}

ResultsFolderChoice resolveResultsFolder(const ResultsFolderSources& sources)
{
    const FolderSource candidates[] = {
        optionSource(sources.commandLineOption, "--results-dir"),
        environmentSource(sources.environment, "KOLTEST_RESULTS_DIR"),
        settingSource(sources.userSetting, "Ergebnisse"),
        settingSource(sources.systemSetting, "Ergebnisse"),
    };
    ResultsFolderChoice choice;
    for (const FolderSource& candidate : candidates) {
        if (candidate.path.isEmpty())
            continue;
        choice.folder = asFolder(candidate.path);
        choice.standard = false;
        // A drop folder lets pupils write but not list; whether they may write, the writer finds out.
        const FolderAccess access = folderAccess(candidate.path, F_OK);
        choice.exists = access.usable();
        if (!choice.exists) {
            choice.diagnostic =
                QStringLiteral("results folder %1 (from %2): %3; no results are stored until it "
                               "can be used")
                    .arg(candidate.path, candidate.diagnosticName, access.english());
            choice.notice =
                access.german(
                    QStringLiteral("Ergebnisordner „%1“ (%2)").arg(candidate.path, candidate.germanName),
                    candidate.path) +
                QStringLiteral("\nSolange das so ist, werden keine Ergebnisse gespeichert. Bitte sag deiner "
                               "Lehrerin oder deinem Lehrer Bescheid.");
        }
        return choice;
    }
    // Without a home folder there is no standard folder either; nothing goes to the working folder.
    if (!sources.standardFolder.isEmpty())
        choice.folder = asFolder(sources.standardFolder);
    choice.exists = !choice.folder.isEmpty() && QFileInfo(choice.folder).isDir();
    return choice;
}
