#include "results/certificate/CertificateFormFile.h"

#include "components/PrintFields.h"
#include "components/RegularFile.h"

#include <QDir>

namespace {

constexpr qint64 LargestFormBytes = 256 * 1024;
constexpr qsizetype FindingsShown = 6;

QString fieldValue(const PrintFields& fields, const QString& key)
{
    for (const PrintFields::Field& field : fields.fields())
        if (field.key == key)
            return field.value.toString();
    return {};
}

bool isBareFileName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

FormFileReading failed(FormFileReading reading, const QString& message, const QString& diagnostic)
{
    reading.message = message;
    reading.diagnostics.append(diagnostic);
    return reading;
}

} // namespace

FormFileReading readFormFile(const QString& dataFolder, const PrintFields& fields)
{
    const QString name = fieldValue(fields, QStringLiteral("FILE"));
    FormFileReading reading;
    if (!isBareFileName(name))
        return failed(reading,
                      QStringLiteral("Das Zeugnis kann nicht gedruckt werden: „%1“ ist kein Dateiname einer "
                                     "Vorlage im Datenordner.")
                          .arg(name),
                      QStringLiteral("certificate form \"%1\" is not a bare file name").arg(name));
    reading.path = QDir(dataFolder).filePath(name);
    const FileContent file = readRegularFile(reading.path, LargestFormBytes);
    if (!file.bytes)
        return failed(
            reading,
            QStringLiteral("Das Zeugnis kann nicht gedruckt werden: Die Vorlage „%1“ lässt sich nicht "
                           "lesen. %2")
                .arg(QDir::toNativeSeparators(reading.path), file.problem),
            QStringLiteral("%1: error: cannot read the certificate form: %2")
                .arg(reading.path, file.diagnostic));

    FormReading read = readCertificateForm(*file.bytes);
    if (read.errors.isEmpty()) {
        reading.form = std::move(read.form);
        return reading;
    }
    QStringList shown;
    for (const FormError& error : read.errors) {
        const QString where =
            error.line > 0 ? QStringLiteral("%1:%2").arg(reading.path).arg(error.line) : reading.path;
        reading.diagnostics.append(QStringLiteral("%1: error: %2").arg(where, error.text));
        if (shown.size() < FindingsShown)
            shown.append(error.line > 0 ? QStringLiteral("Zeile %1: %2").arg(error.line).arg(error.text)
                                        : error.text);
    }
    if (read.errors.size() > FindingsShown)
        shown.append(QStringLiteral("… und %1 weitere.").arg(read.errors.size() - FindingsShown));
    reading.message = QStringLiteral("Das Zeugnis kann nicht gedruckt werden: Die Vorlage „%1“ enthält "
                                     "Fehler.\n\n%2")
                          .arg(QDir::toNativeSeparators(reading.path), shown.join(QLatin1Char('\n')));
    return reading;
}
