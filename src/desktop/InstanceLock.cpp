#include "desktop/InstanceLock.h"

#include "desktop/Diagnostics.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString lockFileName = QStringLiteral("koltest.lock");

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// A folder itself (no link), owned by the user and closed to everyone else.
bool isPrivateFolder(const QByteArray& folder)
{
    struct stat status {};
    return ::lstat(folder.constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::geteuid() && (status.st_mode & 077) == 0;
}

} // namespace

LockPlace lockPlace(const QString& runtimeFolder, const QString& tempFolder)
{
    if (!runtimeFolder.isEmpty() && isPrivateFolder(QFile::encodeName(runtimeFolder)))
        return {QDir(runtimeFolder).filePath(lockFileName), QString()};
    const QString folder = QDir(tempFolder).filePath(QStringLiteral("koltest-%1").arg(::geteuid()));
    const QByteArray name = QFile::encodeName(folder);
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
        return {QString(), QStringLiteral("cannot create %1: %2").arg(folder, systemError())};
    if (!isPrivateFolder(name))
        return {QString(),
                QStringLiteral("%1 is not a folder of this user closed to others; someone else may "
                               "have made it")
                    .arg(folder)};
    return {QDir(folder).filePath(lockFileName), QString()};
}

InstanceLock::InstanceLock(const QString& path, QString noPlaceReason)
    : m_path(QFile::encodeName(path)), m_noPlaceReason(std::move(noPlaceReason))
{
}

InstanceLock::~InstanceLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool InstanceLock::anotherInstanceRunning()
{
    if (m_answer)
        return *m_answer;
    m_answer = false;
    QString problem = m_noPlaceReason;
    if (m_path.isEmpty() && problem.isEmpty())
        problem = QStringLiteral("no lock file is known");
    if (problem.isEmpty()) {
        m_fd = ::open(m_path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (m_fd < 0)
            problem = QStringLiteral("cannot open %1: %2").arg(QFile::decodeName(m_path), systemError());
        else if (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno == EWOULDBLOCK)
                m_answer = true;
            else
                problem = QStringLiteral("cannot lock %1: %2").arg(QFile::decodeName(m_path), systemError());
        }
    }
    if (!problem.isEmpty())
        writeDiagnostic(QStringLiteral("no instance lock (%1); a second start is not noticed").arg(problem));
    return *m_answer;
}

LockPlace InstanceLock::defaultPlace()
{
    return lockPlace(qEnvironmentVariable("XDG_RUNTIME_DIR"), QDir::tempPath());
}
