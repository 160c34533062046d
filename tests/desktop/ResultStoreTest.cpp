#include "desktop/results/ResultStore.h"
#include "desktop/DesktopTests.h"
#include "desktop/results/RecordFiles.h"
#include "results/records/ResultsCsv.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Pupil final : UserService {
    QString UserName() const override { return QStringLiteral("Zoë; \"die\" =Erste\n"); }
    void SetUserName(const QString&) override {}
    void AvatarClicked() override {}
};

struct Notices final : NoticeService {
    void ShowNotice(const QString& text, const QString&) override { shown << text; }
    QStringList shown;
};

PrintFields endOfRunFields()
{
    PrintFields fields;
    fields.SetField(QStringLiteral("ANZAHL"), QString(), 0, 52);
    fields.SetField(QStringLiteral("RICHTIG"), QString(), 0, 37);
    fields.SetField(QStringLiteral("EXPERTE"), QString(), 0, false);
    fields.SetField(QStringLiteral("DAUER"), QString(), 0, 600.0);
    fields.SetField(QStringLiteral("ELEMENTE"), QString(), 0, QStringLiteral("5/6"));
    return fields;
}

QStringList allFiles(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

} // namespace

class ResultStoreTest : public QObject {
    Q_OBJECT

private slots:
    void aFinishedRunLeavesItsRecord();
    void aMissingFolderCostsOneNoticeAndNoOtherFolder();
    void theStandardFolderIsMadeWhenMissing();
    void eightMachinesWriteAtOnce();
    void resultsCommand();
    void resultsCommandOnAFolderThatIsNotThere();

private:
    QTemporaryDir m_dir;
    Pupil m_pupil;
};

void ResultStoreTest::aFinishedRunLeavesItsRecord()
{
    const QString folder = m_dir.filePath(QStringLiteral("one"));
    QVERIFY(QDir().mkpath(folder));
    Notices notices;
    ResultStore store(resolveResultsFolder({folder, {}, {}, {}, {}}), m_pupil, notices);
    store.store(37, 52, endOfRunFields());
    store.store(37, 52, endOfRunFields());
    QCOMPARE(notices.shown, QStringList());
    QCOMPARE(allFiles(folder).size(), 2); // no temporary file is left behind
    const FolderScan scan = scanResultsFolder(folder);
    QCOMPARE(scan.skipped, QStringList());
    QCOMPARE(scan.records.size(), 2);
    const ResultRecord& record = scan.records.first();
    QCOMPARE(record.name, m_pupil.UserName());
    QCOMPARE(record.grade, QStringLiteral("2-"));
    QCOMPARE(record.right, 37);
    QCOMPARE(record.asked, 52);
    QCOMPARE(record.date, QDate::currentDate());
    QCOMPARE(record.start.secsTo(record.end), 600);
    QCOMPARE(record.categories[0].right, 5);
}

void ResultStoreTest::aMissingFolderCostsOneNoticeAndNoOtherFolder()
{
    const QString folder = m_dir.filePath(QStringLiteral("share-not-mounted"));
    Notices notices;
    ResultStore store(
        resolveResultsFolder({QString(), folder, {}, {}, m_dir.filePath(QStringLiteral("std"))}), m_pupil,
        notices);
    store.store(37, 52, endOfRunFields());
    QCOMPARE(
        notices.shown,
        QStringList{QStringLiteral("Dein Ergebnis konnte nicht im Ordner „%1/“ gespeichert werden.\nBitte "
                                   "sag deiner Lehrerin oder deinem Lehrer Bescheid. Dein Test und deine "
                                   "Urkunde gelten trotzdem.")
                        .arg(folder)});
    QVERIFY(!QFileInfo::exists(folder));
    QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("std"))));
}

void ResultStoreTest::theStandardFolderIsMadeWhenMissing()
{
    const QString folder = m_dir.filePath(QStringLiteral("home/.local/share/koltest"));
    Notices notices;
    ResultStore store(resolveResultsFolder({{}, {}, {}, {}, folder}), m_pupil, notices);
    store.store(52, 52, endOfRunFields());
    QCOMPARE(notices.shown, QStringList());
    QCOMPARE(scanResultsFolder(folder).records.size(), 1);
}

// Thirty machines of a classroom may write into one share at once; here eight processes write 25 records
// each at the same moment, and every record arrives whole under a name of its own.
void ResultStoreTest::eightMachinesWriteAtOnce()
{
    constexpr int Writers = 8;
    constexpr int Records = 25;
    const QString folder = m_dir.filePath(QStringLiteral("share"));
    QVERIFY(QDir().mkpath(folder));
    const QString start = QString::number(QDateTime::currentMSecsSinceEpoch() + 700);
    std::vector<std::unique_ptr<QProcess>> writers;
    for (int w = 0; w < Writers; ++w) {
        writers.push_back(std::make_unique<QProcess>());
        writers.back()->start(QStringLiteral(KOLTEST_RECORD_WRITER),
                              {folder, QString::number(w), QString::number(Records), start});
    }
    for (const auto& writer : writers) {
        QVERIFY(writer->waitForFinished(60000));
        QCOMPARE(writer->exitStatus(), QProcess::NormalExit);
        QVERIFY2(writer->exitCode() == 0, writer->readAllStandardError().constData());
    }
    QCOMPARE(allFiles(folder).size(), Writers * Records);
    const FolderScan scan = scanResultsFolder(folder);
    QCOMPARE(scan.skipped, QStringList());
    QSet<QString> names;
    for (const ResultRecord& record : scan.records)
        names << record.name;
    QCOMPARE(names.size(), Writers * Records);
    for (int w = 0; w < Writers; ++w)
        for (int i = 0; i < Records; ++i)
            QVERIFY(names.contains(QStringLiteral("Kind %1-%2\n;=\"ü\"").arg(w).arg(i)));
}

// A teacher's "koltest --results DIR": an overview on standard output, foreign files named on standard
// error, the spreadsheet file in the folder; the temporary files of runs still writing are no concern.
void ResultStoreTest::resultsCommand()
{
    const QString folder = m_dir.filePath(QStringLiteral("class"));
    QVERIFY(QDir().mkpath(folder));
    Notices notices;
    ResultStore store(resolveResultsFolder({folder, {}, {}, {}, {}}), m_pupil, notices);
    store.store(37, 52, endOfRunFields());
    writeFile(folder + QStringLiteral("/notizen.txt"), "Elternabend am Dienstag\n");
    writeFile(folder + QStringLiteral("/.koltest-ergebnis-x.txt.tmp"), "KOLTEST-ERGEBNIS 1\nNAME=hal");
    writeFile(folder + QStringLiteral("/koltest-ergebnisse.csv"), "old table");

    QProcess koltest;
    koltest.start(QStringLiteral(KOLTEST_PROGRAM), {QStringLiteral("--results"), folder});
    QVERIFY(koltest.waitForFinished(30000));
    const QString out = QString::fromUtf8(koltest.readAllStandardOutput());
    const QString err = QString::fromUtf8(koltest.readAllStandardError());
    QCOMPARE(koltest.exitCode(), 0);
    QVERIFY2(out.contains(QStringLiteral("Klassenübersicht – Testläufe: 1, Schülerinnen und Schüler: 1")),
             qPrintable(out));
    QVERIFY2(out.contains(QStringLiteral("Zoë; \"die\" =Erste  ")), qPrintable(out));
    QCOMPARE(err, QStringLiteral("koltest: skipped %1/notizen.txt: not a result record: does not begin with "
                                 "\"KOLTEST-ERGEBNIS 1\"\n")
                      .arg(folder));

    QFile csv(folder + QStringLiteral("/koltest-ergebnisse.csv"));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QByteArray table = csv.readAll();
    QVERIFY(table.startsWith("\xEF\xBB\xBF"
                             "Datum;Beginn;Ende;Dauer (Minuten);Name;"));
    QVERIFY2(table.contains(";10,0;\"Zo\xC3\xAB; \"\"die\"\" =Erste\n\";Normale(r) "
                            "Sch\xC3\xBCler(in);37;52;2\xE2\x88\x92;5;6;"),
             table.constData());
    QCOMPARE(table.count("\r\n"), 2);

    QProcess empty;
    const QString emptyFolder = m_dir.filePath(QStringLiteral("empty"));
    QVERIFY(QDir().mkpath(emptyFolder));
    empty.start(QStringLiteral(KOLTEST_PROGRAM), {QStringLiteral("--results"), emptyFolder});
    QVERIFY(empty.waitForFinished(30000));
    QCOMPARE(empty.exitCode(), 0);
    QVERIFY(QString::fromUtf8(empty.readAllStandardOutput())
                .contains(QStringLiteral("Keine Ergebnisse gefunden\n")));
}

void ResultStoreTest::resultsCommandOnAFolderThatIsNotThere()
{
    QProcess koltest;
    const QString folder = m_dir.filePath(QStringLiteral("nowhere"));
    koltest.start(QStringLiteral(KOLTEST_PROGRAM),
                  {QStringLiteral("--results-dir"), folder, QStringLiteral("--results")});
    QVERIFY(koltest.waitForFinished(30000));
    QCOMPARE(koltest.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(koltest.readAllStandardError()),
             QStringLiteral("koltest: Den Ergebnisordner „%1/“ gibt es nicht.\n").arg(folder));
}

int runResultStoreTests(int argc, char* argv[])
{
    ResultStoreTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ResultStoreTest.moc"
