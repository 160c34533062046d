#pragma once

#include "catalogue/CatalogueReader.h"
#include "editing/CatalogueDocument.h"

#include <QList>

// The check's findings about the document, each placed where the editor shows it: beside the field of
// the record it concerns, or in the list only when it concerns the file or a section as a whole.
struct RecordFinding {
    int id = 0;     // the record; 0 for the file or a section as a whole
    int field = -1; // the field of the record; -1 for the whole record
    CatalogueProblem problem;
};

// The same check as "koltest --check", run over the file as it would be saved, plus what keeps a field
// out of the file (CatalogueDocument::unsavable), which is an error.
QList<RecordFinding> findRecordProblems(const CatalogueDocument& document);

// The fields whose text the file cannot hold (CatalogueDocument::unsavable), in file order: they keep a
// document from being saved at all.
QList<RecordFinding> unsavableFields(const CatalogueDocument& document);

qsizetype errorCount(const QList<RecordFinding>& findings);
