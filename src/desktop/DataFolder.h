#pragma once

#include <QStringList>

// A folder named in one settings file, and that file (named in messages).
struct FolderSetting {
    QString folder;
    QString file;
};

// Where the program's data files may lie, in the order they are tried. Empty entries are skipped.
struct DataFolderSources {
    QString commandLineOption;   // --data-dir DIR
    QString environment;         // KOLTEST_DATA_DIR
    FolderSetting userSetting;   // [Ordner] Katalog in the user's settings
    FolderSetting systemSetting; // [Ordner] Katalog in the system's settings
    QString executableDir;       // the folder of the running program; its ../share/koltest/ is tried
    QString sourceTreeData;      // data/ of the source tree the program was built from
};

struct DataFolderChoice {
    QString folder;      // absolute, ending with "/"
    bool exists = false; // false: no source named an existing folder; folder is then the source tree's
    QStringList notes;   // diagnostics: sources that were given but name no folder
    QString notice;      // the same for the user, in German; empty when every given source was a folder
};

// The first source that names an existing folder.
DataFolderChoice resolveDataFolder(const DataFolderSources& sources);

// Where the records of finished test runs go.
struct ResultsFolderSources {
    QString commandLineOption;   // --results-dir DIR
    QString environment;         // KOLTEST_RESULTS_DIR
    FolderSetting userSetting;   // [Ordner] Ergebnisse in the user's settings
    FolderSetting systemSetting; // [Ordner] Ergebnisse in the system's settings
    QString standardFolder;      // the user's application data folder
};

struct ResultsFolderChoice {
    QString folder;       // absolute, ending with "/"; empty when there is no standard folder either
    bool standard = true; // no source named a folder: the standard folder, created when missing
    bool exists = false;  // whether the folder is there now
    QString diagnostic;   // a named folder that is not there, for standard error; else empty
    QString notice;       // the same for the user, in German; else empty
};

// The first source that names a folder wins, whether it is there or not: the records of a class never go
// anywhere else than where the teacher pointed them.
ResultsFolderChoice resolveResultsFolder(const ResultsFolderSources& sources);

// A path as an absolute folder ending with "/".
QString asFolder(const QString& path);
