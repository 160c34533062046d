#include "desktop/services/DesktopServices.h"

#include "desktop/CommandLine.h"

DesktopServices::DesktopServices(const CommandLineWords& commandLine, RandomSource& random)
    : folders(DesktopFolders::programSources(commandLine.dataDir)), host(commandLine.words), notices(windows),
      dialogs(windows, notices, folders), tools(windows), print({folders, user, windows}),
      sound(random), shared{root, app, folders, windows, host, user, dialogs, tools, print, sound},
      sharedTools{notices, clock}
{
}
