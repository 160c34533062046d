#include "components/RegularFile.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

void writeFile(const QString& path, qint64 size)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(QByteArray(size, 'a')) == size);
}

void link(const QString& target, const QString& name)
{
    ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(name).constData()), 0);
}

void fifo(const QString& path)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
}

} // namespace

// Each case plants one thing under the name "x" in an empty folder, as a pupil could in a share; the
// reader reads it or refuses it with a German sentence and a diagnostic, and never blocks.
TEST(RegularFile, IsReadOrRefusedWithoutBlocking)
{
    constexpr qint64 Limit = 100;
    const QString tooBig = "Die Datei ist größer als 100 Bytes";
    const QString device = "Das ist keine gewöhnliche Datei, sondern ein Gerät.";
    const QString pipe = "Das ist keine gewöhnliche Datei, sondern eine benannte Pipe (FIFO).";
    const struct {
        const char* name;
        void (*plant)(const QDir& folder);
        LinkRule links;
        QString problem; // the start of the German sentence; empty: read
        bool needsUnprivileged = false;
    } cases[] = {
        {"FileOfTheLimit", [](const QDir& d) { writeFile(d.filePath("x"), Limit); }, LinkRule::Refuse, {}},
        {"FileOverTheLimit", [](const QDir& d) { writeFile(d.filePath("x"), Limit + 1); }, LinkRule::Follow,
         tooBig},
        // Reports its size as 0 and has more to read: the limit counts what arrives.
        {"ProcFileOfSizeZero", [](const QDir& d) { link("/proc/self/status", d.filePath("x")); },
         LinkRule::Follow, tooBig},
        {"Fifo", [](const QDir& d) { fifo(d.filePath("x")); }, LinkRule::Follow, pipe},
        {"LinkToFifo",
         [](const QDir& d) {
             fifo(d.filePath("p"));
             link(d.filePath("p"), d.filePath("x"));
         },
         LinkRule::Follow, pipe},
        {"LinkToDevZero", [](const QDir& d) { link("/dev/zero", d.filePath("x")); }, LinkRule::Follow,
         device},
        {"LinkToTty", [](const QDir& d) { link("/dev/tty", d.filePath("x")); }, LinkRule::Follow, device},
        {"LinkInAShare",
         [](const QDir& d) {
             writeFile(d.filePath("f"), 1);
             link(d.filePath("f"), d.filePath("x"));
         },
         LinkRule::Refuse, "Das ist eine symbolische Verknüpfung"},
        {"Folder", [](const QDir& d) { d.mkdir("x"); }, LinkRule::Follow, "Das ist ein Ordner, keine Datei."},
        {"Nothing", [](const QDir&) {}, LinkRule::Follow, "Unter diesem Namen gibt es nichts."},
        {"LinkLoop",
         [](const QDir& d) {
             link(d.filePath("y"), d.filePath("x"));
             link(d.filePath("x"), d.filePath("y"));
         },
         LinkRule::Follow, "Der Name führt über zu viele symbolische Verknüpfungen"},
        {"InAFolderThatCannotBeSearched",
         [](const QDir& d) {
             d.mkdir("d");
             writeFile(d.filePath("d/f"), 1);
             link(d.filePath("d/f"), d.filePath("x"));
             ::chmod(QFile::encodeName(d.filePath("d")).constData(), 0600);
         },
         LinkRule::Follow, "Keine Berechtigung", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.needsUnprivileged && ::geteuid() == 0)
            continue; // permissions do not bind root
        QTemporaryDir dir;
        c.plant(QDir(dir.path()));
        const FileContent content = readRegularFile(dir.filePath(QStringLiteral("x")), Limit, c.links);
        if (c.problem.isEmpty()) {
            ASSERT_TRUE(content.bytes) << content.problem.toStdString();
            EXPECT_EQ(content.bytes->size(), Limit);
        } else {
            EXPECT_FALSE(content.bytes);
            EXPECT_TRUE(content.problem.startsWith(c.problem)) << content.problem.toStdString();
            EXPECT_FALSE(content.diagnostic.isEmpty());
        }
        ::chmod(QFile::encodeName(dir.filePath(QStringLiteral("d"))).constData(), 0700); // to clean up
    }
}
