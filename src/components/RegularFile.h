#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The one way the program reads a file: the catalogue, the certificate form, the help page, the result
// records. Any of them may be a link, a FIFO, a device, a folder or huge, planted by someone else, so the
// file is opened without blocking and without becoming the controlling terminal, refused unless it is a
// regular file, and read with a limit counted while reading; the size the file system reports is never
// trusted (a device or a file under /proc reports 0).

enum class LinkRule {
    Follow, // a symbolic link is followed to the file it names
    Refuse, // a name that is a symbolic link is refused (files in a folder that others write to)
};

struct FileContent {
    std::optional<QByteArray> bytes; // the whole file; empty when it was refused
    QString problem;                 // German, one or two sentences: why it was refused
    QString diagnostic;              // the same for standard error, in English
};

// Reads the whole file at path when it is a regular file of at most limit bytes.
FileContent readRegularFile(const QString& path, qint64 limit, LinkRule links = LinkRule::Follow);
