#include "desktop/CommandLine.h"
#include "desktop/DataFolder.h"
#include "desktop/DesktopTests.h"
#include "desktop/services/DesktopHost.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(DataFolderSources)
Q_DECLARE_METATYPE(ProgramCommand)

class HostTest : public QObject {
    Q_OBJECT

private slots:
    void resolutionOrder_data();
    void resolutionOrder();
    void commandLine_data();
    void commandLine();
    void command_data();
    void command();
    void usageNeedsNoDisplay_data();
    void usageNeedsNoDisplay();
    void reportLine_data();
    void reportLine();

private:
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }
};

void HostTest::resolutionOrder_data()
{
    // Existing: option/, environment/, prefix/bin with prefix/share/koltest, and source/data.
    // Missing: nowhere/, bare/bin (no share beside it).
    for (const char* folder :
         {"option", "environment", "prefix/bin", "prefix/share/koltest", "source/data", "bare/bin"})
        QVERIFY(QDir().mkpath(path(QLatin1String(folder))));
    QTest::addColumn<DataFolderSources>("sources");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QString>("note");

    const QString source = path(QStringLiteral("source/data"));
    const FolderSetting userSetting{path("user"), QStringLiteral("/home/a/.config/koltest/koltest.conf")};
    const FolderSetting systemSetting{path("system"), QStringLiteral("/etc/xdg/koltest/koltest.conf")};
    const FolderSetting missingSetting{path("nowhere"), QStringLiteral("/etc/xdg/koltest/koltest.conf")};
    QVERIFY(QDir().mkpath(userSetting.folder) && QDir().mkpath(systemSetting.folder));
    QTest::newRow("option first") << DataFolderSources{path("option"), path("environment"), userSetting,
                                                       systemSetting,  path("prefix/bin"),  source}
                                  << path("option/") << true << QString();
    QTest::newRow("then the environment")
        << DataFolderSources{QString(),     path("environment"), userSetting,
                             systemSetting, path("prefix/bin"),  source}
        << path("environment/") << true << QString();
    QTest::newRow("a missing option is passed over, with a note")
        << DataFolderSources{path("nowhere"), path("environment"), {}, {}, path("prefix/bin"), source}
        << path("environment/") << true << QStringLiteral("--data-dir");
    QTest::newRow("then the user's setting")
        << DataFolderSources{QString(), QString(), userSetting, systemSetting, path("prefix/bin"), source}
        << path("user/") << true << QString();
    QTest::newRow("then the system's setting")
        << DataFolderSources{QString(), QString(), {}, systemSetting, path("prefix/bin"), source}
        << path("system/") << true << QString();
    QTest::newRow("a missing setting is passed over, with a note")
        << DataFolderSources{QString(), QString(), missingSetting, {}, path("prefix/bin"), source}
        << path("prefix/share/koltest/") << true << QStringLiteral("Katalog in [Ordner] of /etc/xdg");
    QTest::newRow("then the installed share folder")
        << DataFolderSources{QString(), QString(), {}, {}, path("prefix/bin"), source}
        << path("prefix/share/koltest/") << true << QString();
    QTest::newRow("then the source tree")
        << DataFolderSources{QString(), path("nowhere"), {}, {}, path("bare/bin"), source}
        << path("source/data/") << true << QStringLiteral("KOLTEST_DATA_DIR");
    QTest::newRow("nothing exists: the source tree all the same")
        << DataFolderSources{QString(), QString(), {}, {}, path("bare/bin"), path("nowhere")}
        << path("nowhere/") << false << QString();
}

void HostTest::resolutionOrder()
{
    QFETCH(DataFolderSources, sources);
    QFETCH(QString, expected);
    QFETCH(bool, exists);
    QFETCH(QString, note);
    const DataFolderChoice choice = resolveDataFolder(sources);
    QCOMPARE(choice.folder, expected);
    QCOMPARE(choice.exists, exists);
    QCOMPARE(choice.notes.size(), note.isEmpty() ? 0 : 1);
    // The user is told in German about every folder that was named but is not there, and where the
    // catalogue is looked for instead.
    QCOMPARE(choice.notice.isEmpty(), note.isEmpty());
    if (!note.isEmpty()) {
        QVERIFY2(choice.notes.first().startsWith(note), qPrintable(choice.notes.first()));
        QVERIFY2(choice.notice.startsWith(QStringLiteral("Den Katalogordner „%1“ (").arg(path("nowhere"))),
                 qPrintable(choice.notice));
        QVERIFY2(choice.notice.endsWith(
                     QStringLiteral("Der Test sucht den Katalog stattdessen in „%1“.").arg(expected)),
                 qPrintable(choice.notice));
    }
}

void HostTest::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("dataDir");
    QTest::addColumn<QString>("resultsDir");
    QTest::addColumn<QString>("difficulty");

    QTest::newRow("words only") << QStringList{"/NEW", "difficulty=1"} << "/NEW difficulty=1" << QString()
                                << QString() << "1";
    QTest::newRow("the data folder is no word of the system")
        << QStringList{"--data-dir", "/tmp/NEW/data", "-DEV"} << "-DEV"
        << "/tmp/NEW/data" << QString() << "-1";
    QTest::newRow("data folder with =") << QStringList{"--data-dir=data", "DIFFICULTY=0"} << "DIFFICULTY=0"
                                        << "data" << QString() << "0";
    QTest::newRow("data folder without a folder")
        << QStringList{"/NEW", "--data-dir"} << "/NEW" << QString() << QString() << "-1";
    QTest::newRow("results folder and the results command")
        << QStringList{"--results-dir", "/srv/klasse 7b", "--results", "--data-dir=d"} << "--results"
        << "d"
        << "/srv/klasse 7b"
        << "-1";
    QTest::newRow("results folder with =")
        << QStringList{"--results-dir=--results", "/NEW"} << "/NEW" << QString() << "--results"
        << "-1";
    QTest::newRow("results folder without a folder")
        << QStringList{"/NEW", "--results-dir"} << "/NEW" << QString() << QString() << "-1";
}

void HostTest::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, text);
    QFETCH(QString, dataDir);
    QFETCH(QString, resultsDir);
    QFETCH(QString, difficulty);
    const CommandLineWords words = splitCommandLine(arguments);
    QCOMPARE(words.text(), text);
    QCOMPARE(words.dataDir, dataDir);
    QCOMPARE(words.resultsDir, resultsDir);
    QCOMPARE(parameterValue(words.words, QStringLiteral("DIFFICULTY"), QStringLiteral("-1")), difficulty);
    QCOMPARE(words.problems.size(), arguments.last().endsWith(QLatin1String("-dir")) ? 1 : 0);
}

void HostTest::command_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<ProgramCommand>("command");
    QTest::addColumn<QString>("wrongWord");
    using C = ProgramCommand;
    QTest::newRow("nothing: the test") << QStringList{} << C::Test << QString();
    QTest::newRow("the test's own words")
        << QStringList{"/NEW", "-dev", "difficulty=1", "--data-dir", "d", "--results-dir=r"} << C::Test
        << QString();
    QTest::newRow("--help wherever it stands") << QStringList{"/NEW", "--help"} << C::Help << QString();
    QTest::newRow("--check with a file") << QStringList{"--check", "k.dat"} << C::Check << QString();
    QTest::newRow("--results with a folder")
        << QStringList{"--results-dir", "r", "--results", "x"} << C::Results << QString();
    QTest::newRow("--version") << QStringList{"--version"} << C::Version << QString();
    QTest::newRow("a misspelt command") << QStringList{"--resluts"} << C::Wrong << "--resluts";
    QTest::newRow("a misspelt command with a file") << QStringList{"--chek", "k.dat"} << C::Wrong << "--chek";
    QTest::newRow("a file before the command") << QStringList{"k.dat", "--check"} << C::Wrong << "k.dat";
    QTest::newRow("two files") << QStringList{"--check", "a.dat", "b.dat"} << C::Wrong << "b.dat";
    QTest::newRow("an option after the command") << QStringList{"--results", "-x"} << C::Wrong << "-x";
    QTest::newRow("a word after --version") << QStringList{"--version", "jetzt"} << C::Wrong << "jetzt";
    QTest::newRow("/NEW in small letters") << QStringList{"/new"} << C::Wrong << "/new";
    QTest::newRow("an unknown parameter") << QStringList{"LEVEL=2"} << C::Wrong << "LEVEL=2";
    QTest::newRow("a short option") << QStringList{"-h"} << C::Wrong << "-h";
}

void HostTest::command()
{
    QFETCH(QStringList, arguments);
    QFETCH(ProgramCommand, command);
    QFETCH(QString, wrongWord);
    const CommandLineWords words = splitCommandLine(arguments);
    QCOMPARE(words.command, command);
    QCOMPARE(words.wrongWord, wrongWord);
}

// Neither the usage nor a wrong word opens a window, so both work where there is no display.
void HostTest::usageNeedsNoDisplay_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("--help") << "--help" << 0 << usageText() << QString();
    QTest::newRow("a misspelt option")
        << "--chek" << 2 << QString()
        << QStringLiteral("koltest: unbekannte Option „--chek“\n") + usageText();
}

void HostTest::usageNeedsNoDisplay()
{
    QFETCH(QString, word);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QProcess koltest;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    koltest.setProcessEnvironment(environment);
    koltest.start(QStringLiteral(KOLTEST_PROGRAM), {word});
    QVERIFY(koltest.waitForFinished(30000));
    QCOMPARE(koltest.exitStatus(), QProcess::NormalExit);
    QCOMPARE(koltest.exitCode(), status);
    QCOMPARE(QString::fromUtf8(koltest.readAllStandardOutput()), out);
    QCOMPARE(QString::fromUtf8(koltest.readAllStandardError()), err);
    QVERIFY(usageText().startsWith(QStringLiteral("Aufruf: koltest ")));
}

void HostTest::reportLine_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("line");
    QTest::newRow("no fields") << QStringList() << "2026-12-06 12:00:01 koltest: -> Anfänger";
    QTest::newRow("fields in the order set") << QStringList{"NOTE", "2+", "DAUER", "754"}
                                             << "2026-12-06 12:00:01 koltest: -> Anfänger NOTE=2+ DAUER=754";
}

void HostTest::reportLine()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, line);
    PrintFields set;
    for (qsizetype i = 0; i + 1 < fields.size(); i += 2)
        set.SetField(fields[i], fields[i + 1]);
    QCOMPARE(::reportLine(QStringLiteral("2026-12-06 12:00:01"), QStringLiteral("-> Anfänger"),
                          fields.isEmpty() ? nullptr : &set),
             line);
}

KOLTEST_DESKTOP_TEST(HostTest)

#include "HostTest.moc"
