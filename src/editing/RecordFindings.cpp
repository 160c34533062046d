#include "editing/RecordFindings.h"

#include "catalogue/CatalogueChecker.h"

#include <algorithm>

QList<RecordFinding> unsavableFields(const CatalogueDocument& document)
{
    QList<RecordFinding> findings;
    for (const Section section : allSections)
        for (const CataloguePart part : {CataloguePart::Beginner, CataloguePart::Expert})
            for (const int id : document.records(section, part)) {
                const QStringList fields = document.fields(id);
                for (int field = 0; field < fields.size(); ++field) {
                    const QString problem = document.unsavable(fields.at(field));
                    if (!problem.isEmpty())
                        findings.append(
                            {id,
                             field,
                             {CatalogueProblem::Severity::Error, document.firstLine(id) + field, problem}});
                }
            }
    return findings;
}

QList<RecordFinding> findRecordProblems(const CatalogueDocument& document)
{
    QList<RecordFinding> findings = unsavableFields(document);
    for (const CatalogueProblem& problem : checkCatalogue(document.bytes())) {
        const std::optional<CatalogueDocument::LinePlace> place = document.placeOfLine(problem.line);
        findings.append({place ? place->id : 0, place ? place->field : -1, problem});
    }
    std::stable_sort(findings.begin(), findings.end(), [](const RecordFinding& a, const RecordFinding& b) {
        return a.problem.line < b.problem.line;
    });
    return findings;
}

qsizetype errorCount(const QList<RecordFinding>& findings)
{
    return std::count_if(findings.begin(), findings.end(), [](const RecordFinding& finding) {
        return finding.problem.severity == CatalogueProblem::Severity::Error;
    });
}
