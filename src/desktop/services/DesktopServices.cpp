#include "desktop/services/DesktopServices.h"

#include "desktop/CommandLine.h"

DesktopServices::DesktopServices(const CommandLineWords& commandLine, RandomSource& random)
    : folders(DesktopFolders::programSources(commandLine.dataDir),
              DesktopFolders::programResultsSources(commandLine.resultsDir)),
      host(commandLine.words), notices(windows), dialogs(windows, notices, folders), tools(windows),
      results(folders.resultsFolder(), user, notices), print({folders, user, windows}, results),
      sound(random), shared{root, app, folders, windows, host, user, dialogs, tools, print, sound},
      sharedTools{notices, clock}
{
}
