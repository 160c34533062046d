#include "editing/CatalogueDocument.h"

#include "catalogue/CatalogueEncoding.h"
#include "catalogue/CatalogueReader.h"

#include <QHash>
#include <QLocale>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace {

// Undo reaches back this many changes; a whole lesson of editing, at a few megabytes.
constexpr qsizetype UndoSteps = 300;

// A catalogue has a few thousand lines; the editor holds each line on its own, so it takes no file that
// could not be one.
constexpr qsizetype MostLines = 100000;

QString withoutLineBreaks(QString text)
{
    for (QChar& character : text)
        if (character == u'\r' || character == u'\n')
            character = u' ';
    return text;
}

} // namespace

std::optional<CatalogueDocument> CatalogueDocument::open(const QByteArray& bytes, QString& problem)
{
    const RawCatalogue raw = parseCatalogue(bytes);
    QList<CatalogueProblem> encodingProblems;
    const CatalogueEncoding encoding(bytes, encodingProblems);
    if (!encoding.readable()) {
        problem = encodingProblems.isEmpty() ? QStringLiteral("Die Zeichenkodierung der Datei ist unbekannt.")
                                             : encodingProblems.constFirst().message;
        return std::nullopt;
    }

    CatalogueDocument document;
    document.m_utf8 = encoding.isUtf8();
    document.m_byteOrderMark = bytes.first(encoding.textStart());

    // The lines as the reader counts them: a line ends at CR, CR LF or LF.
    QList<Line> lines;
    for (qsizetype pos = encoding.textStart(); pos < bytes.size();) {
        if (lines.size() == MostLines) {
            problem = QStringLiteral("Die Datei hat mehr als %1 Zeilen; so lang ist kein Aufgabenkatalog.")
                          .arg(QLocale(QLocale::German).toString(MostLines));
            return std::nullopt;
        }
        qsizetype end = pos;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        const qsizetype endLength =
            end >= bytes.size()
                ? 0
                : (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1);
        lines.append({bytes.sliced(pos, end - pos), bytes.sliced(end, endLength)});
        pos = end + endLength;
    }
    const auto firstEnd =
        std::find_if(lines.cbegin(), lines.cend(), [](const Line& line) { return !line.end.isEmpty(); });
    if (firstEnd != lines.cend())
        document.m_lineEnd = firstEnd->end;

    // What the reader found at each line number.
    struct Found {
        BlockKind kind = BlockKind::Other;
        Section section = Section::Elements;
        const RawRecord* record = nullptr;
    };
    QHash<int, Found> found;
    for (const RawSection& section : raw.sections) {
        found.insert(section.hashLine, {BlockKind::SectionStart, section.section, nullptr});
        if (section.endLine > 0)
            found.insert(section.endLine, {BlockKind::SectionEnd, section.section, nullptr});
        for (int line : section.easyMarkerLines)
            found.insert(line, {BlockKind::BeginnerEnd, section.section, nullptr});
        for (const RawRecord& record : section.records)
            found.insert(record.constFirst().number, {BlockKind::Record, section.section, &record});
    }

    for (qsizetype index = 0; index < lines.size();) {
        const Found at = found.value(static_cast<int>(index + 1));
        Block block;
        block.kind = at.kind;
        block.section = at.section;
        if (at.record) {
            block.id = ++document.m_lastId;
            for (const SourceLine& line : *at.record)
                block.fields << line.text;
        }
        const qsizetype count = at.record ? at.record->size() : 1;
        block.lines = lines.mid(index, count);
        document.m_blocks << block;
        index += count;
    }
    document.m_savedBytes = document.bytes();
    return document;
}

QByteArray CatalogueDocument::encoded(const QString& text) const
{
    if (m_utf8)
        return text.toUtf8();
    QStringEncoder encoder("windows-1252", QStringEncoder::Flag::Stateless);
    return encoder.encode(text);
}

QString CatalogueDocument::unsavable(const QString& text) const
{
    if (isMarkerLine(text))
        return QStringLiteral("Eine Zeile darf nicht genau „%1“ lauten: Die Datei nutzt solche Zeilen als "
                              "Markierung.")
            .arg(text);
    if (m_utf8)
        return {};
    QStringDecoder decoder("windows-1252", QStringDecoder::Flag::Stateless);
    const QString back = decoder.decode(encoded(text));
    for (qsizetype i = 0; i < text.size(); ++i)
        if (i >= back.size() || back.at(i) != text.at(i))
            return QStringLiteral("Das Zeichen „%1“ lässt sich in dieser Datei (Windows-1252) nicht "
                                  "speichern.")
                .arg(text.mid(i, text.at(i).isHighSurrogate() ? 2 : 1));
    return {};
}

QByteArray CatalogueDocument::bytes() const
{
    QByteArray result = m_byteOrderMark;
    for (const Block& block : m_blocks) {
        if (block.edited) {
            for (qsizetype i = 0; i < block.fields.size(); ++i)
                result += encoded(block.fields.at(i)) +
                          (i < block.lines.size() ? block.lines.at(i).end : m_lineEnd);
        } else {
            for (const Line& line : block.lines)
                result += line.text + line.end;
        }
    }
    return result;
}

bool CatalogueDocument::hasSection(Section section) const
{
    return std::any_of(m_blocks.cbegin(), m_blocks.cend(), [section](const Block& block) {
        return block.kind == BlockKind::SectionStart && block.section == section;
    });
}

QList<int> CatalogueDocument::records(Section section, CataloguePart part) const
{
    const qsizetype marker = lastMarker(section);
    QList<int> ids;
    for (qsizetype index = 0; index < m_blocks.size(); ++index) {
        const Block& block = m_blocks.at(index);
        const bool expert = index > marker;
        if (block.kind == BlockKind::Record && block.section == section &&
            expert == (part == CataloguePart::Expert))
            ids << block.id;
    }
    return ids;
}

bool CatalogueDocument::contains(int id) const
{
    return blockOf(id) >= 0;
}

Section CatalogueDocument::sectionOf(int id) const
{
    return m_blocks.at(blockOf(id)).section;
}

CataloguePart CatalogueDocument::partOf(int id) const
{
    const qsizetype marker = lastMarker(sectionOf(id));
    return blockOf(id) > marker ? CataloguePart::Expert : CataloguePart::Beginner;
}

QStringList CatalogueDocument::fields(int id) const
{
    return m_blocks.at(blockOf(id)).fields;
}

int CatalogueDocument::firstLine(int id) const
{
    int line = 1;
    for (const Block& block : m_blocks) {
        if (block.id == id)
            return line;
        line += static_cast<int>(block.kind == BlockKind::Record ? block.fields.size() : block.lines.size());
    }
    return 0;
}

std::optional<CatalogueDocument::LinePlace> CatalogueDocument::placeOfLine(int line) const
{
    int first = 1;
    for (const Block& block : m_blocks) {
        const int count =
            static_cast<int>(block.kind == BlockKind::Record ? block.fields.size() : block.lines.size());
        if (line < first + count)
            return block.kind == BlockKind::Record ? std::optional<LinePlace>({block.id, line - first})
                                                   : std::nullopt;
        first += count;
    }
    return std::nullopt;
}

qsizetype CatalogueDocument::blockOf(int id) const
{
    if (id <= 0)
        return -1;
    for (qsizetype index = 0; index < m_blocks.size(); ++index)
        if (m_blocks.at(index).id == id)
            return index;
    return -1;
}

qsizetype CatalogueDocument::lastMarker(Section section) const
{
    for (qsizetype index = m_blocks.size() - 1; index >= 0; --index)
        if (m_blocks.at(index).kind == BlockKind::BeginnerEnd && m_blocks.at(index).section == section)
            return index;
    return -1;
}

qsizetype CatalogueDocument::endOfSection(Section section) const
{
    qsizetype last = -1;
    for (qsizetype index = 0; index < m_blocks.size(); ++index) {
        const Block& block = m_blocks.at(index);
        if (block.kind != BlockKind::Other && block.section == section) {
            if (block.kind == BlockKind::SectionEnd)
                return index;
            last = index;
        }
    }
    return last + 1; // a section without its "@" ends after its last record or marker
}

qsizetype CatalogueDocument::insertionPoint(Section section, CataloguePart part)
{
    if (part == CataloguePart::Expert)
        return endOfSection(section);
    if (lastMarker(section) < 0) {
        // The first beginner record: it goes first, and the marker after it.
        const auto start = std::find_if(m_blocks.cbegin(), m_blocks.cend(), [section](const Block& block) {
            return block.kind == BlockKind::SectionStart && block.section == section;
        });
        Block beginnerEnd;
        beginnerEnd.kind = BlockKind::BeginnerEnd;
        beginnerEnd.section = section;
        beginnerEnd.lines = {{encoded(beginnerEndMarker), m_lineEnd}};
        insertBlock(start - m_blocks.cbegin() + 1, beginnerEnd);
    }
    return lastMarker(section);
}

void CatalogueDocument::insertBlock(qsizetype index, Block block)
{
    // A last line without its line end gets one, so the new lines start on a line of their own.
    if (index > 0 && !m_blocks.at(index - 1).lines.isEmpty() &&
        m_blocks.at(index - 1).lines.last().end.isEmpty())
        m_blocks[index - 1].lines.last().end = m_lineEnd;
    m_blocks.insert(index, std::move(block));
}

void CatalogueDocument::beginChange(int typingId, int typingField)
{
    const bool typingOn = typingId != 0 && m_typing.id == typingId && m_typing.field == typingField;
    m_typing = {typingId, typingField};
    if (typingOn)
        return;
    m_undo.append(m_blocks);
    if (m_undo.size() > UndoSteps)
        m_undo.removeFirst();
    m_redo.clear();
}

int CatalogueDocument::addRecord(Section section, CataloguePart part, const QStringList& fields)
{
    if (!hasSection(section))
        return 0;
    beginChange();
    Block record;
    record.kind = BlockKind::Record;
    record.section = section;
    record.id = ++m_lastId;
    record.edited = true;
    for (int i = 0; i < linesPerRecord(section); ++i)
        record.fields << withoutLineBreaks(fields.value(i));
    insertBlock(insertionPoint(section, part), record);
    return record.id;
}

int CatalogueDocument::duplicateRecord(int id)
{
    beginChange();
    Block copy = m_blocks.at(blockOf(id));
    copy.id = ++m_lastId;
    copy.edited = true;
    copy.lines.clear(); // written with the file's line end
    insertBlock(blockOf(id) + 1, copy);
    return copy.id;
}

void CatalogueDocument::deleteRecord(int id)
{
    beginChange();
    m_blocks.removeAt(blockOf(id));
}

void CatalogueDocument::moveToPart(int id, CataloguePart part)
{
    if (partOf(id) == part)
        return;
    beginChange();
    Block record = m_blocks.takeAt(blockOf(id));
    // A beginner record's section has its "ææ": the expert part starts right after it.
    const qsizetype to =
        part == CataloguePart::Expert ? lastMarker(record.section) + 1 : insertionPoint(record.section, part);
    insertBlock(to, record);
}

void CatalogueDocument::moveBy(int id, int step)
{
    const QList<int> part = records(sectionOf(id), partOf(id));
    const qsizetype at = part.indexOf(id) + step;
    if (step == 0 || at < 0 || at >= part.size())
        return;
    beginChange();
    std::swap(m_blocks[blockOf(id)], m_blocks[blockOf(part.at(at))]);
}

void CatalogueDocument::setField(int id, int field, const QString& text)
{
    const QString line = withoutLineBreaks(text);
    if (m_blocks.at(blockOf(id)).fields.value(field) == line)
        return;
    beginChange(id, field);
    Block& changed = m_blocks[blockOf(id)];
    changed.fields[field] = line;
    changed.edited = true;
}

void CatalogueDocument::undo()
{
    if (m_undo.isEmpty())
        return;
    m_redo.append(m_blocks);
    m_blocks = m_undo.takeLast();
    m_typing = {};
}

void CatalogueDocument::redo()
{
    if (m_redo.isEmpty())
        return;
    m_undo.append(m_blocks);
    m_blocks = m_redo.takeLast();
    m_typing = {};
}
