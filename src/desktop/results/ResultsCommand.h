#pragma once

#include <QString>

struct CommandLineWords;

// The folder the results commands read: DIR when given, else the folder the results go to.
QString resultsFolderOf(const CommandLineWords& commandLine);

// The class overview for teachers: reads every record of DIR (or of the results folder), prints the
// overview to standard output, names files that are no records on standard error and writes the two
// spreadsheet files, the runs and the tasks, into the folder (into the --results-dir folder when DIR is
// given as well). Returns the exit status: 0 when it worked (an empty folder too), 1 when the folder cannot
// be read or a spreadsheet not written. Needs a QCoreApplication.
int runResultsCommand(const CommandLineWords& commandLine);
