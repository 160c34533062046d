#pragma once

#include <QString>

// Whether a folder is there and allows what its user needs, and if not, why: missing, no folder, no
// permission, a link loop, a name too long or not UTF-8, as the system says it.
struct FolderAccess {
    int error = 0; // 0 when the folder can be used; else the system's error number (ENOTDIR: no folder)

    bool usable() const { return error == 0; }
    // The German sentence about the folder, named as in "Ergebnisordner „/srv/7b“": "Den … gibt es nicht.",
    // "Der … ist kein Ordner.", "Der … lässt sich nicht öffnen. Keine Berechtigung: …".
    QString german(const QString& named, const QString& path) const;
    // The same in English for standard error.
    QString english() const;
};

// permissions as for access(2): R_OK | X_OK to list and read the folder, X_OK to read a named file in it,
// F_OK for a folder that only has to be there.
FolderAccess folderAccess(const QString& path, int permissions);
