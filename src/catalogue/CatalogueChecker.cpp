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
    return checkedCatalogueFile(path).allFindings();
}

QString checkSummary(const QString& path, qsizetype errors, qsizetype warnings)
{
    return QStringLiteral("%1: %2 Fehler, %3 %4")
        .arg(path)
        .arg(errors)
        .arg(warnings)
        .arg(warnings == 1 ? QStringLiteral("Warnung") : QStringLiteral("Warnungen"));
}

int runCatalogueCheck(const QString& path, QTextStream& out)
{
    const CheckedCatalogue checked = checkedCatalogueFile(path);
    const QList<CatalogueProblem> findings = checked.allFindings();
    for (const QString& line : diagnosticLines(path, findings))
        out << line << '\n';
    const qsizetype leftOut = checked.errorsLeftOut + checked.warningsLeftOut;
    if (leftOut > 0)
        out << QStringLiteral(
                   "%1: … und %2 weitere Befunde, hier nicht einzeln genannt; sie folgen oft aus den "
                   "ersten.")
                   .arg(path)
                   .arg(leftOut)
            << '\n';
    const qsizetype errors = std::count_if(findings.begin(), findings.end(), isError) + checked.errorsLeftOut;
    out << checkSummary(path, errors, findings.size() + leftOut - errors) << '\n';
    out.flush();
    return errors > 0 ? 1 : 0;
}
