#include "desktop/DesktopTests.h"
#include "desktop/services/KeypadDialog.h"
#include "desktop/view/Bindings.h"
#include "desktop/widgets/PanelLabel.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// Presses the keypad key with the given label (either case) or accessible name.
void press(KeypadDialog& keypad, const QString& key)
{
    for (QPushButton* button : keypad.findChildren<QPushButton*>())
        if (button->text().compare(key, Qt::CaseInsensitive) == 0 || button->accessibleName() == key) {
            button->click();
            return;
        }
    QFAIL(qPrintable(QStringLiteral("no key %1").arg(key)));
}

} // namespace

class WidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void panelMarkup();
    void keypad();
    void keypadEnterIsOk();
    void answerFieldFollowsItsModel();
};

void WidgetsTest::panelMarkup()
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

void WidgetsTest::keypad()
{
    const struct {
        KeypadKind kind;
        const char* start;
        QStringList keys;
        const char* typed;
    } rows[] = {
        {KeypadKind::Text, "x", {"Löschen", "⇧", "n", "a"}, "Na"}, // shift holds for one letter
        {KeypadKind::Text, "", {"⇧", "ä", "ß", "⇧", "ß", "Leerzeichen", "ü"}, "Äßß ü"}, // ß has no capital
        {KeypadKind::Number, "1", {"Minus", "2", ",", "5", "E", "3"}, "1-2,5E3"},
    };
    for (const auto& row : rows) {
        KeypadDialog keypad(nullptr, row.kind, QStringLiteral("Natrium"), QString::fromUtf8(row.start));
        for (const QString& key : row.keys)
            press(keypad, key);
        QCOMPARE(keypad.text(), QString::fromUtf8(row.typed));
        for (QPushButton* key : keypad.findChildren<QPushButton*>())
            QVERIFY2(key->minimumWidth() >= 48 && key->minimumHeight() >= 48, qPrintable(key->text()));
    }
}

void WidgetsTest::keypadEnterIsOk()
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

void WidgetsTest::answerFieldFollowsItsModel()
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

KOLTEST_DESKTOP_TEST(WidgetsTest)

#include "WidgetsTest.moc"
