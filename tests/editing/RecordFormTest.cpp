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
        {Section::Equations, {"@3Fe+@2O2=@1Fe3O4"}, "3 Fe + 2 O2 = 1 Fe3O4"},
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

// A teacher writes an equation as on the board; the file gets its notation, and back.
TEST(RecordForm, WritesEquationsAsOnTheBoard)
{
    const struct {
        QString readable;
        QString line;
    } both[] = {
        {"3 Fe + 2 O2 = 1 Fe3O4", "@3Fe+@2O2=@1Fe3O4"},
        {"2 H2O = 2 H2 + 1 O2", "@2H2O=@2H2+@1O2"},
        {"@2H2 + @1O2 = @2H2O", "@2H2 + @1O2 = @2H2O"}, // written in the notation: as it stands
        {"2 H2 + 1 O2", "2 H2 + 1 O2"},                 // no "=": the check says what is missing
    };
    for (const auto& c : both) {
        EXPECT_EQ(equationLine(c.readable), c.line) << c.readable.toStdString();
        if (!c.readable.contains(QLatin1Char('@')) && c.line.contains(QLatin1Char('@'))) {
            EXPECT_EQ(readableEquation(c.line), c.readable);
        }
    }
    EXPECT_EQ(equationLine(QStringLiteral("2Cu + S → Cu2 S")), QStringLiteral("@2Cu+@1S=@1Cu2S"));
    EXPECT_EQ(readableEquation(QStringLiteral("@2H2 + @1O2 = @2H2O")), QStringLiteral("2 H2 + 1 O2 = 2 H2O"));
    EXPECT_EQ(readableEquation(QStringLiteral("2H2@+O2=H2O")), QStringLiteral("2H2@+O2=H2O")); // broken
}
