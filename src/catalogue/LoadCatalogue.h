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
    qsizetype errorsLeftOut = 0; // errors of a file with very many that problems does not hold
    CatalogueExtent extent = CatalogueExtent::Nothing;
};

// The start names this many problems, so that its message fits on a small screen with its OK; the rest
// are counted, and `koltest --check` lists them.
inline constexpr qsizetype ProblemsNamedAtStart = 10;

// Reads the catalogue file at path into the nine arrays and beginner limits. Every load starts from
// empty arrays (only the blank record 0) and empty limits, so the arrays hold exactly what the file holds.
// What was read before a problem is kept.
CatalogueLoad LoadCatalogue(const QString& path, CatalogueArrays& into);

// The same for the file's bytes.
CatalogueLoad loadCatalogueBytes(const QByteArray& bytes, CatalogueArrays& into);

// The message for the user about a load with problems: names the file and the first problems, in German,
// how many more there are and the command that lists them all, and says what the test can still use.
QString describeLoadProblems(const QString& path, const CatalogueLoad& load);

// One line per problem for standard error: "FILE:LINE: error: text".
QStringList diagnosticLines(const QString& path, const QList<CatalogueProblem>& problems);

// The lines for standard error at the start: those of the problems the message names, and how many more.
QStringList startDiagnostics(const QString& path, const CatalogueLoad& load);
