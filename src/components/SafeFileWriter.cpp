#include "components/SafeFileWriter.h"

#include "components/SystemErrors.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char TemporaryPrefix[] = ".koltest-";
constexpr char TemporarySuffix[] = ".tmp";
constexpr time_t StaleAfterSeconds = 24 * 60 * 60;
constexpr mode_t OwnerAndGroupMode = 0640;

// Closes a file descriptor when it goes, unless it was closed (and checked) before.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return m_fd; }
    // 0 when closed without error, else errno: a network file system may report a failed write only here.
    int close()
    {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

FileWrite failure(int error)
{
    return {error, germanSystemError(error)};
}

FileWrite refused(mode_t mode)
{
    return {EEXIST, QStringLiteral("Unter diesem Namen steht %1 statt einer gewöhnlichen Datei; das Programm "
                                   "ersetzt so etwas nicht.")
                        .arg(germanFileKind(mode))};
}

bool isTemporaryName(const char* name)
{
    const QByteArrayView view(name);
    return view.size() > qsizetype(sizeof TemporaryPrefix - 1 + sizeof TemporarySuffix - 1) &&
           view.startsWith(TemporaryPrefix) && view.endsWith(TemporarySuffix);
}

// A shared folder whose files nobody may list (a drop folder) can still be written into: then the
// folder is only a handle for the *at calls, and it cannot be synced.
int openFolder(const QByteArray& folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0 || errno != EACCES)
        return fd;
    return ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
}

void removeStaleTemporaryFiles(int folder)
{
    const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0)
        return;
    DIR* entries = ::fdopendir(listing);
    if (!entries) {
        ::close(listing);
        return;
    }
    const time_t staleBefore = ::time(nullptr) - StaleAfterSeconds;
    while (const dirent* entry = ::readdir(entries)) {
        struct stat status {};
        if (isTemporaryName(entry->d_name) &&
            ::fstatat(folder, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(status.st_mode) &&
            status.st_mtime < staleBefore)
            ::unlinkat(folder, entry->d_name, 0);
    }
    ::closedir(entries);
}

// A new file under a random hidden name, never through a link; the name is returned in name.
int createTemporary(int folder, mode_t mode, QByteArray& name)
{
    constexpr int Tries = 8;
    for (int attempt = 0; attempt < Tries; ++attempt) {
        name = TemporaryPrefix +
               QByteArray::number(QRandomGenerator::system()->generate64(), 16).rightJustified(16, '0') +
               TemporarySuffix;
        const int fd =
            ::openat(folder, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// 0 when the whole content reached the disk with the permissions asked for, else errno.
int fillTemporary(Descriptor& file, const QByteArray& content, std::optional<mode_t> permissions)
{
    if (permissions && ::fchmod(file.get(), *permissions) != 0)
        return errno;
    const char* data = content.constData();
    qsizetype left = content.size();
    while (left > 0) {
        const ssize_t written = ::write(file.get(), data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : EIO;
        data += written;
        left -= written;
    }
    if (::fsync(file.get()) != 0)
        return errno;
    return file.close();
}

// Renames without ever replacing: 0, EEXIST when the name is taken, else errno.
int renameWithoutReplacing(int folder, const char* from, const char* to)
{
    if (::renameat2(folder, from, folder, to, RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return errno;
    // File systems without that rename (network shares): a hard link never replaces anything either.
    if (::linkat(folder, from, folder, to, 0) == 0) {
        ::unlinkat(folder, from, 0);
        return 0;
    }
    if (errno != EPERM && errno != EOPNOTSUPP && errno != ENOSYS)
        return errno;
    // Without hard links, a look right before the rename is all that is left.
    struct stat status {};
    if (::fstatat(folder, to, &status, AT_SYMLINK_NOFOLLOW) == 0)
        return EEXIST;
    return ::renameat(folder, from, folder, to) == 0 ? 0 : errno;
}

// What stands under the name: nothing (absent), a regular file that may be replaced, or a refusal.
struct NameCheck {
    FileWrite refusal;
    bool absent = false;
};

NameCheck checkName(int folder, const char* name, ExistingFile existing)
{
    struct stat status {};
    if (::fstatat(folder, name, &status, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? NameCheck{{}, true} : NameCheck{failure(errno)};
    if (!S_ISREG(status.st_mode))
        return {refused(status.st_mode)};
    if (existing == ExistingFile::Keep)
        return {failure(EEXIST)};
    return {};
}

// Renames the temporary file to the name, looking at the name right before. A rename replaces a link
// planted in between, never what it points to.
FileWrite moveIntoPlace(int folder, const char* temporary, const char* name, ExistingFile existing)
{
    constexpr int Tries = 3;
    for (int attempt = 0; attempt < Tries; ++attempt) {
        const NameCheck check = checkName(folder, name, existing);
        if (!check.refusal.written())
            return check.refusal;
        if (!check.absent)
            return ::renameat(folder, temporary, folder, name) == 0 ? FileWrite{} : failure(errno);
        const int error = renameWithoutReplacing(folder, temporary, name);
        if (error != EEXIST)
            return error == 0 ? FileWrite{} : failure(error);
    }
    return failure(EEXIST);
}

// The permissions: as the umask allows when none are given.
FileWrite writeWithPermissions(const QString& path, const QByteArray& content, ExistingFile existing,
                               std::optional<mode_t> permissions)
{
    const QFileInfo target(path);
    const QByteArray name = QFile::encodeName(target.fileName());
    if (name.isEmpty())
        return failure(EISDIR);
    Descriptor folder(openFolder(QFile::encodeName(target.absolutePath())));
    if (folder.get() < 0) {
        const int error = errno;
        return {error, QStringLiteral("Der Ordner lässt sich nicht öffnen. ") + germanSystemError(error)};
    }
    removeStaleTemporaryFiles(folder.get());
    const NameCheck before = checkName(folder.get(), name.constData(), existing);
    if (!before.refusal.written())
        return before.refusal;

    QByteArray temporary;
    Descriptor file(createTemporary(folder.get(), permissions ? 0600 : 0666, temporary));
    if (file.get() < 0)
        return failure(errno);
    const int error = fillTemporary(file, content, permissions);
    FileWrite result = error ? failure(error)
                             : moveIntoPlace(folder.get(), temporary.constData(), name.constData(), existing);
    if (!result.written()) {
        ::unlinkat(folder.get(), temporary.constData(), 0);
        return result;
    }
    // The new name itself reaches the disk; a folder opened only as a handle cannot be synced.
    if (::fsync(folder.get()) != 0 && errno != EBADF && errno != EINVAL)
        return failure(errno);
    return result;
}

} // namespace

FileWrite writeFileSafely(const QString& path, const QByteArray& content, ExistingFile existing,
                          FileReaders readers)
{
    return writeWithPermissions(
        path, content, existing,
        readers == FileReaders::OwnerAndGroup ? std::optional<mode_t>(OwnerAndGroupMode) : std::nullopt);
}

FileWrite writeFileSafely(const QString& path, const QByteArray& content, ExistingFile existing,
                          mode_t permissions)
{
    return writeWithPermissions(path, content, existing, permissions & 0777);
}
