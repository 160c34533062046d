#pragma once

#include "catalogue/CatalogueReader.h"

#include <QTextStream>

// The catalogue check for teachers: everything that would make the program misbehave with a catalogue file,
// or leave a pupil a task that cannot be solved, found in one pass. It reads the file with the same reader
// as the loader and adds its judgements.

// Every finding about a file's content, in the order of the lines (findings about the whole file first);
// of a file with very many, the first (catalogue/CheckedCatalogue.h).
QList<CatalogueProblem> checkCatalogue(const QByteArray& bytes);

// The same for a file; a file that cannot be read gives one error.
QList<CatalogueProblem> checkCatalogueFile(const QString& path);

// The closing line of a check, e.g. "koltest.dat: 2 Fehler, 1 Warnung".
QString checkSummary(const QString& path, qsizetype errors, qsizetype warnings);

// The command "koltest --check FILE": prints one line per finding ("FILE:LINE: error: text" or
// "FILE:LINE: warning: text"), of very many the first and how many more, and the summary, which counts
// them all. Returns the exit status: 1 if there is an error, else 0.
int runCatalogueCheck(const QString& path, QTextStream& out);
