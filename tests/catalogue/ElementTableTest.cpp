#include "catalogue/ElementTable.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QSet>

#include <cmath>

TEST(ElementTable, HoldsEveryElementOnceInOrder)
{
    const QList<ChemicalElement>& elements = elementTable();
    ASSERT_EQ(elements.size(), 118);
    QSet<QString> symbols;
    for (qsizetype i = 0; i < elements.size(); ++i) {
        const ChemicalElement& element = elements.at(i);
        EXPECT_EQ(element.number, i + 1);
        EXPECT_FALSE(symbols.contains(element.symbol)) << element.symbol.toStdString();
        symbols.insert(element.symbol);
        // Every spelling leads back to its own element, so no name is given to two elements.
        for (const QString& name : element.names)
            EXPECT_EQ(elementByName(name), &element) << name.toStdString();
        // The exact rounding of molar masses relies on masses of at most four decimals.
        const double units = element.atomicMass * 10000;
        EXPECT_NEAR(units, std::round(units), 1e-6) << element.symbol.toStdString();
    }
}

struct MassCase {
    const char* symbol;
    double mass;
    bool massNumberOnly;
};

class ElementMasses : public ::testing::TestWithParam<MassCase> {};

TEST_P(ElementMasses, AreTheAbridgedStandardAtomicWeights)
{
    const ChemicalElement* element = elementBySymbol(QString::fromLatin1(GetParam().symbol));
    ASSERT_NE(element, nullptr);
    EXPECT_DOUBLE_EQ(element->atomicMass, GetParam().mass);
    EXPECT_EQ(element->massNumberOnly, GetParam().massNumberOnly);
}

INSTANTIATE_TEST_SUITE_P(SchoolElements, ElementMasses,
                         ::testing::Values(MassCase{"H", 1.008, false}, MassCase{"C", 12.011, false},
                                           MassCase{"N", 14.007, false}, MassCase{"O", 15.999, false},
                                           MassCase{"Na", 22.990, false}, MassCase{"Mg", 24.305, false},
                                           MassCase{"Al", 26.982, false}, MassCase{"S", 32.06, false},
                                           MassCase{"Cl", 35.45, false}, MassCase{"K", 39.098, false},
                                           MassCase{"Ca", 40.078, false}, MassCase{"Fe", 55.845, false},
                                           MassCase{"Cu", 63.546, false}, MassCase{"Zn", 65.38, false},
                                           MassCase{"Ag", 107.87, false}, MassCase{"I", 126.90, false},
                                           MassCase{"Ba", 137.33, false}, MassCase{"Pb", 207.2, false},
                                           MassCase{"U", 238.03, false}, MassCase{"Tc", 98, true},
                                           MassCase{"Og", 294, true}),
                         [](const auto& info) { return std::string(info.param.symbol); });

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

TEST(ElementTable, PlacesElementsInThePeriodicTable)
{
    const struct {
        const char* symbol;
        int period;
        int group;
        ElementSeries series;
    } places[] = {{"H", 1, 1, ElementSeries::None},        {"He", 1, 18, ElementSeries::None},
                  {"B", 2, 13, ElementSeries::None},       {"Na", 3, 1, ElementSeries::None},
                  {"Cl", 3, 17, ElementSeries::None},      {"Sc", 4, 3, ElementSeries::None},
                  {"Fe", 4, 8, ElementSeries::None},       {"Xe", 5, 18, ElementSeries::None},
                  {"Ba", 6, 2, ElementSeries::None},       {"La", 6, 0, ElementSeries::Lanthanide},
                  {"Lu", 6, 0, ElementSeries::Lanthanide}, {"Hf", 6, 4, ElementSeries::None},
                  {"Pb", 6, 14, ElementSeries::None},      {"U", 7, 0, ElementSeries::Actinide},
                  {"Lr", 7, 0, ElementSeries::Actinide},   {"Rf", 7, 4, ElementSeries::None},
                  {"Og", 7, 18, ElementSeries::None}};
    for (const auto& place : places) {
        const ChemicalElement* element = elementBySymbol(QString::fromLatin1(place.symbol));
        ASSERT_NE(element, nullptr) << place.symbol;
        EXPECT_EQ(element->period, place.period) << place.symbol;
        EXPECT_EQ(element->group, place.group) << place.symbol;
        EXPECT_EQ(element->series, place.series) << place.symbol;
    }
}
