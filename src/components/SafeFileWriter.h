#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

// The one writer of every file the program leaves behind: records, tables, certificates, the edited
// catalogue. The target folder may be a share where others plant links, folders or FIFOs under the names
// the program uses, and a disk may be full: the content goes to a new hidden temporary file in the target
// folder (never following a link), every write, the flush and the sync are checked, and only then the file
// is renamed to its name. On any failure the old file stays as it was and the temporary file is removed.

// What may stand under the target's name already.
enum class ExistingFile {
    Replace, // a regular file is replaced whole; a link, folder, FIFO, device or socket is refused
    Keep,    // nothing is ever replaced: the write fails with EEXIST
};

// Who may read the written file.
enum class FileReaders {
    AsUsual,       // as the user's umask allows
    OwnerAndGroup, // owner and group only (0640), whatever the umask
};

struct FileWrite {
    int error = 0;   // errno of the failing step (EEXIST: the name is taken and kept); 0 when written
    QString problem; // the cause in German for the user; empty when written

    bool written() const { return problem.isEmpty(); }
};

// Before writing, the writer's own temporary files older than a day are removed from the folder (what
// writers killed half-way left behind): regular files only, never a link or what it points to.
FileWrite writeFileSafely(const QString& path, const QByteArray& content, ExistingFile existing,
                          FileReaders readers);
// The same, the file getting exactly these permission bits (at most 0777) whatever the umask: a file
// written anew keeps the permissions of the one it replaces.
FileWrite writeFileSafely(const QString& path, const QByteArray& content, ExistingFile existing,
                          mode_t permissions);
