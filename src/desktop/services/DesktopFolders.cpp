#include "desktop/services/DesktopFolders.h"

#include "desktop/Diagnostics.h"
#include "desktop/FolderSettings.h"

#include <QCoreApplication>
#include <QStandardPaths>

DesktopFolders::DesktopFolders(DataFolderSources sources, const ResultsFolderSources& results)
    : m_sources(std::move(sources)), m_results(resolveResultsFolder(results))
{
    if (!m_results.diagnostic.isEmpty())
        writeDiagnostic(m_results.diagnostic);
    if (!m_results.notice.isEmpty())
        m_notices << m_results.notice;
}

QString DesktopFolders::DataFolder()
{
    if (!m_folder) {
        const DataFolderChoice choice = resolveDataFolder(m_sources);
        for (const QString& note : choice.notes)
            writeDiagnostic(note);
        if (!choice.exists)
            writeDiagnostic(QStringLiteral("no data folder found (--data-dir, KOLTEST_DATA_DIR, settings, "
                                           "../share/koltest/ beside the program, %1); using %1")
                                .arg(choice.folder));
        if (!choice.notice.isEmpty())
            m_notices << choice.notice;
        m_folder = choice.folder;
    }
    return *m_folder;
}

QStringList DesktopFolders::takeNotices()
{
    return std::exchange(m_notices, {});
}

DataFolderSources DesktopFolders::programSources(const QString& commandLineOption)
{
    return {commandLineOption,
            qEnvironmentVariable("KOLTEST_DATA_DIR"),
            readFolderSettings(QSettings::UserScope).catalogue,
            readFolderSettings(QSettings::SystemScope).catalogue,
            QCoreApplication::applicationDirPath(),
            QStringLiteral(KOLTEST_SOURCE_DATA_DIR)};
}

ResultsFolderSources DesktopFolders::programResultsSources(const QString& commandLineOption)
{
    // The application data folder of a program called koltest, whatever the running program's name.
    return {
        commandLineOption, qEnvironmentVariable("KOLTEST_RESULTS_DIR"),
        readFolderSettings(QSettings::UserScope).results, readFolderSettings(QSettings::SystemScope).results,
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/koltest")};
}
