#include "desktop/print/CertificateOutput.h"

#include "desktop/Diagnostics.h"
#include "desktop/print/CertificatePainter.h"
#include "desktop/print/PdfFile.h"

#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace {

QRectF paperOf(const QPagedPaintDevice& device)
{
    return device.pageLayout().fullRectPixels(device.logicalDpiX());
}

} // namespace

QString printCertificate(QPrinter& printer, const CertificatePage& page)
{
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) {
        writeDiagnostic(
            QStringLiteral("cannot print the certificate on printer \"%1\"").arg(printer.printerName()));
        return QStringLiteral(
                   "Das Zeugnis konnte nicht gedruckt werden: Der Drucker „%1“ nimmt keinen Auftrag "
                   "an.")
            .arg(printer.printerName());
    }
    paintCertificate(painter, paperOf(printer), page);
    painter.end();
    return {};
}

QString saveCertificatePdf(const CertificatePage& page, const QString& path)
{
    const auto failed = [&](const QString& cause) {
        writeDiagnostic(QStringLiteral("%1: cannot save the certificate: %2").arg(path, cause));
        return QStringLiteral(
                   "Das Zeugnis konnte nicht als „%1“ gespeichert werden. %2\nEine vorhandene "
                   "Datei dieses Namens bleibt unverändert. Bitte Platz schaffen oder einen anderen "
                   "Ordner wählen und es noch einmal versuchen.")
            .arg(QDir::toNativeSeparators(path), cause);
    };
    const QString problem = writePdfFile(path, QStringLiteral("Zeugnis"), [&page](QPdfWriter& writer) {
        setUpCertificatePaper(writer, page);
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        paintCertificate(painter, paperOf(writer), page);
        return true;
    });
    return problem.isEmpty() ? QString() : failed(problem);
}
