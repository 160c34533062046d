#include "catalogue/CatalogueChecker.h"

#include "catalogue/CheckFindings.h"
#include "catalogue/LoadCatalogue.h"
#include "catalogue/SectionChecks.h"

#include <algorithm>

namespace {

// Free text after the ninth "@" is a fine place for a closing note; a marker line there means that someone
// wrote tasks where nothing reads them.
void checkLinesAfterEnd(const RawCatalogue& raw, CheckFindings& findings)
{
    for (const SourceLine& line : raw.linesAfterEnd) {
        if (!isMarkerLine(line.text))
            continue;
        findings.warning(line.number,
                         QStringLiteral("Die Zeile „%1“ steht nach dem neunten „@“; dort liest das "
                                        "Programm nichts mehr.")
                             .arg(line.text));
        return;
    }
}

bool isError(const CatalogueProblem& finding)
{
    return finding.severity == CatalogueProblem::Severity::Error;
}

} // namespace

QList<CatalogueProblem> checkCatalogue(const QByteArray& bytes)
{
    CheckFindings findings;
    // A UTF-8 file without its mark has one fix; the rest is judged as the file will read after it, so that
    // the umlauts and the "ææ" lines that only look wrong now do not hide the real problems.
    const bool misencoded = isUtf8WithoutMark(bytes);
    if (misencoded)
        findings.error(
            0, QStringLiteral("Die Datei ist als UTF-8 ohne Byte-Order-Mark gespeichert; das Programm "
                              "liest sie als Windows-1252, so werden Umlaute und die Zeilen „ææ“ falsch "
                              "gelesen. Bitte als „UTF-8 mit BOM“ oder als „Windows-1252“ (ANSI) "
                              "speichern. Die weiteren Meldungen gelten für die so gespeicherte Datei."));
    const RawCatalogue raw = parseCatalogue(misencoded ? utf8ByteOrderMark + bytes : bytes);
    findings.append(raw.problems);
    for (const RawSection& section : raw.sections)
        if (!checkSection(section, findings))
            break;
    checkLinesAfterEnd(raw, findings);

    QList<CatalogueProblem> sorted = findings.problems();
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const CatalogueProblem& a, const CatalogueProblem& b) { return a.line < b.line; });
    return sorted;
}

QList<CatalogueProblem> checkCatalogueFile(const QString& path)
{
    const CatalogueBytes file = readCatalogueBytes(path);
    if (!file.bytes)
        return {{CatalogueProblem::Severity::Error, 0, file.error}};
    return checkCatalogue(*file.bytes);
}

QString checkSummary(const QString& path, const QList<CatalogueProblem>& findings)
{
    const auto errors = std::count_if(findings.begin(), findings.end(), isError);
    const auto warnings = findings.size() - errors;
    return QStringLiteral("%1: %2 Fehler, %3 %4")
        .arg(path)
        .arg(errors)
        .arg(warnings)
        .arg(warnings == 1 ? QStringLiteral("Warnung") : QStringLiteral("Warnungen"));
}

int runCatalogueCheck(const QString& path, QTextStream& out)
{
    const QList<CatalogueProblem> findings = checkCatalogueFile(path);
    for (const QString& line : diagnosticLines(path, findings))
        out << line << '\n';
    out << checkSummary(path, findings) << '\n';
    out.flush();
    return std::any_of(findings.begin(), findings.end(), isError) ? 1 : 0;
}
