#include "components/RegularFile.h"

#include "components/SystemErrors.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the descriptor on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

private:
    int m_fd;
};

FileContent refused(const QString& problem, const QString& diagnostic)
{
    return {std::nullopt, problem, diagnostic};
}

FileContent systemError(const QString& what, const QString& path, int errorNumber)
{
    return refused(germanPathError(path, errorNumber),
                   QStringLiteral("%1: %2").arg(what, systemErrorText(errorNumber)));
}

// Anything but a regular file: what it is, in German and in English.
FileContent notRegular(mode_t mode)
{
    if (S_ISDIR(mode))
        return refused(QStringLiteral("Das ist ein Ordner, keine Datei."), QStringLiteral("is a folder"));
    if (S_ISLNK(mode))
        return refused(QStringLiteral("Das ist eine symbolische Verknüpfung; ihr wird hier nicht gefolgt."),
                       QStringLiteral("is a symbolic link"));
    const char* english = S_ISFIFO(mode)                   ? "a FIFO"
                          : S_ISCHR(mode) || S_ISBLK(mode) ? "a device"
                          : S_ISSOCK(mode)                 ? "a socket"
                                                           : "a special file";
    return refused(QStringLiteral("Das ist keine gewöhnliche Datei, sondern %1.").arg(germanFileKind(mode)),
                   QStringLiteral("is not a regular file but %1").arg(QLatin1String(english)));
}

// A size as a reader sees it: "256 KiB", "64 MiB", "800 Bytes".
QString byteSizeText(qint64 bytes)
{
    constexpr qint64 KiB = 1024;
    if (bytes >= KiB * KiB && bytes % (KiB * KiB) == 0)
        return QStringLiteral("%1 MiB").arg(bytes / (KiB * KiB));
    if (bytes >= KiB && bytes % KiB == 0)
        return QStringLiteral("%1 KiB").arg(bytes / KiB);
    return QStringLiteral("%1 Bytes").arg(bytes);
}

FileContent tooLarge(qint64 limit)
{
    return refused(QStringLiteral("Die Datei ist größer als %1; so groß ist keine Datei dieser Art.")
                       .arg(byteSizeText(limit)),
                   QStringLiteral("larger than %1 bytes").arg(limit));
}

} // namespace

FileContent readRegularFile(const QString& path, qint64 limit, LinkRule links)
{
    const QByteArray name = QFile::encodeName(path);
    // A look before opening, so that not even the opening reaches a device or a FIFO behind the name.
    struct stat before {};
    const int looked =
        links == LinkRule::Refuse ? ::lstat(name.constData(), &before) : ::stat(name.constData(), &before);
    if (looked != 0)
        return systemError(QStringLiteral("cannot open"), path, errno);
    if (!S_ISREG(before.st_mode))
        return notRegular(before.st_mode);

    const int flags =
        O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (links == LinkRule::Refuse ? O_NOFOLLOW : 0);
    int fd = -1;
    do
        fd = ::open(name.constData(), flags);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return systemError(QStringLiteral("cannot open"), path, errno);
    const Descriptor file(fd);
    // The name may have been swapped between the look and the opening: what counts is what was opened.
    struct stat opened {};
    if (::fstat(fd, &opened) != 0)
        return systemError(QStringLiteral("cannot inspect"), path, errno);
    if (!S_ISREG(opened.st_mode))
        return notRegular(opened.st_mode);
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);

    // The reported size only sizes the first allocation; the limit is counted on what arrives.
    QByteArray bytes;
    bytes.reserve(std::min<qint64>(std::max<qint64>(opened.st_size, 0), limit) + 1);
    constexpr qint64 Chunk = 64 * 1024;
    for (;;) {
        const qint64 room = std::min(Chunk, limit + 1 - bytes.size());
        const qsizetype size = bytes.size();
        bytes.resize(size + room);
        const ssize_t got = ::read(fd, bytes.data() + size, static_cast<size_t>(room));
        if (got < 0 && errno == EINTR) {
            bytes.resize(size);
            continue;
        }
        if (got < 0)
            return systemError(QStringLiteral("cannot read"), path, errno);
        bytes.resize(size + got);
        if (bytes.size() > limit)
            return tooLarge(limit);
        if (got == 0)
            return {std::move(bytes), QString(), QString()};
    }
}
