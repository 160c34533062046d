#include "desktop/InstanceLock.h"
#include "desktop/DesktopTests.h"

#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Kills the child process however the test ends.
struct ChildGuard {
    pid_t pid;
    ~ChildGuard()
    {
        if (pid > 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
    }
};

} // namespace

class InstanceLockTest : public QObject {
    Q_OBJECT

private slots:
    void killedHolderLeavesNoStaleLock();
};

void InstanceLockTest::killedHolderLeavesNoStaleLock()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("koltest.lock"));
    InstanceLock childLock(path); // made before the fork: the child only locks
    int ready[2];
    QCOMPARE(::pipe(ready), 0);
    ChildGuard child{::fork()};
    QVERIFY(child.pid >= 0);
    if (child.pid == 0) {
        const char tookLock = childLock.anotherInstanceRunning() ? 'n' : 'y';
        if (::write(ready[1], &tookLock, 1) != 1)
            ::_exit(1);
        for (;;)
            ::pause();
    }
    char tookLock = 0;
    QCOMPARE(::read(ready[0], &tookLock, 1), ssize_t(1));
    QCOMPARE(tookLock, 'y');

    {
        InstanceLock second(path);
        QVERIFY(second.anotherInstanceRunning());
    }

    ::kill(child.pid, SIGKILL);
    ::waitpid(child.pid, nullptr, 0);
    child.pid = 0;

    InstanceLock third(path);
    QVERIFY(!third.anotherInstanceRunning());
    QVERIFY(!third.anotherInstanceRunning()); // the holder keeps its answer
    InstanceLock fourth(path);
    QVERIFY(fourth.anotherInstanceRunning());
    ::close(ready[0]);
    ::close(ready[1]);
}

int runInstanceLockTests(int argc, char* argv[])
{
    InstanceLockTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "InstanceLockTest.moc"
