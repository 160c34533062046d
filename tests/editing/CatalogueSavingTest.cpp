#include "editing/CatalogueSaving.h"
#include "desktop/SmallDisk.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum class Before { NoFile, File, LinkAtFile, LinkAtBackup, FullDisk };

// The content, or "-" when nothing regular stands under the name.
QByteArray contentOf(const QString& path)
{
    struct stat status {};
    QFile file(path);
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode) ||
        !file.open(QIODevice::ReadOnly))
        return "-";
    return file.readAll();
}

mode_t permissionsOf(const QString& path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 0777 : 0;
}

} // namespace

// The old file is kept as NAME.bak with its permissions; what stands in the way (a link planted at either
// name, a full disk) fails the save with its cause and leaves the file and the link's target as they were.
TEST(CatalogueSaving, KeepsTheOldFileAndNeverWritesThroughALink)
{
    const struct {
        Before before;
        QString cause; // empty when saved
        QByteArray file, backup;
    } cases[] = {
        {Before::NoFile, "", "neu", "-"},
        {Before::File, "", "neu", "alt"},
        {Before::LinkAtFile, "symbolische Verknüpfung", "-", "-"},
        {Before::LinkAtBackup, "symbolische Verknüpfung", "alt", "-"},
        {Before::FullDisk, "Kein Speicherplatz", "alt", "-"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.before));
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("katalog"));
        std::optional<SmallDisk> disk;
        if (c.before == Before::FullDisk) {
            disk.emplace(folder);
            if (!disk->whyNot().isEmpty())
                GTEST_SKIP() << disk->whyNot().toStdString();
        }
        ASSERT_TRUE(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/koltest.dat");
        const QString backup = path + QStringLiteral(".bak");
        const QString victim = dir.filePath(QStringLiteral("fremd"));
        ASSERT_TRUE(writeWhole(victim, "fremd"));
        ASSERT_TRUE(c.before != Before::LinkAtFile || makeLink(victim, path));
        if (c.before != Before::NoFile && c.before != Before::LinkAtFile) {
            ASSERT_TRUE(writeWhole(path, "alt"));
            ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0600), 0);
        }
        ASSERT_TRUE(c.before != Before::LinkAtBackup || makeLink(victim, backup));
        ASSERT_TRUE(!disk || disk->fill());

        const QString problem = saveCatalogue(path, "neu");
        EXPECT_EQ(problem.isEmpty(), c.cause.isEmpty()) << problem.toStdString();
        EXPECT_TRUE(problem.contains(c.cause)) << problem.toStdString();
        EXPECT_EQ(contentOf(path), c.file);
        EXPECT_EQ(contentOf(backup), c.backup);
        EXPECT_EQ(contentOf(victim), "fremd");
        if (c.before == Before::File) {
            EXPECT_EQ(permissionsOf(path), 0600u);
            EXPECT_EQ(permissionsOf(backup), 0600u);
        }
    }
}
