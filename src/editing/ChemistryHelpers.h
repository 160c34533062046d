#pragma once

#include "editing/CatalogueDocument.h"

#include <QString>
#include <QStringList>

#include <optional>

// What the editor works out beside a stored answer, from the same element table and notations the check
// uses.

// The molar mass of a formula as the catalogue stores it (summed, then rounded to one decimal, written
// with a point, e.g. "98.1"); nullopt when the formula does not read.
std::optional<QString> molarMassField(const QString& formula);

// An equation line's atoms on each side and whether it balances with the smallest whole numbers.
struct EquationAtoms {
    QString left; // e.g. "Fe 3, O 4"
    QString right;
    QString verdict;       // German: "ausgeglichen", what differs, or why the line does not read
    bool balanced = false; // balances, and with the smallest whole numbers
};
EquationAtoms equationAtoms(const QString& line);

// The other terms of the definitions section whose records have the same definition as the record: the
// only overlap the check can tell for sure.
QStringList termsWithSameDefinition(const CatalogueDocument& document, int id);
