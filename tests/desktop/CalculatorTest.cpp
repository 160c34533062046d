#include "components/Services.h"
#include "desktop/DesktopTests.h"
#include "desktop/RunningWindow.h"
#include "desktop/tools/CalculatorDialog.h"
#include "desktop/tools/CalculatorEvaluation.h"
#include "desktop/tools/PadKey.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class CalculatorTest : public QObject {
    Q_OBJECT

private slots:
    void evaluation_data();
    void evaluation();
    void signKey_data();
    void signKey();
    void keysTakeTheValue_data();
    void keysTakeTheValue();
    void keyboardWorksToo();
    void hintStaysUntilTheExpressionIsRight();
    void cancelGivesNoResult_data();
    void cancelGivesNoResult();
    void everythingShowsWhole_data();
    void everythingShowsWhole();
};

void CalculatorTest::evaluation_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("shown"); // what the display shows: the value, or the hint

    QTest::newRow("point before line") << "2+3×4"
                                       << "14";
    QTest::newRow("brackets first") << "(2+3)×4"
                                    << "20";
    QTest::newRow("minus is left-associative") << "10−4−3"
                                               << "3";
    QTest::newRow("division is left-associative") << "100÷10÷5"
                                                  << "2";
    QTest::newRow("unary minus") << "−3×−2"
                                 << "6";
    QTest::newRow("minus before bracket") << "−(2+3)"
                                          << "−5";
    QTest::newRow("decimal comma") << "12,5×2"
                                   << "25";
    QTest::newRow("decimal point") << "0.5+0,25"
                                   << "0,75";
    QTest::newRow("keyboard signs") << "7*6/3-1"
                                    << "13";
    QTest::newRow("colon divides") << "9:3"
                                   << "3";
    QTest::newRow("shown digits are taken") << "0,1+0,2"
                                            << "0,3";
    QTest::newRow("molar mass") << "2×1,01+16,00"
                                << "18,02";
    QTest::newRow("division by zero") << "5÷0"
                                      << "Division durch Null";
    QTest::newRow("division by a zero bracket") << "1÷(2−2)"
                                                << "Division durch Null";
    QTest::newRow("operator at the end") << "5+"
                                         << "Ungültige Eingabe";
    QTest::newRow("two operators") << "5×÷2"
                                   << "Ungültige Eingabe";
    QTest::newRow("bracket not closed") << "(2+3"
                                        << "Ungültige Eingabe";
    QTest::newRow("two commas") << "1,2,3"
                                << "Ungültige Eingabe";
    QTest::newRow("no functions") << "sin(1)"
                                  << "Ungültige Eingabe";
    QTest::newRow("nothing") << ""
                             << "Ungültige Eingabe";
    QTest::newRow("too big") << "9e300×9e300"
                             << "Ergebnis zu groß";
}

void CalculatorTest::evaluation()
{
    QFETCH(QString, expression);
    QFETCH(QString, shown);
    const CalculatorResult result = evaluateExpression(expression);
    QCOMPARE(result.ok() ? calculatorNumberText(result.value) : result.error, shown);
    QCOMPARE(result.diagnostic.isEmpty(), result.ok());
}

void CalculatorTest::signKey_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("empty starts a negative number") << ""
                                                    << "−";
    QTest::newRow("last number") << "12+3"
                                 << "12+−3";
    QTest::newRow("back again") << "12+−3"
                                << "12+3";
    QTest::newRow("after minus") << "5−3"
                                 << "5−−3";
    QTest::newRow("first number") << "−2,5"
                                  << "2,5";
    QTest::newRow("bracket") << "2×(1+3)"
                             << "2×−(1+3)";
}

void CalculatorTest::signKey()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QCOMPARE(toggleLastSign(before), after);
}

void CalculatorTest::keysTakeTheValue_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<double>("value");
    QTest::newRow("decimal") << QStringList{"1", "2", ",", "5"} << 12.5;
    QTest::newRow("calculation") << QStringList{"3", "mal", "4", "plus", "1"} << 13.0;
    QTest::newRow("on from a result") << QStringList{"2", "mal", "3", "=", "plus", "1"} << 7.0;
    QTest::newRow("digit after a result starts anew") << QStringList{"2", "plus", "3", "=", "8"} << 8.0;
    QTest::newRow("second comma is ignored") << QStringList{"1", ",", "5", ",", "2"} << 1.52;
    QTest::newRow("comma first") << QStringList{",", "5"} << 0.5;
    QTest::newRow("backspace and clear") << QStringList{"9", "Alles löschen", "4", "7", "Löschen"} << 4.0;
    QTest::newRow("sign") << QStringList{"4", "Vorzeichen wechseln"} << -4.0;
    QTest::newRow("empty is zero") << QStringList{} << 0.0;
}

void CalculatorTest::keysTakeTheValue()
{
    QFETCH(QStringList, keys);
    QFETCH(double, value);
    CalculatorDialog calculator(nullptr, QStringLiteral("Molare Masse von H2O"));
    for (const QString& key : keys)
        press(calculator, key);
    press(calculator, QStringLiteral("Übernehmen"));
    QCOMPARE(calculator.result(), int(QDialog::Accepted));
    QCOMPARE(calculator.value(), value);
    for (QPushButton* key : calculator.findChildren<QPushButton*>())
        QVERIFY2(key->minimumWidth() >= 48 && key->minimumHeight() >= 48, qPrintable(key->text()));
}

void CalculatorTest::keyboardWorksToo()
{
    CalculatorDialog calculator(nullptr, QString());
    calculator.show();
    QVERIFY(QTest::qWaitForWindowExposed(&calculator));
    QTest::keyClicks(&calculator, QStringLiteral("(1.5+2,5)*3"));
    QCOMPARE(calculator.displayText(), QStringLiteral("(1,5+2,5)×3"));
    QTest::keyClick(&calculator, Qt::Key_Return);
    QCOMPARE(calculator.displayText(), QStringLiteral("12"));
    QVERIFY(calculator.isVisible()); // Enter is "=", not "Übernehmen"
    QTest::keyClicks(&calculator, QStringLiteral("/0"));
    QTest::keyClick(&calculator, Qt::Key_Enter);
    QCOMPARE(calculator.displayText(), QStringLiteral("Division durch Null"));
    QTest::keyClick(&calculator, Qt::Key_Escape);
    QCOMPARE(calculator.result(), int(QDialog::Rejected));
}

void CalculatorTest::hintStaysUntilTheExpressionIsRight()
{
    CalculatorDialog calculator(nullptr, QStringLiteral("Stoffmenge"));
    for (const char* key : {"5", "plus"})
        press(calculator, key);
    press(calculator, QStringLiteral("Übernehmen"));
    QCOMPARE(calculator.displayText(), QStringLiteral("Ungültige Eingabe"));
    QCOMPARE(calculator.result(), int(QDialog::Rejected)); // still open, nothing taken
    press(calculator, QStringLiteral("Löschen"));          // shows the expression again
    QCOMPARE(calculator.displayText(), QStringLiteral("5+"));
    press(calculator, QStringLiteral("1"));
    press(calculator, QStringLiteral("Übernehmen"));
    QCOMPARE(calculator.value(), 6.0);
}

void CalculatorTest::cancelGivesNoResult_data()
{
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("Abbrechen") << false;
    QTest::newRow("Escape") << true;
}

void CalculatorTest::cancelGivesNoResult()
{
    QFETCH(bool, byEscape);
    QTimer::singleShot(0, [byEscape] {
        auto* calculator = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(calculator);
        press(*calculator, QStringLiteral("1"));
        if (byEscape)
            QTest::keyClick(calculator, Qt::Key_Escape);
        else
            press(*calculator, QStringLiteral("Abbrechen"));
    });
    QCOMPARE(runCalculator(nullptr, QStringLiteral("Stoffmenge")), ToolsService::NoResult);
}

void CalculatorTest::everythingShowsWhole_data()
{
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QStringList>("buttons"); // below the keys
    QTest::newRow("no field to fill") << QString() << QStringList{"Schließen"};
    QTest::newRow("for a field") << "Molare Masse von H2O" << QStringList{"Abbrechen", "Übernehmen"};
    QTest::newRow("long prompt") << "Stoffmenge in Mol von " + QStringList(12, "Natriumcarbonat").join(' ')
                                 << QStringList{"Abbrechen", "Übernehmen"};
}

// The hint stands whole in the display, no key covers another, and the buttons below the keys are those
// that have a use: without a field to fill there is nothing to take.
void CalculatorTest::everythingShowsWhole()
{
    QFETCH(QString, prompt);
    QFETCH(QStringList, buttons);
    CalculatorDialog calculator(nullptr, prompt);
    calculator.show();
    QVERIFY(QTest::qWaitForWindowExposed(&calculator));
    for (const char* key : {"5", "geteilt durch", "0", "ist gleich"})
        press(calculator, key);
    const QLabel* display = nullptr;
    for (const QLabel* label : calculator.findChildren<QLabel*>())
        if (label->accessibleName() == QLatin1String("Anzeige"))
            display = label;
    QVERIFY(display);
    QCOMPARE(display->text(), QStringLiteral("Division durch Null"));
    const QRect room = display->contentsRect();
    QVERIFY(room.contains(display->fontMetrics().boundingRect(room, Qt::TextWordWrap, display->text())));
    QStringList shown;
    const QList<QPushButton*> keys = calculator.findChildren<QPushButton*>();
    for (const QPushButton* key : keys) {
        if (key->minimumWidth() > padKeySize)
            shown << key->text();
        QVERIFY(key->height() >= key->minimumHeight());
        for (const QPushButton* other : keys)
            QVERIFY2(key == other || !key->geometry().intersects(other->geometry()),
                     qPrintable(key->text() + " covers " + other->text()));
    }
    QCOMPARE(shown, buttons);
    // A long prompt wraps within the width that the keys and buttons give.
    QCOMPARE(calculator.width(), CalculatorDialog(nullptr, prompt.left(1)).sizeHint().width());
}

KOLTEST_DESKTOP_TEST(CalculatorTest)

#include "CalculatorTest.moc"
