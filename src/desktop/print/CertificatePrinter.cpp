#include "desktop/print/CertificatePrinter.h"

#include "desktop/Diagnostics.h"
#include "desktop/print/CertificateOutput.h"
#include "desktop/print/CertificatePainter.h"
#include "desktop/services/DesktopWindows.h"
#include "desktop/services/MessageBoxes.h"
#include "results/certificate/CertificateFileName.h"
#include "results/certificate/CertificateFormFile.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>

namespace {

enum class Output { Printer, Pdf, Nothing };

Output askOutput(QWidget* parent)
{
    QMessageBox box(parent);
    prepareMessageBox(box, QStringLiteral("Soll das Zeugnis gedruckt oder als PDF-Datei gespeichert werden?"),
                      QStringLiteral("Zeugnis"));
    QPushButton* print = addMessageButton(box, QStringLiteral("Drucken…"), QMessageBox::AcceptRole);
    QPushButton* pdf = addMessageButton(box, QStringLiteral("Als PDF speichern…"), QMessageBox::AcceptRole);
    QPushButton* cancel = addMessageButton(box, QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    box.setDefaultButton(print);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == print)
        return Output::Printer;
    return box.clickedButton() == pdf ? Output::Pdf : Output::Nothing;
}

void tell(QWidget* parent, const QString& message)
{
    if (!message.isEmpty())
        showOkMessage(parent, message, QStringLiteral("Zeugnis"));
}

} // namespace

void CertificatePrinter::PrintForm(const QString& body, const PrintFields& fields)
{
    QWidget* parent = m_windows.dialogParent();
    const FormFileReading reading = readFormFile(m_folders.DataFolder(), fields);
    for (const QString& line : reading.diagnostics)
        writeDiagnostic(line);
    if (!reading.form) {
        tell(parent, reading.message);
        return;
    }
    const CertificatePage page =
        fillCertificate(*reading.form, {body, fields, m_user.UserName(), QDate::currentDate()});
    switch (askOutput(parent)) {
    case Output::Printer:
        print(page, parent);
        break;
    case Output::Pdf:
        savePdf(page, parent);
        break;
    case Output::Nothing:
        break;
    }
}

void CertificatePrinter::print(const CertificatePage& page, QWidget* parent)
{
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        writeDiagnostic(QStringLiteral("no printer is installed; the certificate was not printed"));
        tell(parent, QStringLiteral("Es ist kein Drucker eingerichtet. Das Zeugnis kann stattdessen als PDF "
                                    "gespeichert und später gedruckt werden."));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    setUpCertificatePaper(printer, page);
    printer.setDocName(QStringLiteral("Zeugnis"));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Zeugnis drucken"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    tell(parent, printCertificate(printer, page));
}

void CertificatePrinter::savePdf(const CertificatePage& page, QWidget* parent)
{
    // Documents when there is such a folder, else the home folder: a missing folder would leave the dialog
    // somewhere unrelated.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(folder).exists())
        folder = QDir::homePath();
    QFileDialog dialog(parent, QStringLiteral("Zeugnis als PDF speichern"), folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("PDF-Dateien (*.pdf)"));
    // With the suffix set here the dialog itself asks before it replaces an existing file.
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(certificateFileName(m_user.UserName(), QDate::currentDate()));
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Ordner:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Dateiname:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Dateityp:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Speichern"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Abbrechen"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().first();
    tell(parent, saveCertificatePdf(page, path));
}
