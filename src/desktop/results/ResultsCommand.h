#pragma once

#include <QString>

#include <array>

class ClassResults;

struct CommandLineWords;

// The folder the results commands read: DIR when given, else the folder the results go to.
QString resultsFolderOf(const CommandLineWords& commandLine);

// The class overview for teachers: reads every record of DIR (or of the results folder), prints the
// overview to standard output, names files that are no records on standard error and writes the two
// spreadsheet files, the runs and the tasks, into the folder (into the --results-dir folder when DIR is
// given as well). Returns the exit status: 0 when it worked (an empty folder too), 1 when the folder cannot
// be read or a spreadsheet not written. Needs a QCoreApplication.
int runResultsCommand(const CommandLineWords& commandLine);

struct TableWrite {
    QString path;    // the table's file
    QString problem; // German, also on standard error: why it was not written; empty when it was
};

// Writes the class's two spreadsheet files, the runs and the tasks, into the folder, readable for the
// owner and the group only (they hold the whole class), replacing the tables written before.
std::array<TableWrite, 2> writeResultsTables(const QString& folder, const ClassResults& results);
