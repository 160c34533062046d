#include "desktop/InstanceLock.h"
#include "desktop/DesktopTests.h"
#include "desktop/StderrCapture.h"

#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
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
    void killedHolderLeavesNoStaleLock()
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

    // Another user must not be able to hold a pupil's lock, nor to plant the folder it lives in.
    void lockPlace()
    {
        const struct {
            int runtimeMode;     // 0: no runtime folder
            const char* planted; // what stands as koltest-UID in the temporary folder
            const char* place;   // "runtime", "temp" or "" (none)
        } rows[] = {
            {0700, "", "runtime"},
            {0, "", "temp"},    // without a runtime folder, a private one in the temporary
                                // folder
            {0755, "", "temp"}, // a runtime folder open to others is passed over
            {0, "open", ""},
            {0, "link", ""},
            {0, "file", ""},
            {0, "foreign", ""}, // planted by another user
        };
        for (const auto& row : rows) {
            const QLatin1String planted(row.planted);
            const QLatin1String place(row.place);
            QTemporaryDir dir;
            const QString runtime = row.runtimeMode ? dir.filePath(QStringLiteral("run")) : QString();
            const QString private_ = dir.filePath(QStringLiteral("koltest-%1").arg(::geteuid()));
            const QByteArray plantedName = QFile::encodeName(private_);
            const QByteArray elsewhere = QFile::encodeName(dir.filePath(QStringLiteral("elsewhere")));
            QVERIFY(runtime.isEmpty() ||
                    ::mkdir(QFile::encodeName(runtime).constData(), mode_t(row.runtimeMode)) == 0);
            QVERIFY(::mkdir(elsewhere.constData(), 0700) == 0);
            if (planted == "open" || planted == "foreign")
                QVERIFY(::mkdir(plantedName.constData(), 0700) == 0 &&
                        ::chmod(plantedName.constData(), planted == "open" ? 0777 : 0700) == 0);
            if (planted == "foreign" && ::chown(plantedName.constData(), 65534, 65534) != 0)
                QSKIP("only root can give a folder to another user");
            if (planted == "link")
                QVERIFY(::symlink(elsewhere.constData(), plantedName.constData()) == 0);
            if (planted == "file")
                QVERIFY(::close(::open(plantedName.constData(), O_CREAT | O_WRONLY, 0600)) == 0);

            const LockPlace found = ::lockPlace(runtime, dir.path());
            const QString expected = place == "runtime" ? runtime + QStringLiteral("/koltest.lock")
                                     : place == "temp"  ? private_ + QStringLiteral("/koltest.lock")
                                                        : QString();
            QVERIFY2(found.path == expected, row.planted);
            QCOMPARE(found.problem.isEmpty(), !expected.isEmpty());
            struct stat status {};
            QVERIFY(place != "temp" ||
                    (::lstat(plantedName.constData(), &status) == 0 && (status.st_mode & 07777) == 0700));
        }
    }

    // Without a lock the program still starts, and says so.
    void noLockIsSaid()
    {
        QTemporaryDir dir;
        StderrCapture stderrLines;
        InstanceLock noPlace(QString(), QStringLiteral("/tmp/koltest-1000 was planted"));
        QVERIFY(!noPlace.anotherInstanceRunning());
        InstanceLock noFolder(dir.filePath(QStringLiteral("fehlt/koltest.lock")));
        QVERIFY(!noFolder.anotherInstanceRunning());
        QCOMPARE(stderrLines.diagnostics(),
                 (QStringList{
                     QStringLiteral("koltest: no instance lock (/tmp/koltest-1000 was planted); a second "
                                    "start is not noticed"),
                     QStringLiteral("koltest: no instance lock (cannot open %1: No such file or directory); "
                                    "a second start is not noticed")
                         .arg(dir.filePath(QStringLiteral("fehlt/koltest.lock")))}));
    }
};

KOLTEST_DESKTOP_TEST(InstanceLockTest)

#include "InstanceLockTest.moc"
