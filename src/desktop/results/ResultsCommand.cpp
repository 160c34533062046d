#include "desktop/results/ResultsCommand.h"

#include "components/SafeFileWriter.h"
#include "components/VisibleText.h"
#include "desktop/CommandLine.h"
#include "desktop/Diagnostics.h"
#include "desktop/results/RecordFiles.h"
#include "desktop/services/DesktopFolders.h"
#include "results/records/ClassOverview.h"
#include "results/records/ResultsCsv.h"

#include <QDir>
#include <QTextStream>

namespace {

// Writes one table into the folder for the teachers' group only (it holds the whole class).
TableWrite writeTable(const QString& folder, const char* name, const QByteArray& content)
{
    const QString path = QDir::toNativeSeparators(QDir(folder).filePath(QLatin1String(name)));
    const FileWrite write = writeFileSafely(path, content, ExistingFile::Replace, FileReaders::OwnerAndGroup);
    if (write.written())
        return {path, {}};
    const QString problem =
        QStringLiteral("Die Tabelle „%1“ wurde nicht geschrieben. %2 Eine vorhandene Datei "
                       "dieses Namens bleibt unverändert.")
            .arg(path, write.problem);
    writeDiagnostic(problem);
    return {path, problem};
}

QString tableLine(const TableWrite& table)
{
    return table.problem.isEmpty()
               ? QStringLiteral("Tabelle für die Tabellenkalkulation: %1\n").arg(table.path)
               : QString();
}

} // namespace

std::array<TableWrite, 2> writeResultsTables(const QString& folder, const ClassResults& results)
{
    return {writeTable(folder, ResultsSpreadsheetName, csvDocument(results.runsByStart())),
            writeTable(folder, TasksSpreadsheetName, csvTaskDocument(results.taskAnalysis()))};
}

QString resultsFolderOf(const CommandLineWords& commandLine)
{
    const QString folder = commandLine.words.value(1);
    if (!folder.isEmpty())
        return folder;
    return resolveResultsFolder(DesktopFolders::programResultsSources(commandLine.resultsDir)).folder;
}

int runResultsCommand(const CommandLineWords& commandLine)
{
    const QString folder = resultsFolderOf(commandLine);
    const FolderScan scan = scanResultsFolder(folder);
    if (!scan.problem.isEmpty()) {
        writeDiagnostic(scan.problem);
        return 1;
    }
    // File names and contents are a pupil's: what would steer the terminal is shown as its code.
    for (const QString& skipped : scan.skipped)
        writeDiagnostic(QStringLiteral("skipped ") + visibleText(skipped));

    // The tables first: when the reader of the overview stops early ("| head"), the broken pipe ends the
    // program, and the tables are on disk by then.
    // "--results-dir ORDNER --results DIR" reads DIR and writes the tables into ORDNER: the way out when
    // someone has planted something under a table's name in a share.
    const bool tablesElsewhere = !commandLine.words.value(1).isEmpty() && !commandLine.resultsDir.isEmpty();
    const QString tableFolder = tablesElsewhere ? commandLine.resultsDir : folder;
    const std::array<TableWrite, 2> tables = writeResultsTables(tableFolder, scan.results);

    QTextStream out(stdout);
    out << QStringLiteral("Ergebnisordner: %1\n").arg(QDir::toNativeSeparators(folder))
        << classOverview(scan.results) << QLatin1Char('\n') << tableLine(tables[0]) << tableLine(tables[1]);
    return tables[0].problem.isEmpty() && tables[1].problem.isEmpty() ? 0 : 1;
}
