#pragma once

struct CommandLineWords;

// Whether the program was started as "koltest --check [FILE]".
bool isCheckCommand(const CommandLineWords& commandLine);

// The catalogue check for teachers: checks FILE, or the catalogue the program would load, prints one line
// per finding and a summary to standard output, and returns the exit status (1 on errors, 2 on a wrong
// command line, else 0). Needs a QCoreApplication.
int runCheckCommand(const CommandLineWords& commandLine);
