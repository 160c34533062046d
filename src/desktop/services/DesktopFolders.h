#pragma once

#include "components/Services.h"
#include "desktop/DataFolder.h"

#include <optional>

// Finds the data folder once, from the sources in their order; tells standard error about given sources
// that name no folder and about a data folder that does not exist at all. Finds the results folder at
// once. Notices for the user about folders that are not there wait until a window can show them.
class DesktopFolders final : public FolderService {
public:
    DesktopFolders(DataFolderSources sources, const ResultsFolderSources& results);
    QString DataFolder() override;
    const ResultsFolderChoice& resultsFolder() const { return m_results; }

    // The German notices gathered so far; each is handed out once.
    QStringList takeNotices();

    // The sources of the running program: the command-line option, the environment, the user's and the
    // system's settings, the program's folder and the source tree it was built from.
    static DataFolderSources programSources(const QString& commandLineOption);
    static ResultsFolderSources programResultsSources(const QString& commandLineOption);

private:
    DataFolderSources m_sources;
    std::optional<QString> m_folder;
    ResultsFolderChoice m_results;
    QStringList m_notices;
};
