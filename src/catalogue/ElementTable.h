#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// The one table of the chemical elements in the program. The catalogue checker judges element records
// and molar masses with it, and the periodic table shows it, so both always agree.

// Where an element stands outside the main body of the periodic table.
enum class ElementSeries { None, Lanthanide, Actinide };

struct ChemicalElement {
    int number = 0; // atomic number, 1..118
    QString symbol;
    QStringList names; // German names; the first is the spelling schools prefer, the others are accepted too
    // The standard atomic weight as IUPAC gives it in its abridged table (the conventional value where the
    // weight is an interval, e.g. H 1.008, Cl 35.45). Elements without a standard atomic weight carry the
    // mass number of their most stable isotope instead, see massNumberOnly.
    double atomicMass = 0;
    bool massNumberOnly = false; // shown in brackets in a periodic table, e.g. Tc [98]
    int period = 0;              // 1..7
    int group = 0; // 1..18; 0 for the lanthanides and actinides, which stand in rows of their own
    ElementSeries series = ElementSeries::None;

    const QString& name() const { return names.constFirst(); }
};

// All 118 elements, ordered by atomic number (entry i holds the element with the number i + 1).
const QList<ChemicalElement>& elementTable();

// Exact lookups, case-sensitive as the pupils' answers are judged; nullptr when there is no such element.
const ChemicalElement* elementByNumber(int number);
const ChemicalElement* elementBySymbol(QStringView symbol);
// Any accepted spelling of the name, e.g. "Iod" and "Jod" both give iodine.
const ChemicalElement* elementByName(QStringView name);
