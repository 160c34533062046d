#include "catalogue/LoadCatalogue.h"
#include "catalogue/CatalogueChecker.h"
#include "support/CatalogueBuilder.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Loaded {
    CatalogueArrays arrays;
    CatalogueLoad load;
};

QString writeTemporary(const QTemporaryDir& dir, const QByteArray& bytes)
{
    const QString path = dir.filePath(QStringLiteral("koltest.dat"));
    EXPECT_TRUE(writeWhole(path, bytes));
    return path;
}

Loaded loadBytes(const QByteArray& bytes)
{
    QTemporaryDir dir;
    Loaded loaded;
    loaded.load = LoadCatalogue(writeTemporary(dir, bytes), loaded.arrays);
    return loaded;
}

// Empty sections, "#" and "@" each, for files written line by line.
QStringList emptySections(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("#") << QStringLiteral("@");
    return lines;
}

QString checkFixture(const QString& name)
{
    return QStringLiteral(KOLTEST_TEST_DATA "/check/") + name;
}

} // namespace

TEST(LoadCatalogue, ReadsEveryRecordLayout)
{
    const Loaded l =
        loadBytes(catalogueFile({{Section::Elements, {"Iod*Jod", "I"}},
                                 {Section::Syllables, {"3.5", "octa*okta", "40000", "e"}},
                                 {Section::MolarMasses, {"Wasser", "18.0", "H2O"}},
                                 {Section::Definitions, {"Atom", QString(130, u'd')}},
                                 {Section::Charges, {"Sulfat-Ion", "-2"}},
                                 {Section::YesNo, {"Wasser ist nass.", " j ", "Eis ist heiß.", "Ja"}},
                                 {Section::Equations, {"@2H2+@1O2=@2H2O"}},
                                 {Section::Substances, {"Natrium*Kalium", "chlorid", "NaCl"}},
                                 {Section::Amounts, {"Wie viel mol?", "2.0"}}}));
    const CatalogueArrays& a = l.arrays;
    EXPECT_EQ(l.load.extent, CatalogueExtent::Whole);
    ASSERT_EQ(upperBound(a.g_ElementTasks), 1);
    EXPECT_EQ(a.g_ElementTasks[1].Names->items(), QStringList({"Iod", "Jod"}));
    EXPECT_EQ(a.g_ElementTasks[1].Symbol, "I");
    EXPECT_EQ(a.g_SyllableTasks[1].Value, 4); // numbers as the leading number rule reads them
    EXPECT_EQ(a.g_SyllableTasks[2].Value, 0); // out of range
    EXPECT_EQ(a.g_SyllableTasks[1].Syllables->Item(2), "okta");
    EXPECT_EQ(a.g_MolarMassTasks[1].Formula.text(), QString("Wasser").leftJustified(40));
    EXPECT_FLOAT_EQ(a.g_MolarMassTasks[1].MolarMass, 18.0f);
    EXPECT_EQ(a.g_MolarMassTasks[1].Term, "H2O");
    EXPECT_EQ(a.g_DefinitionTasks[1].Term.text(), QString("Atom").leftJustified(20));
    EXPECT_EQ(a.g_DefinitionTasks[1].Definition.text(), QString(120, u'd'));
    EXPECT_EQ(a.g_ChargeTasks[1].Value, -2);
    EXPECT_EQ(a.g_YesNoTasks[1].Answer, -1);
    EXPECT_EQ(a.g_YesNoTasks[2].Answer, 0);
    EXPECT_EQ(a.g_EquationTasks[1], "@2H2+@1O2=@2H2O");
    EXPECT_EQ(a.g_SubstanceTasks[1].Part1->items(), QStringList({"Natrium", "Kalium"}));
    EXPECT_EQ(a.g_SubstanceTasks[1].Combined, nullptr); // linked at test start
    EXPECT_EQ(a.g_AmountTasks[1].Text2, "2.0");
}

// "ææ" counts the records before it, only as the whole first line of a record.
TEST(LoadCatalogue, BeginnerMarkerCountsTheRecordsBeforeIt)
{
    const Loaded l =
        loadBytes(catalogueFile({{Section::Elements, {"Eisen", "Fe", "Gold", "Au", "ææ", "Blei", "Pb"}},
                                 {Section::Syllables, {"ææ", "1", "mono"}}}));
    EXPECT_EQ(l.arrays.g_ElementsEasy.toText(), "2");
    EXPECT_EQ(upperBound(l.arrays.g_ElementTasks), 3);
    EXPECT_EQ(l.arrays.g_SyllablesEasy.toText(), "0");
    EXPECT_TRUE(l.arrays.g_ChargesEasy.isEmpty());

    const Loaded m =
        loadBytes(catalogueFile({{Section::Elements, {"Eisen", "@", "ææ ", "X", "Gold", "Au"}}}));
    ASSERT_EQ(upperBound(m.arrays.g_ElementTasks), 3);
    EXPECT_EQ(m.arrays.g_ElementTasks[1].Symbol, "@");
    EXPECT_EQ(m.arrays.g_ElementTasks[2].Names->Item(1), "ææ ");
    EXPECT_TRUE(m.arrays.g_ElementsEasy.isEmpty());
}

TEST(LoadCatalogue, IgnoresLinesBetweenSectionsAndTakesAnyLineEnd)
{
    const Loaded l = loadBytes(
        windows1252Lines(QStringList{"#", "Eisen", "Fe", "@", "ææ", "@", "Gold", "#", "1", "mono", "@"} +
                         emptySections(7) + QStringList{"danach egal", "#"}));
    EXPECT_EQ(l.load.extent, CatalogueExtent::Whole);
    EXPECT_EQ(upperBound(l.arrays.g_ElementTasks), 1);
    EXPECT_TRUE(l.arrays.g_ElementsEasy.isEmpty());
    EXPECT_EQ(upperBound(l.arrays.g_SyllableTasks), 1);

    const Loaded ends =
        loadBytes("#\nEisen\rFe\r\nGold\nAu\n@\n#\n@\n#\n@\n#\n@\n#\n@\n#\n@\n#\n@\n#\n@\n#\n@");
    EXPECT_EQ(ends.load.extent, CatalogueExtent::Whole);
    ASSERT_EQ(upperBound(ends.arrays.g_ElementTasks), 2);
    EXPECT_EQ(ends.arrays.g_ElementTasks[2].Symbol, "Au");
}

TEST(LoadCatalogue, ReadsUtf8WithOrWithoutByteOrderMark)
{
    EXPECT_EQ(loadBytes("\xEF\xBB\xBF#\nK\xC3\xA4se\nKs\n@").arrays.g_ElementTasks[1].Names->Item(1), "Käse");
    const Loaded l = loadBytes("#\nK\xC3\xA4se\nKs\n\xC3\xA6\xC3\xA6\n@");
    EXPECT_EQ(l.arrays.g_ElementTasks[1].Names->Item(1), "Käse");
    EXPECT_EQ(l.arrays.g_ElementsEasy.toText(), "1");
}

TEST(LoadCatalogue, KeepsWhatCameBeforeTheEndOfAShortFile)
{
    const Loaded inside = loadBytes(windows1252Lines({"#", "Eisen", "Fe", "@", "#", "1", "mono", "2"}));
    EXPECT_EQ(upperBound(inside.arrays.g_ElementTasks), 1);
    EXPECT_EQ(upperBound(inside.arrays.g_SyllableTasks), 1); // the cut record is dropped
    EXPECT_EQ(upperBound(inside.arrays.g_AmountTasks), 0);
    EXPECT_EQ(inside.load.extent, CatalogueExtent::Part);
    EXPECT_TRUE(std::any_of(inside.load.problems.begin(), inside.load.problems.end(), [](const auto& p) {
        return p.line == 8 &&
               p.message ==
                   "Der Eintrag ab Zeile 8 in Abschnitt 2 („Zahlsilben“) ist unvollständig: Die Datei endet "
                   "nach 1 von "
                   "2 Zeilen. Damit fehlen auch Abschnitt 3 („Molare Massen“), Abschnitt 4 („Definitionen“), "
                   "Abschnitt 5 („Ladungszahlen“), Abschnitt 6 („Ja/Nein-Fragen“), Abschnitt 7 "
                   "(„Gleichungen“), "
                   "Abschnitt 8 („Substanznamen“) und Abschnitt 9 („Stoffmengen“).";
    }));

    const Loaded before = loadBytes(windows1252Lines({"#", "Eisen", "Fe", "@"}));
    EXPECT_EQ(upperBound(before.arrays.g_ElementTasks), 1);
    EXPECT_EQ(before.load.extent, CatalogueExtent::Part);
}

// Without its "@" a section runs on to the next "#": the free lines before it are not taken as tasks, and
// the sections after it are read as written.
TEST(LoadCatalogue, MissingEndRunsOnToTheNextSection)
{
    const Loaded l = loadBytes(
        windows1252Lines(QStringList{"#", "Eisen", "Fe", "Gold", "Au", "ææ", "Blei", "Pb", "Abschnitt 2",
                                     "Zahlsilben", "Kommentar", "#", "1", "mono", "@"} +
                         emptySections(8)));
    ASSERT_EQ(upperBound(l.arrays.g_ElementTasks), 3);
    EXPECT_EQ(l.arrays.g_ElementTasks[3].Symbol, "Pb");
    EXPECT_EQ(l.arrays.g_ElementsEasy.toText(), "2");
    ASSERT_EQ(upperBound(l.arrays.g_SyllableTasks), 1);
    EXPECT_EQ(l.arrays.g_SyllableTasks[1].Value, 1);
    EXPECT_EQ(l.load.extent, CatalogueExtent::Whole);
}

TEST(LoadCatalogue, MissingFileIsReportedAndLeavesEmptySections)
{
    CatalogueArrays arrays;
    arrays.g_EquationTasks = {QString(), QStringLiteral("@1H2+@1Cl2=@2HCl")};
    const CatalogueLoad load = LoadCatalogue(QStringLiteral("/nonexistent/koltest.dat"), arrays);
    ASSERT_EQ(load.problems.size(), 1);
    EXPECT_EQ(load.problems.first().message, "Unter diesem Namen gibt es nichts.");
    EXPECT_EQ(upperBound(arrays.g_EquationTasks), 0);
    const QString message = describeLoadProblems(QStringLiteral("/nonexistent/koltest.dat"), load);
    EXPECT_TRUE(message.contains("„/nonexistent/koltest.dat“"));
    EXPECT_TRUE(
        message.endsWith("Unter diesem Namen gibt es nichts.\n\nEs konnten keine Aufgaben gelesen werden; "
                         "die Seiten des Tests bleiben leer. Bitte sag deiner Lehrerin oder deinem "
                         "Lehrer Bescheid."))
        << message.toStdString();
    EXPECT_EQ(diagnosticLines(QStringLiteral("/x/k.dat"), {{CatalogueProblem::Severity::Error, 8, "kaputt"}}),
              QStringList({"/x/k.dat:8: error: kaputt"}));
}

// The message at start-up names the first ten errors that the checker reports for the file, so that a
// teacher learns of them before a pupil meets an empty or wrong page, and says only what is true about the
// tasks that the test will use.
TEST(LoadCatalogue, StartMessageNamesTheErrorsOfTheCheckAndWhatTheTestUses)
{
    const QMap<QString, QString> closings = {
        {"utf16.dat", "Es konnten keine Aufgaben gelesen werden; die Seiten des Tests bleiben leer."},
        {"ends-before-section.dat",
         "Die Aufgaben, die gelesen werden konnten, werden verwendet; die Abschnitte danach bleiben leer."},
        {"chemistry.dat",
         "Die Aufgaben werden verwendet, aber manche Seiten können falsche oder zu wenige Aufgaben zeigen."},
        {"utf8-without-bom.dat", "Alle Aufgaben wurden gelesen und werden verwendet."}};
    const QStringList fixtures = QDir(checkFixture({})).entryList({QStringLiteral("*.dat")}, QDir::Files);
    ASSERT_GT(fixtures.size(), 10);
    for (const QString& name : fixtures) {
        SCOPED_TRACE(name.toStdString());
        CatalogueArrays arrays;
        const QString message =
            describeLoadProblems(checkFixture(name), LoadCatalogue(checkFixture(name), arrays));
        qsizetype named = 0;
        for (const CatalogueProblem& finding : checkCatalogueFile(checkFixture(name))) {
            if ((finding.severity == CatalogueProblem::Severity::Error || finding.line == 0) &&
                named++ < ProblemsNamedAtStart) {
                EXPECT_TRUE(message.contains(finding.message)) << finding.message.toStdString();
            }
        }
        if (closings.contains(name)) {
            EXPECT_TRUE(
                message.endsWith(closings[name] + " Bitte sag deiner Lehrerin oder deinem Lehrer Bescheid."))
                << message.toStdString();
        }
    }
}

// A file of thousands of faults costs no more than a thousand: the start names the first 10 and the check
// the first 1000; both count the rest.
TEST(LoadCatalogue, ManyFaultsAreCountedNotAllNamed)
{
    QFile clean(checkFixture(QStringLiteral("clean.dat")));
    ASSERT_TRUE(clean.open(QIODevice::ReadOnly));
    QByteArray bytes = clean.readAll();
    bytes.insert(bytes.indexOf("#\r\n") + 3, QByteArray("Wasserstoff\r\nHx\r\n").repeated(1500));
    QTemporaryDir dir;
    const QString path = writeTemporary(dir, bytes);

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
