#include "catalogue/CatalogueChecker.h"
#include "desktop/ControlPlaces.h"
#include "desktop/DesktopTests.h"
#include "desktop/editor/CatalogueEditorWindow.h"
#include "desktop/view/Look.h"
#include "editing/RecordForm.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

// The editor window over a copy of the shipped catalogue: the check's findings beside the field and in the
// list, the molar mass taken over from the formula, new records saved into a file the check passes, undo.

class CatalogueEditorTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_path = m_dir.filePath(QStringLiteral("koltest.dat"));
        QFile::remove(m_path);
        QVERIFY(QFile::copy(QStringLiteral(KOLTEST_SHIPPED_DATA "/koltest.dat"), m_path));
        QFile(m_path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }

    void wrongMolarMassIsShownUntilTakenOver()
    {
        open();
        CatalogueEditorWindow& window = *m_window;
        const int id = beginners(Section::MolarMasses).first();
        window.selectRecord(id);
        const int mass = fieldOf(Section::MolarMasses, FieldInput::Number);
        auto* input = window.findChild<QLineEdit*>(QStringLiteral("field-%1").arg(mass));
        QVERIFY(input != nullptr);
        input->selectAll();
        QTest::keyClicks(input, QStringLiteral("20.0"));
        auto* beside = window.findChild<QLabel*>(QStringLiteral("finding-%1").arg(mass));
        QTRY_VERIFY(beside->isVisible());
        const auto* list = window.findChild<QListWidget*>(QStringLiteral("findings"));
        QCOMPARE(list->item(0)->data(Qt::UserRole).toInt(), id);

        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("takeOverMass")), Qt::LeftButton);
        QTRY_VERIFY(!beside->isVisible());
        QCOMPARE(input->text(), window.document().fields(id)[mass]);
        QCOMPARE(list->item(0)->data(Qt::UserRole).toInt(), 0); // "Keine Fehler gefunden."
    }

    void addedRecordsSaveAndUndo()
    {
        open();
        CatalogueEditorWindow& window = *m_window;
        for (Section section : {Section::Elements, Section::Equations}) {
            window.selectRecord(beginners(section).first());
            const qsizetype before = beginners(section).size();
            trigger(QStringLiteral("Neu"));
            QCOMPARE(beginners(section).size(), before + 1);
        }
        const int added = beginners(Section::Equations).last();
        QCOMPARE(window.document().fields(added), newRecordFields(Section::Equations));
        QVERIFY(window.save());
        QVERIFY(QFile::exists(m_path + QStringLiteral(".bak")));
        for (const CatalogueProblem& problem : checkCatalogueFile(m_path))
            QVERIFY2(problem.severity != CatalogueProblem::Severity::Error, qPrintable(problem.message));

        // Undo goes back to the record it changes and shows the example again, as on the board.
        QTest::keyClicks(window.findChild<QLineEdit*>(QStringLiteral("field-0")), QStringLiteral("x"));
        QCOMPARE(window.document().fields(added)[0],
                 newRecordFields(Section::Equations)[0] + QLatin1Char('x'));
        window.selectRecord(beginners(Section::Elements).first());
        trigger(QStringLiteral("Rückgängig"));
        const auto* input = window.findChild<QLineEdit*>(QStringLiteral("field-0"));
        QVERIFY(input != nullptr);
        QCOMPARE(input->text(), QStringLiteral("2 Ba + 1 O2 = 2 BaO"));
    }

    // The test's own page at the record's level: an expert record stands after the beginner part in the draw.
    void previewDrawsTheRecordFirst()
    {
        open();
        const int id = m_window->document().records(Section::MolarMasses, CataloguePart::Expert).last();
        m_window->selectRecord(id);
        trigger(QStringLiteral("Vorschau"));
        QWidget* preview = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && window->windowTitle().startsWith(QStringLiteral("Vorschau")))
                preview = window;
        QVERIFY(preview != nullptr);
        const auto* firstRow = preview->findChild<QLabel*>(QStringLiteral("Mol0_Aufgabe"));
        QCOMPARE(firstRow->text().trimmed(), m_window->document().fields(id).first());
    }

    // On a whiteboard the editor's messages grow with its text.
    void messagesTakeTheWindowsScale()
    {
        open();
        m_window->resize(3840, 2160);
        QTRY_VERIFY(messageBoxPointSize(*m_window) > 2 * look::BasePointSize);
    }

private:
    void open()
    {
        QFile file(m_path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(m_path));
        QString problem;
        std::optional<CatalogueDocument> document = CatalogueDocument::open(file.readAll(), problem);
        m_window = std::make_unique<CatalogueEditorWindow>(
            std::move(*document), EditedFile{m_path, false, QStringLiteral(KOLTEST_SHIPPED_DATA)});
        m_window->show();
    }
    void trigger(const QString& text)
    {
        for (QAction* action : m_window->findChildren<QAction*>())
            if (action->text() == text)
                return action->trigger();
        QFAIL(qPrintable(text));
    }
    QList<int> beginners(Section section) const
    {
        return m_window->document().records(section, CataloguePart::Beginner);
    }
    static int fieldOf(Section section, FieldInput input)
    {
        const QList<FieldForm>& forms = fieldForms(section);
        for (int i = 0; i < forms.size(); ++i)
            if (forms[i].input == input)
                return i;
        return -1;
    }

    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<CatalogueEditorWindow> m_window;
};

KOLTEST_DESKTOP_TEST(CatalogueEditorTest)
#include "CatalogueEditorTest.moc"
