#include "desktop/InstanceLock.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

InstanceLock::InstanceLock(const QString& path) : m_path(QFile::encodeName(path)) {}

InstanceLock::~InstanceLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool InstanceLock::anotherInstanceRunning()
{
    if (!m_answer) {
        m_fd = ::open(m_path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        // A lock file that cannot even be opened cannot tell of another instance: let this one run.
        m_answer = m_fd >= 0 && ::flock(m_fd, LOCK_EX | LOCK_NB) != 0;
    }
    return *m_answer;
}

QString InstanceLock::defaultPath()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = QString::number(::getuid());
    return QDir::temp().filePath(QStringLiteral("koltest-%1.lock").arg(user));
}
