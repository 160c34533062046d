#pragma once

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

// A file system of 64 KiB mounted on a new folder while it lives, to be filled up by a test. Mounting
// needs root; elsewhere whyNot() says why there is none.
class SmallDisk {
public:
    explicit SmallDisk(const QString& folder) : m_folder(QFile::encodeName(folder))
    {
        QDir().mkpath(folder);
        if (::mount("tmpfs", m_folder.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k") == 0)
            m_mounted = true;
        else
            m_whyNot = QStringLiteral("a full disk is made by mounting a 64 KiB tmpfs, which needs root: %1")
                           .arg(QString::fromLocal8Bit(std::strerror(errno)));
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(m_folder.constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    const QString& whyNot() const { return m_whyNot; }

    // Takes all space that is left with a hidden file, so that the next write fails with ENOSPC.
    bool fill() const
    {
        const int fd = ::open((m_folder + "/.fuellung").constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        const QByteArray block(4096, 'x');
        while (fd >= 0 && ::write(fd, block.constData(), size_t(block.size())) > 0) {
        }
        const bool full = errno == ENOSPC;
        ::close(fd);
        return full;
    }

private:
    QByteArray m_folder;
    bool m_mounted = false;
    QString m_whyNot;
};
