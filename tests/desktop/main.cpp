#include "desktop/DesktopTests.h"
#include "desktop/view/Look.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    look::applyApplicationLook(application);
    int failures = 0;
    for (auto run :
         {runHostTests, runInstanceLockTests, runWidgetsTests, runMainWindowTests, runOptionSheetViewTests})
        failures += run(argc, argv);
    return failures == 0 ? 0 : 1;
}
