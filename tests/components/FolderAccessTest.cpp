#include "components/FolderAccess.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

void symlinkAt(const QDir& root, const char* target, const char* name)
{
    ASSERT_EQ(::symlink(QFile::encodeName(root.filePath(target)).constData(),
                        QFile::encodeName(root.filePath(name)).constData()),
              0);
}

} // namespace

// Each case names a folder under a fresh temporary folder; the message says what is really wrong.
TEST(FolderAccess, SaysWhatIsWrong)
{
    const QString unopenable = "Der Ordner X lässt sich nicht öffnen. ";
    const struct {
        QString folder;
        void (*prepare)(const QDir& root);
        QString german; // "X" stands for the named folder
        bool needsUnprivileged = false;
    } cases[] = {
        {"gone", [](const QDir&) {}, "Den Ordner X gibt es nicht."},
        {"file", [](const QDir& r) { QFile(r.filePath("file")).open(QIODevice::WriteOnly); },
         "Der Ordner X ist kein Ordner."},
        {"a",
         [](const QDir& r) {
             symlinkAt(r, "b", "a");
             symlinkAt(r, "a", "b");
         },
         unopenable +
             "Der Name führt über zu viele symbolische Verknüpfungen, vermutlich über eine Schleife."},
        // One name of 300 characters, more than the 255 bytes a file system allows.
        {QString(300, u'n'), [](const QDir&) {}, unopenable + "Der Name ist länger, als das System erlaubt."},
        // Bytes that are not UTF-8 reach the program as replacement characters.
        {"kurs-\uFFFD", [](const QDir&) {},
         unopenable + "Unter diesem Namen gibt es nichts. Der Name enthält Bytes, die kein gültiges UTF-8 "
                      "sind; so lässt er sich nicht wiederfinden."},
        {"locked",
         [](const QDir& r) {
             r.mkdir("locked");
             ::chmod(QFile::encodeName(r.filePath("locked")).constData(), 0600);
         },
         unopenable +
             "Keine Berechtigung: Die Rechte erlauben diesen Zugriff nicht, oder ein Ordner auf dem Weg "
             "dorthin darf nicht geöffnet werden.",
         true},
    };
    for (const auto& c : cases) {
        if (c.needsUnprivileged && ::geteuid() == 0)
            continue; // permissions do not bind root
        QTemporaryDir dir;
        const QDir root(dir.path());
        c.prepare(root);
        const QString path = root.filePath(c.folder);
        EXPECT_EQ(folderAccess(path, R_OK | X_OK).german(QStringLiteral("Ordner X"), path), c.german);
        ::chmod(QFile::encodeName(root.filePath(QStringLiteral("locked"))).constData(), 0700); // to clean up
    }
}
