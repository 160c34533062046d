#include "catalogue/ElementSearch.h"
#include "catalogue/ElementTable.h"
#include "catalogue/PeriodicTableCells.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QSet>

#include <cmath>

TEST(ElementTable, HoldsEveryElementOnceInOrder)
{
    const QList<ChemicalElement>& elements = elementTable();
    ASSERT_EQ(elements.size(), 118);
    for (qsizetype i = 0; i < elements.size(); ++i) {
        const ChemicalElement& element = elements.at(i);
        EXPECT_EQ(element.number, i + 1);
        // Its symbol and every spelling lead back to it, so none is given to two elements.
        EXPECT_EQ(elementBySymbol(element.symbol), &element) << element.symbol.toStdString();
        for (const QString& name : element.names)
            EXPECT_EQ(elementByName(name), &element) << name.toStdString();
        // The exact rounding of molar masses relies on masses of at most four decimals.
        const double units = element.atomicMass * 10000;
        EXPECT_NEAR(units, std::round(units), 1e-6) << element.symbol.toStdString();
    }
}

// The abridged standard atomic weights; for elements without one, the mass number of the longest-lived
// isotope.
TEST(ElementTable, HoldsTheStandardAtomicWeights)
{
    const struct {
        const char* symbol;
        double mass;
    } masses[] = {{"H", 1.008},   {"C", 12.011},  {"N", 14.007},  {"O", 15.999}, {"Na", 22.990},
                  {"Mg", 24.305}, {"Al", 26.982}, {"S", 32.06},   {"Cl", 35.45}, {"K", 39.098},
                  {"Ca", 40.078}, {"Fe", 55.845}, {"Cu", 63.546}, {"Zn", 65.38}, {"Ag", 107.87},
                  {"I", 126.90},  {"Ba", 137.33}, {"Pb", 207.2},  {"U", 238.03}, {"Tc", 98},
                  {"Og", 294}};
    for (const auto& row : masses) {
        const ChemicalElement* element = elementBySymbol(QString::fromLatin1(row.symbol));
        ASSERT_NE(element, nullptr) << row.symbol;
        EXPECT_DOUBLE_EQ(element->atomicMass, row.mass) << row.symbol;
        EXPECT_EQ(element->massNumberOnly, row.mass == std::round(row.mass)) << row.symbol;
    }
}

TEST(ElementTable, FindsEverySpellingButOnlyExactSymbols)
{
    const struct {
        const char* name;
        const char* symbol;
    } spellings[] = {{"Iod", "I"},       {"Jod", "I"},          {"Calcium", "Ca"}, {"Kalzium", "Ca"},
                     {"Bismut", "Bi"},   {"Wismut", "Bi"},      {"Cobalt", "Co"},  {"Kobalt", "Co"},
                     {"Silicium", "Si"}, {"Silizium", "Si"},    {"Caesium", "Cs"}, {"Cäsium", "Cs"},
                     {"Molybdän", "Mo"}, {"Quecksilber", "Hg"}, {"Wolfram", "W"},  {"Tenness", "Ts"}};
    for (const auto& spelling : spellings) {
        const ChemicalElement* element = elementByName(QString::fromUtf8(spelling.name));
        ASSERT_NE(element, nullptr) << spelling.name;
        EXPECT_EQ(element->symbol, QString::fromLatin1(spelling.symbol)) << spelling.name;
    }
    EXPECT_EQ(elementBySymbol(u"I")->name(), "Iod"); // the preferred spelling comes first
    EXPECT_EQ(elementBySymbol(u"NA"), nullptr);
    EXPECT_EQ(elementByName(u"natrium"), nullptr);
    EXPECT_EQ(elementByNumber(0), nullptr);
    EXPECT_EQ(elementByNumber(119), nullptr);
}

namespace {

const PeriodicCell& cellOf(const char* symbol)
{
    return periodicCells().at(elementBySymbol(QString::fromLatin1(symbol))->number - 1);
}

} // namespace

TEST(PeriodicTable, Gives118CellsInsideTheTableNoTwoInOnePlace)
{
    ASSERT_EQ(periodicCells().size(), 118);
    QSet<int> taken;
    for (const PeriodicCell& cell : periodicCells()) {
        EXPECT_GE(cell.row, 1);
        EXPECT_LE(cell.row, periodicRows);
        EXPECT_NE(cell.row, 8) << "the free row between the main body and the f-rows";
        EXPECT_GE(cell.column, 1);
        EXPECT_LE(cell.column, periodicColumns);
        EXPECT_FALSE(taken.contains(cell.row * 100 + cell.column)) << cell.element->symbol.toStdString();
        taken.insert(cell.row * 100 + cell.column);
    }
    // group 3 of periods 6 and 7 stands for the f-rows and stays free
    EXPECT_FALSE(taken.contains(6 * 100 + seriesColumn));
    EXPECT_FALSE(taken.contains(7 * 100 + seriesColumn));
}

// Each element's period, group and series, and where its cell stands in the table school books show.
TEST(PeriodicTable, PlacesEveryElementWhereSchoolTablesShowIt)
{
    using enum ElementSeries;
    using enum ElementBlock;
    const struct {
        const char* symbol;
        int period, group;
        ElementSeries series;
        int row, column;
        ElementBlock block;
    } places[] = {{"H", 1, 1, None, 1, 1, S},      {"He", 1, 18, None, 1, 18, S},
                  {"B", 2, 13, None, 2, 13, P},    {"Na", 3, 1, None, 3, 1, S},
                  {"Cl", 3, 17, None, 3, 17, P},   {"Sc", 4, 3, None, 4, 3, D},
                  {"Xe", 5, 18, None, 5, 18, P},   {"U", 7, 0, Actinide, actinoidRow, 6, F},
                  {"Fe", 4, 8, None, 4, 8, D},     {"Ba", 6, 2, None, 6, 2, S},
                  {"La", 6, 0, Lanthanide, lanthanoidRow, 3, F}, {"Lu", 6, 0, Lanthanide, lanthanoidRow, 17, F},
                  {"Hf", 6, 4, None, 6, 4, D},     {"Pb", 6, 14, None, 6, 14, P},
                  {"Ac", 7, 0, Actinide, actinoidRow, 3, F},     {"Lr", 7, 0, Actinide, actinoidRow, 17, F},
                  {"Rf", 7, 4, None, 7, 4, D},     {"Og", 7, 18, None, 7, 18, P}};
    for (const auto& place : places) {
        SCOPED_TRACE(place.symbol);
        const PeriodicCell& cell = cellOf(place.symbol);
        EXPECT_EQ(cell.element->period, place.period);
        EXPECT_EQ(cell.element->group, place.group);
        EXPECT_EQ(cell.element->series, place.series);
        EXPECT_EQ(cell.row, place.row);
        EXPECT_EQ(cell.column, place.column);
        EXPECT_EQ(cell.block, place.block);
    }
}

TEST(PeriodicTable, ArrowsPassOverEmptyPlacesAndStopAtTheEdge)
{
    struct Step {
        const char* from;
        int rowStep;
        int columnStep;
        const char* to; // nullptr: stays
    };
    for (const Step& step : {Step{"H", 0, 1, "He"}, Step{"Ba", 0, 1, "Hf"}, Step{"Y", 1, 0, "La"},
                             Step{"La", -1, 0, "Y"}, Step{"Fe", 1, 0, "Ru"}, Step{"He", -1, 0, nullptr},
                             Step{"Lr", 1, 0, nullptr}, Step{"H", 0, -1, nullptr}}) {
        const PeriodicCell* reached = neighbourCell(cellOf(step.from), step.rowStep, step.columnStep);
        if (step.to)
            EXPECT_EQ(reached, &cellOf(step.to)) << step.from;
        else
            EXPECT_EQ(reached, nullptr) << step.from;
    }
}

// A pupil who adds the shown masses gets the molar mass that the catalogue check computes.
TEST(PeriodicTable, ShowsTheMassesOfTheElementTableOrTheMassNumberInBrackets)
{
    EXPECT_EQ(atomicMassText(*elementBySymbol(u"Fe")), "55,845");
    EXPECT_EQ(atomicMassText(*elementBySymbol(u"H")), "1,008");
    EXPECT_EQ(atomicMassText(*elementBySymbol(u"Tc")), "[98]");
    for (const ChemicalElement& element : elementTable()) {
        const QString shown = element.massNumberOnly ? QString() : atomicMassText(element);
        EXPECT_TRUE(shown.isEmpty() || QString(shown).replace(u',', u'.').toDouble() == element.atomicMass)
            << shown.toStdString();
    }
}

TEST(ElementSearch, FindsBySymbolOrGermanNameMostLikelyFirst)
{
    struct SearchCase {
        QString text;
        QString first; // symbol of the first element found; empty when nothing is found
    };
    for (const SearchCase& c :
         {SearchCase{"fe", "Fe"}, SearchCase{"EISEN", "Fe"}, SearchCase{"c", "C"}, SearchCase{"Natr", "Na"},
          SearchCase{"jod", "I"}, SearchCase{"  na ", "Na"}, SearchCase{"stoff", "H"},
          SearchCase{"molybdän", "Mo"}, SearchCase{"", ""}, SearchCase{"xyz", ""}}) {
        const QList<const ChemicalElement*> found = searchElements(c.text);
        EXPECT_EQ(found.isEmpty() ? QString() : found.first()->symbol, c.first) << c.text.toStdString();
    }
    // "C" is carbon first; the names that begin with C come next, chlorine the first of them
    EXPECT_EQ(searchElements(u"C").at(1)->symbol, "Cl");
}
