#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <unistd.h>

// Writes content as the whole file at path; true when all of it was written.
inline bool writeWhole(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// The bytes of the file at path; "(unreadable)" when it cannot be opened.
inline QByteArray readWhole(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// Makes name a symbolic link to target; true when it was made.
inline bool makeLink(const QString& target, const QString& name)
{
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(name).constData()) == 0;
}
