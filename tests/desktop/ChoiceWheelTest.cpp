#include "desktop/widgets/ChoiceWheel.h"
#include "desktop/DesktopTests.h"
#include "desktop/view/Bindings.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>

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
    void turning()
    {
        using Action = std::function<void(BoundWheel&)>;
        const auto key = [](Qt::Key pressed) -> Action {
            return [pressed](BoundWheel& bound) { QTest::keyClick(bound.wheel, pressed); };
        };
        const auto notches = [](int angle, int times) -> Action {
            return [angle, times](BoundWheel& bound) {
                for (int i = 0; i < times; ++i)
                    turnWheel(*bound.wheel, angle);
            };
        };
        const struct {
            const char* shown;
            Action action;
            QStringList turns;
        } rows[] = {
            {"Bor", key(Qt::Key_Down), {"4:Brom"}},
            {"Atom", key(Qt::Key_Up), {}},   // stops at the first
            {"Zink", key(Qt::Key_Down), {}}, // stops at the last
            {"Atom", key(Qt::Key_PageDown), {"6:Oxidation"}},
            {"Bor", key(Qt::Key_End), {"7:Zink"}},
            {"Bor", key(Qt::Key_Home), {"1:Atom"}},
            {"Bor", notches(-120, 1), {"4:Brom"}}, // a notch towards the pupil
            {"Bor", notches(120, 1), {"2:Base"}},
            {"Bor", notches(-60, 2), {"4:Brom"}}, // half notches add up
            {"Atom",
             [](BoundWheel& bound) { bound.wheel->findChildren<QToolButton*>().at(1)->click(); },
             {"2:Base"}},
            {"Atom", [](BoundWheel& bound) { swipe(*bound.text(), -80); }, {"3:Bor"}}, // two items up
            {"Neon", key(Qt::Key_Down), {"1:Atom"}}, // an unknown value turns to the first
        };
        for (const auto& row : rows) {
            BoundWheel bound(elements, QString::fromLatin1(row.shown));
            row.action(bound);
            QCOMPARE(bound.turns, row.turns);
            QCOMPARE(bound.model.Value, row.turns.isEmpty() ? row.shown : row.turns.last().section(':', 1));
            QCOMPARE(bound.wheel->currentText(), bound.model.Value);
            QVERIFY(!bound.wheel->openList()); // a swipe is no tap
        }
    }

    void typeAhead()
    {
        const struct {
            const char* shown;
            const char* typed;
            Qt::KeyboardModifiers held;
            const char* after;
        } rows[] = {
            {"Atom", "b", {}, "Base"},
            {"Atom", "bb", {}, "Bor"},               // the same letter walks on
            {"Brom", "b", {}, "Base"},               // and round to the first
            {"Atom", "O", {}, "oxid"},               // either case
            {"Atom", "oxida", {}, "Oxidation"},      // more letters narrow
            {"Bor", "q", {}, "Bor"},                 // no such item
            {"Atom", "b", Qt::MetaModifier, "Atom"}, // a shortcut key never turns
        };
        for (const auto& row : rows) {
            BoundWheel bound(elements, QString::fromLatin1(row.shown));
            QTest::keyClicks(bound.wheel, QString::fromLatin1(row.typed), row.held);
            QVERIFY2(bound.model.Value == QLatin1String(row.after), row.typed);
        }
    }

    void listPicksAnItem()
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

    // A long item wraps and shows in full; as items of every length show in turn, the arrow clicked again
    // stands where it stood.
    void longItemsWrapInFullAndArrowsKeepTheirPlace()
    {
        const QString definition = QStringLiteral("Reinstoff aus zwei oder mehr Elementen in festem "
                                                  "Massenverhältnis; er lässt sich chemisch zerlegen.");
        BoundWheel bound({QStringLiteral("Kurz"), definition, QStringLiteral("Mittel")},
                         QStringLiteral("Kurz"));
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
        for (const QString& item : {definition, definition.chopped(1) + QStringLiteral(", sagt man.")}) {
            BoundWheel shown({item, QStringLiteral("Kurz")}, item);
            QLabel* text = shown.text();
            QCOMPARE(text->text(), item);
            QVERIFY(text->height() >= text->heightForWidth(text->width()));
            QVERIFY(text->height() > 2 * text->fontMetrics().lineSpacing());
        }
    }

    void programSetsWithoutTurning()
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
};

KOLTEST_DESKTOP_TEST(ChoiceWheelTest)

#include "ChoiceWheelTest.moc"
