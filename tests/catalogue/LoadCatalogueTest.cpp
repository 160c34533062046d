#include "catalogue/LoadCatalogue.h"
#include "catalogue/CatalogueChecker.h"
#include "support/CatalogueBuilder.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Loaded {
    CatalogueArrays arrays;
    CatalogueLoad load;
};

Loaded loadBytes(const QByteArray& bytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("koltest.dat"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    Loaded loaded;
    loaded.load = LoadCatalogue(path, loaded.arrays);
    return loaded;
}

struct LoadCase {
    const char* name;
    QByteArray file;
    std::function<void(const Loaded&)> check;
};

class Loader : public ::testing::TestWithParam<LoadCase> {};

// Whether the load reports a problem at the line whose message starts with the text.
bool hasProblem(const Loaded& loaded, int line, const QString& start)
{
    return std::any_of(
        loaded.load.problems.begin(), loaded.load.problems.end(),
        [&](const CatalogueProblem& p) { return p.line == line && p.message.startsWith(start); });
}

TEST_P(Loader, ReadsTheFileAsTeachersWriteIt)
{
    GetParam().check(loadBytes(GetParam().file));
}

const QString definition130 = QString(130, QLatin1Char('d'));

INSTANTIATE_TEST_SUITE_P(Table, Loader,
                         ::testing::Values(LoadCase{"AllRecordLayouts",
                                                    catalogueFile(
                                                        {{Section::Elements, {"Iod*Jod", "I"}},
                                                         {Section::Syllables, {"8", "octa*okta"}},
                                                         {Section::MolarMasses, {"Wasser", "18.0", "H2O"}},
                                                         {Section::Definitions, {"Atom", definition130}},
                                                         {Section::Charges, {"Sulfat-Ion", "-2"}},
                                                         {Section::YesNo,
                                                          {"Wasser ist nass.", " j ", "Eis ist heiß.", "Ja"}},
                                                         {Section::Equations, {"@2H2+@1O2=@2H2O"}},
                                                         {Section::Substances,
                                                          {"Natrium*Kalium", "chlorid", "NaCl"}},
                                                         {Section::Amounts, {"Wie viel mol?", "2.0"}}}),
                                                    [](const Loaded& l) {
                                                        EXPECT_EQ(l.load.extent, CatalogueExtent::Whole);
                                                        ASSERT_EQ(upperBound(l.arrays.g_ElementTasks), 1);
                                                        EXPECT_EQ(l.arrays.g_ElementTasks[1].Names->items(),
                                                                  QStringList({"Iod", "Jod"}));
                                                        EXPECT_EQ(l.arrays.g_ElementTasks[1].Symbol, "I");
                                                        EXPECT_EQ(l.arrays.g_SyllableTasks[1].Value, 8);
                                                        EXPECT_EQ(
                                                            l.arrays.g_SyllableTasks[1].Syllables->Item(2),
                                                            "okta");
                                                        EXPECT_EQ(l.arrays.g_MolarMassTasks[1].Formula.text(),
                                                                  QString("Wasser").leftJustified(40));
                                                        EXPECT_FLOAT_EQ(
                                                            l.arrays.g_MolarMassTasks[1].MolarMass, 18.0f);
                                                        EXPECT_EQ(l.arrays.g_MolarMassTasks[1].Term, "H2O");
                                                        EXPECT_EQ(l.arrays.g_DefinitionTasks[1].Term.text(),
                                                                  QString("Atom").leftJustified(20));
                                                        EXPECT_EQ(
                                                            l.arrays.g_DefinitionTasks[1].Definition.text(),
                                                            QString(120, QLatin1Char('d')));
                                                        EXPECT_EQ(l.arrays.g_ChargeTasks[1].Value, -2);
                                                        EXPECT_EQ(l.arrays.g_YesNoTasks[1].Answer, -1);
                                                        EXPECT_EQ(l.arrays.g_YesNoTasks[2].Answer, 0);
                                                        EXPECT_EQ(l.arrays.g_EquationTasks[1],
                                                                  "@2H2+@1O2=@2H2O");
                                                        EXPECT_EQ(l.arrays.g_SubstanceTasks[1].Part1->items(),
                                                                  QStringList({"Natrium", "Kalium"}));
                                                        EXPECT_EQ(l.arrays.g_SubstanceTasks[1].Combined,
                                                                  nullptr); // linked at test start
                                                        EXPECT_EQ(l.arrays.g_AmountTasks[1].Text2, "2.0");
                                                    }},
                                           LoadCase{"NumbersByTheLeadingNumberRule",
                                                    catalogueFile({{Section::Syllables,
                                                                    {"1 2", "a", "3,5", "b", "2.5", "c",
                                                                     "3.5", "d", "40000", "e"}}}),
                                                    [](const Loaded& l) {
                                                        QList<int> values;
                                                        for (int i = 1;
                                                             i <= upperBound(l.arrays.g_SyllableTasks); ++i)
                                                            values << l.arrays.g_SyllableTasks[i].Value;
                                                        EXPECT_EQ(values, QList<int>({12, 3, 2, 4, 0}));
                                                    }},
                                           LoadCase{"BeginnerMarkerCountsTheRecordsBeforeIt",
                                                    catalogueFile(
                                                        {{Section::Elements,
                                                          {"Eisen", "Fe", "Gold", "Au", "ææ", "Blei", "Pb"}},
                                                         {Section::Syllables, {"ææ", "1", "mono"}}}),
                                                    [](const Loaded& l) {
                                                        EXPECT_EQ(l.arrays.g_ElementsEasy.toText(), "2");
                                                        EXPECT_EQ(upperBound(l.arrays.g_ElementTasks), 3);
                                                        EXPECT_EQ(l.arrays.g_SyllablesEasy.toText(), "0");
                                                        EXPECT_TRUE(l.arrays.g_ChargesEasy.isEmpty());
                                                    }},
                                           LoadCase{
                                               "MarkersOnlyAsWholeFirstLinesOfARecord",
                                               catalogueFile({{Section::Elements,
                                                               {"Eisen", "@", "ææ ", "X", "Gold", "Au"}}}),
                                               [](const Loaded& l) {
                                                   ASSERT_EQ(upperBound(l.arrays.g_ElementTasks), 3);
                                                   EXPECT_EQ(l.arrays.g_ElementTasks[1].Symbol, "@");
                                                   EXPECT_EQ(l.arrays.g_ElementTasks[2].Names->Item(1),
                                                             "ææ ");
                                                   EXPECT_TRUE(l.arrays.g_ElementsEasy.isEmpty());
                                               }},
                                           LoadCase{"LinesBetweenSectionsAreIgnored",
                                                    windows1252Lines(
                                                        {"#",    "Eisen",       "Fe", "@",    "ææ", "@",
                                                         "Gold", "#",           "1",  "mono", "@",  "#",
                                                         "@",    "#",           "@",  "#",    "@",  "#",
                                                         "@",    "#",           "@",  "#",    "@",  "#",
                                                         "@",    "danach egal", "#"}),
                                                    [](const Loaded& l) {
                                                        EXPECT_EQ(l.load.extent, CatalogueExtent::Whole);
                                                        EXPECT_EQ(upperBound(l.arrays.g_ElementTasks), 1);
                                                        EXPECT_TRUE(l.arrays.g_ElementsEasy.isEmpty());
                                                        EXPECT_EQ(upperBound(l.arrays.g_SyllableTasks), 1);
                                                    }},
                                           LoadCase{"AnyLineEnd",
                                                    QByteArray("#\nEisen\rFe\r\nGold\nAu\n@\n#\n@\n#\n@\n#\n@"
                                                               "\n#\n@\n#\n@\n#\n@\n#\n@\n#\n@"),
                                                    [](const Loaded& l) {
                                                        EXPECT_EQ(l.load.extent, CatalogueExtent::Whole);
                                                        ASSERT_EQ(upperBound(l.arrays.g_ElementTasks), 2);
                                                        EXPECT_EQ(l.arrays.g_ElementTasks[2].Symbol, "Au");
                                                    }},
                                           LoadCase{"Utf8WithByteOrderMark",
                                                    QByteArray("\xEF\xBB\xBF#\nK\xC3\xA4se\nKs\n@"),
                                                    [](const Loaded& l) {
                                                        EXPECT_EQ(l.arrays.g_ElementTasks[1].Names->Item(1),
                                                                  "Käse");
                                                    }},
                                           LoadCase{"Utf8WithoutByteOrderMarkIsReadAsUtf8WithAWarning",
                                                    QByteArray("#\nK\xC3\xA4se\nKs\n\xC3\xA6\xC3\xA6\n@"),
                                                    [](const Loaded& l) {
                                                        EXPECT_EQ(l.arrays.g_ElementTasks[1].Names->Item(1),
                                                                  "Käse");
                                                        EXPECT_EQ(l.arrays.g_ElementsEasy.toText(), "1");
                                                        ASSERT_FALSE(l.load.problems.isEmpty());
                                                        EXPECT_EQ(l.load.problems.first().severity,
                                                                  CatalogueProblem::Severity::Warning);
                                                        EXPECT_TRUE(l.load.problems.first().message.contains(
                                                            "liest sie als UTF-8"));
                                                    }},
                                           LoadCase{
                                               "EndsInsideASection",
                                               windows1252Lines({"#", "Eisen", "Fe", "@", "#", "1", "mono",
                                                                 "2"}),
                                               [](const Loaded& l) {
                                                   EXPECT_EQ(upperBound(l.arrays.g_ElementTasks), 1);
                                                   EXPECT_EQ(upperBound(l.arrays.g_SyllableTasks),
                                                             1); // the cut record is dropped
                                                   EXPECT_EQ(upperBound(l.arrays.g_AmountTasks), 0);
                                                   EXPECT_EQ(l.load.extent, CatalogueExtent::Part);
                                                   EXPECT_TRUE(hasProblem(
                                                       l, 8,
                                                       "Der Eintrag ab Zeile 8 in Abschnitt 2 („Zahlsilben“) "
                                                       "ist unvollständig: Die Datei endet nach 1 von 2 "
                                                       "Zeilen. Damit fehlen auch Abschnitt 3 („Molare "
                                                       "Massen“), Abschnitt 4 („Definitionen“), Abschnitt 5 "
                                                       "(„Ladungszahlen“), Abschnitt 6 („Ja/Nein-Fragen“), "
                                                       "Abschnitt 7 („Gleichungen“), Abschnitt 8 "
                                                       "(„Substanznamen“) und Abschnitt 9 („Stoffmengen“)."));
                                               }},
                                           LoadCase{
                                               "EndsBeforeASection",
                                               windows1252Lines({"#", "Eisen", "Fe", "@"}),
                                               [](const Loaded& l) {
                                                   EXPECT_EQ(upperBound(l.arrays.g_ElementTasks), 1);
                                                   EXPECT_EQ(l.load.extent, CatalogueExtent::Part);
                                                   EXPECT_TRUE(hasProblem(
                                                       l, 4,
                                                       "Abschnitt 2 („Zahlsilben“) fehlt: Die Datei endet, "
                                                       "bevor eine Zeile „#“ ihn beginnt. Damit fehlen auch "
                                                       "Abschnitt 3"));
                                               }},
                                           // Without its "@" a section runs on to the next "#": the free
                                           // lines before it are not taken as tasks, and the sections after
                                           // it are read as written.
                                           LoadCase{
                                               "MissingEndBeforeTheNextSection",
                                               windows1252Lines(
                                                   {"#",         "Eisen", "Fe", "Gold",        "Au",
                                                    "ææ",        "Blei",  "Pb", "Abschnitt 2", "Zahlsilben",
                                                    "Kommentar", "#",     "1",  "mono",        "@",
                                                    "#",         "@",     "#",  "@",           "#",
                                                    "@",         "#",     "@",  "#",           "@",
                                                    "#",         "@",     "#",  "@",           "#",
                                                    "@"}),
                                               [](const Loaded& l) {
                                                   ASSERT_EQ(upperBound(l.arrays.g_ElementTasks), 3);
                                                   EXPECT_EQ(l.arrays.g_ElementTasks[3].Symbol, "Pb");
                                                   EXPECT_EQ(l.arrays.g_ElementsEasy.toText(), "2");
                                                   ASSERT_EQ(upperBound(l.arrays.g_SyllableTasks), 1);
                                                   EXPECT_EQ(l.arrays.g_SyllableTasks[1].Value, 1);
                                                   EXPECT_EQ(l.load.extent, CatalogueExtent::Whole);
                                                   EXPECT_TRUE(hasProblem(
                                                       l, 12,
                                                       "Vor dieser Zeile „#“ fehlt die Zeile „@“, die "
                                                       "Abschnitt 1 („Elemente“) abschließt."));
                                               }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LoadCatalogueTest, MissingFileIsReportedAndLeavesEmptySections)
{
    CatalogueArrays arrays;
    arrays.g_EquationTasks = {QString(), QStringLiteral("@1H2+@1Cl2=@2HCl")};
    const CatalogueLoad load = LoadCatalogue(QStringLiteral("/nonexistent/koltest.dat"), arrays);
    ASSERT_EQ(load.problems.size(), 1);
    EXPECT_EQ(load.problems.first().message, "Unter diesem Namen gibt es nichts.");
    EXPECT_EQ(upperBound(arrays.g_EquationTasks), 0);
    const QString message = describeLoadProblems(QStringLiteral("/nonexistent/koltest.dat"), load);
    EXPECT_TRUE(message.contains("„/nonexistent/koltest.dat“"));
    EXPECT_TRUE(message.endsWith(
        "Unter diesem Namen gibt es nichts.\n\nEs konnten keine Aufgaben gelesen werden; die "
        "Seiten des Tests bleiben leer. Bitte sag deiner Lehrerin oder deinem Lehrer "
        "Bescheid."))
        << message.toStdString();
    EXPECT_EQ(diagnosticLines(QStringLiteral("/x/k.dat"), {{CatalogueProblem::Severity::Error, 8, "kaputt"}}),
              QStringList({"/x/k.dat:8: error: kaputt"}));
}

} // namespace

namespace {

QString checkFixture(const QString& name)
{
    return QStringLiteral(KOLTEST_TEST_DATA "/check/") + name;
}

} // namespace

// The message at start-up names the errors that the checker reports for the file, the first ten of them,
// so that a teacher learns of them before a pupil meets an empty or wrong page.
TEST(LoadCatalogueTest, StartMessageNamesTheErrorsOfTheCheck)
{
    const QStringList fixtures = QDir(checkFixture({})).entryList({QStringLiteral("*.dat")}, QDir::Files);
    ASSERT_GT(fixtures.size(), 10);
    for (const QString& name : fixtures) {
        SCOPED_TRACE(name.toStdString());
        CatalogueArrays arrays;
        const CatalogueLoad load = LoadCatalogue(checkFixture(name), arrays);
        const QString message = describeLoadProblems(checkFixture(name), load);
        qsizetype named = 0;
        for (const CatalogueProblem& finding : checkCatalogueFile(checkFixture(name))) {
            if ((finding.severity == CatalogueProblem::Severity::Error || finding.line == 0) &&
                named++ < ProblemsNamedAtStart) {
                EXPECT_TRUE(message.contains(finding.message)) << finding.message.toStdString();
            }
        }
    }
}

namespace {

struct ClosingCase {
    const char* file;
    const char* closing; // the sentence before the request to tell the teacher
};

class StartMessage : public ::testing::TestWithParam<ClosingCase> {};

} // namespace

// The message says only what is true about the tasks that the test will use.
TEST_P(StartMessage, SaysWhatTheTestUses)
{
    CatalogueArrays arrays;
    const QString path = checkFixture(QString::fromLatin1(GetParam().file));
    const QString message = describeLoadProblems(path, LoadCatalogue(path, arrays));
    EXPECT_TRUE(message.endsWith(QString::fromUtf8(GetParam().closing) +
                                 " Bitte sag deiner Lehrerin oder deinem Lehrer Bescheid."))
        << message.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, StartMessage,
    ::testing::Values(
        ClosingCase{"no-such-file.dat",
                    "Es konnten keine Aufgaben gelesen werden; die Seiten des Tests bleiben leer."},
        ClosingCase{"utf16.dat",
                    "Es konnten keine Aufgaben gelesen werden; die Seiten des Tests bleiben leer."},
        ClosingCase{"ends-before-section.dat", "Die Aufgaben, die gelesen werden konnten, werden verwendet; "
                                               "die Abschnitte danach bleiben leer."},
        ClosingCase{"chemistry.dat", "Die Aufgaben werden verwendet, aber manche Seiten können falsche oder "
                                     "zu wenige Aufgaben zeigen."},
        ClosingCase{"utf8-without-bom.dat", "Alle Aufgaben wurden gelesen und werden verwendet."}),
    [](const auto& info) {
        std::string name = info.param.file;
        std::erase_if(name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
        return name;
    });

// A file of thousands of faults costs no more than a thousand: the start names the first 10 and the check
// the first 1000; both count the rest.
TEST(LoadCatalogueTest, ManyFaultsAreCountedNotAllNamed)
{
    QFile clean(checkFixture(QStringLiteral("clean.dat")));
    ASSERT_TRUE(clean.open(QIODevice::ReadOnly));
    QByteArray bytes = clean.readAll();
    bytes.insert(bytes.indexOf("#\r\n") + 3, QByteArray("Wasserstoff\r\nHx\r\n").repeated(1500));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("k.dat"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();

    CatalogueArrays arrays;
    const CatalogueLoad load = LoadCatalogue(path, arrays);
    EXPECT_EQ(load.problems.size(), 1000);
    EXPECT_EQ(load.errorsLeftOut, 500);
    const QString message = describeLoadProblems(path, load);
    EXPECT_EQ(message.count(QStringLiteral("\n• ")), 11);
    EXPECT_TRUE(message.contains(
        QStringLiteral("\n• … und 1490 weitere. Alle nennt der Befehl „koltest --check %1“.").arg(path)));
    EXPECT_EQ(startDiagnostics(path, load).size(), 11);

    QString text;
    QTextStream out(&text);
    EXPECT_EQ(runCatalogueCheck(path, out), 1);
    EXPECT_EQ(text.count(QLatin1Char('\n')), 1002);
    EXPECT_TRUE(
        text.endsWith(QStringLiteral("%1: … und 1999 weitere Befunde, hier nicht einzeln genannt; sie "
                                     "folgen oft aus den ersten.\n%1: 1500 Fehler, 1499 Warnungen\n")
                          .arg(path)))
        << text.right(300).toStdString();
}
