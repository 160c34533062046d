#include "catalogue/LoadCatalogue.h"
#include "support/CatalogueBuilder.h"
#include "support/QtPrinters.h"

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

TEST_P(Loader, ReadsTheFileAsTeachersWriteIt)
{
    GetParam().check(loadBytes(GetParam().file));
}

const QString definition130 = QString(130, QLatin1Char('d'));

INSTANTIATE_TEST_SUITE_P(
    Table, Loader,
    ::testing::
        Values(LoadCase{"AllRecordLayouts",
                        catalogueFile({{Section::Elements, {"Iod*Jod", "I"}},
                                       {Section::Syllables, {"8", "octa*okta"}},
                                       {Section::MolarMasses, {"Wasser", "18.0", "H2O"}},
                                       {Section::Definitions, {"Atom", definition130}},
                                       {Section::Charges, {"Sulfat-Ion", "-2"}},
                                       {Section::YesNo, {"Wasser ist nass.", " j ", "Eis ist heiß.", "Ja"}},
                                       {Section::Equations, {"@2H2+@1O2=@2H2O"}},
                                       {Section::Substances, {"Natrium*Kalium", "chlorid", "NaCl"}},
                                       {Section::Amounts, {"Wie viel mol?", "2.0"}}}),
                        [](const Loaded& l) {
                            EXPECT_TRUE(l.load.problems.isEmpty());
                            ASSERT_EQ(upperBound(l.arrays.g_ElementTasks), 1);
                            EXPECT_EQ(l.arrays.g_ElementTasks[1].Names->items(), QStringList({"Iod", "Jod"}));
                            EXPECT_EQ(l.arrays.g_ElementTasks[1].Symbol, "I");
                            EXPECT_EQ(l.arrays.g_SyllableTasks[1].Value, 8);
                            EXPECT_EQ(l.arrays.g_SyllableTasks[1].Syllables->Item(2), "okta");
                            EXPECT_EQ(l.arrays.g_MolarMassTasks[1].Formula.text(),
                                      QString("Wasser").leftJustified(40));
                            EXPECT_FLOAT_EQ(l.arrays.g_MolarMassTasks[1].MolarMass, 18.0f);
                            EXPECT_EQ(l.arrays.g_MolarMassTasks[1].Term, "H2O");
                            EXPECT_EQ(l.arrays.g_DefinitionTasks[1].Term.text(),
                                      QString("Atom").leftJustified(20));
                            EXPECT_EQ(l.arrays.g_DefinitionTasks[1].Definition.text(),
                                      QString(120, QLatin1Char('d')));
                            EXPECT_EQ(l.arrays.g_ChargeTasks[1].Value, -2);
                            EXPECT_EQ(l.arrays.g_YesNoTasks[1].Answer, -1);
                            EXPECT_EQ(l.arrays.g_YesNoTasks[2].Answer, 0);
                            EXPECT_EQ(l.arrays.g_EquationTasks[1], "@2H2+@1O2=@2H2O");
                            EXPECT_EQ(l.arrays.g_SubstanceTasks[1].Part1->items(),
                                      QStringList({"Natrium", "Kalium"}));
                            EXPECT_EQ(l.arrays.g_SubstanceTasks[1].Combined, nullptr); // linked at test start
                            EXPECT_EQ(l.arrays.g_AmountTasks[1].Text2, "2.0");
                        }},
               LoadCase{"NumbersByTheLeadingNumberRule",
                        catalogueFile({{Section::Syllables,
                                        {"1 2", "a", "3,5", "b", "2.5", "c", "3.5", "d", "40000", "e"}}}),
                        [](const Loaded& l) {
                            QList<int> values;
                            for (int i = 1; i <= upperBound(l.arrays.g_SyllableTasks); ++i)
                                values << l.arrays.g_SyllableTasks[i].Value;
                            EXPECT_EQ(values, QList<int>({12, 3, 2, 4, 0}));
                        }},
               LoadCase{"BeginnerMarkerCountsTheRecordsBeforeIt",
                        catalogueFile({{Section::Elements, {"Eisen", "Fe", "Gold", "Au", "ææ", "Blei", "Pb"}},
                                       {Section::Syllables, {"ææ", "1", "mono"}}}),
                        [](const Loaded& l) {
                            EXPECT_EQ(l.arrays.g_ElementsEasy.toText(), "2");
                            EXPECT_EQ(upperBound(l.arrays.g_ElementTasks), 3);
                            EXPECT_EQ(l.arrays.g_SyllablesEasy.toText(), "0");
                            EXPECT_TRUE(l.arrays.g_ChargesEasy.isEmpty());
                        }},
               LoadCase{"MarkersOnlyAsWholeFirstLinesOfARecord",
                        catalogueFile({{Section::Elements, {"Eisen", "@", "ææ ", "X", "Gold", "Au"}}}),
                        [](const Loaded& l) {
                            ASSERT_EQ(upperBound(l.arrays.g_ElementTasks), 3);
                            EXPECT_EQ(l.arrays.g_ElementTasks[1].Symbol, "@");
                            EXPECT_EQ(l.arrays.g_ElementTasks[2].Names->Item(1), "ææ ");
                            EXPECT_TRUE(l.arrays.g_ElementsEasy.isEmpty());
                        }},
               LoadCase{"LinesBetweenSectionsAreIgnored",
                        windows1252Lines({"#",    "Eisen", "Fe", "@", "ææ", "@", "Gold", "#",           "1",
                                          "mono", "@",     "#",  "@", "#",  "@", "#",    "@",           "#",
                                          "@",    "#",     "@",  "#", "@",  "#", "@",    "danach egal", "#"}),
                        [](const Loaded& l) {
                            EXPECT_TRUE(l.load.problems.isEmpty());
                            EXPECT_EQ(upperBound(l.arrays.g_ElementTasks), 1);
                            EXPECT_TRUE(l.arrays.g_ElementsEasy.isEmpty());
                            EXPECT_EQ(upperBound(l.arrays.g_SyllableTasks), 1);
                        }},
               LoadCase{
                   "AnyLineEnd",
                   QByteArray("#\nEisen\rFe\r\nGold\nAu\n@\n#\n@\n#\n@\n#\n@\n#\n@\n#\n@\n#\n@\n#\n@\n#\n@"),
                   [](const Loaded& l) {
                       EXPECT_TRUE(l.load.problems.isEmpty());
                       ASSERT_EQ(upperBound(l.arrays.g_ElementTasks), 2);
                       EXPECT_EQ(l.arrays.g_ElementTasks[2].Symbol, "Au");
                   }},
               LoadCase{
                   "Utf8WithByteOrderMark", QByteArray("\xEF\xBB\xBF#\nK\xC3\xA4se\nKs\n@"),
                   [](const Loaded& l) { EXPECT_EQ(l.arrays.g_ElementTasks[1].Names->Item(1), "Käse"); }},
               LoadCase{"Utf8WithoutByteOrderMarkIsReported", QByteArray("#\nK\xC3\xA4se\nKs\n@"),
                        [](const Loaded& l) {
                            ASSERT_FALSE(l.load.problems.isEmpty());
                            EXPECT_TRUE(l.load.problems.first().message.contains("UTF-8"));
                        }},
               LoadCase{"EndsInsideASection",
                        windows1252Lines({"#", "Eisen", "Fe", "@", "#", "1", "mono", "2"}),
                        [](const Loaded& l) {
                            EXPECT_EQ(upperBound(l.arrays.g_ElementTasks), 1);
                            EXPECT_EQ(upperBound(l.arrays.g_SyllableTasks), 1); // the cut record is dropped
                            EXPECT_EQ(upperBound(l.arrays.g_AmountTasks), 0);
                            ASSERT_EQ(l.load.problems.size(), 1);
                            EXPECT_EQ(l.load.problems.first().line, 8);
                            EXPECT_TRUE(l.load.problems.first().message.contains("Zahlsilben"));
                        }},
               LoadCase{"EndsBeforeASection", windows1252Lines({"#", "Eisen", "Fe", "@"}),
                        [](const Loaded& l) {
                            EXPECT_EQ(upperBound(l.arrays.g_ElementTasks), 1);
                            ASSERT_EQ(l.load.problems.size(), 1);
                            EXPECT_TRUE(l.load.problems.first().message.contains("Abschnitt 2"));
                        }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoadCatalogueTest, MissingFileIsReportedAndLeavesEmptySections)
{
    CatalogueArrays arrays;
    arrays.g_EquationTasks = {QString(), QStringLiteral("@1H2+@1Cl2=@2HCl")};
    const CatalogueLoad load = LoadCatalogue(QStringLiteral("/nonexistent/koltest.dat"), arrays);
    ASSERT_EQ(load.problems.size(), 1);
    EXPECT_EQ(load.problems.first().message, "Die Datei existiert nicht.");
    EXPECT_EQ(upperBound(arrays.g_EquationTasks), 0);
    const QString message = describeLoadProblems(QStringLiteral("/nonexistent/koltest.dat"), load);
    EXPECT_TRUE(message.contains("„/nonexistent/koltest.dat“"));
    EXPECT_EQ(diagnosticLines(QStringLiteral("/x/k.dat"), {{CatalogueProblem::Severity::Error, 8, "kaputt"}}),
              QStringList({"/x/k.dat:8: error: kaputt"}));
}

} // namespace
