#include "catalogue/CatalogueReader.h"

#include "catalogue/CatalogueEncoding.h"

#include <algorithm>

namespace {

// A catalogue is a few hundred kilobytes; anything near this is no catalogue.
constexpr qint64 LargestCatalogue = 64 * 1024 * 1024;

// No line of any record comes near this; a longer line is reported and not read.
constexpr qsizetype LongestLine = 1000;
constexpr int OverlongLinesNamed = 20;

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

// The lines of the file one after the other, decoded as they are taken: no list of all lines is ever
// held, so a file of millions of empty lines costs little more than its bytes.
class LineCursor {
public:
    LineCursor(QByteArrayView bytes, CatalogueEncoding& encoding, QList<CatalogueProblem>& problems)
        : m_bytes(bytes), m_encoding(encoding), m_problems(problems), m_pos(encoding.textStart())
    {
        advance();
    }

    bool atEnd() const { return !m_next; }
    const SourceLine& peek() const { return *m_next; }
    SourceLine take()
    {
        SourceLine line = std::move(*m_next);
        advance();
        return line;
    }
    // The number of the last line of the file, once the cursor is at its end.
    int lastNumber() const { return m_number; }

    // Counts the long lines that were not named one by one.
    void reportLinesLeftOut() const
    {
        const int more = m_overlongLines - OverlongLinesNamed;
        if (more > 0)
            m_problems.append(
                error(0, QStringLiteral("%1 weitere Zeilen sind länger als %2 Zeichen und werden "
                                        "nicht gelesen.")
                             .arg(more)
                             .arg(LongestLine)));
    }

private:
    void advance()
    {
        if (m_pos >= m_bytes.size()) {
            m_next.reset();
            return;
        }
        qsizetype end = m_pos;
        while (end < m_bytes.size() && m_bytes[end] != '\r' && m_bytes[end] != '\n')
            ++end;
        const QByteArrayView bytes = m_bytes.sliced(m_pos, end - m_pos);
        m_pos = end + (end + 1 < m_bytes.size() && m_bytes[end] == '\r' && m_bytes[end + 1] == '\n' ? 2 : 1);
        m_next = SourceLine{++m_number, {}};
        const qsizetype characters = m_encoding.characterCount(bytes);
        if (characters <= LongestLine) {
            m_next->text = m_encoding.decode(bytes);
            return;
        }
        m_next->overlong = true;
        if (++m_overlongLines <= OverlongLinesNamed)
            m_problems.append(error(m_number, QStringLiteral("Die Zeile ist %1 Zeichen lang, länger als eine "
                                                             "Zeile eines Eintrags sein kann (höchstens %2); "
                                                             "das Programm liest sie nicht, und ein Eintrag, "
                                                             "zu dem sie gehört, fehlt im Test.")
                                                  .arg(characters)
                                                  .arg(LongestLine)));
    }

    QByteArrayView m_bytes;
    CatalogueEncoding& m_encoding;
    QList<CatalogueProblem>& m_problems;
    qsizetype m_pos;
    int m_number = 0;
    int m_overlongLines = 0;
    std::optional<SourceLine> m_next;
};

// Walks the lines of the file as the loader reads them: free lines up to "#", then records up to "@".
class StructureReader {
public:
    explicit StructureReader(LineCursor& lines) : m_lines(lines) {}

    void readAll(RawCatalogue& result)
    {
        for (Section section : allSections) {
            if (!readSection(section, result))
                return;
        }
        while (!m_lines.atEnd() && !result.markerAfterEnd) {
            SourceLine line = m_lines.take();
            if (isMarkerLine(line.text))
                result.markerAfterEnd = std::move(line);
        }
    }

private:
    bool atEnd() const { return m_lines.atEnd(); }
    SourceLine take() { return m_lines.take(); }
    const QString& nextText() const { return m_lines.peek().text; }
    int lastLineNumber() const { return m_lines.lastNumber(); }

    bool readSection(Section section, RawCatalogue& result)
    {
        while (!atEnd() && nextText() != sectionStartMarker)
            take();
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
            if (nextText() == sectionStartMarker) {
                // "#" is never data: the next section begins here, so this one lacks its "@".
                raw.nextSectionLine = m_lines.peek().number;
                result.problems.append(error(
                    raw.nextSectionLine,
                    QStringLiteral("Vor dieser Zeile „#“ fehlt die Zeile „@“, die %1 abschließt. "
                                   "Die Einträge direkt davor, die nicht als Aufgaben taugen, gelten als "
                                   "Kommentar vor dem nächsten Abschnitt.")
                        .arg(sectionLabel(section))));
                result.sections.append(raw);
                return true;
            }
            const SourceLine first = take();
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
            while (record.size() < recordLines && !atEnd() && nextText() != sectionStartMarker)
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
            // One that a "#" cut short is dropped, and the next round ends here; one with a line too long to
            // read is dropped, and its line was reported.
            if (record.size() == recordLines && std::none_of(record.begin(), record.end(), isOverlong))
                raw.records.append(record);
        }
    }

    static bool isOverlong(const SourceLine& line) { return line.overlong; }

    LineCursor& m_lines;
};

} // namespace

RawCatalogue parseCatalogue(const QByteArray& bytes)
{
    RawCatalogue result;
    CatalogueEncoding encoding(bytes, result.problems);
    if (!encoding.readable())
        return result;
    LineCursor lines(bytes, encoding, result.problems);
    StructureReader(lines).readAll(result);
    lines.reportLinesLeftOut();
    return result;
}

CatalogueBytes readCatalogueBytes(const QString& path, LinkRule links)
{
    FileContent file = readRegularFile(path, LargestCatalogue, links);
    return {std::move(file.bytes), file.problem};
}
