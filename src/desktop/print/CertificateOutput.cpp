#include "desktop/print/CertificateOutput.h"

#include "desktop/Diagnostics.h"
#include "desktop/print/CertificatePainter.h"

#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

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
        return QStringLiteral("Das Zeugnis konnte nicht als „%1“ gespeichert werden. Bitte einen Ordner "
                              "wählen, in den Sie schreiben dürfen, und es noch einmal versuchen.")
            .arg(QDir::toNativeSeparators(path));
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("koltest"));
        writer.setTitle(QStringLiteral("Zeugnis"));
        setUpCertificatePaper(writer, page);
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return failed(QStringLiteral("the PDF writer did not start"));
        }
        paintCertificate(painter, paperOf(writer), page);
        painter.end();
    }
    if (!file.commit())
        return failed(file.errorString());
    return {};
}
