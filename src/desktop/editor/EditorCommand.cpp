#include "desktop/editor/EditorCommand.h"

#include "catalogue/CatalogueReader.h"
#include "desktop/CommandLine.h"
#include "desktop/Diagnostics.h"
#include "desktop/editor/CatalogueEditorWindow.h"
#include "desktop/editor/CatalogueTrial.h"
#include "desktop/services/DesktopFolders.h"
#include "desktop/view/WindowFrame.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace {

// The installation's data folder, which every update overwrites.
bool isInstalled(const QFileInfo& file)
{
    const QString installed =
        QFileInfo(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/koltest"))
            .canonicalFilePath();
    return !installed.isEmpty() && file.canonicalPath() == installed;
}

int refuse(const QString& path, const QString& problem)
{
    writeDiagnostic(QStringLiteral("%1: cannot be edited: %2").arg(path, problem));
    QMessageBox::critical(nullptr, QStringLiteral("Aufgaben bearbeiten"),
                          QStringLiteral("Der Katalog %1 lässt sich nicht öffnen. %2")
                              .arg(QDir::toNativeSeparators(path), problem));
    return 1;
}

} // namespace

int runCatalogueEditor(const CommandLineWords& commandLine)
{
    const QString dataFolder = resolveDataFolder(DesktopFolders::programSources(commandLine.dataDir)).folder;
    EditedFile file{commandLine.words.value(1), false, dataFolder};
    if (file.path.isEmpty())
        file.path = dataFolder + QStringLiteral("koltest.dat");
    else if (QFileInfo::exists(QFileInfo(file.path).dir().filePath(trialCompanionFiles().constFirst())))
        // A school's own folder: its help page and certificate form go with its catalogue.
        file.dataFolder = QFileInfo(file.path).absolutePath();
    const CatalogueBytes bytes = readCatalogueBytes(file.path);
    if (!bytes.bytes)
        return refuse(file.path, bytes.error);
    QString problem;
    std::optional<CatalogueDocument> document = CatalogueDocument::open(*bytes.bytes, problem);
    if (!document)
        return refuse(file.path, problem);
    const QFileInfo info(file.path);
    // Saving writes the file anew beside the old one and keeps the old one as .bak: the folder must let it.
    file.copy = !info.isWritable() || !QFileInfo(info.absolutePath()).isWritable() || isInstalled(info);
    CatalogueEditorWindow window(std::move(*document), file);
    // Like the test's window, so that it reads on a whiteboard.
    showFillingTheScreen(window);
    return QApplication::exec();
}
