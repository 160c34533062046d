#pragma once

#include <QStringList>

// Where the program's data files may lie, in the order they are tried. Empty entries are skipped.
struct DataFolderSources {
    QString commandLineOption; // --data-dir DIR
    QString environment;       // KOLTEST_DATA_DIR
    QString executableDir;     // the folder of the running program; its ../share/koltest/ is tried
    QString sourceTreeData;    // data/ of the source tree the program was built from
};

struct DataFolderChoice {
    QString folder;      // absolute, ending with "/"
    bool exists = false; // false: no source named an existing folder; folder is then the source tree's
    QStringList notes;   // diagnostics: sources that were given but name no folder
};

// The first source that names an existing folder.
DataFolderChoice resolveDataFolder(const DataFolderSources& sources);
