#include "desktop/services/DesktopFolders.h"

#include "desktop/Diagnostics.h"

#include <QCoreApplication>

QString DesktopFolders::DataFolder()
{
    if (!m_folder) {
        const DataFolderChoice choice = resolveDataFolder(m_sources);
        for (const QString& note : choice.notes)
            writeDiagnostic(note);
        if (!choice.exists)
            writeDiagnostic(QStringLiteral("no data folder found (--data-dir, KOLTEST_DATA_DIR, "
                                           "../share/koltest/ beside the program, %1); using %1")
                                .arg(choice.folder));
        m_folder = choice.folder;
    }
    return *m_folder;
}

DataFolderSources DesktopFolders::programSources(const QString& commandLineOption)
{
    return {commandLineOption, qEnvironmentVariable("KOLTEST_DATA_DIR"),
            QCoreApplication::applicationDirPath(), QStringLiteral(KOLTEST_SOURCE_DATA_DIR)};
}
