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
