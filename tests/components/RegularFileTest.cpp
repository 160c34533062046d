#include "components/RegularFile.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 Limit = 100;

// Each case plants one thing under the name "x" in an empty folder, as a pupil could in a share.
struct Planted {
    const char* name;
    void (*plant)(const QDir& folder);
    LinkRule links;
    const char* problem; // the start of the German sentence; nullptr: read
    bool needsUnprivileged = false;
};

void writeFile(const QString& path, qint64 size)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(size, 'a'));
}

void link(const QString& target, const QString& name)
{
    ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(name).constData()), 0);
}

void fifo(const QString& path)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
}

class HostileFile : public ::testing::TestWithParam<Planted> {};

TEST_P(HostileFile, IsReadOrRefusedWithoutBlocking)
{
    const Planted& c = GetParam();
    if (c.needsUnprivileged && ::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    QTemporaryDir dir;
    const QDir folder(dir.path());
    c.plant(folder);
    const FileContent content = readRegularFile(folder.filePath(QStringLiteral("x")), Limit, c.links);
    if (!c.problem) {
        ASSERT_TRUE(content.bytes) << content.problem.toStdString();
        EXPECT_FALSE(content.bytes->isEmpty());
        return;
    }
    EXPECT_FALSE(content.bytes);
    EXPECT_TRUE(content.problem.startsWith(QString::fromUtf8(c.problem))) << content.problem.toStdString();
    EXPECT_FALSE(content.diagnostic.isEmpty());
    ::chmod(QFile::encodeName(dir.path() + QStringLiteral("/d")).constData(), 0700); // to clean up
}

INSTANTIATE_TEST_SUITE_P(
    Table, HostileFile,
    ::testing::Values(
        Planted{"FileOfTheLimit", [](const QDir& d) { writeFile(d.filePath("x"), Limit); }, LinkRule::Refuse,
                nullptr},
        Planted{"FileOverTheLimit", [](const QDir& d) { writeFile(d.filePath("x"), Limit + 1); },
                LinkRule::Follow, "Die Datei ist größer als 100 Bytes"},
        // Reports its size as 0 and has more to read: the limit counts what arrives.
        Planted{"ProcFileOfSizeZero", [](const QDir& d) { link("/proc/self/status", d.filePath("x")); },
                LinkRule::Follow, "Die Datei ist größer als 100 Bytes"},
        Planted{"Fifo", [](const QDir& d) { fifo(d.filePath("x")); }, LinkRule::Follow,
                "Das ist keine gewöhnliche Datei, sondern eine benannte Pipe (FIFO)."},
        Planted{"LinkToFifo",
                [](const QDir& d) {
                    fifo(d.filePath("p"));
                    link(d.filePath("p"), d.filePath("x"));
                },
                LinkRule::Follow, "Das ist keine gewöhnliche Datei, sondern eine benannte Pipe (FIFO)."},
        Planted{"LinkToDevZero", [](const QDir& d) { link("/dev/zero", d.filePath("x")); }, LinkRule::Follow,
                "Das ist keine gewöhnliche Datei, sondern ein Gerät."},
        Planted{"LinkToTty", [](const QDir& d) { link("/dev/tty", d.filePath("x")); }, LinkRule::Follow,
                "Das ist keine gewöhnliche Datei, sondern ein Gerät."},
        Planted{"LinkInAShare",
                [](const QDir& d) {
                    writeFile(d.filePath("f"), 1);
                    link(d.filePath("f"), d.filePath("x"));
                },
                LinkRule::Refuse, "Das ist eine symbolische Verknüpfung"},
        Planted{"Folder", [](const QDir& d) { d.mkdir("x"); }, LinkRule::Follow,
                "Das ist ein Ordner, keine Datei."},
        Planted{"Nothing", [](const QDir&) {}, LinkRule::Follow, "Unter diesem Namen gibt es nichts."},
        Planted{"LinkLoop",
                [](const QDir& d) {
                    link(d.filePath("y"), d.filePath("x"));
                    link(d.filePath("x"), d.filePath("y"));
                },
                LinkRule::Follow, "Der Name führt über zu viele symbolische Verknüpfungen"},
        Planted{"InAFolderThatCannotBeSearched",
                [](const QDir& d) {
                    d.mkdir("d");
                    writeFile(d.filePath("d/f"), 1);
                    link(d.filePath("d/f"), d.filePath("x"));
                    ::chmod(QFile::encodeName(d.filePath("d")).constData(), 0600);
                },
                LinkRule::Follow, "Keine Berechtigung", true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
