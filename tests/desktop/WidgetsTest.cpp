#include "app/frm_AppMain.h"
#include "desktop/DesktopTests.h"
#include "desktop/RunningWindow.h"
#include "desktop/services/DesktopUser.h"
#include "desktop/services/KeypadDialog.h"
#include "desktop/sheets/SheetViews.h"
#include "desktop/view/Bindings.h"
#include "desktop/view/Look.h"
#include "desktop/widgets/PanelLabel.h"
#include "support/FakeWorld.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

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

// Widgets bound to their models: the markup of panels, the keypads, the answer field, and the option
// buttons of the choice sheets, which show their model's choice and colours and reach its handlers.

class WidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void panelMarkup()
    {
        const char* const rows[][2] = {
            {"Leider falsch!<br><b>Base</b>", "Leider falsch!<br><b>Base</b>"}, // the three tags
            {"<i>H2O</i> <font color=red>", "&lt;i&gt;H2O&lt;/i&gt; &lt;font color=red&gt;"},
            {"a &amp; b < c", "a &amp;amp; b &lt; c"}, // entities are text
            {"<B>x</B>", "&lt;B&gt;x&lt;/B&gt;"},      // tags in another case are text
            {"eins\nzwei", "eins<br>zwei"},
        };
        for (const auto& [text, html] : rows)
            QCOMPARE(panelMarkupToHtml(QString::fromUtf8(text)),
                     QStringLiteral("<span style=\"white-space:pre-wrap\">") + html + "</span>");
    }

    void keypad()
    {
        const struct {
            KeypadKind kind;
            const char* start;
            QStringList keys;
            const char* typed;
        } rows[] = {
            {KeypadKind::Text, "x", {"Löschen", "⇧", "n", "a"}, "Na"}, // shift holds for one letter
            // ß has no capital.
            {KeypadKind::Text, "", {"⇧", "ä", "ß", "⇧", "ß", "Leerzeichen", "ü"}, "Äßß ü"},
            {KeypadKind::Number, "1", {"Minus", "2", ",", "5", "E", "3"}, "1-2,5E3"},
        };
        for (const auto& row : rows) {
            KeypadDialog keypad(nullptr, row.kind, QStringLiteral("Natrium"), QString::fromUtf8(row.start));
            for (const QString& key : row.keys)
                press(keypad, key, Qt::CaseInsensitive);
            QCOMPARE(keypad.text(), QString::fromUtf8(row.typed));
            for (QPushButton* key : keypad.findChildren<QPushButton*>())
                QVERIFY2(key->minimumWidth() >= 48 && key->minimumHeight() >= 48, qPrintable(key->text()));
        }
    }

    void keypadEnterIsOk()
    {
        KeypadDialog keypad(nullptr, KeypadKind::Text, QStringLiteral("Natrium"), QString());
        keypad.show();
        QVERIFY(QTest::qWaitForWindowExposed(&keypad));
        auto* edit = keypad.findChild<QLineEdit*>();
        QTest::keyClicks(edit, QStringLiteral("Na"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(keypad.result(), int(QDialog::Accepted));
        QCOMPARE(keypad.text(), QStringLiteral("Na"));
    }

    void answerFieldFollowsItsModel()
    {
        TextBox model;
        Label task;
        task.Caption = QStringLiteral("Natrium");
        int clicks = 0;
        QList<int> keys;
        Bindings bindings([](const Bindings::Handler& handler) { handler(); });
        QLineEdit field;
        const QColor ownColour = field.palette().color(QPalette::Base);
        bindings.textField(
            field, model, task, [&clicks] { ++clicks; }, [&keys](int key) { keys << key; });

        model.BackColor = Colour::LightRed;
        model.Text = QStringLiteral("Ne");
        bindings.render();
        QCOMPARE(field.text(), QStringLiteral("Ne"));
        QCOMPARE(field.palette().color(QPalette::Base), QColor(255, 0, 0));
        QCOMPARE(field.accessibleName(), QStringLiteral("Natrium"));
        model.BackColor = Colour::Default; // the field's own colour comes back
        bindings.render();
        QCOMPARE(field.palette().color(QPalette::Base), ownColour);

        field.clear();
        QTest::keyClicks(&field, QStringLiteral("Na"));
        QCOMPARE(model.Text, QStringLiteral("Na"));
        QTest::keyClick(&field, Qt::Key_Return);
        QCOMPARE(keys, QList<int>{13});
        QTest::mouseClick(&field, Qt::LeftButton);
        QCOMPARE(clicks, 1);
        model.Enabled = false; // a row without a task takes no click
        bindings.render();
        QTest::mouseClick(&field, Qt::LeftButton);
        QCOMPARE(clicks, 1);
    }

    void optionFollowsItsModelAndReachesIt()
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

    void aClickOnAnAnswerCaptionChoosesIt()
    {
        BuiltSheet sheet(buildYesNo);
        sheet.frame.show();
        auto* nein = sheet.find<QLabel>("AA3");
        QVERIFY(nein);
        QCOMPARE(nein->text(), QStringLiteral("Nein"));
        QTest::mouseClick(nein, Qt::LeftButton);
        QVERIFY(sheet.model.yesNo.JaNein1[3].Value);
        QVERIFY(sheet.find<QRadioButton>("JaNein1_3")->isChecked());
        QCOMPARE(nein->palette().color(QPalette::WindowText),
                 QColor::fromRgb(paletteRgb(Colour::LightYellow)));
        QCOMPARE(sheet.find<QLabel>("AA2")->palette().color(QPalette::WindowText), QColor(Qt::black));
    }

    void screenReadersHearRadioButtonsOfTheirRow()
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

    // A tree's open and closed arrows are drawn half a line of its text wide, also in a whiteboard's text.
    void treeArrowsGrowWithTheText()
    {
        QTreeWidget tree;
        tree.setFont(look::sized(tree.font(), 40));
        const int line = tree.fontMetrics().height();
        tree.setIndentation(line);
        auto* open = new QTreeWidgetItem(&tree, {QStringLiteral("Elemente")});
        auto* closed = new QTreeWidgetItem(&tree, {QStringLiteral("Zahlsilben")});
        for (QTreeWidgetItem* parent : {open, closed})
            new QTreeWidgetItem(parent, {QStringLiteral("Eisen")});
        open->setExpanded(true);
        tree.resize(20 * line, 10 * line);
        const QImage shot = tree.viewport()->grab().toImage();
        for (const QTreeWidgetItem* item : {open, closed}) {
            const QRect row = tree.visualItemRect(item);
            QRect arrow;
            for (int y = row.top(); y <= row.bottom(); ++y)
                for (int x = 0; x < row.left(); ++x)
                    if (qGray(shot.pixel(x, y)) < 128)
                        arrow |= QRect(x, y, 1, 1);
            QVERIFY2(std::max(arrow.width(), arrow.height()) >= line * 2 / 5, qPrintable(item->text(0)));
        }
    }
};

KOLTEST_DESKTOP_TEST(WidgetsTest)

#include "WidgetsTest.moc"
