#pragma once

struct CommandLineWords;

// Whether the program was started as "koltest --results [DIR]".
bool isResultsCommand(const CommandLineWords& commandLine);

// The class overview for teachers: reads every record of DIR (or of the results folder), prints the
// overview to standard output, names files that are no records on standard error and writes the
// spreadsheet file into the folder (into the --results-dir folder when DIR is given as well). Returns the
// exit status: 0 when it worked (an empty folder too), 1 when the folder cannot be read or the spreadsheet
// not written, 2 on a wrong command line. Needs a QCoreApplication.
int runResultsCommand(const CommandLineWords& commandLine);
