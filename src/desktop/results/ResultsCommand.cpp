#include "desktop/results/ResultsCommand.h"

#include "components/VisibleText.h"
#include "desktop/CommandLine.h"
#include "desktop/Diagnostics.h"
#include "desktop/results/RecordFiles.h"
#include "desktop/services/DesktopFolders.h"
#include "results/records/ClassOverview.h"
#include "results/records/ResultsCsv.h"

#include <QDateTime>
#include <QDir>
#include <QSaveFile>
#include <QTextStream>

#include <algorithm>

namespace {

// Oldest run first; a run without a start counts from its end.
bool runsBefore(const ResultRecord& a, const ResultRecord& b)
{
    const QDateTime startA(a.date, a.start.isValid() ? a.start : a.end);
    const QDateTime startB(b.date, b.start.isValid() ? b.start : b.end);
    return startA < startB;
}

// Empty when written; else why not.
QString writeSpreadsheet(const QString& path, const QByteArray& content)
{
    // Written to a temporary file beside it and renamed, so a reader never sees half a table.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        return file.errorString();
    return QString();
}

} // namespace

bool isResultsCommand(const CommandLineWords& commandLine)
{
    return commandLine.words.value(0) == QLatin1String("--results");
}

int runResultsCommand(const CommandLineWords& commandLine)
{
    if (commandLine.words.size() > 2) {
        writeDiagnostic(QStringLiteral("usage: koltest [--results-dir DIR] --results [DIR]"));
        return 2;
    }
    QString folder = commandLine.words.value(1);
    if (folder.isEmpty()) {
        const ResultsFolderChoice choice =
            resolveResultsFolder(DesktopFolders::programResultsSources(commandLine.resultsDir));
        folder = choice.folder;
    }
    FolderScan scan = scanResultsFolder(folder);
    if (!scan.problem.isEmpty()) {
        writeDiagnostic(scan.problem);
        return 1;
    }
    // File names and contents are a pupil's: what would steer the terminal is shown as its code.
    for (const QString& skipped : scan.skipped)
        writeDiagnostic(QStringLiteral("skipped ") + visibleText(skipped));
    std::stable_sort(scan.records.begin(), scan.records.end(), runsBefore);

    QTextStream out(stdout);
    out << QStringLiteral("Ergebnisordner: %1\n").arg(QDir::toNativeSeparators(folder))
        << classOverview(scan.records);
    const QString spreadsheet = QDir(folder).filePath(QLatin1String(ResultsSpreadsheetName));
    const QString problem = writeSpreadsheet(spreadsheet, csvDocument(scan.records));
    if (!problem.isEmpty()) {
        out.flush();
        writeDiagnostic(QStringLiteral("results: cannot write %1: %2").arg(spreadsheet, problem));
        return 1;
    }
    out << QStringLiteral("\nTabelle für die Tabellenkalkulation: %1\n")
               .arg(QDir::toNativeSeparators(spreadsheet));
    return 0;
}
