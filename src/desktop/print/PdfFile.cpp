#include "desktop/print/PdfFile.h"

#include "components/SafeFileWriter.h"

#include <QBuffer>
#include <QPdfWriter>

QString writePdfFile(const QString& path, const QString& title, const std::function<bool(QPdfWriter&)>& draw)
{
    // The documents are a few dozen kilobytes: made whole in memory, then written in one safe step.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setCreator(QStringLiteral("koltest"));
        writer.setTitle(title);
        if (!draw(writer))
            return QStringLiteral("Das PDF konnte nicht erzeugt werden.");
    }
    const FileWrite write = writeFileSafely(path, pdf.data(), ExistingFile::Replace, FileReaders::AsUsual);
    return write.problem;
}
