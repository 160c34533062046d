#include "app/frm_AppMain.h"
#include "desktop/DesktopTests.h"
#include "desktop/services/DesktopUser.h"
#include "desktop/sheets/SheetViews.h"
#include "desktop/view/Bindings.h"
#include "support/FakeWorld.h"

#include <QAccessible>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

// The choice sheets on screen: the option binding shows its model's choice and colours, a click and Enter
// reach the model's handlers; the yes/no view's captions choose and show the chosen answer.
class OptionSheetViewTest : public QObject {
    Q_OBJECT

private slots:
    void optionFollowsItsModel();
    void enterAndClickReachTheModel();
    void aClickOnAnAnswerCaptionChoosesIt();
    void screenReadersHearRadioButtonsOfTheirRow_data();
    void screenReadersHearRadioButtonsOfTheirRow();
};

void OptionSheetViewTest::optionFollowsItsModel()
{
    Bindings bindings([](const Bindings::Handler& handler) { handler(); });
    QRadioButton option;
    OptionButton model;
    model.Caption = QStringLiteral("+2");
    bindings.option(option, model, [] {});
    const QColor naturalText = option.palette().color(option.foregroundRole());

    model.Value = true;
    model.BackColor = Colour::LightGreen;
    model.ForeColor = Colour::LightRed;
    bindings.render();
    QCOMPARE(option.text(), QStringLiteral("+2"));
    QVERIFY(option.isChecked());
    QCOMPARE(option.palette().color(option.backgroundRole()), QColor(0, 255, 0));
    QCOMPARE(option.palette().color(option.foregroundRole()), QColor(255, 0, 0));
    QVERIFY(option.autoFillBackground());

    model = OptionButton{QStringLiteral("+2")}; // a new sheet brings the natural look back
    bindings.render();
    QVERIFY(!option.isChecked());
    QCOMPARE(option.palette().color(option.foregroundRole()), naturalText);
    QVERIFY(!option.autoFillBackground());
}

void OptionSheetViewTest::enterAndClickReachTheModel()
{
    Bindings bindings([](const Bindings::Handler& handler) { handler(); });
    QRadioButton option;
    OptionButton model;
    QList<int> keys;
    bindings.option(
        option, model, [&model] { model.Value = true; }, [&keys](int key) { keys << key; });
    bindings.render();

    QTest::keyClick(&option, Qt::Key_Return);
    QTest::keyClick(&option, Qt::Key_Enter);
    QCOMPARE(keys, QList<int>({KeyEnter, KeyEnter}));
    QVERIFY(!model.Value);

    QTest::mouseClick(&option, Qt::LeftButton);
    QVERIFY(model.Value);
    QCOMPARE(bindings.focusTarget(&model), &option);
}

void OptionSheetViewTest::aClickOnAnAnswerCaptionChoosesIt()
{
    FakeWorld world;
    ScriptedRandom random;
    mdl_KolTest state;
    frm_AppMain model({state, world.services, world.tools, world, random}, world);
    Bindings bindings([&bindings](const Bindings::Handler& handler) {
        handler();
        bindings.render();
    });
    DesktopUser user;
    QWidget frame;
    {
        PageContext context{model, bindings, user}; // gone once the view is built, as in the window
        buildYesNoSheetView(model.yesNo, frame, context);
    }
    bindings.render();
    frame.show();

    auto* nein = frame.findChild<QLabel*>(QStringLiteral("AA3"));
    QVERIFY(nein);
    QCOMPARE(nein->text(), QStringLiteral("Nein"));
    QTest::mouseClick(nein, Qt::LeftButton);

    QVERIFY(model.yesNo.JaNein1[3].Value);
    QVERIFY(frame.findChild<QRadioButton*>(QStringLiteral("JaNein1_3"))->isChecked());
    QCOMPARE(nein->palette().color(QPalette::WindowText), QColor::fromRgb(paletteRgb(Colour::LightYellow)));
    QCOMPARE(frame.findChild<QLabel*>(QStringLiteral("AA2"))->palette().color(QPalette::WindowText),
             QColor(Qt::black));
}

void OptionSheetViewTest::screenReadersHearRadioButtonsOfTheirRow_data()
{
    QTest::addColumn<bool>("yesNo");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("name");
    QTest::newRow("charge") << false << "ChooseS5_1_8" << "Mg2+: ";
    QTest::newRow("yes/no") << true << "JaNein1_3" << "Gold rostet.: Nein";
}

void OptionSheetViewTest::screenReadersHearRadioButtonsOfTheirRow()
{
    QFETCH(bool, yesNo);
    QFETCH(QString, option);
    QFETCH(QString, name);
    FakeWorld world;
    ScriptedRandom random;
    mdl_KolTest state;
    frm_AppMain model({state, world.services, world.tools, world, random}, world);
    model.charges.AnzS5[1].Caption = QStringLiteral("Mg2+");
    model.yesNo.AnzS6[1].Caption = QStringLiteral("Gold rostet.");
    Bindings bindings([](const Bindings::Handler& handler) { handler(); });
    DesktopUser user;
    QWidget frame;
    {
        PageContext context{model, bindings, user};
        if (yesNo)
            buildYesNoSheetView(model.yesNo, frame, context);
        else
            buildChargeSheetView(model.charges, frame, context);
    }
    bindings.render();
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(frame.findChild<QWidget*>(option));
    QVERIFY(read);
    QCOMPARE(read->role(), QAccessible::RadioButton);
    QVERIFY2(read->text(QAccessible::Name).startsWith(name), qPrintable(read->text(QAccessible::Name)));
}

KOLTEST_DESKTOP_TEST(OptionSheetViewTest)

#include "OptionSheetViewTest.moc"
