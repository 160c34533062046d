#include "desktop/CommandLine.h"
#include "desktop/DataFolder.h"
#include "desktop/DesktopTests.h"
#include "desktop/services/DesktopHost.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class HostTest : public QObject {
    Q_OBJECT

private slots:
    void resolutionOrder()
    {
        // Existing: option/, environment/, user/, system/, prefix/bin with prefix/share/koltest, and
        // source/data. Missing: nowhere/, bare/bin (no share beside it).
        for (const char* folder : {"option", "environment", "user", "system", "prefix/bin",
                                   "prefix/share/koltest", "source/data", "bare/bin"})
            QVERIFY(QDir().mkpath(path(QLatin1String(folder))));
        const FolderSetting user{path("user"), QStringLiteral("/home/a/.config/koltest/koltest.conf")};
        const FolderSetting system{path("system"), QStringLiteral("/etc/xdg/koltest/koltest.conf")};
        const FolderSetting missing{path("nowhere"), QStringLiteral("/etc/xdg/koltest/koltest.conf")};
        const FolderSetting none;
        const struct {
            const char* option;
            const char* environment;
            FolderSetting user;
            FolderSetting system;
            const char* bin;
            const char* source;
            const char* expected;
            const char* note; // about a folder named but missing
        } rows[] = {
            {"option", "environment", user, system, "prefix/bin", "source/data", "option/", ""},
            {"", "environment", user, system, "prefix/bin", "source/data", "environment/", ""},
            {"nowhere", "environment", none, none, "prefix/bin", "source/data", "environment/", "--data-dir"},
            {"", "", user, system, "prefix/bin", "source/data", "user/", ""},
            {"", "", none, system, "prefix/bin", "source/data", "system/", ""},
            {"", "", missing, none, "prefix/bin", "source/data", "prefix/share/koltest/",
             "Katalog in [Ordner] of /etc/xdg"},
            {"", "", none, none, "prefix/bin", "source/data", "prefix/share/koltest/", ""},
            {"", "nowhere", none, none, "bare/bin", "source/data", "source/data/", "KOLTEST_DATA_DIR"},
            // Nothing exists: the source tree all the same.
            {"", "", none, none, "bare/bin", "nowhere", "nowhere/", ""},
        };
        const auto named = [this](const char* name) { return *name ? path(QLatin1String(name)) : QString(); };
        for (const auto& row : rows) {
            const DataFolderChoice choice =
                resolveDataFolder({named(row.option), named(row.environment), row.user, row.system,
                                   named(row.bin), named(row.source)});
            const QString expected = path(QLatin1String(row.expected));
            QCOMPARE(choice.folder, expected);
            QCOMPARE(choice.exists, !expected.endsWith(QLatin1String("nowhere/")));
            QCOMPARE(choice.notes.size(), *row.note ? 1 : 0);
            // The user is told in German about every folder that was named but is not there, and where the
            // catalogue is looked for instead.
            QCOMPARE(choice.notice.isEmpty(), !*row.note);
            if (!*row.note)
                continue;
            QVERIFY2(choice.notes.first().startsWith(QLatin1String(row.note)),
                     qPrintable(choice.notes.first()));
            QVERIFY2(
                choice.notice.startsWith(QStringLiteral("Den Katalogordner „%1“ (").arg(path("nowhere"))) &&
                    choice.notice.endsWith(
                        QStringLiteral("Der Test sucht den Katalog stattdessen in „%1“.").arg(expected)),
                qPrintable(choice.notice));
        }
    }

    void commandLine()
    {
        const struct {
            QStringList arguments;
            const char* text;
            const char* dataDir;
            const char* resultsDir;
            const char* difficulty;
        } rows[] = {
            {{"/NEW", "difficulty=1"}, "/NEW difficulty=1", "", "", "1"},
            // No word of the test.
            {{"--data-dir", "/tmp/NEW/data", "-DEV"}, "-DEV", "/tmp/NEW/data", "", "-1"},
            {{"--data-dir=data", "DIFFICULTY=0"}, "DIFFICULTY=0", "data", "", "0"},
            {{"/NEW", "--data-dir"}, "/NEW", "", "", "-1"},
            {{"--results-dir", "/srv/7 b", "--results", "--data-dir=d"}, "--results", "d", "/srv/7 b", "-1"},
            {{"--results-dir=--results", "/NEW"}, "/NEW", "", "--results", "-1"},
            {{"/NEW", "--results-dir"}, "/NEW", "", "", "-1"},
        };
        for (const auto& row : rows) {
            const CommandLineWords words = splitCommandLine(row.arguments);
            QCOMPARE(words.text(), row.text);
            QCOMPARE(words.dataDir, row.dataDir);
            QCOMPARE(words.resultsDir, row.resultsDir);
            QCOMPARE(parameterValue(words.words, QStringLiteral("DIFFICULTY"), QStringLiteral("-1")),
                     row.difficulty);
            QCOMPARE(words.problems.size(), row.arguments.last().endsWith(QLatin1String("-dir")) ? 1 : 0);
        }
    }

    void command()
    {
        using C = ProgramCommand;
        const struct {
            QStringList arguments;
            ProgramCommand command;
            const char* wrongWord;
        } rows[] = {
            {{}, C::Test, ""},
            {{"/NEW", "-dev", "difficulty=1", "--data-dir", "d", "--results-dir=r"}, C::Test, ""},
            {{"/NEW", "--help"}, C::Help, ""},
            {{"--check", "k.dat"}, C::Check, ""},
            {{"--results-dir", "r", "--results", "x"}, C::Results, ""},
            {{"--version"}, C::Version, ""},
            {{"--data-dir", "d", "--edit"}, C::Edit, ""},
            {{"--resluts"}, C::Wrong, "--resluts"},
            {{"--chek", "k.dat"}, C::Wrong, "--chek"},
            {{"k.dat", "--check"}, C::Wrong, "k.dat"},
            {{"--check", "a.dat", "b.dat"}, C::Wrong, "b.dat"},
            {{"--results", "-x"}, C::Wrong, "-x"},
            {{"--version", "jetzt"}, C::Wrong, "jetzt"},
            {{"/new"}, C::Wrong, "/new"},
            {{"LEVEL=2"}, C::Wrong, "LEVEL=2"},
            {{"-h"}, C::Wrong, "-h"},
        };
        for (const auto& row : rows) {
            const CommandLineWords words = splitCommandLine(row.arguments);
            QVERIFY2(words.command == row.command, qPrintable(row.arguments.join(u' ')));
            QCOMPARE(words.wrongWord, row.wrongWord);
        }
    }

    // Neither the usage nor a wrong word opens a window, so both work where there is no display.
    void usageNeedsNoDisplay()
    {
        QVERIFY(usageText().startsWith(QStringLiteral("Aufruf: koltest ")));
        const struct {
            const char* word;
            int status;
            QString out;
            QString err;
        } rows[] = {
            {"--help", 0, usageText(), QString()},
            {"--chek", 2, QString(), QStringLiteral("koltest: unbekannte Option „--chek“\n") + usageText()}};
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QLatin1String(name));
        for (const auto& row : rows) {
            QProcess koltest;
            koltest.setProcessEnvironment(environment);
            koltest.start(QStringLiteral(KOLTEST_PROGRAM), {QLatin1String(row.word)});
            QVERIFY(koltest.waitForFinished(30000));
            QCOMPARE(koltest.exitStatus(), QProcess::NormalExit);
            QCOMPARE(koltest.exitCode(), row.status);
            QCOMPARE(QString::fromUtf8(koltest.readAllStandardOutput()), row.out);
            QCOMPARE(QString::fromUtf8(koltest.readAllStandardError()), row.err);
        }
    }

    void reportLine()
    {
        const QString time = QStringLiteral("2026-12-06 12:00:01");
        QCOMPARE(::reportLine(time, QStringLiteral("-> Anfänger"), nullptr), time + " koltest: -> Anfänger");
        PrintFields fields;
        fields.SetField(QStringLiteral("NOTE"), QStringLiteral("2+"));
        fields.SetField(QStringLiteral("DAUER"), QStringLiteral("754"));
        QCOMPARE(::reportLine(time, QStringLiteral("-> Anfänger"), &fields),
                 time + " koltest: -> Anfänger NOTE=2+ DAUER=754");
    }

private:
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }
};

KOLTEST_DESKTOP_TEST(HostTest)

#include "HostTest.moc"
