#include "components/FolderAccess.h"

#include "components/SystemErrors.h"

#include <QFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

FolderAccess folderAccess(const QString& path, int permissions)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return {errno};
    if (!S_ISDIR(info.st_mode))
        return {ENOTDIR};
    return {::access(name.constData(), permissions) == 0 ? 0 : errno};
}

QString FolderAccess::german(const QString& named, const QString& path) const
{
    if (error == ENOENT && !path.contains(QChar::ReplacementCharacter))
        return QStringLiteral("Den %1 gibt es nicht.").arg(named);
    if (error == ENOTDIR)
        return QStringLiteral("Der %1 ist kein Ordner.").arg(named);
    return QStringLiteral("Der %1 lässt sich nicht öffnen. %2").arg(named, germanPathError(path, error));
}

QString FolderAccess::english() const
{
    return error == ENOTDIR ? QStringLiteral("is not a folder") : systemErrorText(error);
}
