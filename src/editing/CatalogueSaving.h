#pragma once

#include <QByteArray>
#include <QString>

// Saves an edited catalogue over its file: the file as it was is kept beside it as "NAME.bak", then the
// new content is written by the program's safe writer (a temporary file, synced, renamed; never through
// a link). Returns the cause in German when either write fails; the file is then as it was.
QString saveCatalogue(const QString& path, const QByteArray& content);
