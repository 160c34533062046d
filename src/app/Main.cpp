#include "app/Main.h"

void Main(AppContext& context, MainWindowRunner& runner)
{
    context.platform.SetBusyPointer(true);
    AppDescription& app = context.services.app;
    app.SetNotice(
        QStringLiteral("Kolbrix Test – ein Chemietest für die Schule. Die Aufgaben stehen in der Datei "
                       "koltest.dat und können von Lehrkräften bearbeitet werden."));
    app.SetShortName(QStringLiteral("KolTest"));
    app.SetTitle(QStringLiteral("Kolbrix Test"));
    app.SetVersion(programVersion());
    context.services.root.SetCommandLine(context.platform.CommandLineText());
    context.state.g_CatalogFile = context.services.folders.DataFolder() + QStringLiteral("koltest.dat");
    for (;;) {
        ResetTestRun(context.state);
        runner.ShowMainWindowModal();
    }
}

QString programVersion()
{
    return QStringLiteral("%1.%2.%3")
        .arg(KOLTEST_VERSION_MAJOR)
        .arg(KOLTEST_VERSION_MINOR)
        .arg(KOLTEST_VERSION_PATCH);
}
