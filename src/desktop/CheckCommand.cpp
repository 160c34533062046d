#include "desktop/CheckCommand.h"

#include "catalogue/CatalogueChecker.h"
#include "desktop/CommandLine.h"
#include "desktop/DataFolder.h"
#include "desktop/services/DesktopFolders.h"

#include <QTextStream>

int runCheckCommand(const CommandLineWords& commandLine)
{
    QString path = commandLine.words.value(1);
    if (path.isEmpty())
        path = resolveDataFolder(DesktopFolders::programSources(commandLine.dataDir)).folder +
               QStringLiteral("koltest.dat");
    QTextStream out(stdout);
    return runCatalogueCheck(path, out);
}
