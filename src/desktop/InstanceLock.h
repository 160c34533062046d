#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Tells whether another instance of the program runs, by an exclusive lock on a file. The kernel drops
// the lock when the holding process ends, however it ends, so a crashed instance never leaves it stuck.
class InstanceLock {
public:
    explicit InstanceLock(const QString& path);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // The first call tries to take the lock; its answer is kept for the life of this object. The holder of
    // the lock answers false. Safe to call in a freshly forked child: it only opens the file and locks it.
    bool anotherInstanceRunning();

    // The lock file of the current user in the temporary folder.
    static QString defaultPath();

private:
    QByteArray m_path;
    std::optional<bool> m_answer;
    int m_fd = -1;
};
