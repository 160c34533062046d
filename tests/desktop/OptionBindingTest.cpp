#include "desktop/DesktopTests.h"
#include "desktop/view/Bindings.h"

#include <QRadioButton>
#include <QTest>

// The option binding as the choice sheets use it: the option shows its model's choice and colours, a
// click and Enter reach the model's handlers.
class OptionBindingTest : public QObject {
    Q_OBJECT

private slots:
    void optionFollowsItsModel();
    void enterAndClickReachTheModel();
};

void OptionBindingTest::optionFollowsItsModel()
{
    Bindings bindings([](const Bindings::Handler& handler) { handler(); });
    QRadioButton option;
    OptionButton model;
    model.Caption = QStringLiteral("+2");
    bindings.option(option, model, [] {});
    const QColor naturalText = option.palette().color(QPalette::WindowText);

    model.Value = true;
    model.BackColor = Colour::LightGreen;
    model.ForeColor = Colour::LightRed;
    bindings.render();
    QCOMPARE(option.text(), QStringLiteral("+2"));
    QVERIFY(option.isChecked());
    QCOMPARE(option.palette().color(QPalette::Window), QColor(0, 255, 0));
    QCOMPARE(option.palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QVERIFY(option.autoFillBackground());

    model = OptionButton{QStringLiteral("+2")}; // a new sheet brings the natural look back
    bindings.render();
    QVERIFY(!option.isChecked());
    QCOMPARE(option.palette().color(QPalette::WindowText), naturalText);
    QVERIFY(!option.autoFillBackground());
}

void OptionBindingTest::enterAndClickReachTheModel()
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

int runOptionBindingTests(int argc, char* argv[])
{
    OptionBindingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "OptionBindingTest.moc"
