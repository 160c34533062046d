#include "FuzzProperties.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

// Every input that a fuzz target once failed on is kept in tests/data/fuzz/<target>/ and goes through the
// same entry point as in the fuzz target, so that the fault cannot come back unnoticed.
TEST(KeptFuzzInputs, HoldEveryProperty)
{
    const struct {
        const char* folder;
        QString (*properties)(QByteArrayView);
    } targets[] = {{"catalogue", catalogueProperties}, {"numbers", numberProperties},
                   {"notation", notationProperties},   {"form", formProperties},
                   {"record", recordProperties}};
    for (const auto& target : targets) {
        const QDir folder(QStringLiteral(KOLTEST_TEST_DATA "/fuzz/") + QLatin1String(target.folder));
        const QStringList inputs = folder.entryList(QDir::Files, QDir::Name);
        ASSERT_FALSE(inputs.isEmpty()) << folder.path().toStdString();
        for (const QString& name : inputs) {
            QFile file(folder.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
            EXPECT_EQ(target.properties(file.readAll()), QString()) << name.toStdString();
        }
    }
}
