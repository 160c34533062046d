#include "app/MainWindowDesign.h"
#include "desktop/ControlPlaces.h"
#include "desktop/DesktopTests.h"
#include "desktop/RunningWindow.h"
#include "desktop/tools/HelpWindow.h"
#include "desktop/tools/PeriodicTableWindow.h"
#include "desktop/view/Look.h"
#include "desktop/widgets/AvatarFigure.h"
#include "desktop/widgets/FormulaLabel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>

#include <functional>

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startPageKeysAndChoices();
    void sheetsTakeClicksAndEnter();
    void shortcutKeysNeverTypeAndEnterPressesTheFocusedButton();
    void everythingFitsEveryScreen_data();
    void everythingFitsEveryScreen();
};

namespace {

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

void activate(RunningWindow& window)
{
    window.view.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window.view));
}

} // namespace

// Tab follows the visual order, the name field has the focus, the level's options keep one choice, and a
// question's default answer is "Nein".
void MainWindowTest::startPageKeysAndChoices()
{
    RunningWindow window;
    QStringList order;
    for (QWidget* widget = window.find(QStringLiteral("but_GameCommands0")); widget && order.size() < 7;
         widget = widget->nextInFocusChain())
        if (widget->isVisible() && (widget->focusPolicy() & Qt::TabFocus))
            order << widget->objectName();
    QCOMPARE(order, QStringList({"but_GameCommands0", "HelpButton", "UserName", "Expert0", "Expert1", "HYMNE",
                                 "but_GameTools0"}));
    activate(window);
    QCOMPARE(QApplication::focusWidget(), window.find(QStringLiteral("UserName"))); // the first thing to do
    auto* beginner = window.find<QAbstractButton>(QStringLiteral("Expert0"));
    auto* expert = window.find<QAbstractButton>(QStringLiteral("Expert1"));
    QVERIFY(beginner->isChecked() && !expert->isChecked());

    QTest::mouseClick(expert, Qt::LeftButton);
    QVERIFY(!beginner->isChecked() && expert->isChecked());
    QCOMPARE(window.state.g_Expert.toInt(), 1); // what the level changes is the start page's logic
    QTest::mouseClick(expert, Qt::LeftButton);  // a second click keeps the choice
    QVERIFY(expert->isChecked());
    QTest::mouseClick(beginner, Qt::LeftButton);
    QVERIFY(beginner->isChecked() && !expert->isChecked());

    // A click on the big figure gives both figures the next look.
    auto* figure = window.find(QStringLiteral("ctl_Avatar1"));
    QTest::mouseClick(figure, Qt::LeftButton, {}, figure->rect().center());
    QCOMPARE(window.services.user.avatarLook(), 1);
    QCOMPARE(window.model.ctl_Avatar2.Refreshes, 1);
    QCOMPARE(window.guard.seen(), QStringList());

    window.guard.stop();
    QTimer::singleShot(100, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
    QVERIFY(!window.platform.AskYesNo(QStringLiteral("Wirklich einen neuen Test beginnen?"),
                                      QStringLiteral("Neu?")));
}

// Every sheet's view hands a click on a field or a calculator key to its sheet, which opens the pad or the
// tool, and Enter in a field to the sheet, which moves on along its ring.
void MainWindowTest::sheetsTakeClicksAndEnter()
{
    RunningWindow window;
    window.services.user.SetUserName(QStringLiteral("Mia"));
    window.view.handle([&window] { window.model.but_OK_Click(); }); // the test starts
    const struct {
        int page;
        const char* field;
        const char* opens; // the title of the dialog that a click opens
        const char* enterGoesTo;
    } rows[] = {
        {1, "EleSym2", "Bildschirmtastatur", "Ele0"},      {2, "Zahl3", "Bildschirmtastatur", "Zahl0"},
        {11, "Substein4", "Formel eingeben", "Substein5"}, {8, "Mol3", "Bildschirmtastatur", "Mol0"},
        {8, "but_Calc3", "Taschenrechner", nullptr},       {12, "Stoffm2", "Bildschirmtastatur", "Stoffm3"},
        {12, "but_Calc8", "Taschenrechner", nullptr},      {9, "Einsetz0", "Bildschirmtastatur", nullptr},
    };
    QStringList opened;
    for (const auto& row : rows) {
        window.showPage(row.page);
        activate(window); // again after the dialog of the row before
        QWidget* field = window.find(QLatin1String(row.field));
        if (row.enterGoesTo) {
            field->setFocus();
            QTest::keyClick(field, Qt::Key_Return);
            QVERIFY2(QApplication::focusWidget() == window.find(QLatin1String(row.enterGoesTo)), row.field);
        }
        QTest::mouseClick(field, Qt::LeftButton);
        QCOMPARE(window.guard.seen(), opened << QString::fromUtf8(row.opens));
    }
    // What a sheet writes shows: a task's formula, a right answer only once asked for, an edited formula.
    window.showPage(11);
    SubstanceSheet& substances = window.model.substanceNames;
    QCOMPARE(window.find<FormulaLabel>(QStringLiteral("Substein0_Aufgabe"))->formula(),
             substances.lab_SubsTerm[0].Term);
    QVERIFY(!window.find(QStringLiteral("lab_SubCorrect0"))->isVisible());
    window.view.handle([&substances] { substances.Substein[4].Term = QStringLiteral("CuSO4·5H2O"); });
    QCOMPARE(window.find<QLineEdit>(QStringLiteral("Substein4"))->text(), QStringLiteral("CuSO4·5H2O"));
}

void MainWindowTest::shortcutKeysNeverTypeAndEnterPressesTheFocusedButton()
{
    RunningWindow window;
    activate(window);
    QTest::mouseClick(window.find<QAbstractButton>(QStringLiteral("Expert1")), Qt::LeftButton); // no tools
    window.services.user.SetUserName(QStringLiteral("Mia"));
    window.view.handle([&window] { window.model.but_OK_Click(); });
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

void MainWindowTest::everythingFitsEveryScreen_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("shown"); // never below the page area of a 1024 x 600 screen
    QTest::newRow("netbook") << QSize(1024, 600) << QSize(1024, 600);
    QTest::newRow("laptop") << QSize(1366, 768) << QSize(1366, 768);
    QTest::newRow("whiteboard") << QSize(3840, 2160) << QSize(3840, 2160);
    QTest::newRow("too small") << QSize(600, 400)
                               << QSize(design::MinimumWindowWidth, design::MinimumWindowHeight);
}

// On every screen, every page's controls lie inside the window and none covers another; so do the buttons
// of the two strips, and a long name beside the avatar. Radio dots grow with their text. Every dialog and
// tool window shows its text at least at the page's size relative to the window, the system's file dialog
// too, with every button whole; a message's text is as large as the page's task text, and keys keep their
// share of the window's height.
void MainWindowTest::everythingFitsEveryScreen()
{
    QFETCH(QSize, size);
    QFETCH(QSize, shown);
    RunningWindow window;
    MainWindowView& view = window.view;
    window.services.user.SetUserName(QStringLiteral("Maximiliane-Josephine von Hohenberg-Schillingsfürst"));
    view.showNormal();
    view.setGeometry(QRect(QPoint(0, 0), size));
    QTRY_COMPARE(view.size(), shown);
    view.handle([&window] { window.model.but_OK_Click(); }); // started, so that every sheet draws its tasks
    auto* avatar = window.find<AvatarFigure>(QStringLiteral("ctl_Avatar2"));
    for (const WalkStep& step : window.model.m_Walk) {
        view.handle([&window, &step] { window.model.ShowPage(step.page); });
        auto* page = window.find(QStringLiteral("Seite%1").arg(step.page));
        QVERIFY(page->isVisible());
        // The longest task a catalogue may give a row (a molar mass text keeps 40 characters) fits beside its
        // field.
        for (QLabel* task : page->findChildren<QLabel*>(QRegularExpression(QStringLiteral("_Aufgabe$"))))
            task->setText(QStringLiteral("Kupfer(II)-hydrogencarbonat (Cu(HCO3)2)"));
        QCoreApplication::processEvents();
        QList<QWidget*> controls = visibleControls(*page);
        for (const char* name :
             {"but_GameCommands0", "HelpButton", "but_GameTools0", "but_GameTools1", "but_OK"})
            if (QWidget* button = window.find(QString::fromLatin1(name)); button->isVisible())
                controls << button;
        const QString problem = misplaced(view.rect(), controls);
        QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("page %1: ").arg(step.page) + problem));
        const QRect name = avatar->nameArea().toAlignedRect().translated(inWindow(*avatar).topLeft());
        for (QWidget* control : controls)
            QVERIFY2(control->parentWidget() != avatar->parentWidget() ||
                         !name.intersects(inWindow(*control)),
                     qPrintable(avatar->shownName() + " runs behind " + control->objectName()));
        for (const QRadioButton* option : page->findChildren<QRadioButton*>())
            QVERIFY(indicatorHeight(*option) >= option->fontMetrics().height());
    }
    QCOMPARE(window.guard.seen(), QStringList()); // no page went short of tasks

    const double taskText = window.find(QStringLiteral("AnzS5_0"))->font().pointSizeF();
    const double smallestAllowed = taskText * look::BasePointSize / look::TaskPointSize - 0.01;
    const double share = view.height() / static_cast<double>(design::WindowHeight);
    TextBox field;
    const struct {
        std::function<void()> open;
        QString key; // a key of the pad and its design size; none for messages
        int keySize;
        int shown = 1; // the dialogs that open one after the other
    } dialogs[] = {
        {[&] { window.services.dialogs.ShowTextPad(field, QStringLiteral("Eisen")); }, "q", 56},
        {[&] { window.services.dialogs.ShowNumberPad(field, QStringLiteral("Eisen")); }, "7", 56},
        {[&] { window.services.dialogs.EditTerm(QStringLiteral("H2O"), QStringLiteral("Wasser")); }, "A", 50},
        {[&] { window.services.tools.ShowCalculator(QString()); }, "7", 56},
        {[&] { window.platform.ShowMessage(QStringLiteral("Experten müssen im Kopf rechnen!"), {}); }, {}, 0},
        {[&] { window.platform.AskYesNo(QStringLiteral("Wirklich beenden?"), QStringLiteral("Ende?")); },
         {},
         0},
        // The certificate's choice, then the system's dialog for the PDF file.
        {[&] {
             PrintFields form;
             form.SetField(QStringLiteral("FILE"), QStringLiteral("urkunde-koltest.zq-frm"));
             window.services.print.PrintForm(QString(), form);
         },
         {},
         0,
         2},
    };
    for (const auto& dialog : dialogs) {
        window.guard.inspect = [&](QDialog& shown) {
            QVERIFY2(smallestText(shown) >= smallestAllowed, qPrintable(shown.windowTitle()));
            for (QPushButton* key : shown.findChildren<QPushButton*>()) {
                QVERIFY2(!key->isVisible() || (key->width() >= key->minimumSizeHint().width() &&
                                               shown.rect().contains(inWindow(*key))),
                         qPrintable(key->text() + " is cut"));
                if (key->text() == dialog.key)
                    QVERIFY2(key->height() + 1 >= dialog.keySize * share, qPrintable(dialog.key));
            }
            if (const auto* text = shown.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
                QVERIFY(text->font().pointSizeF() >= taskText - 0.01);
                const QRect room = text->contentsRect();
                QVERIFY(
                    room.contains(text->fontMetrics().boundingRect(room, Qt::TextWordWrap, text->text())));
            }
            for (QPushButton* key : shown.findChildren<QPushButton*>()) // on to the PDF file's dialog
                if (key->text() == QStringLiteral("Als PDF speichern…"))
                    key->click();
        };
        const qsizetype before = window.guard.seen().size();
        dialog.open();
        QCOMPARE(window.guard.seen().size(), before + dialog.shown);
    }
    PeriodicTableWindow table(&view);
    HelpWindow help(&view, QStringLiteral("<p>Hilfe</p>"), QString());
    QVERIFY(smallestText(table) >= smallestAllowed);
    QVERIFY(smallestText(help) >= smallestAllowed);
    // The help's scroll bar grows with its text, so that a finger on a whiteboard still hits it.
    QVERIFY(help.browser().verticalScrollBar()->sizeHint().width() >=
            help.browser().fontMetrics().height() * 9 / 10);
}

KOLTEST_DESKTOP_TEST(MainWindowTest)

#include "MainWindowTest.moc"
