#pragma once

#include "catalogue/CatalogueReader.h"

// A catalogue file as the program reads it, together with everything the check finds in it. The loader
// and the checker both start from here, so the program uses exactly the records that the checker judges,
// and the message at start-up can name every error that the checker reports.

// The check names this many findings at most and counts the rest: a file with more has gone wrong as a
// whole, and its first findings say how.
inline constexpr qsizetype FindingsKept = 1000;

struct CheckedCatalogue {
    RawCatalogue raw;                        // the records the program uses; raw.problems: the reading
    QList<CatalogueProblem> contentFindings; // the judgement of the records, sections and markers, the first
                                             // FindingsKept of them
    qsizetype errorsLeftOut = 0;             // the judgements beyond those
    qsizetype warningsLeftOut = 0;

    // Every problem, the file as a whole first, then by line.
    QList<CatalogueProblem> allFindings() const;
};

CheckedCatalogue checkedCatalogue(const QByteArray& bytes);

// The same for a file; a file that cannot be read gives one error about it.
CheckedCatalogue checkedCatalogueFile(const QString& path);

inline bool isError(const CatalogueProblem& problem)
{
    return problem.severity == CatalogueProblem::Severity::Error;
}

// Sorts problems by line, keeping the order of those on the same line.
void sortByLine(QList<CatalogueProblem>& problems);
