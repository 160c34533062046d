#include "desktop/ControlPlaces.h"
#include "desktop/DesktopTests.h"
#include "desktop/results/ResultWindowView.h"
#include "desktop/view/Look.h"
#include "desktop/widgets/AtomFigure.h"
#include "results/window/frm_AppResult.h"
#include "support/FakeWorld.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

// The result window on screen: what it shows, its buttons and keys, and its layout on small and common
// screens.

namespace {

// A result window over scripted services for a finished test with right of 52 items.
struct ShownResults {
    explicit ShownResults(int right)
    {
        ResetTestRun(state);
        state.g_CandidateName = QStringLiteral("Jürgen");
        state.g_TestDate[1] = QStringLiteral("07-14-2017");
        state.g_TestTimes[1] = QStringLiteral("09:15:00");
        state.g_TestTimes[2] = QStringLiteral("09:40:00");
        state.g_TotalAsked = DynValue::whole(52);
        state.g_TotalRight = DynValue::whole(right);
        state.g_EquationsAsked = DynValue::whole(10);
        state.g_EquationsRight = 10;
        view.handle([this] { model.ShowResults(); });
    }
    template <typename Widget = QWidget> Widget* find(const QString& name) const
    {
        return view.findChild<Widget*>(name);
    }
    QString text(const QString& label) const { return find<QLabel>(label)->text(); }

    FakeWorld world;
    ScriptedRandom random;
    mdl_KolTest state;
    Frame status;
    MelodyChoice hymne;
    frm_AppResult model{
        {state, world.services, world.tools, world, random}, {status, hymne, [] {}}, world.memory};
    ResultWindowView view{model};
};

} // namespace

class ResultWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The labels, the figure and the title lines show what the result window's model holds.
    void showsTheResults()
    {
        ShownResults window(45);
        QVERIFY(window.view.isVisible());
        QCOMPARE(window.view.windowTitle(), QStringLiteral("Kolbrix-Test - Ergebnis"));
        QCOMPARE(window.text("Textname"), QStringLiteral("Jürgen"));
        QCOMPARE(window.text("Texturt0"), QStringLiteral(" Von  52 Aufgaben wurden  45 richtig gelöst!"));
        QCOMPARE(window.text("Einzelergebnis6") + window.text("lab_EinzelergebnisWert6"),
                 QStringLiteral("Gleichungen(x2):10 von 10"));
        QVERIFY(window.find("Titel1")->isVisible());
        QCOMPARE(window.find<AtomFigure>("ctl_DrAtom1")->expression(), 2);

        ShownResults poor(3);
        QCOMPARE(poor.find<AtomFigure>("ctl_DrAtom1")->expression(), 3);
        QVERIFY(!poor.find("Titel0")->isVisible() && !poor.find("Musik")->isVisible());
    }

    void buttonsAndKeys()
    {
        ShownResults window(45);
        window.view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window.view));
        const QStringList names = {"Hymne abspielen!", "Diplom drucken", "Ja", "Nein"};
        for (const char* button : {"Musik", "but_Print", "CSCmd1", "CSCmd3"})
            QVERIFY(names.contains(window.find<QPushButton>(button)->accessibleName()));

        // The focus starts on the anthem; Enter plays it, and the window stays.
        QCOMPARE(QApplication::focusWidget(), window.find("Musik"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(window.world.callsStartingWith("Sound.PlayMelody").size(), 1);
        QVERIFY(!window.find("Musik")->isVisible());
        QVERIFY(window.view.isVisible());

        // Enter presses the button that has the focus, never "Nein" (which ends the program) in its place.
        window.find("but_Print")->setFocus();
        QTest::keyClick(window.find("but_Print"), Qt::Key_Return);
        QCOMPARE(window.world.callsStartingWith("Print.PrintForm").size(), 1);
        QVERIFY(window.world.callsStartingWith("Platform.EndProgram").isEmpty());
    }

    void closeBoxMeansJa()
    {
        ShownResults window(20);
        bool closed = false;
        window.view.setOnClosed([&closed] { closed = true; });
        window.view.close();
        QVERIFY(closed);
        QVERIFY(window.model.CloseRequested);
        QVERIFY(!window.view.isVisible());
    }

    // Every control lies inside the centred frame, shows its whole text and covers no other.
    void fitsTheScreen()
    {
        // A netbook, a laptop and a whiteboard.
        for (const QSize size : {QSize(1024, 600), QSize(1366, 768), QSize(3840, 2160)}) {
            ShownResults window(48);
            window.view.showNormal();
            window.view.setGeometry(QRect(QPoint(0, 0), size));
            QTRY_COMPARE(window.view.size(), size);
            QTest::qWait(50); // the layouts follow the scaled fonts on their next request
            QWidget* frame = window.find("Dahinter");
            QVERIFY(qAbs(inWindow(*frame).center().x() - size.width() / 2) <= 1);
            QList<QWidget*> controls = visibleControls(*frame);
            QCOMPARE(controls.size(), 33); // 26 labels of the results, 2 title lines, 4 buttons, the question
            controls << window.find("ctl_DrAtom1");
            const QString problem = misplaced(inWindow(*frame), controls);
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
            for (const QWidget* control : controls)
                QVERIFY2(control->width() >= control->minimumSizeHint().width() &&
                             control->height() >= control->minimumSizeHint().height(),
                         qPrintable(control->objectName() + " is cut"));
            QVERIFY(window.find("ctl_DrAtom1")->height() >= 150);
            // The certificate's questions stand on it at its scale.
            QVERIFY(messageBoxPointSize(window.view) >= look::BasePointSize * window.model.m_Scale - 0.01);
        }
    }
};

KOLTEST_DESKTOP_TEST(ResultWindowTest)

#include "ResultWindowTest.moc"
