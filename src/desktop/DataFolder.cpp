#include "desktop/DataFolder.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString asFolder(const QString& path)
{
    QString folder = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

} // namespace

DataFolderChoice resolveDataFolder(const DataFolderSources& sources)
{
    const QString installed = sources.executableDir.isEmpty()
                                  ? QString()
                                  : sources.executableDir + QStringLiteral("/../share/koltest");
    const struct {
        QString path;
        const char* what; // named in the diagnostic when the path is no folder; null: say nothing
    } candidates[] = {
        {sources.commandLineOption, "--data-dir"},
        {sources.environment, "KOLTEST_DATA_DIR"},
        {installed, nullptr},
        {sources.sourceTreeData, nullptr},
    };
    DataFolderChoice choice;
    for (const auto& candidate : candidates) {
        if (candidate.path.isEmpty())
            continue;
        if (QFileInfo(candidate.path).isDir()) {
            choice.folder = asFolder(candidate.path);
            choice.exists = true;
            return choice;
        }
        if (candidate.what)
            choice.notes << QStringLiteral("%1 %2 is not a folder; ignored")
                                .arg(QLatin1String(candidate.what), candidate.path);
    }
    choice.folder = asFolder(sources.sourceTreeData);
    return choice;
}
