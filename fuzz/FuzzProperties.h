#pragma once

#include <QByteArrayView>
#include <QString>

// The properties that the fuzz targets check. Each function runs one input through the program's own
// code and returns what went wrong, in English for developers; empty when every property holds. A crash,
// a hang or undefined behaviour shows up through the sanitizers instead. The fuzz targets abort on an
// answer that is not empty; the regression test feeds them the inputs kept in tests/data/fuzz.

// The catalogue reader, the loader and the checker on a whole file.
QString catalogueProperties(QByteArrayView bytes);

// The number reader and printer (readLeadingNumber, toInt16, roundHalfEven, printWhole, printSingle).
QString numberProperties(QByteArrayView bytes);

// The formula and the equation notation readers.
QString notationProperties(QByteArrayView bytes);

// The certificate form reader: a form read without findings has only sizes and spaces in their ranges and
// the cells its kind takes; every finding has a line of the file and a text.
QString formProperties(QByteArrayView bytes);

// The result record reader: a record it accepts holds only numbers a test run produces and comes back
// unchanged through its own text; a refusal gives its reason.
QString recordProperties(QByteArrayView bytes);
