#include "app/MainWindowDesign.h"
#include "app/frm_AppMain.h"
#include "components/TextTools.h"
#include "desktop/ControlPlaces.h"
#include "desktop/DesktopTests.h"
#include "desktop/RunningWindow.h"
#include "desktop/view/MainWindowView.h"
#include "desktop/tools/HelpWindow.h"
#include "desktop/view/Look.h"
#include "desktop/tools/PeriodicTableWindow.h"
#include "desktop/widgets/AvatarFigure.h"
#include "desktop/widgets/ChoiceWheel.h"
#include "desktop/widgets/FormulaLabel.h"
#include "desktop/widgets/GradeBadge.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <functional>

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void pupilTakesTheFirstTwoPages();
    void startPageChoices();
    void viewCarriesOutFocusAndCloseRequests();
    void tabFollowsTheVisualOrder();
    void questionsDefaultToNein();
    void shortcutKeysNeverTypeAndEnterPressesTheFocusedButton();
    void everyPageFitsEveryScreen_data();
    void everyPageFitsEveryScreen();
    void dialogsTakeTheWindowScale_data() { everyPageFitsEveryScreen_data(); }
    void dialogsTakeTheWindowScale();
};

namespace {

// Runs open, which shows a modal dialog, hands the dialog to check and closes it.
void checkModal(const std::function<void()>& open, const std::function<void(QDialog&)>& check)
{
    bool seen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        poll.stop();
        seen = true;
        check(*dialog);
        dialog->reject();
    });
    poll.start(10);
    open();
    QVERIFY(seen);
}

// The smallest text a window shows, in points.
double smallestText(const QWidget& window)
{
    double smallest = window.font().pointSizeF();
    for (const QWidget* widget : window.findChildren<QWidget*>())
        if ((qobject_cast<const QLabel*>(widget) || qobject_cast<const QAbstractButton*>(widget) ||
             qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QTextEdit*>(widget)) &&
            widget->font().pointSizeF() > 0)
            smallest = std::min(smallest, widget->font().pointSizeF());
    return smallest;
}

int indicatorHeight(const QRadioButton& option)
{
    QStyleOptionButton style;
    style.initFrom(&option);
    return option.style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, &option).height();
}

} // namespace

void MainWindowTest::pupilTakesTheFirstTwoPages()
{
    RunningWindow window;
    MainWindowView& view = window.view;
    frm_AppMain& model = window.model;
    mdl_KolTest& state = window.state;
    QVERIFY(view.isVisible());
    QVERIFY(window.find(QStringLiteral("Seite0"))->isVisible());

    // Page 0: the name, then OK.
    auto* name = view.findChild<QLineEdit*>(QStringLiteral("UserName"));
    typeInto(name, QStringLiteral("Jürgen"));
    QCOMPARE(window.services.user.UserName(), QStringLiteral("Jürgen"));
    auto* ok = view.findChild<QPushButton*>(QStringLiteral("but_OK"));
    QTRY_VERIFY(ok->isVisible());
    QTest::mouseClick(ok, Qt::LeftButton);
    QTRY_VERIFY(view.findChild<QWidget*>(QStringLiteral("Seite1"))->isVisible());
    QVERIFY(!view.findChild<QWidget*>(QStringLiteral("Seite0"))->isVisible());
    QCOMPARE(view.windowTitle(), QStringLiteral("Jürgen im KOLBRIX -TEST"));

    // Page 1: four right, two wrong, typed with the keyboard; Enter moves on to the next field.
    view.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    const auto field = [&view](const QString& name) { return view.findChild<QLineEdit*>(name); };
    const QString firstName = TokenBetween(state.g_Solutions[3], QStringLiteral("*"), QStringLiteral("*"));
    const QString thirdName = TokenBetween(state.g_Solutions[5], QStringLiteral("*"), QStringLiteral("*"));
    const struct {
        QString field;
        QString typed;
        bool right;
    } rows[] = {
        {QStringLiteral("EleSym0"), state.g_Solutions[0], true},
        {QStringLiteral("EleSym1"), QStringLiteral("Xy"), false},
        {QStringLiteral("EleSym2"), state.g_Solutions[2], true},
        {QStringLiteral("Ele0"), firstName, true},
        {QStringLiteral("Ele1"), QStringLiteral("Quatsch"), false},
        {QStringLiteral("Ele2"), thirdName, true},
    };
    for (const auto& row : rows)
        typeInto(field(row.field), row.typed);
    QTest::keyClick(field(QStringLiteral("EleSym2")), Qt::Key_Return);
    QTRY_COMPARE(QApplication::focusWidget(), field(QStringLiteral("Ele0")));
    QCOMPARE(field(QStringLiteral("EleSym0"))->accessibleName(), model.elements.AnzS1[0].Caption);

    QTRY_VERIFY(ok->isVisible());
    QTest::mouseClick(ok, Qt::LeftButton);
    const QString expected[] = {state.g_Solutions[0],
                                state.g_Solutions[1],
                                state.g_Solutions[2],
                                firstName,
                                TokenBetween(state.g_Solutions[4], "*", "*"),
                                thirdName};
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        QLineEdit* answer = field(rows[i].field);
        QCOMPARE(answer->palette().color(QPalette::Base),
                 rows[i].right ? QColor(0, 255, 0) : QColor(255, 0, 0));
        QCOMPARE(answer->text(),
                 rows[i].right ? rows[i].typed : rows[i].typed + " - Richtig ist: " + expected[i]);
    }
    QCOMPARE(view.findChild<GradeBadge*>(QStringLiteral("ctl_Mark"))->markText(), QStringLiteral("3+"));
    QVERIFY(!view.findChild<QWidget*>(QStringLiteral("lab_Correct"))->isVisible());
    // The hidden OK does not hand the focus to a tool button, where Space would open it.
    QVERIFY(!qobject_cast<QPushButton*>(QApplication::focusWidget()));

    // Next brings page 2 with its four rows; it has the focus as soon as it shows.
    auto* next = view.findChild<QPushButton*>(QStringLiteral("but_Next"));
    QTRY_VERIFY(next->isVisible());
    QCOMPARE(QApplication::focusWidget(), next);
    QTest::mouseClick(next, Qt::LeftButton);
    QTRY_VERIFY(view.findChild<QWidget*>(QStringLiteral("Seite2"))->isVisible());
    QVERIFY(!view.findChild<QWidget*>(QStringLiteral("Seite1"))->isVisible());
    for (int i = 0; i < 4; ++i) {
        const QString fieldName = QStringLiteral("Zahl%1").arg(i);
        auto* task = view.findChild<QLabel*>(fieldName + QStringLiteral("_Aufgabe"));
        QVERIFY(!task->text().isEmpty());
        QCOMPARE(task->text(), model.syllables.AnzS2[static_cast<std::size_t>(i)].Caption);
        QVERIFY(field(fieldName)->isVisible());
    }
    QCOMPARE(window.guard.seen(), QStringList());

    // The window's own close button asks first; "Nein" (the guard's answer) keeps the test on screen.
    view.close();
    QCOMPARE(window.guard.seen(), QStringList{QStringLiteral("Wollen Sie den Test wirklich verlassen?")});
    QVERIFY(view.isVisible());
}

void MainWindowTest::startPageChoices()
{
    RunningWindow window;
    window.view.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window.view));
    QCOMPARE(QApplication::focusWidget(), window.find(QStringLiteral("UserName"))); // the first thing to do
    auto* beginner = window.find<QAbstractButton>(QStringLiteral("Expert0"));
    auto* expert = window.find<QAbstractButton>(QStringLiteral("Expert1"));
    QWidget* periodicTable = window.find(QStringLiteral("but_GameTools0"));
    QVERIFY(beginner->isChecked() && !expert->isChecked());

    QTest::mouseClick(expert, Qt::LeftButton);
    QVERIFY(!beginner->isChecked() && expert->isChecked());
    QCOMPARE(window.state.g_Expert.toInt(), 1);
    QVERIFY(!periodicTable->isVisible());
    QTest::mouseClick(expert, Qt::LeftButton); // a second click keeps the choice
    QVERIFY(expert->isChecked());
    QTest::mouseClick(beginner, Qt::LeftButton);
    QVERIFY(beginner->isChecked() && !expert->isChecked());
    QVERIFY(periodicTable->isVisible());

    // A click on the big figure gives both figures the next look.
    auto* figure = window.find(QStringLiteral("ctl_Avatar1"));
    QTest::mouseClick(figure, Qt::LeftButton, {}, figure->rect().center());
    QCOMPARE(window.services.user.avatarLook(), 1);
    QCOMPARE(window.model.ctl_Avatar2.Refreshes, 1);
    QCOMPARE(window.guard.seen(), QStringList());
}

void MainWindowTest::viewCarriesOutFocusAndCloseRequests()
{
    RunningWindow window;
    MainWindowView& view = window.view;
    view.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    // Page 1 asks for the focus on its first field once it is filled; the request is carried out once and
    // cleared, so that a later render leaves the focus where the pupil put it.
    window.services.user.SetUserName(QStringLiteral("Mia"));
    view.handle([&window] { window.model.but_OK_Click(); });
    QCOMPARE(QApplication::focusWidget(), window.find(QStringLiteral("EleSym0")));
    QCOMPARE(window.model.FocusRequest, nullptr);
    QWidget* other = window.find(QStringLiteral("Ele1"));
    other->setFocus();
    view.handle([] {});
    QCOMPARE(QApplication::focusWidget(), other);

    bool closed = false;
    view.setOnClosed([&closed] { closed = true; });
    view.handle([&window] { window.model.Unload(); });
    QVERIFY(closed);
    QVERIFY(!view.isVisible());
}

void MainWindowTest::tabFollowsTheVisualOrder()
{
    RunningWindow window;
    QStringList order;
    QWidget* widget = window.find(QStringLiteral("but_GameCommands0"));
    while (widget && order.size() < 7) {
        if (widget->isVisible() && (widget->focusPolicy() & Qt::TabFocus))
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    }
    QCOMPARE(order, QStringList({"but_GameCommands0", "HelpButton", "UserName", "Expert0", "Expert1", "HYMNE",
                                 "but_GameTools0"}));
}

void MainWindowTest::questionsDefaultToNein()
{
    RunningWindow window;
    window.guard.stop();
    QTimer::singleShot(100, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
    QVERIFY(!window.platform.AskYesNo(QStringLiteral("Wirklich einen neuen Test beginnen?"),
                                      QStringLiteral("Neu?")));
}

void MainWindowTest::shortcutKeysNeverTypeAndEnterPressesTheFocusedButton()
{
    RunningWindow window;
    MainWindowView& view = window.view;
    view.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    QTest::mouseClick(window.find<QAbstractButton>(QStringLiteral("Expert1")), Qt::LeftButton); // no tools
    window.services.user.SetUserName(QStringLiteral("Mia"));
    view.handle([&window] { window.model.but_OK_Click(); });
    auto* field = window.find<QLineEdit>(QStringLiteral("EleSym0"));
    QCOMPARE(QApplication::focusWidget(), field);
    const QString symbol = window.state.g_Solutions[0];
    typeInto(field, symbol);
    // The shortcuts of OK, Weiter, Neustart, Periodensystem and Taschenrechner, whose buttons are hidden.
    const auto pressShortcuts = [field] {
        for (const char letter : {'o', 'w', 'n', 'p', 't'})
            for (const Qt::KeyboardModifiers modifiers :
                 {Qt::KeyboardModifiers(Qt::AltModifier), Qt::ControlModifier | Qt::AltModifier,
                  Qt::KeyboardModifiers(Qt::MetaModifier)})
                QTest::sendKeyEvent(QTest::Click, field, Qt::Key(Qt::Key_A + letter - 'a'), letter,
                                    modifiers);
    };
    pressShortcuts();
    QCOMPARE(window.model.elements.EleSym[0].Text, symbol);
    QVERIFY(window.model.elements.EleSym[0].BackColor == Colour::Default); // not judged

    auto* ok = window.find<QPushButton>(QStringLiteral("but_OK"));
    QTRY_VERIFY(ok->isVisible());
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Return);
    QVERIFY(window.model.elements.EleSym[0].BackColor == Colour::LightGreen);
    const QString judged = field->text();
    field->setFocus();
    pressShortcuts(); // OK is hidden again and Weiter not shown yet
    QCOMPARE(field->text(), judged);
    QCOMPARE(window.model.m_CurrentPage, 1);
    QCOMPARE(window.guard.seen(), QStringList());
}

void MainWindowTest::everyPageFitsEveryScreen_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("shown"); // never below the page area of a 1024 x 600 screen
    QTest::newRow("netbook") << QSize(1024, 600) << QSize(1024, 600);
    QTest::newRow("laptop") << QSize(1366, 768) << QSize(1366, 768);
    QTest::newRow("whiteboard") << QSize(3840, 2160) << QSize(3840, 2160);
    QTest::newRow("too small") << QSize(600, 400)
                               << QSize(design::MinimumWindowWidth, design::MinimumWindowHeight);
}

// On every screen, every page's controls lie inside the window and none covers another; so do the
// buttons of the two strips, and a long name beside the avatar. Radio dots grow with their text.
void MainWindowTest::everyPageFitsEveryScreen()
{
    QFETCH(QSize, size);
    QFETCH(QSize, shown);
    RunningWindow window;
    MainWindowView& view = window.view;
    window.services.user.SetUserName(QStringLiteral("Maximiliane-Josephine von Hohenberg-Schillingsfürst"));
    view.showNormal();
    view.setGeometry(QRect(QPoint(0, 0), size));
    QTRY_COMPARE(view.size(), shown);
    auto* avatar = window.find<AvatarFigure>(QStringLiteral("ctl_Avatar2"));
    const QRect windowRect = view.rect();
    for (const WalkStep& step : window.model.m_Walk) {
        view.handle([&window, &step] { window.model.ShowPage(step.page); });
        auto* page = window.find(QStringLiteral("Seite%1").arg(step.page));
        QVERIFY(page->isVisible());
        // The longest task a catalogue may give a row (a molar mass text keeps 40 characters) fits beside its field.
        for (QLabel* task : page->findChildren<QLabel*>(QRegularExpression(QStringLiteral("_Aufgabe$"))))
            task->setText(QStringLiteral("Kupfer(II)-hydrogencarbonat (Cu(HCO3)2)"));
        QCoreApplication::processEvents();
        QList<QWidget*> controls = visibleControls(*page);
        for (const char* name :
             {"but_GameCommands0", "HelpButton", "but_GameTools0", "but_GameTools1", "but_OK"})
            if (QWidget* button = window.find(QString::fromLatin1(name)); button->isVisible())
                controls << button;
        for (int i = 0; i < controls.size(); ++i) {
            const QRect place = inWindow(*controls[i]);
            QVERIFY2(windowRect.contains(place), qPrintable(QStringLiteral("page %1: %2 at %3,%4 %5x%6")
                                                                .arg(step.page)
                                                                .arg(controls[i]->objectName())
                                                                .arg(place.x())
                                                                .arg(place.y())
                                                                .arg(place.width())
                                                                .arg(place.height())));
            for (int j = i + 1; j < controls.size(); ++j)
                QVERIFY2(!place.intersects(inWindow(*controls[j])),
                         qPrintable(QStringLiteral("page %1: %2 covers %3")
                                        .arg(step.page)
                                        .arg(controls[i]->objectName(), controls[j]->objectName())));
        }
        const QRect name = avatar->nameArea().toAlignedRect().translated(inWindow(*avatar).topLeft());
        for (QWidget* control : controls)
            QVERIFY2(control->parentWidget() != avatar->parentWidget() || !name.intersects(inWindow(*control)),
                     qPrintable(avatar->shownName() + " runs behind " + control->objectName()));
        for (const QRadioButton* option : page->findChildren<QRadioButton*>())
            QVERIFY(indicatorHeight(*option) >= option->fontMetrics().height());
    }
}

// Every dialog and tool window shows its text at least at the page's size relative to the window; a
// message's text is as large as the page's task text, and keys keep their share of the window's height.
void MainWindowTest::dialogsTakeTheWindowScale()
{
    QFETCH(QSize, size);
    RunningWindow window;
    window.guard.stop();
    window.view.showNormal();
    window.view.setGeometry(QRect(QPoint(0, 0), size));
    QVERIFY(QTest::qWaitForWindowExposed(&window.view));
    const double taskText = window.find(QStringLiteral("AnzS5_0"))->font().pointSizeF();
    const double share = window.view.height() / static_cast<double>(design::WindowHeight);
    TextBox field;
    const struct {
        std::function<void()> open;
        QString key; // a key of the pad and its design size; none for messages
        int keySize;
    } dialogs[] = {
        {[&] { window.services.dialogs.ShowTextPad(field, QStringLiteral("Eisen")); }, "q", 56},
        {[&] { window.services.dialogs.ShowNumberPad(field, QStringLiteral("Eisen")); }, "7", 56},
        {[&] { window.services.dialogs.EditTerm(QStringLiteral("H2O"), QStringLiteral("Wasser")); }, "A", 50},
        {[&] { window.services.tools.ShowCalculator(QString()); }, "7", 56},
        {[&] { window.platform.ShowMessage(QStringLiteral("Experten müssen im Kopf rechnen!"), {}); }, {}, 0},
        {[&] { window.platform.AskYesNo(QStringLiteral("Wirklich beenden?"), QStringLiteral("Ende?")); }, {}, 0},
    };
    for (const auto& dialog : dialogs)
        checkModal(dialog.open, [&](QDialog& shown) {
            QVERIFY(smallestText(shown) >= taskText * look::BasePointSize / look::TaskPointSize - 0.01);
            for (const QPushButton* key : shown.findChildren<QPushButton*>())
                if (key->text() == dialog.key)
                    QVERIFY2(key->height() + 1 >= dialog.keySize * share, qPrintable(dialog.key));
            if (const auto* text = shown.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
                QVERIFY(text->font().pointSizeF() >= taskText - 0.01);
                const QRect room = text->contentsRect();
                QVERIFY(room.contains(text->fontMetrics().boundingRect(room, Qt::TextWordWrap, text->text())));
            }
        });
    PeriodicTableWindow table(&window.view);
    HelpWindow help(&window.view, QStringLiteral("<p>Hilfe</p>"), QString());
    for (const QWidget* tool : {static_cast<QWidget*>(&table), static_cast<QWidget*>(&help)})
        QVERIFY(smallestText(*tool) >= taskText * look::BasePointSize / look::TaskPointSize - 0.01);
}

KOLTEST_DESKTOP_TEST(MainWindowTest)

#include "MainWindowTest.moc"
