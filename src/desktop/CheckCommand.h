#pragma once

struct CommandLineWords;

// The catalogue check for teachers: checks FILE, or the catalogue the program would load, prints one line
// per finding and a summary to standard output, and returns the exit status (1 on errors, else 0).
// Needs a QCoreApplication.
int runCheckCommand(const CommandLineWords& commandLine);
