#pragma once

#include "components/Services.h"
#include "desktop/DataFolder.h"

#include <optional>

// Finds the data folder once, from the sources in their order; tells standard error about given sources
// that name no folder and about a data folder that does not exist at all.
class DesktopFolders final : public FolderService {
public:
    explicit DesktopFolders(DataFolderSources sources) : m_sources(std::move(sources)) {}
    QString DataFolder() override;

    // The sources of the running program: the command-line option, the environment, the program's folder
    // and the source tree it was built from.
    static DataFolderSources programSources(const QString& commandLineOption);

private:
    DataFolderSources m_sources;
    std::optional<QString> m_folder;
};
