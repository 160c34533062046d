#include "components/SafeFileWriter.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray Victim = "ssh-ed25519 AAAA lehrer@schule\n";

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

bool makeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// What someone planted under the name the program writes, next to the file an attacker is after.
enum class Planted { LinkToFile, LinkToNothing, Folder, File };

bool plant(Planted what, const QString& path, const QString& victim)
{
    const QByteArray name = QFile::encodeName(path);
    switch (what) {
    case Planted::LinkToFile:
    case Planted::LinkToNothing: {
        const QString target = what == Planted::LinkToFile ? victim : victim + QStringLiteral(".neu");
        return ::symlink(QFile::encodeName(target).constData(), name.constData()) == 0;
    }
    case Planted::Folder:
        return ::mkdir(name.constData(), 0777) == 0;
    case Planted::File:
        return makeFile(path, "alt");
    }
    return false;
}

ino_t inodeOf(const QString& path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : 0;
}

} // namespace

// The table's name, the certificate's and the folders and FIFOs planted there are the results command's
// attacks (ResultStoreTest); here what only the writer itself sees.
TEST(SafeFileWriter, RefusesAPlantedNameAndLeavesItAsItWas)
{
    const char* special =
        "Unter diesem Namen steht eine symbolische Verknüpfung statt einer gewöhnlichen Datei; "
        "das Programm ersetzt so etwas nicht.";
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
        ASSERT_TRUE(makeFile(victim, Victim));
        ASSERT_TRUE(plant(c.planted, target, victim));
        const ino_t before = inodeOf(target);

        const FileWrite write =
            writeFileSafely(target, "Datum;Name\r\n", c.existing, FileReaders::OwnerAndGroup);
        EXPECT_EQ(write.error, EEXIST);
        EXPECT_EQ(write.problem, c.problem);
        EXPECT_EQ(inodeOf(target), before);
        EXPECT_EQ(contentOf(victim), Victim);
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
    ASSERT_TRUE(makeFile(victim, Victim));
    const timespec twoDaysAgo{::time(nullptr) - 2 * 24 * 60 * 60, 0};
    const timespec times[] = {twoDaysAgo, twoDaysAgo};
    for (const auto& leftover : leftovers) {
        const QString path = dir.filePath(QString::fromLatin1(leftover.name));
        ASSERT_TRUE(plant(leftover.kind, path, victim));
        if (leftover.old) {
            ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW),
                      0);
        }
    }
    ASSERT_TRUE(writeFileSafely(dir.filePath(QStringLiteral("koltest-ergebnisse.csv")), "Datum\r\n",
                                ExistingFile::Replace, FileReaders::OwnerAndGroup)
                    .written());
    for (const auto& leftover : leftovers)
        EXPECT_EQ(inodeOf(dir.filePath(QString::fromLatin1(leftover.name))) == 0, leftover.removed)
            << leftover.name;
    EXPECT_EQ(contentOf(victim), Victim);
}
