#include "components/FolderAccess.h"
#include "components/RegularFile.h"
#include "components/SafeFileWriter.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// What the program meets in a shared folder where a pupil or another user could plant anything: links,
// loops, FIFOs, devices, folders, huge files and folders it may not enter.

namespace {

bool fifo(const QString& path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

bool lock(const QString& path)
{
    return ::chmod(QFile::encodeName(path).constData(), 0600) == 0;
}

ino_t inodeOf(const QString& path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : 0;
}

using Plant = bool (*)(const QDir& folder);

bool nothing(const QDir&)
{
    return true;
}

// "x" and "y" link to each other.
bool linkLoop(const QDir& d)
{
    return makeLink(d.filePath("y"), d.filePath("x")) && makeLink(d.filePath("x"), d.filePath("y"));
}

// Permissions do not bind root: cases that need them are left out for it.
bool permissionsBind()
{
    return ::geteuid() != 0;
}

} // namespace

// Each case plants one thing under the name "x" in an empty folder; the reader reads it or refuses it with
// a German sentence and a diagnostic, and never blocks.
TEST(RegularFile, IsReadOrRefusedWithoutBlocking)
{
    constexpr qint64 Limit = 100;
    const QString tooBig = "Die Datei ist größer als 100 Bytes";
    const QString device = "Das ist keine gewöhnliche Datei, sondern ein Gerät.";
    const QString pipe = "Das ist keine gewöhnliche Datei, sondern eine benannte Pipe (FIFO).";
    const struct {
        Plant plant;
        LinkRule links;
        QString problem; // the start of the German sentence; empty: read
        bool needsPermissions = false;
    } cases[] = {
        {[](const QDir& d) { return writeWhole(d.filePath("x"), QByteArray(Limit, 'a')); },
         LinkRule::Refuse,
         {}},
        {[](const QDir& d) { return writeWhole(d.filePath("x"), QByteArray(Limit + 1, 'a')); },
         LinkRule::Follow, tooBig},
        // Reports its size as 0 and has more to read: the limit counts what arrives.
        {[](const QDir& d) { return makeLink("/proc/self/status", d.filePath("x")); }, LinkRule::Follow,
         tooBig},
        {[](const QDir& d) { return fifo(d.filePath("x")); }, LinkRule::Follow, pipe},
        {[](const QDir& d) { return fifo(d.filePath("p")) && makeLink(d.filePath("p"), d.filePath("x")); },
         LinkRule::Follow, pipe},
        {[](const QDir& d) { return makeLink("/dev/zero", d.filePath("x")); }, LinkRule::Follow, device},
        {[](const QDir& d) { return makeLink("/dev/tty", d.filePath("x")); }, LinkRule::Follow, device},
        {[](const QDir& d) {
             return writeWhole(d.filePath("f"), "a") && makeLink(d.filePath("f"), d.filePath("x"));
         },
         LinkRule::Refuse, "Das ist eine symbolische Verknüpfung"},
        {[](const QDir& d) { return d.mkdir("x"); }, LinkRule::Follow, "Das ist ein Ordner, keine Datei."},
        {nothing, LinkRule::Follow, "Unter diesem Namen gibt es nichts."},
        {linkLoop, LinkRule::Follow, "Der Name führt über zu viele symbolische Verknüpfungen"},
        {[](const QDir& d) {
             return d.mkdir("d") && writeWhole(d.filePath("d/f"), "a") &&
                    makeLink(d.filePath("d/f"), d.filePath("x")) && lock(d.filePath("d"));
         },
         LinkRule::Follow, "Keine Berechtigung", true},
    };
    for (const auto& c : cases) {
        if (c.needsPermissions && !permissionsBind())
            continue;
        QTemporaryDir dir;
        ASSERT_TRUE(c.plant(QDir(dir.path())));
        const FileContent content = readRegularFile(dir.filePath(QStringLiteral("x")), Limit, c.links);
        if (c.problem.isEmpty()) {
            ASSERT_TRUE(content.bytes) << content.problem.toStdString();
            EXPECT_EQ(content.bytes->size(), Limit);
        } else {
            EXPECT_FALSE(content.bytes) << c.problem.toStdString();
            EXPECT_TRUE(content.problem.startsWith(c.problem)) << content.problem.toStdString();
            EXPECT_FALSE(content.diagnostic.isEmpty());
        }
        ::chmod(QFile::encodeName(dir.filePath(QStringLiteral("d"))).constData(), 0700); // to clean up
    }
}

// Each case names a folder "x" or a name given; the message says what is really wrong.
TEST(FolderAccess, SaysWhatIsWrong)
{
    const QString unopenable = "Der Ordner X lässt sich nicht öffnen. ";
    const struct {
        QString folder;
        Plant prepare;
        QString german; // "X" stands for the named folder
        bool needsPermissions = false;
    } cases[] = {
        {"x", nothing, "Den Ordner X gibt es nicht."},
        {"x", [](const QDir& r) { return writeWhole(r.filePath("x"), {}); }, "Der Ordner X ist kein Ordner."},
        {"x", linkLoop,
         unopenable +
             "Der Name führt über zu viele symbolische Verknüpfungen, vermutlich über eine Schleife."},
        // One name of 300 characters, more than the 255 bytes a file system allows.
        {QString(300, u'n'), nothing, unopenable + "Der Name ist länger, als das System erlaubt."},
        // Bytes that are not UTF-8 reach the program as replacement characters.
        {"kurs-\uFFFD", nothing,
         unopenable +
             "Unter diesem Namen gibt es nichts. Der Name enthält Bytes, die kein gültiges UTF-8 sind; so "
             "lässt er sich nicht wiederfinden."},
        {"x", [](const QDir& r) { return r.mkdir("x") && lock(r.filePath("x")); },
         unopenable +
             "Keine Berechtigung: Die Rechte erlauben diesen Zugriff nicht, oder ein Ordner auf dem Weg "
             "dorthin darf nicht geöffnet werden.",
         true},
    };
    for (const auto& c : cases) {
        if (c.needsPermissions && !permissionsBind())
            continue;
        QTemporaryDir dir;
        const QDir root(dir.path());
        ASSERT_TRUE(c.prepare(root));
        const QString path = root.filePath(c.folder);
        EXPECT_EQ(folderAccess(path, R_OK | X_OK).german(QStringLiteral("Ordner X"), path), c.german);
        ::chmod(QFile::encodeName(root.filePath(QStringLiteral("x"))).constData(), 0700); // to clean up
    }
}

namespace {

const QByteArray Victim = "ssh-ed25519 AAAA lehrer@schule\n";

// What someone planted under the name the program writes, next to the file an attacker is after.
enum class Planted { LinkToFile, LinkToNothing, Folder, File };

bool plant(Planted what, const QString& path, const QString& victim)
{
    switch (what) {
    case Planted::LinkToFile:
        return makeLink(victim, path);
    case Planted::LinkToNothing:
        return makeLink(victim + QStringLiteral(".neu"), path);
    case Planted::Folder:
        return QDir().mkdir(path);
    case Planted::File:
        return writeWhole(path, "alt");
    }
    return false;
}

} // namespace

// The table's name, the certificate's and the folders and FIFOs planted there are the results command's
// attacks (ResultStoreTest); here what only the writer itself sees.
TEST(SafeFileWriter, RefusesAPlantedNameAndLeavesItAsItWas)
{
    const QString special = "Unter diesem Namen steht eine symbolische Verknüpfung statt einer gewöhnlichen "
                            "Datei; das Programm ersetzt so etwas nicht.";
    const struct {
        Planted planted;
        ExistingFile existing;
        QString problem;
    } cases[] = {{Planted::LinkToNothing, ExistingFile::Replace, special},
                 {Planted::LinkToFile, ExistingFile::Keep, special},
                 {Planted::File, ExistingFile::Keep, "Eine Datei dieses Namens gibt es schon."}};
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString victim = dir.filePath(QStringLiteral("authorized_keys"));
        const QString target = dir.filePath(QStringLiteral("koltest-ergebnisse.csv"));
        ASSERT_TRUE(writeWhole(victim, Victim) && plant(c.planted, target, victim));
        const ino_t before = inodeOf(target);

        const FileWrite write =
            writeFileSafely(target, "Datum;Name\r\n", c.existing, FileReaders::OwnerAndGroup);
        EXPECT_EQ(write.error, EEXIST);
        EXPECT_EQ(write.problem, c.problem);
        EXPECT_EQ(inodeOf(target), before);
        EXPECT_EQ(readWhole(victim), Victim);
        // Nothing else appeared: no file behind the dangling link, no temporary file.
        EXPECT_EQ(
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
            (QStringList{"authorized_keys", "koltest-ergebnisse.csv"}));
    }
}

// What writers killed half-way left behind goes after a day; nothing else is touched.
TEST(SafeFileWriter, RemovesItsOwnTemporaryFilesOlderThanADay)
{
    const struct {
        const char* name;
        Planted kind;
        bool old;
        bool removed;
    } leftovers[] = {
        {".koltest-0123456789abcdef.tmp", Planted::File, true, true},
        {".koltest-ergebnis-20261206-101530-pc7-4711-00ff.txt.tmp", Planted::File, true, true},
        {".koltest-fedcba9876543210.tmp", Planted::File, false, false},
        {".notizen.tmp", Planted::File, true, false},
        {"koltest-entwurf.tmp", Planted::File, true, false},
        {".koltest-link.tmp", Planted::LinkToFile, true, false},
        {".koltest-ordner.tmp", Planted::Folder, true, false},
    };
    QTemporaryDir dir;
    const QString victim = dir.filePath(QStringLiteral("authorized_keys"));
    ASSERT_TRUE(writeWhole(victim, Victim));
    const timespec twoDaysAgo{::time(nullptr) - 2 * 24 * 60 * 60, 0};
    const timespec times[] = {twoDaysAgo, twoDaysAgo};
    for (const auto& leftover : leftovers) {
        const QByteArray path = QFile::encodeName(dir.filePath(QString::fromLatin1(leftover.name)));
        ASSERT_TRUE(plant(leftover.kind, QFile::decodeName(path), victim));
        ASSERT_TRUE(!leftover.old ||
                    ::utimensat(AT_FDCWD, path.constData(), times, AT_SYMLINK_NOFOLLOW) == 0);
    }
    ASSERT_TRUE(writeFileSafely(dir.filePath(QStringLiteral("koltest-ergebnisse.csv")), "Datum\r\n",
                                ExistingFile::Replace, FileReaders::OwnerAndGroup)
                    .written());
    for (const auto& leftover : leftovers)
        EXPECT_EQ(inodeOf(dir.filePath(QString::fromLatin1(leftover.name))) == 0, leftover.removed)
            << leftover.name;
    EXPECT_EQ(readWhole(victim), Victim);
}
