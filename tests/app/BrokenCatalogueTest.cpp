#include "support/WindowFixture.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

// Whatever a teacher's catalogue looks like, the window opens, a test starts and every page can be walked.

namespace {

QList<QByteArray> brokenCatalogues()
{
    QList<QByteArray> files;
    const QDir fixtures(QStringLiteral(KOLTEST_TEST_DATA "/check"));
    for (const QString& name : fixtures.entryList({QStringLiteral("*.dat")}, QDir::Files, QDir::Name)) {
        QFile file(fixtures.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        files << file.readAll();
    }
    QRandomGenerator bytes(7);
    for (int size : {0, 1, 2, 300, 5000}) {
        QByteArray noise(size, Qt::Uninitialized);
        for (char& c : noise)
            c = static_cast<char>(bytes.bounded(256));
        files << noise;
    }
    files << QByteArray("#\r@\r#\r@\r#\r@\r#\r@\r#\r@\r#\r@\r#\r@\r#\r@\r#\r@") // nine empty sections
          << QByteArray("#\n\xE6\xE6\n\xE6\xE6\n@\n#\n99999999\nx\n@");         // markers only, huge number
    return files;
}

} // namespace

TEST_F(WindowTest, EveryBrokenCatalogueStillGivesAWorkingTestRun)
{
    const QList<QByteArray> files = brokenCatalogues();
    ASSERT_GT(files.size(), 10);
    for (int level : {0, 1}) {
        for (const QByteArray& bytes : files) {
            writeCatalogue(bytes);
            world.userName = QStringLiteral("Mia");
            world.parameters[QStringLiteral("DIFFICULTY")] = QString::number(level);
            frm_AppMain window(context, world);
            window.Form_Load();
            window.but_OK_Click();
            ASSERT_EQ(window.m_CurrentPage, 1);
            for (int step = 0; step < 9; ++step) {
                window.but_OK_Click();
                window.but_Next_Click();
            }
            EXPECT_EQ(window.m_CurrentPage, 6);
            ResetTestRun(state);
        }
    }
}
