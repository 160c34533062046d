#include "desktop/results/ResultsCommand.h"

#include "components/SafeFileWriter.h"
#include "components/VisibleText.h"
#include "desktop/CommandLine.h"
#include "desktop/Diagnostics.h"
#include "desktop/results/RecordFiles.h"
#include "desktop/services/DesktopFolders.h"
#include "results/records/ClassOverview.h"
#include "results/records/ResultsCsv.h"

#include <QDateTime>
#include <QDir>
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

} // namespace

int runResultsCommand(const CommandLineWords& commandLine)
{
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
    // "--results-dir ORDNER --results DIR" reads DIR and writes the table into ORDNER: the way out when
    // someone has planted something under the table's name in a share.
    const bool tableElsewhere = !commandLine.words.value(1).isEmpty() && !commandLine.resultsDir.isEmpty();
    const QString spreadsheet = QDir(tableElsewhere ? commandLine.resultsDir : folder)
                                    .filePath(QLatin1String(ResultsSpreadsheetName));
    // The table holds the whole class: only the teachers' group may read it.
    const FileWrite write = writeFileSafely(spreadsheet, csvDocument(scan.records), ExistingFile::Replace,
                                            FileReaders::OwnerAndGroup);
    if (!write.written()) {
        out.flush();
        writeDiagnostic(QStringLiteral("Die Tabelle „%1“ wurde nicht geschrieben. %2 Eine vorhandene Datei "
                                       "dieses Namens bleibt unverändert.")
                            .arg(QDir::toNativeSeparators(spreadsheet), write.problem));
        return 1;
    }
    out << QStringLiteral("\nTabelle für die Tabellenkalkulation: %1\n")
               .arg(QDir::toNativeSeparators(spreadsheet));
    return 0;
}
