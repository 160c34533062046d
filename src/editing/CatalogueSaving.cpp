#include "editing/CatalogueSaving.h"

#include "catalogue/CatalogueReader.h"
#include "components/SafeFileWriter.h"
#include "components/SystemErrors.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

namespace {

QString notSaved(const QString& cause)
{
    return QStringLiteral("Der Katalog wurde nicht gespeichert; die Datei ist unverändert. ") + cause;
}

} // namespace

QString saveCatalogue(const QString& path, const QByteArray& content)
{
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0) {
        if (errno != ENOENT)
            return notSaved(germanPathError(path, errno));
        // A new file: there is nothing to keep.
        const FileWrite write = writeFileSafely(path, content, ExistingFile::Replace, FileReaders::AsUsual);
        return write.written() ? QString() : notSaved(write.problem);
    }

    // The file as it is now goes to the copy first, with its permissions; a link is never followed.
    const CatalogueBytes old = readCatalogueBytes(path, LinkRule::Refuse);
    const QString backup = path + QStringLiteral(".bak");
    if (!old.bytes)
        return notSaved(QStringLiteral("Die bisherige Datei lässt sich nicht lesen, um sie als „%1“ "
                                       "aufzuheben: %2")
                            .arg(QFileInfo(backup).fileName(), old.error));
    const mode_t permissions = status.st_mode & 0777;
    const FileWrite kept = writeFileSafely(backup, *old.bytes, ExistingFile::Replace, permissions);
    if (!kept.written())
        return notSaved(QStringLiteral("Die Sicherungskopie „%1“ lässt sich nicht schreiben: %2")
                            .arg(QFileInfo(backup).fileName(), kept.problem));
    const FileWrite write = writeFileSafely(path, content, ExistingFile::Replace, permissions);
    return write.written() ? QString() : notSaved(write.problem);
}
