#include "app/Main.h"
#include "catalogue/ElementTable.h"
#include "catalogue/PeriodicTableCells.h"
#include "desktop/DesktopTests.h"
#include "desktop/RunningWindow.h"
#include "desktop/StderrCapture.h"
#include "desktop/services/DesktopDialogs.h"
#include "desktop/services/DesktopTools.h"
#include "desktop/services/DesktopWindows.h"
#include "desktop/tools/FormulaEditorDialog.h"
#include "desktop/tools/HelpText.h"
#include "desktop/tools/HelpWindow.h"
#include "desktop/tools/PeriodicTableGrid.h"
#include "desktop/tools/PeriodicTableWindow.h"
#include "desktop/widgets/FormulaField.h"
#include "desktop/widgets/FormulaLabel.h"
#include "support/FakeWorld.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

namespace {

QString hintOf(const FormulaEditorDialog& editor)
{
    for (const QLabel* label : editor.findChildren<QLabel*>())
        if (label->text().contains(QStringLiteral("Stelle")))
            return label->text();
    return {};
}

int openHelpWindows()
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (dynamic_cast<HelpWindow*>(widget) && widget->isVisible())
            ++count;
    return count;
}

// The help service over the shipped help file; notices go to the scripted double.
struct HelpDesk {
    HelpDesk() { world.dataFolder = QStringLiteral(KOLTEST_SHIPPED_DATA "/"); }
    ~HelpDesk()
    {
        if (dialogs.help())
            delete dialogs.help();
    }
    FakeWorld world;
    DesktopWindows windows;
    DesktopDialogs dialogs{windows, world, world};
};

} // namespace

// The pupil's tools: the formula editor and field, the periodic table, and the help window (what it explains,
// that it opens once, from F1 in every window, and what a pupil sees when its file is missing).

class ToolsTest : public QObject {
    Q_OBJECT

private slots:
    void formulaEditorPad()
    {
        const struct {
            const char* start;
            QStringList keys;
            const char* formula;
            const char* hint;
        } rows[] = {
            {"", {"C", "u", "S", "O", "4", "Malpunkt", "5", "H", "2", "O"}, "CuSO4·5H2O", ""},
            {"Ca", {"Klammer auf", "O", "H", "Klammer zu", "2"}, "Ca(OH)2", ""},
            {"NaCL", {"Löschen", "l"}, "NaCl", ""},
            {"",
             {"C", "a", "Klammer auf", "O", "H"},
             "Ca(OH",
             "Die Klammer „(“ an Stelle 3 wird nicht geschlossen."},
        };
        for (const auto& row : rows) {
            FormulaEditorDialog editor(nullptr, QStringLiteral("Kupfersulfat-Pentahydrat"),
                                       QString::fromUtf8(row.start));
            editor.findChild<QLineEdit*>()->end(false);
            for (const QString& key : row.keys)
                press(editor, key);
            QCOMPARE(editor.formula(), QString::fromUtf8(row.formula));
            QCOMPARE(hintOf(editor), QString::fromUtf8(row.hint));
            QCOMPARE(editor.findChild<FormulaLabel*>()->formula(), editor.formula());
            for (QPushButton* key : editor.findChildren<QPushButton*>())
                QVERIFY2(key->minimumWidth() >= 48 && key->minimumHeight() >= 48, qPrintable(key->text()));
        }
    }

    void formulaEditorEnterTakesCancelKeeps()
    {
        FormulaEditorDialog editor(nullptr, QStringLiteral("Kupfersulfat-Pentahydrat"), QString());
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QTest::keyClicks(editor.findChild<QLineEdit*>(), QStringLiteral("CuSO4*5H2O"));
        QTest::keyClick(editor.findChild<QLineEdit*>(), Qt::Key_Return);
        QCOMPARE(editor.result(), int(QDialog::Accepted));
        QCOMPARE(editor.formula(), QStringLiteral("CuSO4·5H2O"));

        QTimer::singleShot(0, [] {
            auto* editor = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(editor);
            press(*editor, QStringLiteral("Löschen"));
            press(*editor, QStringLiteral("K"));
            press(*editor, QStringLiteral("Abbrechen")); // Escape is the dialog's own
        });
        QCOMPARE(editFormula(nullptr, QStringLiteral("H2SO4"), QStringLiteral("Schwefelsäure")),
                 QStringLiteral("H2SO4"));
    }

    void formulaFieldKeepsThePlainNotation()
    {
        FormulaField field;
        QSignalSpy edited(&field, &QLineEdit::textEdited);
        QSignalSpy clicked(&field, &FormulaField::clicked);
        QSignalSpy entered(&field, &QLineEdit::returnPressed);
        field.show();
        QVERIFY(QTest::qWaitForWindowExposed(&field));
        QTest::keyClicks(&field, QStringLiteral("MgSO4*7H2O"));
        QCOMPARE(field.text(), QStringLiteral("MgSO4·7H2O"));
        QCOMPARE(edited.count(), 10);
        QTest::keyClick(&field, Qt::Key_Return);
        QCOMPARE(entered.count(), 1);
        QTest::mouseClick(&field, Qt::LeftButton, {}, QPoint(3, field.height() / 2));
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(field.cursorPosition(), 0); // the click left of the first letter puts the cursor before it
        // Room for the lowered digits: taller than a plain line edit in the same font.
        QLineEdit plain;
        QVERIFY(field.sizeHint().height() > plain.sizeHint().height());
    }

    void formulaLabelShowsSubscriptsNarrower()
    {
        FormulaLabel label;
        label.setFormula(QStringLiteral("H2SO4"));
        QCOMPARE(label.accessibleName(), QStringLiteral("H2SO4"));
        const int withSubscripts = label.sizeHint().width();
        label.setFormula(QStringLiteral("H2SO4 ")); // no formula: shown as it stands
        QVERIFY(label.sizeHint().width() > withSubscripts);
    }

    void periodicTableSearch()
    {
        const char* const rows[][2] = {
            {"NA", "Natrium (Na)"},       // the first of several found
            {"Xylophon", "Natrium (Na)"}, // nothing found keeps the selection
        };
        PeriodicTableWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const auto& [search, details] : rows) {
            window.searchField().clear();
            QTest::keyClicks(&window.searchField(), QString::fromUtf8(search));
            QTest::keyClick(&window.searchField(), Qt::Key_Return);
            QVERIFY2(window.grid().detailsText().startsWith(QString::fromUtf8(details)),
                     qPrintable(window.grid().detailsText()));
        }
    }

    void periodicTableArrowsAndEscape()
    {
        PeriodicTableWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.grid().select(elementBySymbol(u"Tc"));
        QVERIFY(window.grid().detailsText().contains(QStringLiteral("Atommasse [98] u")));
        QVERIFY(window.grid().detailsText().contains(QStringLiteral("Periode 5 · Gruppe 7")));
        window.grid().setFocus();
        QTest::keyClick(&window.grid(), Qt::Key_Right);
        QCOMPARE(window.grid().selected()->symbol, QStringLiteral("Ru"));
        QTest::keyClick(&window.grid(), Qt::Key_Up);
        QCOMPARE(window.grid().selected()->symbol, QStringLiteral("Fe"));
        QTest::keyClick(&window.grid(), Qt::Key_Escape);
        QVERIFY(!window.isVisible());
    }

    void periodicTableOpensOnce()
    {
        DesktopWindows windows;
        DesktopTools tools(windows);
        tools.ShowPeriodicTable();
        QPointer<PeriodicTableWindow> first = tools.periodicTable();
        QVERIFY(first && first->isVisible());
        tools.ShowPeriodicTable();
        QCOMPARE(tools.periodicTable(), first.data());
        first->close(); // deletes itself; the next request opens a new one
        QTRY_VERIFY(first.isNull());
        tools.ShowPeriodicTable();
        QVERIFY(tools.periodicTable() && tools.periodicTable()->isVisible());
        tools.periodicTable()->close();
    }

    // A screen reader finds every element as a cell of the table, named in full, where it is drawn.
    void periodicTableReadsCellByCell()
    {
        PeriodicTableWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&window.grid());
        QCOMPARE(table->role(), QAccessible::Table);
        QCOMPARE(table->childCount(), 118);
        QAccessibleInterface* iron = table->child(25);
        QCOMPARE(iron->role(), QAccessible::Cell);
        QCOMPARE(iron->text(QAccessible::Name), QStringLiteral("Eisen (Fe), Ordnungszahl 26, Atommasse %1 u")
                                                    .arg(atomicMassText(*elementBySymbol(u"Fe"))));
        QCOMPARE(table->indexOfChild(iron), 25);
        QCOMPARE(iron->parent(), table);
        QCOMPARE(table->childAt(iron->rect().center().x(), iron->rect().center().y()), iron);
        for (int i = 0; i < table->childCount(); ++i)
            QVERIFY(!table->child(i)->text(QAccessible::Name).isEmpty());
    }

    void helpShowsEverySectionAndOpensOnce()
    {
        HelpDesk desk;
        desk.dialogs.ShowHelp();
        HelpWindow* help = desk.dialogs.help();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->windowTitle(), QStringLiteral("Hilfe – Kolbrix Test"));
        const QString text = help->browser().toPlainText();
        const QStringList expected =
            QStringLiteral(
                "Der Test|Die Aufgabenblätter|1. Elemente|2. Zahlsilben|3. Substanznamen|4. Molare Massen|"
                "5. Stoffmengen|6. Definitionen|7. Begriffe|8. Gleichungen|9. Ladungszahlen|"
                "10. Ja oder Nein|Tasten|Hilfsmittel|Über|Kolbrix Test, Version ")
                .split(u'|');
        for (const QString& part : expected)
            QVERIFY2(text.contains(part), qPrintable(part));
        QVERIFY(text.contains(QStringLiteral("Kolbrix Test, Version ") + programVersion()));
        QVERIFY(!text.contains(VersionMarker));
        QVERIFY(desk.world.notices.isEmpty());

        // A second request raises the open window.
        QPointer<HelpWindow> first = help;
        first->showMinimized();
        desk.dialogs.ShowHelp();
        QCOMPARE(desk.dialogs.help(), first.data());
        QVERIFY(first->isVisible() && !first->isMinimized());
        QCOMPARE(openHelpWindows(), 1);
        first->close(); // deletes itself; the next request opens a new one
        QTRY_VERIFY(first.isNull());
        desk.dialogs.ShowHelp();
        QVERIFY(desk.dialogs.help() && desk.dialogs.help()->isVisible());
    }

    void f1OpensTheHelpFromEveryWindow()
    {
        HelpDesk desk;
        QWidget plain;
        plain.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plain));
        QTest::keyClick(&plain, Qt::Key_F1);
        QVERIFY(desk.dialogs.help() && desk.dialogs.help()->isVisible());
        desk.dialogs.help()->close();
        QTRY_VERIFY(!desk.dialogs.help());

        // In a modal dialog, such as a keypad: the help opens above it, and the dialog stays open.
        QDialog keypad;
        bool dialogStayedOpen = false;
        QTimer::singleShot(0, [&] {
            QTest::keyClick(&keypad, Qt::Key_F1);
            dialogStayedOpen = keypad.isVisible();
            keypad.reject();
        });
        keypad.exec();
        QVERIFY(dialogStayedOpen);
        QVERIFY(desk.dialogs.help() && desk.dialogs.help()->isVisible());
        QCOMPARE(openHelpWindows(), 1);
    }

    void aMissingHelpFileGetsAMessage()
    {
        HelpDesk desk;
        QTemporaryDir empty;
        desk.world.dataFolder = empty.path() + QLatin1Char('/');
        StderrCapture stderrLines;
        desk.dialogs.ShowHelp();
        QVERIFY(!desk.dialogs.help());
        QCOMPARE(desk.world.notices,
                 QStringList(QStringLiteral(
                     "Die Hilfe kann nicht angezeigt werden: Die Datei „hilfe.html“ im "
                     "Datenordner lässt sich nicht lesen. Unter diesem Namen gibt es nichts.")));
        const QStringList lines = stderrLines.diagnostics();
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines[0].startsWith(QStringLiteral("koltest: Die Hilfe ") + empty.path() +
                                     QStringLiteral("/hilfe.html lässt sich nicht lesen: ")),
                 qPrintable(lines[0]));
    }
};

KOLTEST_DESKTOP_TEST(ToolsTest)

#include "ToolsTest.moc"
