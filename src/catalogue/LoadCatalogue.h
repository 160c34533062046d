#pragma once

#include "catalogue/CatalogueReader.h"
#include "catalogue/Records.h"

// How much of the file the program could read.
enum class CatalogueExtent {
    Nothing, // the file cannot be read: every section stays empty
    Part,    // the file ends before its ninth "@": the sections after that stay empty
    Whole,
};

struct CatalogueLoad {
    // Every error that the catalogue check reports for the file, and the warning about a file read as
    // UTF-8 without its byte-order mark; the file as a whole first, then by line.
    QList<CatalogueProblem> problems;
    CatalogueExtent extent = CatalogueExtent::Nothing;
};

// Reads the catalogue file at path into the nine arrays and beginner limits. Every load starts from
// empty arrays (only the blank record 0) and empty limits, so the arrays hold exactly what the file holds.
// What was read before a problem is kept.
CatalogueLoad LoadCatalogue(const QString& path, CatalogueArrays& into);

// The same for the file's bytes.
CatalogueLoad loadCatalogueBytes(const QByteArray& bytes, CatalogueArrays& into);

// The message for the user about a load with problems: names the file and every problem, in German, and
// says what the test can still use.
QString describeLoadProblems(const QString& path, const CatalogueLoad& load);

// One line per problem for standard error: "FILE:LINE: error: text".
QStringList diagnosticLines(const QString& path, const QList<CatalogueProblem>& problems);
