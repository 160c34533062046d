#include "desktop/editor/CatalogueEditorWindow.h"

#include "desktop/editor/CatalogueTrial.h"
#include "editing/CatalogueSaving.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

// Saving the catalogue: where a copy goes, what stops a save or asks first, and what the teacher is told.

bool CatalogueEditorWindow::save()
{
    return m_file.copy ? saveAs() : saveTo(m_file.path);
}

bool CatalogueEditorWindow::saveAs()
{
    const QString suggested =
        m_file.copy ? QDir::home().filePath(QStringLiteral("koltest.dat")) : m_file.path;
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Katalog speichern unter"),
                                                      suggested, QStringLiteral("Aufgabenkatalog (*.dat)"));
    if (path.isEmpty() || !saveTo(path))
        return false;
    const bool wasCopy = m_file.copy;
    m_file.path = path;
    m_file.copy = false;
    updateTitle();
    if (wasCopy)
        tellHowToUse(path);
    return true;
}

// What stops a save, and the question a file with errors asks first.
bool CatalogueEditorWindow::maySave()
{
    const QList<RecordFinding> unsavable = unsavableFields(m_document);
    if (!unsavable.isEmpty()) {
        selectRecord(unsavable.first().id);
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("Nicht gespeichert: %1").arg(unsavable.first().problem.message));
        return false;
    }
    m_findings = findRecordProblems(m_document);
    const qsizetype errors = errorCount(m_findings);
    if (errors == 0)
        return true;
    return QMessageBox::question(
               this, windowTitle(),
               QStringLiteral(
                   "Der Katalog hat %1 Fehler. Aufgaben mit Fehlern fehlen im Test oder werden falsch "
                   "bewertet; die Liste unten nennt sie. Trotzdem speichern?")
                   .arg(errors),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

bool CatalogueEditorWindow::saveTo(const QString& path)
{
    if (!maySave())
        return false;
    const QString problem = saveCatalogue(path, m_document.bytes());
    if (!problem.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), QStringLiteral("Nicht gespeichert: %1").arg(problem));
        return false;
    }
    m_document.markSaved();
    updateTitle();
    return true;
}

void CatalogueEditorWindow::tellHowToUse(const QString& path)
{
    const QFileInfo saved(path);
    const QString folder = QDir::toNativeSeparators(saved.absolutePath());
    QStringList missing;
    for (const QString& name : trialCompanionFiles())
        if (!QFileInfo::exists(saved.dir().filePath(name)))
            missing << name;
    QString text = QStringLiteral("Gespeichert unter %1.\n\n").arg(QDir::toNativeSeparators(path));
    if (saved.fileName() != QLatin1String("koltest.dat"))
        text += QStringLiteral("Der Test liest nur eine Datei namens koltest.dat: die Datei so nennen.\n\n");
    if (!missing.isEmpty())
        text +=
            QStringLiteral("Im selben Ordner müssen auch %1 liegen: am besten den ganzen Ordner %2 kopieren "
                           "und den Katalog in die Kopie speichern.\n\n")
                .arg(missing.join(QStringLiteral(" und ")), QDir::toNativeSeparators(m_file.dataFolder));
    text +=
        QStringLiteral("Damit der Test diesen Katalog verwendet, in der Datei ~/.config/koltest/koltest.conf "
                       "im Abschnitt [Ordner] die Zeile\n\nKatalog=%1\n\neintragen (für alle Benutzer des "
                       "Rechners: /etc/xdg/koltest/koltest.conf).")
            .arg(folder);
    QMessageBox::information(this, windowTitle(), text);
}

void CatalogueEditorWindow::closeEvent(QCloseEvent* event)
{
    if (!m_document.isModified()) {
        closeWithPreview(*event);
        return;
    }
    QMessageBox ask(QMessageBox::Question, windowTitle(),
                    QStringLiteral("Der Katalog hat ungespeicherte Änderungen. Speichern?"),
                    QMessageBox::NoButton, this);
    const QAbstractButton* saveButton = ask.addButton(QStringLiteral("Speichern"), QMessageBox::AcceptRole);
    const QAbstractButton* discard = ask.addButton(QStringLiteral("Verwerfen"), QMessageBox::DestructiveRole);
    ask.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    ask.exec();
    if (ask.clickedButton() == discard || (ask.clickedButton() == saveButton && save()))
        closeWithPreview(*event);
    else
        event->ignore();
}

// The preview belongs to the editor: it would otherwise keep the program running on its own.
void CatalogueEditorWindow::closeWithPreview(QCloseEvent& event)
{
    if (m_preview != nullptr)
        m_preview->close();
    event.accept();
}
