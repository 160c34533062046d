#include "catalogue/CheckedCatalogue.h"

#include "catalogue/CheckFindings.h"
#include "catalogue/RecordChecks.h"
#include "catalogue/SectionChecks.h"

#include <algorithm>

namespace {

bool lastRecordHasFindings(const RawSection& section)
{
    CheckFindings findings;
    checkRecord(section.section, section.records.constLast(), recordPart(section, section.records.size() - 1),
                findings);
    return !findings.problems().isEmpty();
}

// A section without its "@" ran on into the free lines before the next section's "#". Those lines were
// read as records; they are the records at its end that do not pass the check, and the program does not
// use them. The reader has already reported the missing "@" at that "#".
void dropFreeLinesReadAsRecords(RawSection& section)
{
    if (section.nextSectionLine == 0)
        return;
    while (!section.records.isEmpty() && lastRecordHasFindings(section))
        section.records.removeLast();
    if (section.easyLimit)
        section.easyLimit = std::min(*section.easyLimit, static_cast<int>(section.records.size()));
}

// Free text after the ninth "@" is a fine place for a closing note; a marker line there means that someone
// wrote tasks where nothing reads them.
void checkLinesAfterEnd(const RawCatalogue& raw, CheckFindings& findings)
{
    if (const std::optional<SourceLine>& line = raw.markerAfterEnd)
        findings.warning(line->number,
                         QStringLiteral("Die Zeile „%1“ steht nach dem neunten „@“; dort liest das "
                                        "Programm nichts mehr.")
                             .arg(line->text));
}

} // namespace

void sortByLine(QList<CatalogueProblem>& problems)
{
    std::stable_sort(problems.begin(), problems.end(),
                     [](const CatalogueProblem& a, const CatalogueProblem& b) { return a.line < b.line; });
}

QList<CatalogueProblem> CheckedCatalogue::allFindings() const
{
    QList<CatalogueProblem> all = raw.problems + contentFindings;
    sortByLine(all);
    return all;
}

CheckedCatalogue checkedCatalogue(const QByteArray& bytes)
{
    CheckedCatalogue result{parseCatalogue(bytes), {}};
    for (RawSection& section : result.raw.sections)
        dropFreeLinesReadAsRecords(section);
    CheckFindings findings(FindingsKept);
    for (const RawSection& section : result.raw.sections)
        checkSection(section, findings);
    checkLinesAfterEnd(result.raw, findings);
    result.contentFindings = findings.problems();
    result.errorsLeftOut = findings.errorsLeftOut();
    result.warningsLeftOut = findings.warningsLeftOut();
    return result;
}

CheckedCatalogue checkedCatalogueFile(const QString& path)
{
    const CatalogueBytes file = readCatalogueBytes(path);
    if (file.bytes)
        return checkedCatalogue(*file.bytes);
    CheckedCatalogue unread;
    unread.raw.problems.append({CatalogueProblem::Severity::Error, 0, file.error});
    return unread;
}
