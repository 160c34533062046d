#include "catalogue/CatalogueChecker.h"
#include "catalogue/EquationNotation.h"
#include "catalogue/LoadCatalogue.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

using Severity = CatalogueProblem::Severity;
constexpr Severity E = Severity::Error;
constexpr Severity W = Severity::Warning;

QString fixture(const char* name)
{
    return QStringLiteral(KOLTEST_TEST_DATA "/check/") + QString::fromLatin1(name);
}

std::string describe(const QList<CatalogueProblem>& findings)
{
    std::string text;
    for (const CatalogueProblem& finding : findings)
        text += std::to_string(finding.line) + (finding.severity == E ? " error: " : " warning: ") +
                finding.message.toStdString() + '\n';
    return text;
}

struct Expected {
    int line;
    Severity severity;
    const char* phrase;
};

struct FixtureCase {
    const char* file;
    std::vector<Expected> findings; // in the order of the lines
};

// Each fixture is a small catalogue that would be correct but for the problems listed. (The check command
// below shows the findings of some more in full.)
const FixtureCase Fixtures[] = {
    {"clean-utf8-bom-lf.dat", {}},
    {"utf16.dat", {{0, E, "UTF-16"}}},
    {"utf32.dat", {{0, E, "als UTF-32 gespeichert"}}},
    // One Windows-1252 byte in a UTF-8 file is named with its line; the markers "ææ" still count.
    {"utf8-broken-byte.dat",
     {{0, W, "UTF-8 ohne Byte-Order-Mark"},
      {72, E, "Byte 0xE4 (das 2. Byte der Zeile) ist kein gültiges UTF-8"}}},
    {"ends-inside-record.dat",
     {{140, E, "hat 4 Einträge; seine Seite braucht mindestens 5"},
      {149, E, "unvollständig: Die Datei endet nach 1 von 2 Zeilen."}}},
    {"ends-before-section.dat",
     {{116, E,
       "Abschnitt 8 („Substanznamen“) fehlt: Die Datei endet, bevor eine Zeile „#“ ihn "
       "beginnt. Damit fehlen auch Abschnitt 9 („Stoffmengen“)."}}},
    // The free lines before the next "#" are read as records of the section without "@"; they are not
    // judged one by one, and the sections after it are read as written.
    {"missing-end.dat",
     {{35, E, "Vor dieser Zeile „#“ fehlt die Zeile „@“, die Abschnitt 2 („Zahlsilben“) abschließt."}}},
    {"widths.dat",
     {{36, W, "Text ist 46 Zeichen lang; das Programm behält nur die ersten 40, „r Erde“ fällt"},
      {70, W, "Begriff ist 36 Zeichen lang; das Programm behält nur die ersten 20, „nsbeschleuniger)“"},
      {75, W, "Definition ist 126 Zeichen lang; das Programm behält nur die ersten 120, „stellt“ "},
      {83, W, "Teilchenname ist 27 Zeichen lang; das Programm behält nur die ersten 20, „aus Mg)“"},
      {99, W, "Aussage ist 136 Zeichen lang; das Programm behält nur die ersten 120, „ alle Lebewesen.“"}}},
    {"numbers.dat",
     {{24, E, "„2,5“ enthält ein Komma; das Programm liest daraus 2."},
      {26, E, "3.5 ist keine ganze Zahl; das Programm liest daraus 4."},
      {28, E, "„1 2“ ist keine reine Zahl; das Programm liest daraus 12."},
      {37, E, "„18,0“ enthält ein Komma"},
      {84, E, "40000 liegt außerhalb von -32768 bis 32767"},
      {86, E, "-4 liegt nicht zwischen -3 und +3"},
      {96, E, "„Nein“ ist weder J noch N"},
      {150, E, "Die Antwort „etwa 1 mol“ ist keine reine Zahl; das Programm erwartet daraus 0."}}},
    {"huge-numbers.dat",
     {{22, E, "ist zu groß für eine Zahl; das Programm liest daraus 0."},
      {37, E, "Die molare Masse 1e+39 ist zu groß; das Programm speichert 0."},
      {80, E, "ist zu groß für eine Zahl; das Programm liest daraus 0."},
      {142, E, "ist zu groß für eine Zahl des Programms."}}},
    {"chemistry.dat",
     {{5, E, "„Hx“ ist kein Elementsymbol. Wasserstoff hat das Symbol „H“."},
      {6, E, "„Kalium“ ist der Name von K, nicht von Na."},
      {12, E, "„Sauerstof“ ist kein Elementname"},
      {40, E,
       "74.0 passt nicht zur Formel „Ca(OH)2“: Die Elementtabelle ergibt 74.092 g/mol, "
       "gerundet 74.1."},
      {47, E, "Formel „Al2(SO4)3)“"},
      // experts have no periodic table: a differing mass is suspicious, not unreachable
      {50, W, "36.4 passt nicht zur Formel „HCl“"},
      {109, W, "fehlt „+“"},
      {110, E, "nicht ausgeglichen: C links 1, rechts 2; O links 2, rechts 4"},
      {111, E, "durch 2 teilen"},
      {112, E, "Vor „H2“ fehlt der Koeffizient"},
      {113, E, "3 Stoffe"},
      {114, W, "Alle Koeffizienten sind 1: Anfänger lösen die Gleichung"},
      {116, E, "In der Formel „Na+“ steht „+“"},
      {116, E, "Formel „Cl-“"},
      {122, E, "Formel „NaCL“: „L“ an Stelle 4 ist kein Elementsymbol."}}},
    {"page-breakers.dat",
     {{32, W, "„Okta“ enthält Großbuchstaben"},
      {67, E, "Die Zeile „ææ“ wird als Zeile 2 des Eintrags ab Zeile 66 gelesen"},
      {115, W, "Weitere Zeile „ææ“"},
      {116, W, "tiefgestellt"},
      {121, E, "Namensteil enthält „|“"},
      {154, W, "nach dem neunten „@“"}}},
    // A lost line shifts the records after it until a marker line lands inside one: only the first
    // wrong record and the marker are reported, not every shifted record.
    {"lost-line.dat",
     {{35, E, "Abschnitt 3 („Molare Massen“) hat keine Zeile „ææ“"},
      {40, E, "Die molare Masse „Ca(OH)2“ ist keine reine Zahl"},
      {41, E, "Formel „Kupfersulfat-Pentahydrat“"},
      {47, E, "Die Zeile „ææ“ wird als Zeile 3 des Eintrags ab Zeile 45 gelesen"}}},
    {"swallowed-end.dat",
     {{32, E, "So endet Abschnitt 2 („Zahlsilben“) hier nicht, sondern erst vor der nächsten Zeile „#“."},
      {34, E, "Vor dieser Zeile „#“ fehlt die Zeile „@“, die Abschnitt 2 („Zahlsilben“) abschließt."}}},
    {"supply.dat",
     {{3, E, "keine Zeile „ææ“, also bekommen Anfänger daraus keine Aufgaben"},
      {18, W, "(„H“) steht schon in Zeile 4"},
      {29, E, "stehen 3 Einträge; die Seite braucht für Anfänger mindestens 4"},
      {70, W, "Dieselbe Definition steht schon in Zeile 68"},
      {76, W, "Dieselbe Definition steht schon in Zeile 74"},
      {77, E, "8 verschiedene Definitionen, es bleiben mitunter nur 4"},
      {114, E, "stehen 4 Einträge; die Seite braucht für Anfänger mindestens 5"},
      {115, E, "hat 4 Einträge; seine Seite braucht mindestens 5"},
      {144, W, "wirkt „ææ“ nicht"}}}};

} // namespace

// The check finds exactly the problems of each fixture, no more.
TEST(CatalogueChecker, FindsExactlyTheProblemsOfEachFixture)
{
    for (const FixtureCase& c : Fixtures) {
        const QList<CatalogueProblem> findings = checkCatalogueFile(fixture(c.file));
        SCOPED_TRACE(c.file + ('\n' + describe(findings)));
        ASSERT_EQ(findings.size(), static_cast<qsizetype>(c.findings.size()));
        for (std::size_t i = 0; i < c.findings.size(); ++i) {
            const CatalogueProblem& found = findings.at(static_cast<qsizetype>(i));
            EXPECT_EQ(found.line, c.findings[i].line);
            EXPECT_EQ(found.severity, c.findings[i].severity);
            EXPECT_TRUE(found.message.contains(QString::fromUtf8(c.findings[i].phrase)));
        }
    }
}

TEST(CheckCommand, PrintsFindingsAndSummary)
{
    const struct {
        QString path;
        int exitStatus;
        QStringList output; // "F" stands for the path
    } cases[] = {
        {fixture("clean.dat"), 0, {"F: 0 Fehler, 0 Warnungen", ""}},
        // A line longer than a record can be is named once, and its record is left out.
        {fixture("overlong-line.dat"),
         1,
         {"F:17: error: Die Zeile ist 1300 Zeichen lang, länger als eine Zeile eines Eintrags sein kann "
          "(höchstens 1000); das Programm liest sie nicht, und ein Eintrag, zu dem sie gehört, fehlt im "
          "Test.",
          "F: 1 Fehler, 0 Warnungen", ""}},
        {fixture("utf8-without-bom.dat"),
         0,
         {"F: warning: Die Datei ist als UTF-8 ohne Byte-Order-Mark gespeichert; das Programm liest sie als "
          "UTF-8. Sicherer ist es, sie als „UTF-8 mit BOM“ oder als „Windows-1252“ (ANSI) zu speichern.",
          "F: 0 Fehler, 1 Warnung", ""}},
        {fixture("no-such-file.dat"),
         1,
         {"F: error: Unter diesem Namen gibt es nichts.", "F: 1 Fehler, 0 Warnungen", ""}},
    };
    for (const auto& c : cases) {
        QString text;
        QTextStream out(&text);
        EXPECT_EQ(runCatalogueCheck(c.path, out), c.exitStatus);
        QStringList expected = c.output;
        for (QString& line : expected)
            line.replace(QStringLiteral("F:"), c.path + u':');
        EXPECT_EQ(text.split(QLatin1Char('\n')), expected);
    }
}

// The catalogue that ships with the program must always pass its own check, without a single warning.
TEST(ShippedCatalogue, PassesTheCheck)
{
    const QString path = QStringLiteral(KOLTEST_SHIPPED_DATA "/koltest.dat");
    ASSERT_TRUE(QFile::exists(path)) << path.toStdString();
    QString text;
    QTextStream out(&text);
    EXPECT_EQ(runCatalogueCheck(path, out), 0);
    EXPECT_TRUE(text.endsWith(": 0 Fehler, 0 Warnungen\n")) << text.toStdString();
}

// An empty coefficient field counts as 1, so a beginner solves an equation whose coefficients are all 1 by
// leaving every field empty: the beginner part holds few of them.
TEST(ShippedCatalogue, BeginnerEquationsMostlyNeedACoefficientAboveOne)
{
    CatalogueArrays arrays;
    LoadCatalogue(QStringLiteral(KOLTEST_SHIPPED_DATA "/koltest.dat"), arrays);
    const int beginnerEquations = static_cast<int>(arrays.g_EquationsEasy.toInt());
    ASSERT_GE(beginnerEquations, 15);
    QStringList solvedByLeavingEmpty;
    for (int i = 1; i <= beginnerEquations; ++i) {
        const ParsedEquation equation = parseEquation(arrays.g_EquationTasks[i]);
        const QList<EquationSubstance> substances = equation.left + equation.right;
        if (std::all_of(substances.begin(), substances.end(),
                        [](const EquationSubstance& substance) { return substance.count == 1; }))
            solvedByLeavingEmpty << arrays.g_EquationTasks[i];
    }
    EXPECT_LE(solvedByLeavingEmpty.size(), 2) << solvedByLeavingEmpty.join(QLatin1Char(' ')).toStdString();
}
