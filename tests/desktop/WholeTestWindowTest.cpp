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

#include <functional>

// A whole test run through the real window, as a pupil takes it: every answer typed key by key, wheels
// turned with the keyboard, options clicked, OK and Next clicked on every page, with the focus where the
// keyboard needs it; at the end the badge shows the best grade and the counters every item, and closing asks.

namespace {

// Turns the wheel with the keyboard to the item that reads as text (trimmed, in capitals): to the top,
// then page by page and item by item down.
bool turnWheelTo(ChoiceWheel* wheel, const QString& text)
{
    int target = -1;
    for (int i = 0; i < wheel->items().size() && target < 0; ++i)
        if (judgedText(wheel->items().at(i)) == judgedText(text))
            target = i;
    if (target < 0)
        return false;
    QTest::keyClick(wheel, Qt::Key_Home);
    for (int i = 0; i < target / 5; ++i)
        QTest::keyClick(wheel, Qt::Key_PageDown);
    for (int i = 0; i < target % 5; ++i)
        QTest::keyClick(wheel, Qt::Key_Down);
    return wheel->currentIndex() == target;
}

struct WalkPage {
    int page;
    // Gives every right answer of the page through its widgets.
    std::function<void(RunningWindow&)> answerRight;
};

QString solution(const RunningWindow& window, int index)
{
    return window.state.g_Solutions[static_cast<std::size_t>(index)];
}

void typeRows(RunningWindow& window, const QString& field, int rows,
              const std::function<QString(int row)>& answer)
{
    for (int row = 0; row < rows; ++row)
        typeInto(window.find(field.arg(row)), answer(row));
}

void turnWheels(RunningWindow& window, const QString& wheel, int rows)
{
    for (int row = 0; row < rows; ++row)
        QVERIFY2(turnWheelTo(window.find<ChoiceWheel>(wheel.arg(row)), solution(window, row)),
                 qPrintable(wheel.arg(row)));
}

// Each row's expected answer is the number of its right option.
void clickOptions(RunningWindow& window, const QString& option, int rows)
{
    for (int row = 0; row < rows; ++row)
        QTest::mouseClick(window.find(option.arg(solution(window, row).trimmed())), Qt::LeftButton);
}

QString firstVariant(const QString& variants)
{
    return TokenBetween(variants, QStringLiteral("*"), QStringLiteral("*"));
}

const QList<WalkPage> walk = {
    {1,
     [](RunningWindow& w) {
         typeRows(w, QStringLiteral("EleSym%1"), 3, [&w](int row) { return solution(w, row); });
         typeRows(w, QStringLiteral("Ele%1"), 3,
                  [&w](int row) { return firstVariant(solution(w, row + 3)); });
     }},
    {2,
     [](RunningWindow& w) {
         typeRows(w, QStringLiteral("Zahl%1"), 4,
                  [&w](int row) { return row < 2 ? solution(w, row) : firstVariant(solution(w, row)); });
     }},
    {11,
     [](RunningWindow& w) {
         typeRows(w, QStringLiteral("Substein%1"), 6, [&w](int row) {
             return row < 3 ? solution(w, row).section(QLatin1Char('|'), 0, 0) : solution(w, row);
         });
     }},
    {8,
     [](RunningWindow& w) {
         typeRows(w, QStringLiteral("Mol%1"), 4,
                  [&w](int row) { return solution(w, row).trimmed().replace(u'.', u','); });
     }},
    {12,
     [](RunningWindow& w) {
         typeRows(w, QStringLiteral("Stoffm%1"), 5, [&w](int row) { return solution(w, row); });
     }},
    {3, [](RunningWindow& w) { turnWheels(w, QStringLiteral("lst_Definition%1"), 3); }},
    {4, [](RunningWindow& w) { turnWheels(w, QStringLiteral("lst_Begriff%1"), 4); }},
    {9,
     [](RunningWindow& w) {
         for (int slot = 0; slot < EquationSheet::Slots; ++slot) {
             QWidget* field = w.find(QStringLiteral("Einsetz%1").arg(slot));
             if (field->isVisible())
                 typeInto(field, solution(w, slot + 1));
         }
     }},
    {5, [](RunningWindow& w) { clickOptions(w, QStringLiteral("ChooseS5_1_%1"), ChargeSheet::Rows); }},
    {6, [](RunningWindow& w) { clickOptions(w, QStringLiteral("JaNein1_%1"), YesNoSheet::Rows); }},
};

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
    void pupilAnswersEveryPageRight();
};

void WholeTestWindowTest::pupilAnswersEveryPageRight()
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
    // The page's focus request is carried out once: a later render leaves the focus where the pupil put it.
    QCOMPARE(QApplication::focusWidget(), window.find(QStringLiteral("EleSym0")));
    window.find(QStringLiteral("Ele1"))->setFocus();
    view.handle([] {});
    QCOMPARE(QApplication::focusWidget(), window.find(QStringLiteral("Ele1")));
    for (const WalkPage& step : walk) {
        QTRY_VERIFY(window.find(QStringLiteral("Seite%1").arg(step.page))->isVisible());
        step.answerRight(window);
        if (QTest::currentTestFailed())
            return;
        window.clickWhenShown(QStringLiteral("but_OK"));
        QVERIFY2(window.find(QStringLiteral("lab_Correct"))->isVisible(),
                 qPrintable(QStringLiteral("no praise on page %1").arg(step.page)));
        // The hidden OK hands the focus to no tool button, where Space would open it; Next takes it.
        QVERIFY(!qobject_cast<QPushButton*>(QApplication::focusWidget()));
        QTRY_VERIFY(window.find(QStringLiteral("but_Next"))->isVisible());
        QCOMPARE(QApplication::focusWidget(), window.find(QStringLiteral("but_Next")));
        if (step.page != walk.constLast().page)
            window.clickWhenShown(QStringLiteral("but_Next"));
    }
    QCOMPARE(window.find<GradeBadge>(QStringLiteral("ctl_Mark"))->markText(), QStringLiteral("1+"));
    QCOMPARE(window.find<QLabel>(QStringLiteral("Aufgabenanz"))->text().trimmed(), QStringLiteral("52"));
    QCOMPARE(window.find<QLabel>(QStringLiteral("RichtigAnz"))->text().trimmed(), QStringLiteral("52"));
    // The finished run left its record in the results folder.
    const FolderScan results = scanResultsFolder(window.dir.path());
    QCOMPARE(results.records.size(), 1);
    QCOMPARE(results.records.first().name, QStringLiteral("Jürgen"));
    QCOMPARE(results.records.first().grade, QStringLiteral("1+"));
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

KOLTEST_DESKTOP_TEST(WholeTestWindowTest)

#include "WholeTestWindowTest.moc"
