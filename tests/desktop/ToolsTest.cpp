#include "catalogue/ElementTable.h"
#include "catalogue/PeriodicTableCells.h"
#include "desktop/DesktopTests.h"
#include "desktop/RunningWindow.h"
#include "desktop/services/DesktopTools.h"
#include "desktop/services/DesktopWindows.h"
#include "desktop/tools/FormulaEditorDialog.h"
#include "desktop/tools/PeriodicTableGrid.h"
#include "desktop/tools/PeriodicTableWindow.h"
#include "desktop/widgets/FormulaField.h"
#include "desktop/widgets/FormulaLabel.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

QString hintOf(const FormulaEditorDialog& editor)
{
    for (const QLabel* label : editor.findChildren<QLabel*>())
        if (label->text().contains(QStringLiteral("Stelle")))
            return label->text();
    return {};
}

} // namespace

class ToolsTest : public QObject {
    Q_OBJECT

private slots:
    void formulaEditorPad();
    void formulaEditorEnterTakesCancelKeeps();
    void formulaFieldKeepsThePlainNotation();
    void formulaLabelShowsSubscriptsNarrower();
    void periodicTableSearch();
    void periodicTableArrowsAndEscape();
    void periodicTableOpensOnce();
    void periodicTableReadsCellByCell();
};

void ToolsTest::formulaEditorPad()
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

void ToolsTest::formulaEditorEnterTakesCancelKeeps()
{
    FormulaEditorDialog editor(nullptr, QStringLiteral("Kupfersulfat-Pentahydrat"), QString());
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QTest::keyClicks(editor.findChild<QLineEdit*>(), QStringLiteral("CuSO4*5H2O"));
    QTest::keyClick(editor.findChild<QLineEdit*>(), Qt::Key_Return);
    QCOMPARE(editor.result(), int(QDialog::Accepted));
    QCOMPARE(editor.formula(), QStringLiteral("CuSO4·5H2O"));

    for (const bool byEscape : {false, true}) {
        QTimer::singleShot(0, [byEscape] {
            auto* editor = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(editor);
            press(*editor, QStringLiteral("Löschen"));
            press(*editor, QStringLiteral("K"));
            if (byEscape)
                QTest::keyClick(editor, Qt::Key_Escape);
            else
                press(*editor, QStringLiteral("Abbrechen"));
        });
        QCOMPARE(editFormula(nullptr, QStringLiteral("H2SO4"), QStringLiteral("Schwefelsäure")),
                 QStringLiteral("H2SO4"));
    }
}

void ToolsTest::formulaFieldKeepsThePlainNotation()
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

void ToolsTest::formulaLabelShowsSubscriptsNarrower()
{
    FormulaLabel label;
    label.setFormula(QStringLiteral("H2SO4"));
    QCOMPARE(label.accessibleName(), QStringLiteral("H2SO4"));
    const int withSubscripts = label.sizeHint().width();
    label.setFormula(QStringLiteral("H2SO4 ")); // no formula: shown as it stands
    QVERIFY(label.sizeHint().width() > withSubscripts);
}

void ToolsTest::periodicTableSearch()
{
    const char* const rows[][2] = {
        {"eisen", "Eisen (Fe)"}, // a name in any case
        {"NA", "Natrium (Na)"},  // a symbol
        {"Jod", "Iod (I)"},      // another spelling
        {"Xylophon", "Iod (I)"}, // nothing found keeps the selection
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

void ToolsTest::periodicTableArrowsAndEscape()
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

void ToolsTest::periodicTableOpensOnce()
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
void ToolsTest::periodicTableReadsCellByCell()
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

KOLTEST_DESKTOP_TEST(ToolsTest)

#include "ToolsTest.moc"
