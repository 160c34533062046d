#pragma once

struct CommandLineWords;

// "koltest --edit [FILE]": the editor over FILE, else over the catalogue the test would load. A file that
// cannot be read ends with a German message box, a line on standard error and status 1.
int runCatalogueEditor(const CommandLineWords& commandLine);
