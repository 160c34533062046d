#include "app/Main.h"
#include "desktop/DesktopTests.h"
#include "desktop/StderrCapture.h"
#include "desktop/services/DesktopDialogs.h"
#include "desktop/services/DesktopWindows.h"
#include "desktop/tools/HelpText.h"
#include "desktop/tools/HelpWindow.h"
#include "support/FakeWorld.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

namespace {

int openHelpWindows()
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (dynamic_cast<HelpWindow*>(widget) && widget->isVisible())
            ++count;
    return count;
}

// The help service over the shipped help file; notices go to the scripted double.
struct HelpDesk {
    HelpDesk() { world.dataFolder = QStringLiteral(KOLTEST_SHIPPED_DATA "/"); }
    ~HelpDesk()
    {
        if (dialogs.help())
            delete dialogs.help();
    }
    FakeWorld world;
    DesktopWindows windows;
    DesktopDialogs dialogs{windows, world, world};
};

} // namespace

// The help window: what it explains, that it opens once, from F1 in every window, and what a pupil sees
// when its file is missing.
class HelpTest : public QObject {
    Q_OBJECT

private slots:
    void showsEverySectionAndOpensOnce();
    void f1OpensTheHelpFromEveryWindow();
    void aMissingHelpFileGetsAMessage();
};

void HelpTest::showsEverySectionAndOpensOnce()
{
    HelpDesk desk;
    desk.dialogs.ShowHelp();
    HelpWindow* help = desk.dialogs.help();
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->windowTitle(), QStringLiteral("Hilfe – Kolbrix Test"));
    const QString text = help->browser().toPlainText();
    const QStringList expected =
        QStringLiteral(
            "Der Test|Die Aufgabenblätter|1. Elemente|2. Zahlsilben|3. Substanznamen|4. Molare Massen|"
            "5. Stoffmengen|6. Definitionen|7. Begriffe|8. Gleichungen|9. Ladungszahlen|"
            "10. Ja oder Nein|Tasten|Hilfsmittel|Über|Kolbrix Test, Version ")
            .split(u'|');
    for (const QString& part : expected)
        QVERIFY2(text.contains(part), qPrintable(part));
    QVERIFY(text.contains(QStringLiteral("Kolbrix Test, Version ") + programVersion()));
    QVERIFY(!text.contains(VersionMarker));
    QVERIFY(desk.world.notices.isEmpty());

    // A second request raises the open window.
    QPointer<HelpWindow> first = help;
    first->showMinimized();
    desk.dialogs.ShowHelp();
    QCOMPARE(desk.dialogs.help(), first.data());
    QVERIFY(first->isVisible() && !first->isMinimized());
    QCOMPARE(openHelpWindows(), 1);
    first->close(); // deletes itself; the next request opens a new one
    QTRY_VERIFY(first.isNull());
    desk.dialogs.ShowHelp();
    QVERIFY(desk.dialogs.help() && desk.dialogs.help()->isVisible());
}

void HelpTest::f1OpensTheHelpFromEveryWindow()
{
    HelpDesk desk;
    QWidget plain;
    plain.show();
    QVERIFY(QTest::qWaitForWindowExposed(&plain));
    QTest::keyClick(&plain, Qt::Key_F1);
    QVERIFY(desk.dialogs.help() && desk.dialogs.help()->isVisible());
    desk.dialogs.help()->close();
    QTRY_VERIFY(!desk.dialogs.help());

    // In a modal dialog, such as a keypad: the help opens above it, and the dialog stays open.
    QDialog keypad;
    bool dialogStayedOpen = false;
    QTimer::singleShot(0, [&] {
        QTest::keyClick(&keypad, Qt::Key_F1);
        dialogStayedOpen = keypad.isVisible();
        keypad.reject();
    });
    keypad.exec();
    QVERIFY(dialogStayedOpen);
    QVERIFY(desk.dialogs.help() && desk.dialogs.help()->isVisible());
    QCOMPARE(openHelpWindows(), 1);
}

void HelpTest::aMissingHelpFileGetsAMessage()
{
    HelpDesk desk;
    QTemporaryDir empty;
    desk.world.dataFolder = empty.path() + QLatin1Char('/');
    StderrCapture stderrLines;
    desk.dialogs.ShowHelp();
    QVERIFY(!desk.dialogs.help());
    QCOMPARE(desk.world.notices,
             QStringList(
                 QStringLiteral("Die Hilfe kann nicht angezeigt werden: Die Datei „hilfe.html“ im "
                                "Datenordner lässt sich nicht lesen. Unter diesem Namen gibt es nichts.")));
    const QStringList lines = stderrLines.diagnostics();
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines[0].startsWith(QStringLiteral("koltest: Die Hilfe ") + empty.path() +
                                 QStringLiteral("/hilfe.html lässt sich nicht lesen: ")),
             qPrintable(lines[0]));
}

KOLTEST_DESKTOP_TEST(HelpTest)

#include "HelpTest.moc"
