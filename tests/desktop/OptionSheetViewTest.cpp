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

namespace {

// A choice sheet's view over its model, as the window builds it; every handler renders again afterwards.
struct BuiltSheet {
    explicit BuiltSheet(void (*build)(frm_AppMain&, QWidget&, PageContext&))
    {
        model.charges.AnzS5[1].Caption = QStringLiteral("Mg2+");
        model.yesNo.AnzS6[1].Caption = QStringLiteral("Gold rostet.");
        {
            PageContext context{model, bindings, user}; // gone once the view is built, as in the window
            build(model, frame, context);
        }
        bindings.render();
    }
    template <typename Widget = QWidget> Widget* find(const char* name) const
    {
        return frame.findChild<Widget*>(QLatin1String(name));
    }

    FakeWorld world;
    ScriptedRandom random;
    mdl_KolTest state;
    frm_AppMain model{{state, world.services, world.tools, world, random}, world};
    Bindings bindings{[this](const Bindings::Handler& handler) {
        handler();
        bindings.render();
    }};
    DesktopUser user;
    QWidget frame;
};

void buildYesNo(frm_AppMain& model, QWidget& frame, PageContext& context)
{
    buildYesNoSheetView(model.yesNo, frame, context);
}

void buildCharges(frm_AppMain& model, QWidget& frame, PageContext& context)
{
    buildChargeSheetView(model.charges, frame, context);
}

} // namespace

// The choice sheets on screen: the option binding shows its model's choice and colours, a click and Enter
// reach the model's handlers; the yes/no view's captions choose and show the chosen answer.
class OptionSheetViewTest : public QObject {
    Q_OBJECT

private slots:
    void optionFollowsItsModelAndReachesIt();
    void aClickOnAnAnswerCaptionChoosesIt();
    void screenReadersHearRadioButtonsOfTheirRow();
};

void OptionSheetViewTest::optionFollowsItsModelAndReachesIt()
{
    Bindings bindings([](const Bindings::Handler& handler) { handler(); });
    QRadioButton option;
    OptionButton model;
    model.Caption = QStringLiteral("+2");
    QList<int> keys;
    bindings.option(
        option, model, [&model] { model.Value = true; }, [&keys](int key) { keys << key; });
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
    BuiltSheet sheet(buildYesNo);
    sheet.frame.show();
    auto* nein = sheet.find<QLabel>("AA3");
    QVERIFY(nein);
    QCOMPARE(nein->text(), QStringLiteral("Nein"));
    QTest::mouseClick(nein, Qt::LeftButton);
    QVERIFY(sheet.model.yesNo.JaNein1[3].Value);
    QVERIFY(sheet.find<QRadioButton>("JaNein1_3")->isChecked());
    QCOMPARE(nein->palette().color(QPalette::WindowText), QColor::fromRgb(paletteRgb(Colour::LightYellow)));
    QCOMPARE(sheet.find<QLabel>("AA2")->palette().color(QPalette::WindowText), QColor(Qt::black));
}

void OptionSheetViewTest::screenReadersHearRadioButtonsOfTheirRow()
{
    const BuiltSheet charges(buildCharges);
    const BuiltSheet yesNo(buildYesNo);
    const std::pair<QWidget*, const char*> rows[] = {{charges.find("ChooseS5_1_8"), "Mg2+: "},
                                                     {yesNo.find("JaNein1_3"), "Gold rostet.: Nein"}};
    for (const auto& [option, name] : rows) {
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(option);
        QVERIFY(read);
        QCOMPARE(read->role(), QAccessible::RadioButton);
        QVERIFY2(read->text(QAccessible::Name).startsWith(QString::fromUtf8(name)),
                 qPrintable(read->text(QAccessible::Name)));
    }
}

KOLTEST_DESKTOP_TEST(OptionSheetViewTest)

#include "OptionSheetViewTest.moc"
