#include "components/FolderAccess.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Each case names a folder under a fresh temporary folder; the message says what is really wrong.
struct FolderCase {
    const char* name;
    const char* folder; // under the temporary folder
    void (*prepare)(const QDir& root);
    const char* german; // "X" stands for the named folder
    bool needsUnprivileged = false;
};

void symlinkAt(const QDir& root, const char* target, const char* name)
{
    ASSERT_EQ(::symlink(QFile::encodeName(root.filePath(target)).constData(),
                        QFile::encodeName(root.filePath(name)).constData()),
              0);
}

class FolderMessage : public ::testing::TestWithParam<FolderCase> {};

TEST_P(FolderMessage, SaysWhatIsWrong)
{
    const FolderCase& c = GetParam();
    if (c.needsUnprivileged && ::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    QTemporaryDir dir;
    const QDir root(dir.path());
    c.prepare(root);
    const QString path = root.filePath(QString::fromUtf8(c.folder));
    const FolderAccess access = folderAccess(path, R_OK | X_OK);
    EXPECT_EQ(access.german(QStringLiteral("Ordner X"), path), QString::fromUtf8(c.german));
    ::chmod(QFile::encodeName(root.filePath(QStringLiteral("locked"))).constData(), 0700); // to clean up
}

INSTANTIATE_TEST_SUITE_P(
    Table, FolderMessage,
    ::testing::Values(
        FolderCase{"Missing", "gone", [](const QDir&) {}, "Den Ordner X gibt es nicht."},
        FolderCase{"AFile", "file",
                   [](const QDir& r) { QFile(r.filePath("file")).open(QIODevice::WriteOnly); },
                   "Der Ordner X ist kein Ordner."},
        FolderCase{"LinkLoop", "a",
                   [](const QDir& r) {
                       symlinkAt(r, "b", "a");
                       symlinkAt(r, "a", "b");
                   },
                   "Der Ordner X lässt sich nicht öffnen. Der Name führt über zu viele symbolische "
                   "Verknüpfungen, vermutlich über eine Schleife."},
        // One name of 300 characters, more than the 255 bytes a file system allows.
        FolderCase{"NameTooLong",
                   "nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn"
                   "nnnnnnnnnnn"
                   "nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn"
                   "nnnnnnnnnnn"
                   "nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn"
                   "nnnnnnnnnnn",
                   [](const QDir&) {},
                   "Der Ordner X lässt sich nicht öffnen. Der Name ist länger, als das System erlaubt."},
        // Bytes that are not UTF-8 reach the program as replacement characters.
        FolderCase{
            "NameNotUtf8", "kurs-\xEF\xBF\xBD", [](const QDir&) {},
            "Der Ordner X lässt sich nicht öffnen. Unter diesem Namen gibt es nichts. Der Name enthält "
            "Bytes, die kein gültiges UTF-8 sind; so lässt er sich nicht wiederfinden."},
        FolderCase{
            "NotSearchable", "locked",
            [](const QDir& r) {
                r.mkdir("locked");
                ::chmod(QFile::encodeName(r.filePath("locked")).constData(), 0600);
            },
            "Der Ordner X lässt sich nicht öffnen. Keine Berechtigung: Die Rechte erlauben diesen Zugriff "
            "nicht, oder ein Ordner auf dem Weg dorthin darf nicht geöffnet werden.",
            true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
