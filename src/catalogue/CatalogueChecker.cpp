#include "catalogue/CatalogueChecker.h"

#include "catalogue/CheckedCatalogue.h"
#include "catalogue/LoadCatalogue.h"

#include <algorithm>

QList<CatalogueProblem> checkCatalogue(const QByteArray& bytes)
{
    return checkedCatalogue(bytes).allFindings();
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
