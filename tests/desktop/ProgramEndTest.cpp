#include "desktop/ProgramEnd.h"
#include "desktop/DesktopTests.h"

#include <QEventLoop>
#include <QTimer>

#include <sys/wait.h>
#include <unistd.h>

// A handler that ends the program leaves the event loops, and the end goes on up to main. It runs in a
// child process: once ended, this process's event loops return at once.

namespace {

// Runs in the child; 0 when the end took its way, else the number of the step that went wrong.
int endInAHandler()
{
    QEventLoop loop;
    bool handlerWentOn = false;
    bool viewWentOn = true;
    QTimer::singleShot(0, &loop, [&] {
        viewWentOn = runUnlessProgramEnds([&] {
            endProgram(3);
            handlerWentOn = true;
        });
    });
    if (loop.exec() != 3)
        return 1;
    if (handlerWentOn || viewWentOn)
        return 2;
    QEventLoop later;
    QTimer::singleShot(5000, &later, [&later] { later.exit(4); });
    if (later.exec() == 4)
        return 3; // a loop started after the end would have kept the program running
    try {
        passOnProgramEnd();
    } catch (const ProgramEnd& end) {
        return end.status == 3 ? 0 : 4;
    }
    return 5;
}

} // namespace

class ProgramEndTest : public QObject {
    Q_OBJECT

private slots:
    void endLeavesTheLoopsUpToMain()
    {
        QVERIFY(runUnlessProgramEnds([] {}));
        passOnProgramEnd(); // nothing ended: nothing to pass on
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0)
            ::_exit(endInAHandler());
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
    }
};

KOLTEST_DESKTOP_TEST(ProgramEndTest)

#include "ProgramEndTest.moc"
