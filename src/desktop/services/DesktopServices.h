#pragma once

#include "desktop/results/ResultStore.h"
#include "desktop/services/AppInfo.h"
#include "desktop/services/DesktopClock.h"
#include "desktop/services/DesktopDialogs.h"
#include "desktop/services/DesktopFolders.h"
#include "desktop/services/DesktopHost.h"
#include "desktop/services/DesktopPrint.h"
#include "desktop/services/DesktopSound.h"
#include "desktop/services/DesktopTools.h"
#include "desktop/services/DesktopUser.h"
#include "desktop/services/DesktopWindows.h"
#include "desktop/services/MessageBoxes.h"

struct CommandLineWords;

// Every service of the component library, for real, and the two bundles through which the logic
// reaches them. Lives as long as the program.
class DesktopServices {
public:
    DesktopServices(const CommandLineWords& commandLine, RandomSource& random);
    DesktopServices(const DesktopServices&) = delete;
    DesktopServices& operator=(const DesktopServices&) = delete;

    DesktopServicesRoot root;
    DesktopAppDescription app;
    DesktopFolders folders;
    DesktopWindows windows;
    DesktopHost host;
    DesktopUser user;
    DesktopNotices notices;
    DesktopDialogs dialogs;
    DesktopTools tools;
    ResultStore results;
    DesktopPrint print;
    DesktopSound sound;
    DesktopClock clock;

    SharedServices shared;
    SharedTools sharedTools;
};
