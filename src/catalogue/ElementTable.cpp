#include "catalogue/ElementTable.h"

#include <QHash>

#include <array>

namespace {

struct ElementRow {
    const char16_t* symbol;
    const char16_t* names; // accepted spellings separated by "*", the preferred one first
    double atomicMass;
    bool massNumberOnly;
};

// Ordered by atomic number. Masses: IUPAC abridged standard atomic weights; for elements without one, the
// mass number of the most stable isotope (flag true).
constexpr std::array<ElementRow, 118> rows = {{
    {u"H", u"Wasserstoff", 1.008, false},
    {u"He", u"Helium", 4.0026, false},
    {u"Li", u"Lithium", 6.94, false},
    {u"Be", u"Beryllium", 9.0122, false},
    {u"B", u"Bor", 10.81, false},
    {u"C", u"Kohlenstoff", 12.011, false},
    {u"N", u"Stickstoff", 14.007, false},
    {u"O", u"Sauerstoff", 15.999, false},
    {u"F", u"Fluor", 18.998, false},
    {u"Ne", u"Neon", 20.180, false},
    {u"Na", u"Natrium", 22.990, false},
    {u"Mg", u"Magnesium", 24.305, false},
    {u"Al", u"Aluminium", 26.982, false},
    {u"Si", u"Silicium*Silizium", 28.085, false},
    {u"P", u"Phosphor", 30.974, false},
    {u"S", u"Schwefel", 32.06, false},
    {u"Cl", u"Chlor", 35.45, false},
    {u"Ar", u"Argon", 39.95, false},
    {u"K", u"Kalium", 39.098, false},
    {u"Ca", u"Calcium*Kalzium", 40.078, false},
    {u"Sc", u"Scandium*Skandium", 44.956, false},
    {u"Ti", u"Titan", 47.867, false},
    {u"V", u"Vanadium", 50.942, false},
    {u"Cr", u"Chrom", 51.996, false},
    {u"Mn", u"Mangan", 54.938, false},
    {u"Fe", u"Eisen", 55.845, false},
    {u"Co", u"Cobalt*Kobalt", 58.933, false},
    {u"Ni", u"Nickel", 58.693, false},
    {u"Cu", u"Kupfer", 63.546, false},
    {u"Zn", u"Zink", 65.38, false},
    {u"Ga", u"Gallium", 69.723, false},
    {u"Ge", u"Germanium", 72.630, false},
    {u"As", u"Arsen", 74.922, false},
    {u"Se", u"Selen", 78.971, false},
    {u"Br", u"Brom", 79.904, false},
    {u"Kr", u"Krypton", 83.798, false},
    {u"Rb", u"Rubidium", 85.468, false},
    {u"Sr", u"Strontium", 87.62, false},
    {u"Y", u"Yttrium", 88.906, false},
    {u"Zr", u"Zirconium*Zirkonium", 91.224, false},
    {u"Nb", u"Niob", 92.906, false},
    {u"Mo", u"Molybdän", 95.95, false},
    {u"Tc", u"Technetium", 98, true},
    {u"Ru", u"Ruthenium", 101.07, false},
    {u"Rh", u"Rhodium", 102.91, false},
    {u"Pd", u"Palladium", 106.42, false},
    {u"Ag", u"Silber", 107.87, false},
    {u"Cd", u"Cadmium*Kadmium", 112.41, false},
    {u"In", u"Indium", 114.82, false},
    {u"Sn", u"Zinn", 118.71, false},
    {u"Sb", u"Antimon", 121.76, false},
    {u"Te", u"Tellur", 127.60, false},
    {u"I", u"Iod*Jod", 126.90, false},
    {u"Xe", u"Xenon", 131.29, false},
    {u"Cs", u"Caesium*Cäsium", 132.91, false},
    {u"Ba", u"Barium", 137.33, false},
    {u"La", u"Lanthan", 138.91, false},
    {u"Ce", u"Cer", 140.12, false},
    {u"Pr", u"Praseodym", 140.91, false},
    {u"Nd", u"Neodym", 144.24, false},
    {u"Pm", u"Promethium", 145, true},
    {u"Sm", u"Samarium", 150.36, false},
    {u"Eu", u"Europium", 151.96, false},
    {u"Gd", u"Gadolinium", 157.25, false},
    {u"Tb", u"Terbium", 158.93, false},
    {u"Dy", u"Dysprosium", 162.50, false},
    {u"Ho", u"Holmium", 164.93, false},
    {u"Er", u"Erbium", 167.26, false},
    {u"Tm", u"Thulium", 168.93, false},
    {u"Yb", u"Ytterbium", 173.05, false},
    {u"Lu", u"Lutetium", 174.97, false},
    {u"Hf", u"Hafnium", 178.49, false},
    {u"Ta", u"Tantal", 180.95, false},
    {u"W", u"Wolfram", 183.84, false},
    {u"Re", u"Rhenium", 186.21, false},
    {u"Os", u"Osmium", 190.23, false},
    {u"Ir", u"Iridium", 192.22, false},
    {u"Pt", u"Platin", 195.08, false},
    {u"Au", u"Gold", 196.97, false},
    {u"Hg", u"Quecksilber", 200.59, false},
    {u"Tl", u"Thallium", 204.38, false},
    {u"Pb", u"Blei", 207.2, false},
    {u"Bi", u"Bismut*Wismut", 208.98, false},
    {u"Po", u"Polonium", 209, true},
    {u"At", u"Astat", 210, true},
    {u"Rn", u"Radon", 222, true},
    {u"Fr", u"Francium", 223, true},
    {u"Ra", u"Radium", 226, true},
    {u"Ac", u"Actinium*Aktinium", 227, true},
    {u"Th", u"Thorium", 232.04, false},
    {u"Pa", u"Protactinium", 231.04, false},
    {u"U", u"Uran", 238.03, false},
    {u"Np", u"Neptunium", 237, true},
    {u"Pu", u"Plutonium", 244, true},
    {u"Am", u"Americium", 243, true},
    {u"Cm", u"Curium", 247, true},
    {u"Bk", u"Berkelium", 247, true},
    {u"Cf", u"Californium", 251, true},
    {u"Es", u"Einsteinium", 252, true},
    {u"Fm", u"Fermium", 257, true},
    {u"Md", u"Mendelevium", 258, true},
    {u"No", u"Nobelium", 259, true},
    {u"Lr", u"Lawrencium", 266, true},
    {u"Rf", u"Rutherfordium", 267, true},
    {u"Db", u"Dubnium", 268, true},
    {u"Sg", u"Seaborgium", 269, true},
    {u"Bh", u"Bohrium", 270, true},
    {u"Hs", u"Hassium", 269, true},
    {u"Mt", u"Meitnerium", 278, true},
    {u"Ds", u"Darmstadtium", 281, true},
    {u"Rg", u"Roentgenium", 282, true},
    {u"Cn", u"Copernicium", 285, true},
    {u"Nh", u"Nihonium", 286, true},
    {u"Fl", u"Flerovium", 289, true},
    {u"Mc", u"Moscovium", 290, true},
    {u"Lv", u"Livermorium", 293, true},
    {u"Ts", u"Tenness", 294, true},
    {u"Og", u"Oganesson", 294, true},
}};

// The first atomic number of each period; the period ends where the next one starts.
constexpr std::array<int, 8> periodStarts = {1, 3, 11, 19, 37, 55, 87, 119};

// Period, group and series follow from the atomic number alone (the shape of the periodic table).
void placeInPeriodicTable(ChemicalElement& element)
{
    const int z = element.number;
    int period = 1;
    while (z >= periodStarts.at(period))
        ++period;
    const int offset = z - periodStarts.at(period - 1); // position within the period, from 0
    const int length = periodStarts.at(period) - periodStarts.at(period - 1);
    element.period = period;
    if (offset < 2 && !(period == 1 && offset == 1)) {
        element.group = offset + 1; // s-block: groups 1 and 2
        return;
    }
    switch (length) {
    case 2:
    case 8: // periods 1 to 3: the p-block follows the s-block directly
        element.group = 18 - (length - 1 - offset);
        return;
    case 18: // periods 4 and 5
        element.group = offset + 1;
        return;
    default: // periods 6 and 7: fifteen elements of the f-rows, then groups 4 to 18
        if (offset <= 16) {
            element.group = 0;
            element.series = period == 6 ? ElementSeries::Lanthanide : ElementSeries::Actinide;
        } else {
            element.group = offset - 13;
        }
        return;
    }
}

struct Table {
    QList<ChemicalElement> elements;
    QHash<QString, int> bySymbol; // index into elements
    QHash<QString, int> byName;

    Table()
    {
        elements.reserve(static_cast<qsizetype>(rows.size()));
        for (const ElementRow& row : rows) {
            ChemicalElement element;
            element.number = static_cast<int>(elements.size()) + 1;
            element.symbol = QString::fromUtf16(row.symbol);
            element.names = QString::fromUtf16(row.names).split(QLatin1Char('*'));
            element.atomicMass = row.atomicMass;
            element.massNumberOnly = row.massNumberOnly;
            placeInPeriodicTable(element);
            const int index = static_cast<int>(elements.size());
            bySymbol.insert(element.symbol, index);
            for (const QString& name : element.names)
                byName.insert(name, index);
            elements.append(element);
        }
    }
};

const Table& table()
{
    static const Table instance;
    return instance;
}

const ChemicalElement* find(const QHash<QString, int>& index, QStringView key)
{
    const auto it = index.constFind(key.toString());
    return it == index.constEnd() ? nullptr : &table().elements.at(it.value());
}

} // namespace

const QList<ChemicalElement>& elementTable()
{
    return table().elements;
}

const ChemicalElement* elementByNumber(int number)
{
    const QList<ChemicalElement>& elements = table().elements;
    return number >= 1 && number <= elements.size() ? &elements.at(number - 1) : nullptr;
}

const ChemicalElement* elementBySymbol(QStringView symbol)
{
    return find(table().bySymbol, symbol);
}

const ChemicalElement* elementByName(QStringView name)
{
    return find(table().byName, name);
}
