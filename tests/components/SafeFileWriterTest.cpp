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

struct stat statusOf(const QString& path)
{
    struct stat status {};
    ::lstat(QFile::encodeName(path).constData(), &status);
    return status;
}

// What someone planted under the name the program writes.
enum class Planted { LinkToFile, LinkToNothing, Folder, File };

bool plant(Planted what, const QString& path, const QString& victim)
{
    const QByteArray name = QFile::encodeName(path);
    switch (what) {
    case Planted::LinkToFile:
        return ::symlink(QFile::encodeName(victim).constData(), name.constData()) == 0;
    case Planted::LinkToNothing:
        return ::symlink(QFile::encodeName(victim + QStringLiteral(".neu")).constData(), name.constData()) ==
               0;
    case Planted::Folder:
        return ::mkdir(name.constData(), 0777) == 0;
    case Planted::File:
        return makeFile(path, "alt");
    }
    return false;
}

struct HostileCase {
    Planted planted;
    ExistingFile existing;
    const char* problem;
};

// The table's name, the certificate's and the folders and FIFOs planted there are the results command's
// attacks (ResultStoreTest); here what only the writer itself sees.
class PlantedName : public ::testing::TestWithParam<HostileCase> {};

TEST_P(PlantedName, IsRefusedAndLeftAsItWas)
{
    QTemporaryDir dir;
    const QString victim = dir.filePath(QStringLiteral("authorized_keys"));
    const QString target = dir.filePath(QStringLiteral("koltest-ergebnisse.csv"));
    ASSERT_TRUE(makeFile(victim, Victim));
    ASSERT_TRUE(plant(GetParam().planted, target, victim));
    const struct stat before = statusOf(target);

    const FileWrite write =
        writeFileSafely(target, "Datum;Name\r\n", GetParam().existing, FileReaders::OwnerAndGroup);
    EXPECT_EQ(write.error, EEXIST);
    EXPECT_EQ(write.problem, QString::fromUtf8(GetParam().problem));
    EXPECT_EQ(statusOf(target).st_ino, before.st_ino);
    EXPECT_EQ(contentOf(victim), Victim);
    // Nothing else appeared: no file behind the dangling link, no temporary file.
    EXPECT_EQ(
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
        (QStringList{QStringLiteral("authorized_keys"), QStringLiteral("koltest-ergebnisse.csv")}));
}

#define SPECIAL(kind)                                                                                        \
    "Unter diesem Namen steht " kind " statt einer gewöhnlichen Datei; das Programm ersetzt so etwas nicht."

INSTANTIATE_TEST_SUITE_P(Table, PlantedName,
                         ::testing::Values(HostileCase{Planted::LinkToNothing, ExistingFile::Replace,
                                                       SPECIAL("eine symbolische Verknüpfung")},
                                           HostileCase{Planted::LinkToFile, ExistingFile::Keep,
                                                       SPECIAL("eine symbolische Verknüpfung")},
                                           HostileCase{Planted::File, ExistingFile::Keep,
                                                       "Eine Datei dieses Namens gibt es schon."}));

// What writers killed half-way left behind goes after a day; nothing else is touched.
TEST(SafeFileWriter, RemovesItsOwnTemporaryFilesOlderThanADay)
{
    enum Kind { File, Link, Folder };
    struct Leftover {
        const char* name;
        Kind kind;
        bool old;
        bool removed;
    };
    const Leftover leftovers[] = {
        {".koltest-0123456789abcdef.tmp", File, true, true},
        {".koltest-ergebnis-20261206-101530-pc7-4711-00ff.txt.tmp", File, true, true},
        {".koltest-fedcba9876543210.tmp", File, false, false},
        {".notizen.tmp", File, true, false},
        {"koltest-entwurf.tmp", File, true, false},
        {".koltest-link.tmp", Link, true, false},
        {".koltest-ordner.tmp", Folder, true, false},
    };
    QTemporaryDir dir;
    const QString victim = dir.filePath(QStringLiteral("authorized_keys"));
    ASSERT_TRUE(makeFile(victim, Victim));
    const timespec twoDaysAgo{::time(nullptr) - 2 * 24 * 60 * 60, 0};
    for (const Leftover& leftover : leftovers) {
        const QString path = dir.filePath(QString::fromLatin1(leftover.name));
        ASSERT_TRUE(plant(leftover.kind == File   ? Planted::File
                          : leftover.kind == Link ? Planted::LinkToFile
                                                  : Planted::Folder,
                          path, victim));
        const timespec times[] = {twoDaysAgo, twoDaysAgo};
        if (leftover.old) {
            ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW),
                      0);
        }
    }
    ASSERT_TRUE(writeFileSafely(dir.filePath(QStringLiteral("koltest-ergebnisse.csv")), "Datum\r\n",
                                ExistingFile::Replace, FileReaders::OwnerAndGroup)
                    .written());
    for (const Leftover& leftover : leftovers) {
        struct stat status {};
        const bool gone =
            ::lstat(QFile::encodeName(dir.filePath(QString::fromLatin1(leftover.name))).constData(),
                    &status) != 0;
        EXPECT_EQ(gone, leftover.removed) << leftover.name;
    }
    EXPECT_EQ(contentOf(victim), Victim);
}

} // namespace
