#include "desktop/widgets/ChoiceWheel.h"
#include "desktop/DesktopTests.h"
#include "desktop/view/Bindings.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QStringList elements = {"Atom", "Base", "Bor", "Brom", "oxid", "Oxidation", "Zink"};

// A wheel bound to its model, inside a window of the given width; every turn is recorded.
struct BoundWheel {
    explicit BoundWheel(const QStringList& items, const QString& shown, int width = 360)
        : bindings([](const Bindings::Handler& handler) { handler(); })
    {
        task.Caption = QStringLiteral("Atom");
        model.Items = items;
        model.Value = shown;
        auto* column = new QVBoxLayout(&window);
        wheel = new ChoiceWheel(&window);
        column->addWidget(wheel);
        column->addStretch();
        window.setFixedWidth(width);
        bindings.wheel(*wheel, model, task, [this](int position, const QString& text) {
            turns << QStringLiteral("%1:%2").arg(position).arg(text);
        });
        bindings.render();
        window.show();
        exposed = QTest::qWaitForWindowExposed(&window);
        wheel->setFocus();
    }
    QLabel* text() const { return wheel->findChild<QLabel*>(); }

    Wheel model;
    Label task;
    Bindings bindings;
    QWidget window;
    ChoiceWheel* wheel = nullptr;
    bool exposed = false;
    QStringList turns;
};

void swipe(QWidget& target, int dy)
{
    const QPoint start(target.width() / 2, target.height() / 2);
    QTest::mousePress(&target, Qt::LeftButton, {}, start);
    QMouseEvent move(QEvent::MouseMove, QPointF(start + QPoint(0, dy)),
                     target.mapToGlobal(QPointF(start + QPoint(0, dy))), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&target, &move);
    QTest::mouseRelease(&target, Qt::LeftButton, {}, start + QPoint(0, dy));
}

void turnWheel(QWidget& target, int angle)
{
    const QPointF at(target.width() / 2.0, target.height() / 2.0);
    QWheelEvent event(at, target.mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&target, &event);
}

} // namespace

class ChoiceWheelTest : public QObject {
    Q_OBJECT

private slots:
    void turning_data();
    void turning();
    void typeAhead_data();
    void typeAhead();
    void listPicksAnItem();
    void longItemWrapsInFull();
    void arrowsKeepTheirPlace();
    void programSetsWithoutTurning();
};

void ChoiceWheelTest::turning_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("turns");
    QTest::newRow("down key") << "Bor"
                              << "Down" << QStringList{"4:Brom"};
    QTest::newRow("up key stops at the first") << "Atom"
                                               << "Up" << QStringList{};
    QTest::newRow("down key stops at the last") << "Zink"
                                                << "Down" << QStringList{};
    QTest::newRow("page down") << "Atom"
                               << "PageDown" << QStringList{"6:Oxidation"};
    QTest::newRow("end") << "Bor"
                         << "End" << QStringList{"7:Zink"};
    QTest::newRow("home") << "Bor"
                          << "Home" << QStringList{"1:Atom"};
    QTest::newRow("wheel notch towards the pupil") << "Bor"
                                                   << "WheelDown" << QStringList{"4:Brom"};
    QTest::newRow("wheel notch away") << "Bor"
                                      << "WheelUp" << QStringList{"2:Base"};
    QTest::newRow("half notches add up") << "Bor"
                                         << "TwoHalfNotches" << QStringList{"4:Brom"};
    QTest::newRow("next arrow") << "Atom"
                                << "NextArrow" << QStringList{"2:Base"};
    QTest::newRow("swipe up two items") << "Atom"
                                        << "SwipeUp" << QStringList{"3:Bor"};
    QTest::newRow("unknown value turns to the first") << "Neon"
                                                      << "Down" << QStringList{"1:Atom"};
}

void ChoiceWheelTest::turning()
{
    QFETCH(QString, shown);
    QFETCH(QString, action);
    QFETCH(QStringList, turns);
    BoundWheel bound(elements, shown);
    ChoiceWheel& wheel = *bound.wheel;
    const QMap<QString, Qt::Key> keys = {{"Down", Qt::Key_Down},
                                         {"Up", Qt::Key_Up},
                                         {"PageDown", Qt::Key_PageDown},
                                         {"End", Qt::Key_End},
                                         {"Home", Qt::Key_Home}};
    if (keys.contains(action))
        QTest::keyClick(&wheel, keys.value(action));
    else if (action == "WheelDown")
        turnWheel(wheel, -120);
    else if (action == "WheelUp")
        turnWheel(wheel, 120);
    else if (action == "TwoHalfNotches") {
        turnWheel(wheel, -60);
        turnWheel(wheel, -60);
    } else if (action == "NextArrow")
        wheel.findChildren<QToolButton*>().at(1)->click();
    else if (action == "SwipeUp")
        swipe(*bound.text(), -80);
    QCOMPARE(bound.turns, turns);
    QCOMPARE(bound.model.Value, turns.isEmpty() ? shown : turns.last().section(':', 1));
    QCOMPARE(wheel.currentText(), bound.model.Value);
    QVERIFY(!wheel.openList()); // a swipe is no tap
}

void ChoiceWheelTest::typeAhead_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Qt::KeyboardModifiers>("held");
    QTest::addColumn<QString>("after");
    const Qt::KeyboardModifiers none;
    QTest::newRow("first item with the letter") << "Atom"
                                                << "b" << none << "Base";
    QTest::newRow("same letter walks on") << "Atom"
                                          << "bb" << none << "Bor";
    QTest::newRow("walks round to the first") << "Brom"
                                              << "b" << none << "Base";
    QTest::newRow("either case") << "Atom"
                                 << "O" << none << "oxid";
    QTest::newRow("more letters narrow") << "Atom"
                                         << "oxida" << none << "Oxidation";
    QTest::newRow("no such item stays") << "Bor"
                                        << "q" << none << "Bor";
    QTest::newRow("a shortcut key never turns") << "Atom"
                                                << "b" << Qt::KeyboardModifiers(Qt::MetaModifier) << "Atom";
}

void ChoiceWheelTest::typeAhead()
{
    QFETCH(QString, shown);
    QFETCH(QString, typed);
    QFETCH(Qt::KeyboardModifiers, held);
    QFETCH(QString, after);
    BoundWheel bound(elements, shown);
    QTest::keyClicks(bound.wheel, typed, held);
    QCOMPARE(bound.model.Value, after);
}

void ChoiceWheelTest::listPicksAnItem()
{
    BoundWheel bound(elements, QStringLiteral("Bor"));
    QTest::keyClick(bound.wheel, Qt::Key_F4);
    QListWidget* list = bound.wheel->openList();
    QVERIFY(list);
    QCOMPARE(list->count(), elements.size());
    QCOMPARE(list->currentItem()->text(), QStringLiteral("Bor"));
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(bound.turns, QStringList{"4:Brom"});
    QVERIFY(!bound.wheel->openList());

    QTest::mouseClick(bound.text(), Qt::LeftButton); // a tap on the text opens the list too
    QVERIFY(bound.wheel->openList());
    QTest::keyClick(bound.wheel->openList(), Qt::Key_Escape); // Escape closes it and changes nothing
    QVERIFY(!bound.wheel->openList());
    QCOMPARE(bound.turns, QStringList{"4:Brom"});
}

void ChoiceWheelTest::longItemWrapsInFull()
{
    const QString definition = QStringLiteral(
        "Reinstoff aus zwei oder mehr Elementen in festem Massenverhältnis; er lässt sich chemisch "
        "zerlegen, sagt man.");
    BoundWheel bound({definition, QStringLiteral("Kurz")}, definition, 360);
    QLabel* text = bound.text();
    QCOMPARE(text->text(), definition);
    QVERIFY(text->wordWrap());
    QVERIFY2(
        text->height() >= text->heightForWidth(text->width()),
        qPrintable(QStringLiteral("%1 < %2").arg(text->height()).arg(text->heightForWidth(text->width()))));
    QVERIFY(text->height() > 2 * text->fontMetrics().lineSpacing());
}

// Items of every length shown in turn: the arrow clicked again stands where it stood.
void ChoiceWheelTest::arrowsKeepTheirPlace()
{
    const QString definition = QStringLiteral(
        "Reinstoff aus zwei oder mehr Elementen in festem Massenverhältnis; er lässt sich chemisch zerlegen.");
    BoundWheel bound({QStringLiteral("Kurz"), definition, QStringLiteral("Mittel")}, QStringLiteral("Kurz"));
    for (const char* name : {"Nächster Eintrag", "Vorheriger Eintrag"}) {
        QToolButton* arrow = nullptr;
        for (QToolButton* button : bound.wheel->findChildren<QToolButton*>())
            if (button->accessibleName() == QString::fromUtf8(name))
                arrow = button;
        const QRect place(arrow->mapTo(&bound.window, QPoint()), arrow->size());
        for (int click = 0; click < 2; ++click) {
            QTest::mouseClick(arrow, Qt::LeftButton);
            QApplication::processEvents();
            QCOMPARE(QRect(arrow->mapTo(&bound.window, QPoint()), arrow->size()), place);
        }
    }
    QCOMPARE(bound.turns, QStringList({"2:" + definition, "3:Mittel", "2:" + definition, "1:Kurz"}));
}

void ChoiceWheelTest::programSetsWithoutTurning()
{
    BoundWheel bound(elements, QStringLiteral("Atom"));
    bound.model.Value = QStringLiteral("Zink");
    bound.model.Enabled = false;
    bound.bindings.render();
    QCOMPARE(bound.wheel->currentText(), QStringLiteral("Zink"));
    QCOMPARE(bound.text()->text(), QStringLiteral("Zink"));
    QVERIFY(!bound.wheel->isEnabled());
    QCOMPARE(bound.wheel->accessibleName(), QStringLiteral("Atom"));
    QTest::keyClick(bound.wheel, Qt::Key_Up); // a wheel without a task does not turn
    QVERIFY(bound.turns.isEmpty());
}

KOLTEST_DESKTOP_TEST(ChoiceWheelTest)

#include "ChoiceWheelTest.moc"
