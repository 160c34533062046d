#include "editing/RecordForm.h"
#include "catalogue/CatalogueChecker.h"
#include "support/CatalogueBuilder.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

// A new record is what a teacher starts from: in every section it fills a record's lines and draws no
// finding of the check. The sections are too small for their pages, so only findings at the markers stand.
TEST(RecordForm, NewRecordsPassTheCheck)
{
    QMap<Section, QStringList> bodies;
    for (Section section : allSections) {
        const QStringList fields = newRecordFields(section);
        ASSERT_EQ(fields.size(), linesPerRecord(section)) << sectionNumber(section);
        ASSERT_EQ(fieldForms(section).size(), linesPerRecord(section)) << sectionNumber(section);
        bodies[section] = fields + QStringList{QStringLiteral("ææ")};
    }
    const QByteArray file = catalogueFile(bodies);
    const QList<QByteArray> lines = file.split('\n');
    for (const CatalogueProblem& problem : checkCatalogue(file)) {
        const QByteArray line = problem.line > 0 ? lines.at(problem.line - 1).trimmed() : QByteArray();
        EXPECT_TRUE(line == "#" || line == "@" || line == "\xE6\xE6") << problem.message.toStdString();
    }
}

TEST(RecordForm, TitlesTheRecordShortly)
{
    const QString question = QStringLiteral("Wie viel mol sind 128 g Schwefeldioxid (SO2)? Runde auf eine "
                                            "Nachkommastelle.");
    const struct {
        Section section;
        QStringList fields;
        QString title;
    } cases[] = {
        {Section::Elements, {"Calcium*Kalzium", "Ca"}, "Calcium (Ca)"},
        {Section::Syllables, {"8", "octa*okta"}, "8 – octa"},
        {Section::Charges, {"Sulfat-Ion", "-2"}, "Sulfat-Ion (-2)"},
        {Section::Substances, {"Eisen(III)-*Eisen(III)", "oxid", "Fe2O3"}, "Eisen(III)-oxid (Fe2O3)"},
        {Section::Substances, {"Ammoniak", "", ""}, "Ammoniak"},
        {Section::Amounts, {question, "2.0"}, question.left(59) + QStringLiteral("…")},
        {Section::Definitions, {" ", "Kleinstes Teilchen"}, "(leer)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(recordTitle(c.section, c.fields), c.title);
}

// The editor lists the variants as the program splits them, and joins them back to the same line.
TEST(RecordForm, SplitsVariantsAsTheProgramDoes)
{
    const struct {
        QString field;
        QStringList variants;
    } cases[] = {
        {"Calcium*Kalzium", {"Calcium", "Kalzium"}},
        {"", {""}},
        {"*a**", {"", "a", "", ""}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(variantsOf(c.field), c.variants);
        EXPECT_EQ(variantsField(c.variants), c.field);
    }
}
