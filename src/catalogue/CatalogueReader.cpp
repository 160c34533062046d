#include "catalogue/CatalogueReader.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

bool hasNonAscii(const QByteArray& bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    return false;
}

bool isValidUtf8(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8(bytes);
    return !utf8.hasError();
}

CatalogueProblem error(int line, const QString& message)
{
    return {CatalogueProblem::Severity::Error, line, message};
}

// " Damit fehlen auch Abschnitt 8 („Substanznamen“) und Abschnitt 9 („Stoffmengen“)." for the sections
// that follow the given one; empty after the last.
QString sectionsMissingAfter(Section section)
{
    QStringList labels;
    for (int number = sectionNumber(section) + 1; number <= sectionNumber(allSections.back()); ++number)
        labels.append(sectionLabel(static_cast<Section>(number)));
    if (labels.isEmpty())
        return {};
    const QString last = labels.takeLast();
    const QString named =
        labels.isEmpty() ? last : labels.join(QStringLiteral(", ")) + QStringLiteral(" und ") + last;
    return QStringLiteral(" Damit fehlen auch %1.").arg(named);
}

// Walks the lines of the file as the loader reads them: free lines up to "#", then records up to "@".
class StructureReader {
public:
    explicit StructureReader(const QList<SourceLine>& lines) : m_lines(lines) {}

    void readAll(RawCatalogue& result)
    {
        for (Section section : allSections) {
            if (!readSection(section, result))
                return;
        }
        result.linesAfterEnd = m_lines.mid(m_pos);
    }

private:
    bool atEnd() const { return m_pos >= m_lines.size(); }
    const SourceLine& take() { return m_lines.at(m_pos++); }
    int lastLineNumber() const { return m_lines.isEmpty() ? 0 : m_lines.constLast().number; }

    bool readSection(Section section, RawCatalogue& result)
    {
        while (!atEnd() && m_lines.at(m_pos).text != sectionStartMarker)
            ++m_pos;
        if (atEnd()) {
            result.problems.append(
                error(lastLineNumber(), QStringLiteral("%1 fehlt: Die Datei endet, bevor eine Zeile „#“ "
                                                       "ihn beginnt.%2")
                                            .arg(sectionLabel(section), sectionsMissingAfter(section))));
            return false;
        }
        RawSection raw;
        raw.section = section;
        raw.hashLine = take().number;
        const int recordLines = linesPerRecord(section);
        for (;;) {
            if (atEnd()) {
                result.problems.append(
                    error(lastLineNumber(), QStringLiteral("%1 ist nicht abgeschlossen: Die Datei endet vor "
                                                           "der Zeile „@“.%2")
                                                .arg(sectionLabel(section), sectionsMissingAfter(section))));
                result.sections.append(raw);
                return false;
            }
            if (m_lines.at(m_pos).text == sectionStartMarker) {
                // "#" is never data: the next section begins here, so this one lacks its "@".
                raw.nextSectionLine = m_lines.at(m_pos).number;
                result.problems.append(error(
                    raw.nextSectionLine,
                    QStringLiteral("Vor dieser Zeile „#“ fehlt die Zeile „@“, die %1 abschließt. "
                                   "Die Einträge direkt davor, die nicht als Aufgaben taugen, gelten als "
                                   "Kommentar vor dem nächsten Abschnitt.")
                        .arg(sectionLabel(section))));
                result.sections.append(raw);
                return true;
            }
            const SourceLine& first = take();
            if (first.text == sectionEndMarker) {
                raw.endLine = first.number;
                result.sections.append(raw);
                return true;
            }
            if (first.text == beginnerEndMarker) {
                raw.easyMarkerLines.append(first.number);
                raw.easyLimit = static_cast<int>(raw.records.size());
                continue;
            }
            RawRecord record{first};
            while (record.size() < recordLines && !atEnd() && m_lines.at(m_pos).text != sectionStartMarker)
                record.append(take());
            if (record.size() < recordLines && atEnd()) {
                result.problems.append(
                    error(first.number, QStringLiteral("Der Eintrag ab Zeile %1 in %2 ist unvollständig: Die "
                                                       "Datei endet nach %3 von %4 Zeilen.%5")
                                            .arg(first.number)
                                            .arg(sectionLabel(section))
                                            .arg(record.size())
                                            .arg(recordLines)
                                            .arg(sectionsMissingAfter(section))));
                result.sections.append(raw);
                return false;
            }
            if (record.size() == recordLines) // one that a "#" cut short is dropped; the next round ends here
                raw.records.append(record);
        }
    }

    const QList<SourceLine>& m_lines;
    qsizetype m_pos = 0;
};

} // namespace

bool isUtf8WithoutMark(const QByteArray& bytes)
{
    return !bytes.startsWith(utf8ByteOrderMark) && hasNonAscii(bytes) && isValidUtf8(bytes);
}

std::optional<QString> decodeCatalogue(const QByteArray& bytes, QList<CatalogueProblem>& problems)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        problems.append(
            error(0, QStringLiteral("Die Datei ist als UTF-16 („Unicode“) gespeichert; das Programm "
                                    "kann sie nicht lesen. Bitte als „Windows-1252“ (ANSI) oder als "
                                    "„UTF-8 mit BOM“ speichern.")));
        return std::nullopt;
    }
    if (bytes.startsWith(utf8ByteOrderMark))
        return QString::fromUtf8(bytes.mid(utf8ByteOrderMark.size()));
    if (isUtf8WithoutMark(bytes)) {
        // Windows-1252 text with non-ASCII characters is practically never valid UTF-8, so the guess is safe.
        problems.append({CatalogueProblem::Severity::Warning, 0,
                         QStringLiteral("Die Datei ist als UTF-8 ohne Byte-Order-Mark gespeichert; das "
                                        "Programm liest sie als UTF-8. Sicherer ist es, sie als „UTF-8 mit "
                                        "BOM“ oder als „Windows-1252“ (ANSI) zu speichern.")});
        return QString::fromUtf8(bytes);
    }
    QStringDecoder windows1252("windows-1252");
    return windows1252(bytes);
}

QList<SourceLine> splitLines(const QString& text)
{
    QList<SourceLine> lines;
    qsizetype start = 0;
    int number = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append({number++, text.mid(start, i - start)});
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append({number, text.mid(start)});
    return lines;
}

RawCatalogue parseCatalogue(const QByteArray& bytes)
{
    RawCatalogue result;
    const std::optional<QString> text = decodeCatalogue(bytes, result.problems);
    if (text)
        StructureReader(splitLines(*text)).readAll(result);
    return result;
}

CatalogueBytes readCatalogueBytes(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {std::nullopt, QStringLiteral("Die Datei existiert nicht.")};
    if (info.isDir())
        return {std::nullopt, QStringLiteral("Das ist ein Ordner, keine Datei.")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt,
                QStringLiteral("Die Datei lässt sich nicht öffnen (%1).").arg(file.errorString())};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt,
                QStringLiteral("Die Datei lässt sich nicht lesen (%1).").arg(file.errorString())};
    return {std::move(bytes), {}};
}
