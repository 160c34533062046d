#include "FuzzProperties.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

// Every input that a fuzz target once failed on is kept in tests/data/fuzz/<target>/ and goes through the
// same entry point as in the fuzz target, so that the fault cannot come back unnoticed.

namespace {

struct FuzzTarget {
    const char* folder;
    QString (*properties)(QByteArrayView);
};

class KeptFuzzInputs : public ::testing::TestWithParam<FuzzTarget> {};

} // namespace

TEST_P(KeptFuzzInputs, HoldEveryProperty)
{
    const QDir folder(QStringLiteral(KOLTEST_TEST_DATA "/fuzz/") + QLatin1String(GetParam().folder));
    const QStringList inputs = folder.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(inputs.isEmpty()) << folder.path().toStdString();
    for (const QString& name : inputs) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_EQ(GetParam().properties(file.readAll()), QString()) << name.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, KeptFuzzInputs,
                         ::testing::Values(FuzzTarget{"catalogue", catalogueProperties},
                                           FuzzTarget{"numbers", numberProperties},
                                           FuzzTarget{"notation", notationProperties},
                                           FuzzTarget{"form", formProperties},
                                           FuzzTarget{"record", recordProperties}),
                         [](const auto& info) { return std::string(info.param.folder); });
