#pragma once

#include "catalogue/Section.h"

#include <QList>
#include <QString>
#include <QStringList>

// How the editor shows a record of each section: its fields, named as the catalogue's guide names them,
// with the kind of input each needs.

enum class FieldInput {
    Text,     // one line of text
    Variants, // accepted forms separated by "*", the first one shown
    Formula,  // formula notation, e.g. H2SO4
    Equation, // equation notation, e.g. @2H2+@1O2=@2H2O
    Number,   // a decimal number written with a point
    Whole,    // a whole number
    Charge,   // a charge number -3 .. 3
    YesNo,    // "J" or "N"
};

struct FieldForm {
    QString label;
    FieldInput input = FieldInput::Text;
    int longest = 0; // the characters the program reads of the line; 0 for no limit
};

// One per line of a record of the section, in file order.
const QList<FieldForm>& fieldForms(Section section);

// A short title for the record in the editor's list, e.g. "Calcium (Ca)".
QString recordTitle(Section section, const QStringList& fields);

// The fields of a new record of the section: an example that passes the check, for the teacher to change.
QStringList newRecordFields(Section section);

// The texts of a variants field and back: "Calcium*Kalzium" <-> {"Calcium", "Kalzium"}.
QStringList variantsOf(const QString& field);
QString variantsField(const QStringList& variants);

// An equation as the editor shows it, "3 Fe + 2 O2 = 1 Fe3O4", and the line the file stores,
// "@3Fe+@2O2=@1Fe3O4". A substance without a number counts once ("Fe3O4" is "1 Fe3O4"), and "→" stands for
// "=". A line that breaks the notation is shown as it stands, and a text already written with "@" is
// stored as it stands, so the check names what is wrong with it.
QString readableEquation(const QString& line);
QString equationLine(const QString& readable);
