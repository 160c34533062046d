#include "desktop/results/ResultStore.h"
#include "SmallDisk.h"
#include "desktop/DesktopTests.h"
#include "desktop/results/RecordFiles.h"
#include "results/records/ClassOverview.h"
#include "results/records/ResultsCsv.h"
#include "support/FakeWorld.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <optional>
#include <sys/stat.h>

namespace {

// A pupil whose name holds what a record must escape; notices are recorded.
struct Pupil : FakeWorld {
    Pupil() { userName = QStringLiteral("Zoë; \"die\" =Erste\n"); }
};

PrintFields endOfRunFields()
{
    PrintFields fields;
    fields.SetField(QStringLiteral("ANZAHL"), 52);
    fields.SetField(QStringLiteral("RICHTIG"), 37);
    fields.SetField(QStringLiteral("EXPERTE"), false);
    fields.SetField(QStringLiteral("DAUER"), 600.0);
    fields.SetField(QStringLiteral("ELEMENTE"), QStringLiteral("5/6"));
    fields.SetField(
        QStringLiteral("AUFGABEN"),
        QVariant::fromValue(QList<JudgedTask>{{TaskCategory::Elements, "Na", "Natrium", "=Na;", {false}}}));
    return fields;
}

QStringList allFiles(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

struct Finished {
    int status = -1; // -1: it did not end in time
    QString out;
    QString err;
};

// koltest run with the arguments to its end.
Finished koltest(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(KOLTEST_PROGRAM), arguments);
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

struct stat statusOf(const QString& path)
{
    struct stat status {};
    ::lstat(QFile::encodeName(path).constData(), &status);
    return status;
}

} // namespace

class ResultStoreTest : public QObject {
    Q_OBJECT

private slots:
    void aFinishedRunLeavesItsRecord()
    {
        const QString folder = m_dir.filePath(QStringLiteral("one"));
        QVERIFY(QDir().mkpath(folder));
        Pupil pupil;
        ResultStore store(resolveResultsFolder({folder, {}, {}, {}, {}}), pupil, pupil);
        store.store(37, 52, endOfRunFields());
        PrintFields early = endOfRunFields();
        early.SetField(QStringLiteral("VORZEITIG"), true);
        store.store(37, 52, early);
        QCOMPARE(pupil.notices, QStringList());
        QCOMPARE(allFiles(folder).size(), 2); // no temporary file is left behind
        const FolderScan scan = scanResultsFolder(folder);
        QCOMPARE(scan.skipped, QStringList());
        QCOMPARE(scan.results.runs().size(), 2);
        QCOMPARE(scan.results.endedEarly().size(), 1);
        const ResultRecord& record = scan.results.runs().first();
        // The name is the user service's, the end is now; the rest is the record's logic.
        QCOMPARE(record.name, pupil.userName);
        QCOMPARE(record.date, QDate::currentDate());
        QCOMPARE(record.start.secsTo(record.end), 600);
        const QList<JudgedTask> wrong = scan.results.runsOf(record.name).first().tasks;
        QCOMPARE(wrong.size(), 1);
        QCOMPARE(wrong[0].entered, QStringLiteral("=Na;"));
    }

    void aMissingFolderCostsOneNoticeAndNoOtherFolder()
    {
        const QString folder = m_dir.filePath(QStringLiteral("share-not-mounted"));
        Pupil pupil;
        ResultStore store(
            resolveResultsFolder({QString(), folder, {}, {}, m_dir.filePath(QStringLiteral("std"))}), pupil,
            pupil);
        store.store(37, 52, endOfRunFields());
        QCOMPARE(pupil.notices,
                 QStringList{
                     QStringLiteral("Dein Ergebnis konnte nicht im Ordner „%1/“ gespeichert werden.\nBitte "
                                    "sag deiner Lehrerin oder deinem Lehrer Bescheid. Dein Test und deine "
                                    "Urkunde gelten trotzdem.")
                         .arg(folder)});
        QVERIFY(!QFileInfo::exists(folder));
        QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("std"))));
    }

    void theStandardFolderIsMadeWhenMissing()
    {
        const QString folder = m_dir.filePath(QStringLiteral("home/.local/share/koltest"));
        Pupil pupil;
        ResultStore store(resolveResultsFolder({{}, {}, {}, {}, folder}), pupil, pupil);
        store.store(52, 52, endOfRunFields());
        QCOMPARE(pupil.notices, QStringList());
        QCOMPARE(scanResultsFolder(folder).results.runs().size(), 1);
    }

    // Thirty machines of a classroom may write into one share at once; here eight processes write 25 records
    // each at the same moment, and every record arrives whole under a name of its own.
    void eightMachinesWriteAtOnce()
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
        for (const ResultRecord& record : scan.results.runs())
            names << record.name;
        QCOMPARE(names.size(), Writers * Records);
        for (int w = 0; w < Writers; ++w)
            for (int i = 0; i < Records; ++i)
                QVERIFY(names.contains(QStringLiteral("Kind %1-%2\n;=\"ü\"").arg(w).arg(i)));
    }

    // A teacher's "koltest --results DIR": an overview on standard output, foreign files named on standard
    // error, the spreadsheet file in the folder; the temporary files of runs still writing are no concern.
    void resultsCommand()
    {
        const QString folder = m_dir.filePath(QStringLiteral("class"));
        QVERIFY(QDir().mkpath(folder));
        Pupil pupil;
        ResultStore store(resolveResultsFolder({folder, {}, {}, {}, {}}), pupil, pupil);
        store.store(37, 52, endOfRunFields());
        QVERIFY(writeWhole(folder + QStringLiteral("/notizen.txt"), "Elternabend am Dienstag\n"));
        QVERIFY(writeWhole(folder + QStringLiteral("/.koltest-ergebnis-x.txt.tmp"),
                           "KOLTEST-ERGEBNIS 1\nNAME=hal"));
        QVERIFY(writeWhole(folder + QStringLiteral("/koltest-ergebnisse.csv"), "old table"));

        const auto [status, out, err] = koltest({QStringLiteral("--results"), folder});
        QCOMPARE(status, 0);
        // What the overview and the tables hold is the records' logic; here: that they come from the folder.
        const FolderScan scan = scanResultsFolder(folder);
        QCOMPARE(out, QStringLiteral("Ergebnisordner: %1\n").arg(folder) + classOverview(scan.results) +
                          QStringLiteral(
                              "\nTabelle für die Tabellenkalkulation: %1/koltest-ergebnisse.csv\nTabelle "
                              "für die Tabellenkalkulation: %1/koltest-aufgaben.csv\n")
                              .arg(folder));
        QCOMPARE(err,
                 QStringLiteral("koltest: skipped %1/notizen.txt: not a result record: does not begin with "
                                "\"KOLTEST-ERGEBNIS 2\" or \"KOLTEST-ERGEBNIS 1\"\n")
                     .arg(folder));

        QCOMPARE(readWhole(folder + QStringLiteral("/koltest-ergebnisse.csv")),
                 csvDocument(scan.results.runsByStart()));
        QCOMPARE(readWhole(folder + QStringLiteral("/koltest-aufgaben.csv")),
                 csvTaskDocument(scan.results.taskAnalysis()));
    }

    void resultsCommandOnAFolderThatIsNotThere()
    {
        const QString folder = m_dir.filePath(QStringLiteral("nowhere"));
        const Finished run = koltest({QStringLiteral("--results-dir"), folder, QStringLiteral("--results")});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, QStringLiteral("koltest: Den Ergebnisordner „%1/“ gibt es nicht.\n").arg(folder));
    }

    // What a pupil with write access to the share plants under the table's name, and a full disk: the
    // teacher's "--results" writes nothing through it, replaces nothing, and says why in German.
    void hostileTableName_data()
    {
        QTest::addColumn<QString>("planted");
        QTest::addColumn<QString>("cause");
        const QString special =
            QStringLiteral("Unter diesem Namen steht %1 statt einer gewöhnlichen Datei; das "
                           "Programm ersetzt so etwas nicht.");
        QTest::newRow("a link to a file of the teacher")
            << "link" << special.arg(QStringLiteral("eine symbolische Verknüpfung"));
        QTest::newRow("a folder") << "folder" << special.arg(QStringLiteral("ein Ordner"));
        QTest::newRow("a FIFO") << "fifo" << special.arg(QStringLiteral("eine benannte Pipe (FIFO)"));
        QTest::newRow("a full disk") << "full"
                                     << QStringLiteral("Kein Speicherplatz mehr auf dem Datenträger.");
    }

    void hostileTableName()
    {
        QFETCH(QString, planted);
        QFETCH(QString, cause);
        const QString folder = m_dir.filePath(QStringLiteral("hostile-") + planted);
        std::optional<SmallDisk> disk;
        if (planted == QLatin1String("full")) {
            disk.emplace(folder);
            if (!disk->whyNot().isEmpty())
                QSKIP(qPrintable(disk->whyNot()));
        }
        QVERIFY(QDir().mkpath(folder));
        Pupil pupil;
        ResultStore(resolveResultsFolder({folder, {}, {}, {}, {}}), pupil, pupil)
            .store(37, 52, endOfRunFields());
        const QString table = folder + QStringLiteral("/koltest-ergebnisse.csv");
        const QByteArray table8 = QFile::encodeName(table);
        // The file that must stay as it is: the teacher's own behind the link, or the old table.
        QString victim = m_dir.filePath(QStringLiteral("authorized_keys-") + planted);
        QVERIFY(writeWhole(victim, "ssh-ed25519 AAAA lehrer@schule\n"));
        if (planted == QLatin1String("link"))
            QVERIFY(makeLink(victim, table));
        else if (planted == QLatin1String("folder"))
            QCOMPARE(::mkdir(table8.constData(), 0777), 0);
        else if (planted == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(table8.constData(), 0666), 0);
        else {
            victim = table;
            QVERIFY(writeWhole(victim, "alte Tabelle"));
            QVERIFY(disk->fill());
        }
        const struct stat before = statusOf(table);
        const QByteArray victimBefore = readWhole(victim);

        const auto [status, out, err] = koltest({QStringLiteral("--results"), folder});
        QCOMPARE(status, 1);
        // On a full disk the task table fails as well.
        QVERIFY2(err.startsWith(QStringLiteral("koltest: Die Tabelle „%1“ wurde nicht geschrieben. %2 Eine "
                                               "vorhandene Datei dieses Namens bleibt unverändert.\n")
                                    .arg(table, cause)),
                 qPrintable(err));
        QCOMPARE(readWhole(victim), victimBefore);
        QCOMPARE(statusOf(table).st_ino, before.st_ino);
        QCOMPARE(QDir(folder).entryList(QDir::Hidden | QDir::Files).filter(QStringLiteral(".tmp")),
                 QStringList());
        if (planted != QLatin1String("link"))
            return;
        // The teacher's way out: the table goes elsewhere.
        const QString elsewhere = m_dir.filePath(QStringLiteral("auswertung"));
        QVERIFY(QDir().mkpath(elsewhere));
        QCOMPARE(
            koltest({QStringLiteral("--results-dir"), elsewhere, QStringLiteral("--results"), folder}).status,
            0);
        QVERIFY(readWhole(elsewhere + QStringLiteral("/koltest-ergebnisse.csv")).contains("Zo\xC3\xAB"));
    }

    // Whatever the umask, neither more nor less.
    void recordsAreForTheTeachersGroupOnly()
    {
        for (const mode_t umask : {mode_t(0), mode_t(077)}) {
            const mode_t before = ::umask(umask);
            const WrittenRecord record = writeNewRecord(m_dir.path(), "KOLTEST-ERGEBNIS 1\n");
            ::umask(before);
            QCOMPARE(record.problem, QString());
            QCOMPARE(statusOf(record.path).st_mode & 07777, mode_t(0640));
        }
    }

private:
    QTemporaryDir m_dir;
};

KOLTEST_DESKTOP_TEST(ResultStoreTest)

#include "ResultStoreTest.moc"
