#include "editing/CatalogueDocument.h"
#include "editing/RecordFindings.h"
#include "support/CatalogueBuilder.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <functional>

#include <gtest/gtest.h>

namespace {

CatalogueDocument opened(const QByteArray& bytes)
{
    QString problem;
    std::optional<CatalogueDocument> document = CatalogueDocument::open(bytes, problem);
    EXPECT_TRUE(document) << problem.toStdString();
    return document ? std::move(*document) : *CatalogueDocument::open(QByteArray(), problem);
}

int record(const CatalogueDocument& document, Section section, CataloguePart part, int index)
{
    return document.records(section, part).value(index);
}

// Two element parts and a syllable section without an expert part.
QByteArray sample(const QStringList& elements, const QStringList& syllables = {"1|mono"})
{
    return catalogueFile(
        {{Section::Elements, recordLines(elements)}, {Section::Syllables, recordLines(syllables)}});
}

const QStringList Elements = {"Eisen|Fe", "Kupfer|Cu", "ææ", "Gold|Au"};
constexpr auto Beginner = CataloguePart::Beginner;
constexpr auto Expert = CataloguePart::Expert;

struct Change {
    const char* name;
    std::function<void(CatalogueDocument&)> change;
    QByteArray after;
};

} // namespace

// Every catalogue the project has, broken ones included, comes back byte for byte.
TEST(CatalogueDocument, SavesAnUnchangedFileByteForByte)
{
    QStringList paths = {QStringLiteral(KOLTEST_SHIPPED_DATA "/koltest.dat")};
    for (const char* folder : {"/check", "/fuzz/catalogue"})
        for (QDirIterator files(QStringLiteral(KOLTEST_TEST_DATA) + QLatin1String(folder), QDir::Files);
             files.hasNext();)
            paths << files.next();
    QStringList refused;
    for (const QString& path : paths) {
        const QByteArray bytes = readWhole(path);
        QString problem;
        const std::optional<CatalogueDocument> document = CatalogueDocument::open(bytes, problem);
        if (!document) {
            EXPECT_FALSE(problem.isEmpty()) << path.toStdString();
            refused << QFileInfo(path).fileName();
            continue;
        }
        EXPECT_EQ(document->bytes(), bytes) << path.toStdString();
        EXPECT_FALSE(document->isModified());
    }
    EXPECT_EQ(refused, (QStringList{"utf16.dat", "utf32.dat"})); // no text of their kind is read
    QString problem;
    EXPECT_FALSE(CatalogueDocument::open(QByteArray(100001, '\n'), problem));
    EXPECT_EQ(problem,
              QStringLiteral("Die Datei hat mehr als 100.000 Zeilen; so lang ist kein Aufgabenkatalog."));
}

// Each change writes what it should and nothing else; undo brings the file back, redo the change.
TEST(CatalogueDocument, ChangesTouchOnlyTheirLinesAndUndo)
{
    const Change changes[] = {
        {"field", [](auto& d) { d.setField(record(d, Section::Elements, Beginner, 1), 0, "Kupfer*Cuprum"); },
         sample({"Eisen|Fe", "Kupfer*Cuprum|Cu", "ææ", "Gold|Au"})},
        {"umlaut in Windows-1252",
         [](auto& d) { d.setField(record(d, Section::Elements, Beginner, 0), 0, "Eisen*Fä"); },
         sample({"Eisen*Fä|Fe", "Kupfer|Cu", "ææ", "Gold|Au"})},
        {"line break", [](auto& d) { d.setField(record(d, Section::Elements, Expert, 0), 0, "Go\r\nld"); },
         sample({"Eisen|Fe", "Kupfer|Cu", "ææ", "Go  ld|Au"})},
        {"add for beginners",
         [](auto& d) {
             d.addRecord(Section::Elements, Beginner, {"Zink", "Zn"});
         },
         sample({"Eisen|Fe", "Kupfer|Cu", "Zink|Zn", "ææ", "Gold|Au"})},
        {"add for experts", [](auto& d) { d.addRecord(Section::Elements, Expert, {"Zink"}); },
         sample({"Eisen|Fe", "Kupfer|Cu", "ææ", "Gold|Au", "Zink|"})},
        {"to the experts", [](auto& d) { d.moveToPart(record(d, Section::Elements, Beginner, 1), Expert); },
         sample({"Eisen|Fe", "ææ", "Kupfer|Cu", "Gold|Au"})},
        {"to the beginners", [](auto& d) { d.moveToPart(record(d, Section::Elements, Expert, 0), Beginner); },
         sample({"Eisen|Fe", "Kupfer|Cu", "Gold|Au", "ææ"})},
        {"first beginner part",
         [](auto& d) { d.moveToPart(record(d, Section::Syllables, Expert, 0), Beginner); },
         sample(Elements, {"1|mono", "ææ"})},
        {"down", [](auto& d) { d.moveBy(record(d, Section::Elements, Beginner, 0), 1); },
         sample({"Kupfer|Cu", "Eisen|Fe", "ææ", "Gold|Au"})},
        {"duplicate", [](auto& d) { d.duplicateRecord(record(d, Section::Elements, Beginner, 0)); },
         sample({"Eisen|Fe", "Eisen|Fe", "Kupfer|Cu", "ææ", "Gold|Au"})},
        {"delete", [](auto& d) { d.deleteRecord(record(d, Section::Elements, Expert, 0)); },
         sample({"Eisen|Fe", "Kupfer|Cu", "ææ"})},
    };
    for (const Change& row : changes) {
        SCOPED_TRACE(row.name);
        CatalogueDocument document = opened(sample(Elements));
        row.change(document);
        EXPECT_EQ(document.bytes(), row.after);
        EXPECT_TRUE(document.isModified());
        document.undo();
        EXPECT_EQ(document.bytes(), sample(Elements));
        EXPECT_FALSE(document.isModified());
        document.redo();
        EXPECT_EQ(document.bytes(), row.after);
    }
}

TEST(CatalogueDocument, KeepsTheEncodingAndLineEndsOfTheFile)
{
    const auto utf8 = [](const QByteArray& windows1252) {
        QStringDecoder decoder("windows-1252");
        return QByteArray("\xEF\xBB\xBF") + QString(decoder(windows1252)).toUtf8().replace("\r\n", "\n");
    };
    CatalogueDocument document = opened(utf8(sample(Elements)));
    document.setField(record(document, Section::Elements, Beginner, 0), 0, QStringLiteral("Eisen€"));
    document.addRecord(Section::Elements, Expert, {QStringLiteral("Zink"), QStringLiteral("Zn")});
    EXPECT_EQ(document.bytes(), utf8(sample({"Eisen€|Fe", "Kupfer|Cu", "ææ", "Gold|Au", "Zink|Zn"})));

    // A last line without its end gets one before a new line follows it.
    QByteArray cut = catalogueFile({{Section::Amounts, recordLines({"Frage?|2.0"})}});
    cut.chop(5); // "@\r\n" and the last line's end
    CatalogueDocument ending = opened(cut);
    ending.addRecord(Section::Amounts, Expert, {QStringLiteral("Noch?"), QStringLiteral("1.0")});
    EXPECT_EQ(ending.bytes(), cut + "\r\nNoch?\r\n1.0\r\n");
}

// Typing on in one field is one step of the history; another field or record begins the next.
TEST(CatalogueDocument, TypingInOneFieldIsOneStep)
{
    CatalogueDocument document = opened(sample(Elements));
    const int iron = record(document, Section::Elements, Beginner, 0);
    for (const char* typed : {"E", "Ei", "Eis"})
        document.setField(iron, 0, QString::fromUtf8(typed));
    document.setField(iron, 1, QStringLiteral("F"));
    document.setField(iron, 1, QStringLiteral("Fx"));
    document.undo();
    EXPECT_EQ(document.fields(iron), (QStringList{"Eis", "Fe"}));
    document.undo();
    EXPECT_EQ(document.fields(iron), (QStringList{"Eisen", "Fe"}));
    EXPECT_FALSE(document.canUndo());
    document.redo();
    document.setField(iron, 0, QStringLiteral("Eisen")); // a change after undo drops what redo had
    EXPECT_FALSE(document.canRedo());
}

TEST(CatalogueDocument, NamesWhatAFileCannotHold)
{
    const CatalogueDocument windows1252 = opened(sample(Elements));
    const struct {
        const char* text;
        bool utf8;
        const char* problem; // a part of it; empty for none
    } rows[] = {
        {"#", false, "„#“"},   {"@", true, "„@“"}, {"ææ", false, "„ææ“"},      {"Säure ß €", false, ""},
        {"H₂O", false, "„₂“"}, {"H₂O", true, ""},  {"# Kommentar", false, ""},
    };
    QByteArray utf8File = QByteArray("\xEF\xBB\xBF") + sample({"Eisen|Fe"});
    const CatalogueDocument utf8 = opened(utf8File);
    for (const auto& row : rows) {
        const QString problem = (row.utf8 ? utf8 : windows1252).unsavable(QString::fromUtf8(row.text));
        EXPECT_EQ(problem.isEmpty(), !*row.problem) << row.text;
        EXPECT_TRUE(problem.contains(QString::fromUtf8(row.problem))) << row.text;
    }
}

// A finding stands beside its field, also after lines were added above it, and goes with the fault.
TEST(RecordFindings, FollowTheRecordTheyConcern)
{
    CatalogueDocument document = opened(readWhole(QStringLiteral(KOLTEST_SHIPPED_DATA "/koltest.dat")));
    EXPECT_EQ(errorCount(findRecordProblems(document)), 0);
    document.addRecord(Section::Elements, Beginner, {QStringLiteral("Hafnium"), QStringLiteral("Hf")});
    const int mass = record(document, Section::MolarMasses, Beginner, 0);
    const QString stored = document.fields(mass).at(1);
    document.setField(mass, 1, QStringLiteral("99.9"));
    const QList<RecordFinding> findings = findRecordProblems(document);
    ASSERT_EQ(errorCount(findings), 1);
    EXPECT_EQ(findings.constFirst().id, mass);
    EXPECT_EQ(findings.constFirst().field, 1);
    document.setField(mass, 2, QStringLiteral("#"));
    const QList<RecordFinding> marker = findRecordProblems(document);
    EXPECT_TRUE(std::any_of(marker.begin(), marker.end(), [mass](const RecordFinding& finding) {
        return finding.id == mass && finding.field == 2 &&
               finding.problem.message.contains(QStringLiteral("„#“"));
    }));
    document.undo();
    document.undo();
    EXPECT_EQ(document.fields(mass).at(1), stored);
    EXPECT_EQ(errorCount(findRecordProblems(document)), 0);
}
