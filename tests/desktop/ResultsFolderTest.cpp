#include "desktop/DataFolder.h"
#include "desktop/DesktopTests.h"
#include "desktop/FolderSettings.h"
#include "desktop/services/DesktopFolders.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(ResultsFolderSources)

// Where the records of a class go: the command line, the environment, the user's and the system's settings,
// then the user's application data folder; a named folder that is not there is never swapped for another.

class ResultsFolderTest : public QObject {
    Q_OBJECT

private slots:
    void order_data()
    {
        for (const char* folder : {"option", "environment", "user", "system", "standard"})
            QVERIFY(QDir().mkpath(path(folder)));
        const QString userFile = QStringLiteral("/home/a/.config/koltest/koltest.conf");
        const QString systemFile = QStringLiteral("/etc/xdg/koltest/koltest.conf");
        const FolderSetting user{path("user"), userFile};
        const FolderSetting system{path("system"), systemFile};
        const FolderSetting missing{path("share/7b"), systemFile}; // a teacher's share not mounted
        QTest::addColumn<ResultsFolderSources>("sources");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("standard");
        QTest::addColumn<QString>("notice");
        const QString missingNotice =
            QStringLiteral("Den Ergebnisordner „%1“ (%2) gibt es nicht.\nSolange das so ist, "
                           "werden keine Ergebnisse gespeichert. Bitte sag deiner "
                           "Lehrerin oder deinem Lehrer Bescheid.");

        QTest::newRow("command line first")
            << ResultsFolderSources{path("option"), path("environment"), user, system, path("standard")}
            << path("option/") << false << QString();
        QTest::newRow("then the environment")
            << ResultsFolderSources{QString(), path("environment"), user, system, path("standard")}
            << path("environment/") << false << QString();
        QTest::newRow("then the user's settings")
            << ResultsFolderSources{QString(), QString(), user, system, path("standard")} << path("user/")
            << false << QString();
        QTest::newRow("then the system's settings")
            << ResultsFolderSources{QString(), QString(), {QString(), userFile}, system, path("standard")}
            << path("system/") << false << QString();
        QTest::newRow("then the standard folder, even when it is still to be made")
            << ResultsFolderSources{QString(), QString(), {}, {}, path("standard/new")}
            << path("standard/new/") << true << QString();
        QTest::newRow("without a home folder, never the working folder")
            << ResultsFolderSources{} << QString() << true << QString();
        QTest::newRow("a missing teacher's folder stays the folder, with a notice")
            << ResultsFolderSources{QString(), QString(), missing, system, path("standard")}
            << path("share/7b/") << false
            << missingNotice.arg(path("share/7b"), QStringLiteral("Einstellung Ergebnisse in ") + systemFile);
        QTest::newRow("a missing environment folder beats an existing setting")
            << ResultsFolderSources{QString(), path("gone"), user, system, path("standard")} << path("gone/")
            << false
            << missingNotice.arg(path("gone"), QStringLiteral("Umgebungsvariable KOLTEST_RESULTS_DIR"));
    }

    void order()
    {
        QFETCH(ResultsFolderSources, sources);
        QFETCH(QString, folder);
        QFETCH(bool, standard);
        QFETCH(QString, notice);
        const ResultsFolderChoice choice = resolveResultsFolder(sources);
        QCOMPARE(choice.folder, folder);
        QCOMPARE(choice.standard, standard);
        QCOMPARE(choice.notice, notice);
        QCOMPARE(choice.diagnostic.isEmpty(), notice.isEmpty());
    }

    // The files a school writes: the user's own overrides the system's key by key; a relative folder counts
    // from the file's folder; a comma in a folder name makes no list of it.
    void settingsFiles()
    {
        const QString systemRoot = path("etc-xdg");
        const QString userRoot = path("home-config");
        QVERIFY(QDir().mkpath(systemRoot + QStringLiteral("/koltest")) &&
                QDir().mkpath(userRoot + QStringLiteral("/koltest")));
        QVERIFY(
            writeWhole(systemRoot + QStringLiteral("/koltest/koltest.conf"),
                       "[Ordner]\nKatalog=/srv/koltest/kurs,neu\nErgebnisse=\"/srv/klassen/7b, Chemie\"\n"));
        QVERIFY(writeWhole(userRoot + QStringLiteral("/koltest/koltest.conf"),
                           "[Ordner]\nErgebnisse=ergebnisse\n"));
        QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, systemRoot);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, userRoot);

        const FolderSettings system = readFolderSettings(QSettings::SystemScope);
        const FolderSettings user = readFolderSettings(QSettings::UserScope);
        QCOMPARE(system.catalogue.file, systemRoot + QStringLiteral("/koltest/koltest.conf"));
        QCOMPARE(system.catalogue.folder, QStringLiteral("/srv/koltest/kurs,neu"));
        QCOMPARE(system.results.folder, QStringLiteral("/srv/klassen/7b, Chemie"));
        QCOMPARE(system.results.file, systemRoot + QStringLiteral("/koltest/koltest.conf"));
        QCOMPARE(user.catalogue.folder, QString());
        QCOMPARE(user.results.folder, userRoot + QStringLiteral("/koltest/ergebnisse"));

        const ResultsFolderChoice choice =
            resolveResultsFolder({QString(), QString(), user.results, system.results, path("standard")});
        QCOMPARE(choice.folder, userRoot + QStringLiteral("/koltest/ergebnisse/"));
        QVERIFY(choice.notice.contains(
            QStringLiteral("(Einstellung Ergebnisse in %1/koltest/koltest.conf)").arg(userRoot)));
    }

    // The start cannot show a notice before the main window is there: the folders keep them until asked.
    void noticesWaitForTheWindowAndComeOnce()
    {
        QVERIFY(QDir().mkpath(path("data")));
        DesktopFolders folders({path("no-data"), {}, {}, {}, {}, path("data")},
                               {QString(), path("no-results"), {}, {}, path("standard")});
        QCOMPARE(folders.takeNotices().size(), 1);
        QCOMPARE(folders.DataFolder(), path("data/"));
        const QStringList notices = folders.takeNotices();
        QCOMPARE(notices.size(), 1);
        QVERIFY2(notices.first().startsWith(
                     QStringLiteral("Den Katalogordner „%1“ (Befehlszeile --data-dir) gibt es "
                                    "nicht.")
                         .arg(path("no-data"))),
                 qPrintable(notices.first()));
        QCOMPARE(folders.DataFolder(), path("data/"));
        QCOMPARE(folders.takeNotices(), QStringList());
    }

private:
    QTemporaryDir m_dir;
    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }
};

KOLTEST_DESKTOP_TEST(ResultsFolderTest)

#include "ResultsFolderTest.moc"
