#include "app/Main.h"
#include "desktop/CheckCommand.h"
#include "desktop/CommandLine.h"
#include "desktop/DesktopPlatform.h"
#include "desktop/DesktopRunner.h"
#include "desktop/Diagnostics.h"
#include "desktop/InstanceLock.h"
#include "desktop/editor/EditorCommand.h"
#include "desktop/ProgramEnd.h"
#include "desktop/results/ResultsCommand.h"
#include "desktop/results/ResultsViewWindow.h"
#include "desktop/services/DesktopServices.h"
#include "desktop/view/Look.h"
#include "testrun/mdl_KolTest.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTextStream>
#include <QTranslator>

namespace {

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Qt's own dialogs (print, save, message box buttons) speak German like the rest of the program.
void installGermanQtTexts(QApplication& application)
{
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(translator);
    else
        writeDiagnostic(
            QStringLiteral("Qt's German texts (qtbase_de.qm, package qt6-translations-l10n) are not "
                           "installed; Qt's own dialogs show English texts"));
}

} // namespace

int main(int argc, char* argv[])
{
    const CommandLineWords commandLine = splitCommandLine(argumentsOf(argc, argv));
    for (const QString& problem : commandLine.problems)
        writeDiagnostic(problem);

    // The commands without a window need no display, so they make no GUI application.
    switch (commandLine.command) {
    case ProgramCommand::Help:
        QTextStream(stdout) << usageText();
        return 0;
    case ProgramCommand::Wrong:
        QTextStream(stderr) << (commandLine.wrongWord.startsWith(QLatin1Char('-'))
                                    ? QStringLiteral("koltest: unbekannte Option „%1“\n")
                                    : QStringLiteral("koltest: unerwartete Angabe „%1“\n"))
                                   .arg(commandLine.wrongWord)
                            << usageText();
        return 2;
    case ProgramCommand::Version:
        QTextStream(stdout) << "koltest " << programVersion() << Qt::endl;
        return 0;
    case ProgramCommand::Check: {
        QCoreApplication checker(argc, argv);
        return runCheckCommand(commandLine);
    }
    case ProgramCommand::Results: {
        QCoreApplication overview(argc, argv);
        return runResultsCommand(commandLine);
    }
    case ProgramCommand::Test:
    case ProgramCommand::ResultsView:
    case ProgramCommand::Edit:
        break;
    }

    QApplication application(argc, argv);
    // Lets the desktop match the windows to the installed desktop entry and show its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.koltest.KolTest"));
    QGuiApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("de.koltest.KolTest")));
    look::applyApplicationLook(application);
    installGermanQtTexts(application);
    if (commandLine.command == ProgramCommand::ResultsView)
        return runResultsView(resultsFolderOf(commandLine));
    // The editor takes no instance lock: a test, or a trial started from the editor, may run beside it.
    if (commandLine.command == ProgramCommand::Edit)
        return runCatalogueEditor(commandLine);

    // Between two test runs no window is open; the program ends only when the logic ends it.
    application.setQuitOnLastWindowClosed(false);

    ProcessRandom random;
    DesktopServices services(commandLine, random);
    const LockPlace lockFile = InstanceLock::defaultPlace();
    InstanceLock lock(lockFile.path, lockFile.problem);
    DesktopPlatform platform(commandLine.text(), services.windows, lock);
    mdl_KolTest state;
    AppContext context{state, services.shared, services.sharedTools, platform, random};
    DesktopRunner runner(context, services, platform);
    try {
        Main(context, runner); // runs until the logic ends the program
    } catch (const ProgramEnd& end) {
        return end.status;
    }
    return 0;
}
