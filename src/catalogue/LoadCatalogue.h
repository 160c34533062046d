#pragma once

#include "catalogue/CatalogueReader.h"
#include "catalogue/Records.h"

struct CatalogueLoad {
    QList<CatalogueProblem> problems;
};

// Reads the catalogue file at path into the nine arrays and beginner limits. Every load starts from
// empty arrays (only the blank record 0) and empty limits, so the arrays hold exactly what the file holds.
// A file that cannot be read, or that ends before its ninth "@", is reported in the result; what was read
// before the problem is kept.
CatalogueLoad LoadCatalogue(const QString& path, CatalogueArrays& into);

// The message for the user about a load with problems: names the file and every problem, in German.
QString describeLoadProblems(const QString& path, const CatalogueLoad& load);

// One line per problem for standard error: "FILE:LINE: error: text".
QStringList diagnosticLines(const QString& path, const QList<CatalogueProblem>& problems);
