#include "desktop/CheckCommand.h"

#include "catalogue/CatalogueChecker.h"
#include "desktop/CommandLine.h"
#include "desktop/DataFolder.h"
#include "desktop/Diagnostics.h"
#include "desktop/services/DesktopFolders.h"

#include <QTextStream>

bool isCheckCommand(const CommandLineWords& commandLine)
{
    return commandLine.words.value(0) == QLatin1String("--check");
}

int runCheckCommand(const CommandLineWords& commandLine)
{
    if (commandLine.words.size() > 2) {
        writeDiagnostic(QStringLiteral("usage: koltest [--data-dir DIR] --check [FILE]"));
        return 2;
    }
    QString path = commandLine.words.value(1);
    if (path.isEmpty())
        path = resolveDataFolder(DesktopFolders::programSources(commandLine.dataDir)).folder +
               QStringLiteral("koltest.dat");
    QTextStream out(stdout);
    return runCatalogueCheck(path, out);
}
