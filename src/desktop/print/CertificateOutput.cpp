#include "desktop/print/CertificateOutput.h"

#include "components/SafeFileWriter.h"
#include "desktop/Diagnostics.h"
#include "desktop/print/CertificatePainter.h"

#include <QBuffer>
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
    // A certificate is a few dozen kilobytes: made whole in memory, then written in one safe step.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setCreator(QStringLiteral("koltest"));
        writer.setTitle(QStringLiteral("Zeugnis"));
        setUpCertificatePaper(writer, page);
        QPainter painter;
        if (!painter.begin(&writer))
            return failed(QStringLiteral("Das PDF konnte nicht erzeugt werden."));
        paintCertificate(painter, paperOf(writer), page);
        painter.end();
    }
    const FileWrite write = writeFileSafely(path, pdf.data(), ExistingFile::Replace, FileReaders::AsUsual);
    return write.written() ? QString() : failed(write.problem);
}
