#include "components/TextTools.h"
#include "desktop/DesktopTests.h"
#include "desktop/RunningWindow.h"
#include "desktop/results/RecordFiles.h"
#include "desktop/widgets/ChoiceWheel.h"
#include "desktop/widgets/GradeBadge.h"
#include "sheets/definitions/TermWheels.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// A whole test run through the real window, as a pupil takes it: every answer typed key by key, wheels
// turned with the keyboard, options clicked, OK and Next clicked on every page, with the focus where the
// keyboard needs it; at the end the badge shows the best grade and the counters every item, and closing asks.

namespace {

// Turns the wheel with the keyboard to the item that reads as text (trimmed, in capitals): to the top, then
// item by item down.
bool turnWheelTo(ChoiceWheel* wheel, const QString& text)
{
    int target = -1;
    for (int i = 0; i < wheel->items().size() && target < 0; ++i)
        if (judgedText(wheel->items().at(i)) == judgedText(text))
            target = i;
    if (target < 0)
        return false;
    QTest::keyClick(wheel, Qt::Key_Home);
    for (int i = 0; i < target; ++i)
        QTest::keyClick(wheel, Qt::Key_Down);
    return wheel->currentIndex() == target;
}

// The pages in the order of the walk.
const int walkOrder[] = {1, 2, 11, 8, 12, 3, 4, 9, 5, 6};

// Gives every right answer of the page through its widgets: each row of a group gets the stored answer of
// the row plus the group's shift, typed as a pupil writes it, turned to on a wheel, or its option clicked.
void answerRight(RunningWindow& window, int page)
{
    enum Form { AsStored, FirstVariant, FirstName, DecimalComma, Wheel, Option };
    const struct {
        int page;
        const char* widget;
        int first;
        int last;
        int shift;
        Form form;
    } groups[] = {
        {1, "EleSym%1", 0, 2, 0, AsStored},
        {1, "Ele%1", 0, 2, 3, FirstVariant},
        {2, "Zahl%1", 0, 1, 0, AsStored},
        {2, "Zahl%1", 2, 3, 0, FirstVariant},
        {11, "Substein%1", 0, 2, 0, FirstName},
        {11, "Substein%1", 3, 5, 0, AsStored},
        {8, "Mol%1", 0, 3, 0, DecimalComma},
        {12, "Stoffm%1", 0, 4, 0, AsStored},
        {3, "lst_Definition%1", 0, 2, 0, Wheel},
        {4, "lst_Begriff%1", 0, 3, 0, Wheel},
        {9, "Einsetz%1", 0, EquationSheet::Slots - 1, 1, AsStored}, // the visible slots only
        {5, "ChooseS5_1_%1", 0, ChargeSheet::Rows - 1, 0, Option},  // the answer is its option's number
        {6, "JaNein1_%1", 0, YesNoSheet::Rows - 1, 0, Option},
    };
    for (const auto& group : groups)
        for (int row = group.first; group.page == page && row <= group.last; ++row) {
            const QString stored = window.state.g_Solutions[static_cast<std::size_t>(row + group.shift)];
            const QString name = QString::fromLatin1(group.widget).arg(row);
            if (group.form == Option)
                QTest::mouseClick(window.find(QString::fromLatin1(group.widget).arg(stored.trimmed())),
                                  Qt::LeftButton);
            else if (group.form == Wheel)
                QVERIFY2(turnWheelTo(window.find<ChoiceWheel>(name), stored), qPrintable(name));
            else if (window.find(name)->isVisible())
                typeInto(window.find(name), group.form == FirstVariant ? TokenBetween(stored, "*", "*")
                                            : group.form == FirstName  ? stored.section(u'|', 0, 0)
                                            : group.form == DecimalComma
                                                ? stored.trimmed().replace(u'.', u',')
                                                : stored);
        }
}

// Clicks Next on the last page, which shows the result window modally; presses "Ja" there and returns the
// result sentence and the grade in words that it showed.
QStringList leaveLastPage(RunningWindow& window)
{
    QStringList shown;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&poll, &shown] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() != QLatin1String("frm_AppResult") || !top->isVisible())
                continue;
            shown = {top->findChild<QLabel*>(QStringLiteral("Texturt0"))->text(),
                     top->findChild<QLabel*>(QStringLiteral("Texturt1"))->text()};
            poll.stop();
            top->findChild<QPushButton*>(QStringLiteral("CSCmd1"))->click();
        }
    });
    poll.start(50);
    window.clickWhenShown(QStringLiteral("but_Next"));
    return shown;
}

} // namespace

class WholeTestWindowTest : public QObject {
    Q_OBJECT

private slots:
    void pupilAnswersEveryPageRight()
    {
        RunningWindow window;
        MainWindowView& view = window.view;
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        typeInto(window.find(QStringLiteral("UserName")), QStringLiteral("Jürgen"));
        window.clickWhenShown(QStringLiteral("but_OK"));
        QTRY_VERIFY(window.find(QStringLiteral("Seite1"))->isVisible());
        QVERIFY(!window.find(QStringLiteral("Seite0"))->isVisible());
        QCOMPARE(view.windowTitle(), QStringLiteral("Jürgen im KOLBRIX -TEST"));
        // The page's focus request is carried out once: a later render leaves the focus where the pupil put
        // it.
        QCOMPARE(QApplication::focusWidget(), window.find(QStringLiteral("EleSym0")));
        window.find(QStringLiteral("Ele1"))->setFocus();
        view.handle([] {});
        QCOMPARE(QApplication::focusWidget(), window.find(QStringLiteral("Ele1")));
        for (const int page : walkOrder) {
            QTRY_VERIFY(window.find(QStringLiteral("Seite%1").arg(page))->isVisible());
            answerRight(window, page);
            if (QTest::currentTestFailed())
                return;
            window.clickWhenShown(QStringLiteral("but_OK"));
            QVERIFY2(window.find(QStringLiteral("lab_Correct"))->isVisible(),
                     qPrintable(QStringLiteral("no praise on page %1").arg(page)));
            // The hidden OK hands the focus to no tool button, where Space would open it; Next takes it.
            QVERIFY(!qobject_cast<QPushButton*>(QApplication::focusWidget()));
            QTRY_VERIFY(window.find(QStringLiteral("but_Next"))->isVisible());
            QCOMPARE(QApplication::focusWidget(), window.find(QStringLiteral("but_Next")));
            if (page != std::end(walkOrder)[-1])
                window.clickWhenShown(QStringLiteral("but_Next"));
        }
        QCOMPARE(window.find<GradeBadge>(QStringLiteral("ctl_Mark"))->markText(), QStringLiteral("1+"));
        QCOMPARE(window.find<QLabel>(QStringLiteral("Aufgabenanz"))->text().trimmed(), QStringLiteral("52"));
        QCOMPARE(window.find<QLabel>(QStringLiteral("RichtigAnz"))->text().trimmed(), QStringLiteral("52"));
        // The finished run left its record in the results folder.
        const FolderScan results = scanResultsFolder(window.dir.path());
        QCOMPARE(results.results.runs().size(), 1);
        QCOMPARE(results.results.runs().first().name, QStringLiteral("Jürgen"));
        QCOMPARE(results.results.runs().first().grade, QStringLiteral("1+"));
        QCOMPARE(window.guard.seen(), QStringList());

        QCOMPARE(leaveLastPage(window),
                 QStringList({" Von  52 Aufgaben wurden  52 richtig gelöst!", "sehr gut plus"}));
        // "Ja" leads to the new-test question, which the guard answers with "Nein": the test stays on screen.
        QTRY_COMPARE(window.guard.seen(), QStringList{QStringLiteral("Wirklich einen neuen Test beginnen?")});
        QTRY_VERIFY(window.find(QStringLiteral("but_Next"))->isVisible());

        view.close(); // the window's own close button asks first; "Nein" keeps the test on screen
        QCOMPARE(window.guard.seen().last(), QStringLiteral("Wollen Sie den Test wirklich verlassen?"));
        QVERIFY(view.isVisible());
        bool closed = false;
        view.setOnClosed([&closed] { closed = true; });
        view.handle([&window] { window.model.Unload(); });
        QVERIFY(closed);
        QVERIFY(!view.isVisible());
    }
};

KOLTEST_DESKTOP_TEST(WholeTestWindowTest)

#include "WholeTestWindowTest.moc"
