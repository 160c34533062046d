#include "components/Services.h"
#include "desktop/ControlPlaces.h"
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
    // What the display shows for an expression: its value, or the hint.
    void evaluation()
    {
        const char* const rows[][2] = {
            {"2+3×4", "14"},      // point before line
            {"(2+3)×4", "20"},    // brackets first
            {"10−4−3", "3"},      // left-associative
            {"100÷10÷5", "2"},    // left-associative
            {"−3×−2", "6"},       // unary minus
            {"−(2+3)", "−5"},     // minus before a bracket
            {"12,5×2", "25"},     // decimal comma
            {"0.5+0,25", "0,75"}, // decimal point
            {"7*6/3-1", "13"},    // the keyboard's signs
            {"9:3", "3"},         // a colon divides
            {"0,1+0,2", "0,3"},   // the digits shown are taken
            {"5÷0", "Division durch Null"},
            {"5+", "Ungültige Eingabe"},
            {"5×÷2", "Ungültige Eingabe"},
            {"(2+3", "Ungültige Eingabe"},
            {"1,2,3", "Ungültige Eingabe"},
            {"sin(1)", "Ungültige Eingabe"},
            {"", "Ungültige Eingabe"},
            {"9e300×9e300", "Ergebnis zu groß"},
        };
        for (const auto& [expression, shown] : rows) {
            const CalculatorResult result = evaluateExpression(QString::fromUtf8(expression));
            QVERIFY2((result.ok() ? calculatorNumberText(result.value) : result.error) ==
                         QString::fromUtf8(shown),
                     expression);
            QVERIFY2(result.diagnostic.isEmpty() == result.ok(), expression);
        }
    }

    void signKey()
    {
        const char* const rows[][2] = {
            {"", "−"},       {"12+3", "12+−3"}, {"12+−3", "12+3"},
            {"5−3", "5−−3"}, {"−2,5", "2,5"},   {"2×(1+3)", "2×−(1+3)"},
        };
        for (const auto& [before, after] : rows)
            QCOMPARE(toggleLastSign(QString::fromUtf8(before)), QString::fromUtf8(after));
    }

    void keysTakeTheValue()
    {
        const struct {
            QStringList keys;
            double value;
        } rows[] = {
            {{"1", "2", ",", "5"}, 12.5},
            {{"3", "mal", "4", "plus", "1"}, 13.0},
            {{"2", "mal", "3", "=", "plus", "1"}, 7.0}, // on from a result
            {{"2", "plus", "3", "=", "8"}, 8.0},        // a digit after a result starts anew
            {{"1", ",", "5", ",", "2"}, 1.52},          // a second comma is ignored
            {{",", "5"}, 0.5},
            {{"9", "Alles löschen", "4", "7", "Löschen"}, 4.0},
            {{"4", "Vorzeichen wechseln"}, -4.0},
            {{}, 0.0},
        };
        for (const auto& row : rows) {
            CalculatorDialog calculator(nullptr, QStringLiteral("Molare Masse von H2O"));
            for (const QString& key : row.keys)
                press(calculator, key);
            press(calculator, QStringLiteral("Übernehmen"));
            QCOMPARE(calculator.result(), int(QDialog::Accepted));
            QVERIFY2(calculator.value() == row.value, qPrintable(row.keys.join(u' ')));
        }
    }

    void keyboardWorksToo()
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

    void hintStaysUntilTheExpressionIsRight()
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

    // Escape rejects as well: see keyboardWorksToo.
    void cancelGivesNoResult()
    {
        QTimer::singleShot(0, [] {
            auto* calculator = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(calculator);
            press(*calculator, QStringLiteral("1"));
            press(*calculator, QStringLiteral("Abbrechen"));
        });
        QCOMPARE(runCalculator(nullptr, QStringLiteral("Stoffmenge")), ToolsService::NoResult);
    }

    void everythingShowsWhole_data()
    {
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QStringList>("buttons"); // below the keys
        QTest::newRow("no field to fill") << QString() << QStringList{"Schließen"};
        QTest::newRow("for a field") << "Molare Masse von H2O" << QStringList{"Abbrechen", "Übernehmen"};
        QTest::newRow("long prompt") << "Stoffmenge in Mol von " +
                                            QStringList(12, "Natriumcarbonat").join(' ')
                                     << QStringList{"Abbrechen", "Übernehmen"};
    }

    // The hint stands whole in the display, no key covers another, and the buttons below the keys are those
    // that have a use: without a field to fill there is nothing to take.
    void everythingShowsWhole()
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
            QVERIFY2(key->height() >= key->minimumHeight() && key->minimumWidth() >= 48 &&
                         key->minimumHeight() >= 48,
                     qPrintable(key->text()));
        }
        QCOMPARE(shown, buttons);
        const QString problem = misplaced(calculator.rect(), QList<QWidget*>(keys.begin(), keys.end()));
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        // A long prompt wraps within the width that the keys and buttons give.
        QCOMPARE(calculator.width(), CalculatorDialog(nullptr, prompt.left(1)).sizeHint().width());
    }
};

KOLTEST_DESKTOP_TEST(CalculatorTest)

#include "CalculatorTest.moc"
