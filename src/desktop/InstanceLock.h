#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Where the lock file of the current user lives, or why there is no safe place for it.
struct LockPlace {
    QString path;    // empty when there is no safe place
    QString problem; // why not; empty when there is a place
};

// The user's runtime folder when it is the user's alone (owned by the user, closed to everyone else);
// else the folder "koltest-UID" in tempFolder, made private when missing. A folder of that name that is a
// link, or belongs to someone else, or is open to others, was planted: no place then.
LockPlace lockPlace(const QString& runtimeFolder, const QString& tempFolder);

// Tells whether another instance of the program runs, by an exclusive lock on a file. The kernel drops
// the lock when the holding process ends, however it ends, so a crashed instance never leaves it stuck.
class InstanceLock {
public:
    // An empty path: no lock can be taken, for the reason given.
    explicit InstanceLock(const QString& path, QString noPlaceReason = QString());
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // The first call tries to take the lock; its answer is kept for the life of this object. The holder of
    // the lock answers false. When no lock can be taken, standard error says why and the answer is false:
    // a start is never refused for want of a lock. Safe to call in a freshly forked child: it only opens
    // the file and locks it.
    bool anotherInstanceRunning();

    // The lock place of the current user: $XDG_RUNTIME_DIR, else in the temporary folder.
    static LockPlace defaultPlace();

private:
    QByteArray m_path;
    QString m_noPlaceReason;
    std::optional<bool> m_answer;
    int m_fd = -1;
};
