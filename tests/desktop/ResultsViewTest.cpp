#include "desktop/ControlPlaces.h"
#include "desktop/DesktopTests.h"
#include "desktop/results/RecordFiles.h"
#include "desktop/results/ResultsViewWindow.h"
#include "desktop/view/Look.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>

// A task as long as a question of the amounts.
const QString LongTask = QStringLiteral("Welches Element hat das Symbol Fe und steht in der 8. Gruppe des "
                                        "Periodensystems, in der 4. Periode?");

// The teacher's window over a results folder: what the charts count, the filters, a pupil's wrong answers,
// and a record that arrives while it is open.

class ResultsViewTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheClassAndFilters()
    {
        write(QStringLiteral("Anna"), 4, false, QStringLiteral("2"), 4);
        const QString ben = QStringLiteral("Benedikt Schmidt-Hansen");
        write(ben, 11, true, QStringLiteral("5"), 1);
        write(QStringLiteral("Cem"), 11, false, QStringLiteral("6"), 0, true);
        ResultsViewWindow window(m_folder);
        //                        1+ 1  1- 2+ 2  2- 3+ 3  3- 4+ 4  4- 5+ 5  5- 6
        QCOMPARE(bars(window, "gradeChart"), (QList<qreal>{0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0}));
        QCOMPARE(bars(window, "categoryChart")[0], 50); // Elemente: 5 of 10 in the latest finished runs
        QCOMPARE(rows(window), 3);                      // Cem with his run ended early only
        QCOMPARE(window.findChild<QTableWidget*>("pupils")->item(2, 3)->text(),
                 QStringLiteral("–")); // no grade
        QCOMPARE(window.findChild<QTableWidget*>("weakestTasks")->item(0, 1)->text(), LongTask);

        auto& pupils = *window.findChild<QTableWidget*>("pupils");
        window.resize(1366, 768); // a common classroom screen: every column whole, no scrolling sideways
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(pupils.horizontalScrollBar()->maximum(), 0);
        QCOMPARE(window.findChild<QTableWidget*>("weakestTasks")->horizontalScrollBar()->maximum(), 0);
        QVERIFY(pupils.columnWidth(0) > pupils.fontMetrics().horizontalAdvance(ben));
        window.resize(3840, 2160); // a whiteboard: the rows grow with the text
        QTest::qWait(1);
        QVERIFY(pupils.rowHeight(0) > pupils.fontMetrics().height());
        QVERIFY(messageBoxPointSize(window) > 2 * look::BasePointSize); // and so do its messages
        pupils.selectRow(0);
        QVERIFY(window.findChild<QPlainTextEdit*>("pupilRuns")
                    ->toPlainText()
                    .contains(QStringLiteral("„Annas Antwort“, richtig „Eisen“")));

        window.findChild<QComboBox*>("level")->setCurrentIndex(2); // experts
        QCOMPARE(rows(window), 1);
        QCOMPARE(pupils.item(0, 0)->text(), ben);
        QCOMPARE(bars(window, "categoryChart")[0], 20);
        window.findChild<QComboBox*>("level")->setCurrentIndex(0);
        window.findChild<QDateEdit*>("to")->setDate(QDate(2026, 5, 10));
        QCOMPARE(rows(window), 1);
        QCOMPARE(pupils.item(0, 0)->text(), QStringLiteral("Anna"));

        // The PDF shows what the window shows: the charts, the filtered class, the weakest tasks.
        const QString pdf = m_dir.filePath(QStringLiteral("overview.pdf"));
        QCOMPARE(window.savePdf(pdf), QString());
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished());
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        for (const char* shown : {"Noten", "Richtig je Bereich", "Zeitraum: … bis 10.05.2026", "Anna",
                                  "Die schwächsten Aufgaben", "Eisen"})
            QVERIFY2(text.contains(QString::fromUtf8(shown)), shown);
        QVERIFY(!text.contains(QStringLiteral("Ben")));
    }

    void followsTheFolder()
    {
        m_folder = m_dir.filePath(QStringLiteral("live"));
        QVERIFY(QDir().mkdir(m_folder));
        ResultsViewWindow window(m_folder);
        QCOMPARE(rows(window), 0);
        write(QStringLiteral("Dora"), 12, false, QStringLiteral("1"), 5);
        QTRY_COMPARE_WITH_TIMEOUT(rows(window), 1, 2000);
        write(QStringLiteral("Emil"), 12, false, QStringLiteral("1"), 5);
        QTRY_COMPARE_WITH_TIMEOUT(rows(window), 2, 2000);
        QVERIFY(QFile::remove(QDir(m_folder).filePath(QDir(m_folder).entryList(QDir::Files)[0])));
        QTRY_COMPARE_WITH_TIMEOUT(rows(window), 1, 2000); // a removed record leaves the class
    }

private:
    // A run of the pupil on the day, with Elemente right of 5.
    void write(const QString& name, int day, bool expert, const QString& grade, int right,
               bool endedEarly = false)
    {
        ResultRecord run;
        run.name = name;
        run.date = QDate(2026, 5, day);
        run.end = QTime(10, 30);
        run.expert = expert;
        run.grade = grade;
        run.right = right;
        run.asked = 5;
        run.categories[0] = {right, 5};
        run.endedEarly = endedEarly;
        run.tasks = {{TaskCategory::Elements,
                      LongTask,
                      QStringLiteral("Eisen"),
                      name + QStringLiteral("s Antwort"),
                      {false}}};
        QVERIFY(writeNewRecord(m_folder, recordText(run)).problem.isEmpty());
    }
    static QList<qreal> bars(const ResultsViewWindow& window, const char* chart)
    {
        const auto* series =
            static_cast<QBarSeries*>(window.findChild<QChartView*>(chart)->chart()->series()[0]);
        QList<qreal> values;
        for (int i = 0; i < series->barSets()[0]->count(); ++i)
            values << series->barSets()[0]->at(i);
        return values;
    }
    static int rows(const ResultsViewWindow& window)
    {
        return window.findChild<QTableWidget*>("pupils")->rowCount();
    }

    QTemporaryDir m_dir;
    QString m_folder = m_dir.path();
};

KOLTEST_DESKTOP_TEST(ResultsViewTest)
#include "ResultsViewTest.moc"
