#include "results/records/ResultsCsv.h"
#include "results/records/RecordSamples.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct FieldCase {
    const char* value;
    const char* field;
};

class CsvField : public ::testing::TestWithParam<FieldCase> {};

TEST_P(CsvField, IsQuotedAndGuardedAsASpreadsheetNeeds)
{
    EXPECT_EQ(csvField(QString::fromUtf8(GetParam().value)), QString::fromUtf8(GetParam().field));
}

INSTANTIATE_TEST_SUITE_P(
    Table, CsvField,
    ::testing::Values(FieldCase{"Anna", "Anna"}, FieldCase{"", ""}, FieldCase{"Müller, Jörg", "Müller, Jörg"},
                      FieldCase{"a;b", "\"a;b\""}, FieldCase{"say \"hi\"", "\"say \"\"hi\"\"\""},
                      FieldCase{"two\nlines", "\"two\nlines\""}, FieldCase{"cr\rhere", "\"cr\rhere\""},
                      FieldCase{"=SUMME(A1:A9)", "'=SUMME(A1:A9)"}, FieldCase{"+49 170", "'+49 170"},
                      FieldCase{"-Anna", "'-Anna"}, FieldCase{"@Anna", "'@Anna"},
                      FieldCase{"\tAnna", "'\tAnna"}, FieldCase{"\rAnna", "\"'\rAnna\""},
                      FieldCase{"=1;2", "\"'=1;2\""}, FieldCase{"Anna=1", "Anna=1"}, FieldCase{"1+", "1+"}));

TEST(ResultsCsv, OneRowHasEveryColumnInItsOwnField)
{
    ResultRecord record = sampleRecord(QStringLiteral("Weiß; \"Ali\""), "2026-12-06", "10:15:00", 37, 52, 5);
    record.expert = true;
    const QString header = csvHeader();
    const QString row = csvRow(record);
    EXPECT_TRUE(header.startsWith(QStringLiteral(
        "Datum;Beginn;Ende;Dauer (Minuten);Name;Schwierigkeit;Richtig;Gestellt;Note;Elemente richtig;"
        "Elemente gestellt;Zahlsilben richtig")))
        << header.toStdString();
    EXPECT_TRUE(
        header.endsWith(QStringLiteral("Ja/Nein richtig;Ja/Nein gestellt;Notenwert;Vorzeitig beendet")));
    // 754 s are 12,6 minutes; "2-" keeps its look with a minus sign no spreadsheet reads as a number;
    // "5 of 6" stands in two fields, never as "5/6".
    EXPECT_EQ(row, QStringLiteral(
                       "06.12.2026;10:02:26;10:15:00;12,6;\"Weiß; \"\"Ali\"\"\";Experte / Expertin;37;52;"
                       "2\u2212;5;6;1;2;1;2;1;2;1;2;1;2;1;2;1;2;1;2;2,3;nein"));
    EXPECT_EQ(header.count(QLatin1Char(';')), row.count(QLatin1Char(';')) - 1); // one in the quoted name
}

TEST(ResultsCsv, AnUnknownStartLeavesStartAndDurationEmpty)
{
    ResultRecord record = sampleRecord(QStringLiteral("Ben"), "2026-12-06", "10:15:00", 52, 52);
    record.start = QTime();
    record.durationSeconds.reset();
    EXPECT_TRUE(csvRow(record).startsWith(
        QStringLiteral("06.12.2026;;10:15:00;;Ben;Normale(r) Schüler(in);52;52;1+;")))
        << csvRow(record).toStdString();
}

TEST(ResultsCsv, TheFileHasAByteOrderMarkAndWindowsLineEnds)
{
    const QList<ResultRecord> records = {sampleRecord(QStringLiteral("Anna\nBerg"), "2026-12-06", "10:15:00"),
                                         sampleRecord(QStringLiteral("Ben"), "2026-12-06", "11:15:00")};
    const QByteArray file = csvDocument(records);
    ASSERT_TRUE(file.startsWith("\xEF\xBB\xBF"
                                "Datum;"));
    EXPECT_TRUE(file.endsWith(";1;2;2,0;nein\r\n"));
    EXPECT_EQ(file.count("\r\n"), 3); // header and two runs; the name's line break is inside quotes
    EXPECT_TRUE(file.contains("\"Anna\nBerg\""));
    EXPECT_EQ(csvDocument({}), QByteArray("\xEF\xBB\xBF") + csvHeader().toUtf8() + "\r\n");
}

// The task table is built as the results table is; a task is catalogue text and guarded like any field.
TEST(ResultsCsv, TheTaskTableHasOneRowPerTask)
{
    const TaskSummary task{TaskCategory::Equations, QStringLiteral("=H2 + O2 → H2O"), "2 1 2", 8, 3};
    EXPECT_EQ(csvTaskHeader(),
              QStringLiteral("Bereich;Aufgabe;Richtige Antwort;Gestellt;Richtig;Anteil richtig (%)"));
    EXPECT_EQ(csvTaskRow(task), QStringLiteral("Gleichungen;'=H2 + O2 → H2O;2 1 2;8;3;37,5"));
}

} // namespace
