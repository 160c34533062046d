#include "catalogue/CatalogueEncoding.h"

namespace {

const QByteArray utf32LittleEndianMark("\xFF\xFE\x00\x00", 4);
const QByteArray utf32BigEndianMark("\x00\x00\xFE\xFF", 4);

// Reported one by one up to this many lines; the rest are counted in one more problem.
constexpr int BrokenLinesNamed = 20;

CatalogueProblem wholeFileError(const QString& message)
{
    return {CatalogueProblem::Severity::Error, 0, message};
}

// The length of the valid UTF-8 sequence that starts at i, 0 when the byte at i starts none.
int utf8SequenceLength(QByteArrayView bytes, qsizetype i)
{
    const auto at = [&bytes](qsizetype k) {
        return k < bytes.size() ? static_cast<unsigned char>(bytes[k]) : 0;
    };
    const auto continues = [&at](qsizetype k, unsigned char low = 0x80, unsigned char high = 0xBF) {
        return at(k) >= low && at(k) <= high;
    };
    const unsigned char lead = at(i);
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return continues(i + 1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        const unsigned char low = lead == 0xE0 ? 0xA0 : 0x80;
        const unsigned char high = lead == 0xED ? 0x9F : 0xBF;
        return continues(i + 1, low, high) && continues(i + 2) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const unsigned char low = lead == 0xF0 ? 0x90 : 0x80;
        const unsigned char high = lead == 0xF4 ? 0x8F : 0xBF;
        return continues(i + 1, low, high) && continues(i + 2) && continues(i + 3) ? 4 : 0;
    }
    return 0;
}

struct BrokenByte {
    int line;
    qsizetype column; // 1-based, in bytes
    unsigned char byte;
};

// The UTF-8 of the text: how many multi-byte characters are valid, how many bytes are broken, and the
// first broken byte of the first lines that have one. Lines are counted as the reader counts them (CR,
// CR LF, LF).
struct Utf8Scan {
    qsizetype validSequences = 0;
    qsizetype brokenBytes = 0;
    qsizetype linesWithBrokenBytes = 0;
    QList<BrokenByte> firstBrokenPerLine; // of the first BrokenLinesNamed such lines
};

Utf8Scan scanUtf8(QByteArrayView bytes)
{
    Utf8Scan scan;
    int line = 1;
    int lastBrokenLine = 0;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < bytes.size();) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            i += c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n' ? 2 : 1;
            ++line;
            lineStart = i;
            continue;
        }
        const int length = utf8SequenceLength(bytes, i);
        if (length > 1)
            ++scan.validSequences;
        if (length > 0) {
            i += length;
            continue;
        }
        ++scan.brokenBytes;
        if (line != lastBrokenLine && ++scan.linesWithBrokenBytes <= BrokenLinesNamed)
            scan.firstBrokenPerLine.append({line, i - lineStart + 1, static_cast<unsigned char>(c)});
        lastBrokenLine = line;
        ++i;
    }
    return scan;
}

void reportBrokenBytes(const Utf8Scan& scan, QList<CatalogueProblem>& problems)
{
    for (const BrokenByte& broken : scan.firstBrokenPerLine)
        problems.append({CatalogueProblem::Severity::Error, broken.line,
                         QStringLiteral("Byte 0x%1 (das %2. Byte der Zeile) ist kein gültiges UTF-8, obwohl "
                                        "die Datei als UTF-8 gespeichert ist; vermutlich wurde hier Text aus "
                                        "einer Windows-1252-Datei (ANSI) eingefügt. Das Programm liest an "
                                        "dieser Stelle „\uFFFD“.")
                             .arg(QString::number(broken.byte, 16).toUpper())
                             .arg(broken.column)});
    const qsizetype more = scan.linesWithBrokenBytes - BrokenLinesNamed;
    if (more > 0)
        problems.append(wholeFileError(
            QStringLiteral("%1 weitere Zeilen enthalten Bytes, die kein gültiges UTF-8 sind.").arg(more)));
}

} // namespace

CatalogueEncoding::CatalogueEncoding(QByteArrayView bytes, QList<CatalogueProblem>& problems)
{
    if (bytes.startsWith(utf32LittleEndianMark) || bytes.startsWith(utf32BigEndianMark)) {
        m_readable = false;
        problems.append(wholeFileError(QStringLiteral(
            "Die Datei ist als UTF-32 gespeichert; das Programm kann sie nicht lesen. Bitte als "
            "„Windows-1252“ (ANSI) oder als „UTF-8 mit BOM“ speichern.")));
        return;
    }
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        m_readable = false;
        problems.append(wholeFileError(QStringLiteral(
            "Die Datei ist als UTF-16 („Unicode“) gespeichert; das Programm kann sie nicht lesen. Bitte als "
            "„Windows-1252“ (ANSI) oder als „UTF-8 mit BOM“ speichern.")));
        return;
    }
    const bool marked = bytes.startsWith(utf8ByteOrderMark);
    m_start = marked ? utf8ByteOrderMark.size() : 0;
    const Utf8Scan scan = scanUtf8(bytes.sliced(m_start));
    // Windows-1252 text with non-ASCII characters practically never holds valid UTF-8 sequences; a UTF-8
    // file with a few pasted Windows-1252 bytes holds far more valid ones than broken ones.
    m_utf8 = marked || (scan.validSequences > 0 && scan.validSequences >= scan.brokenBytes);
    if (!m_utf8)
        return;
    if (!marked)
        problems.append({CatalogueProblem::Severity::Warning, 0,
                         QStringLiteral("Die Datei ist als UTF-8 ohne Byte-Order-Mark gespeichert; das "
                                        "Programm liest sie als UTF-8. Sicherer ist es, sie als „UTF-8 mit "
                                        "BOM“ oder als „Windows-1252“ (ANSI) zu speichern.")});
    reportBrokenBytes(scan, problems);
}

QString CatalogueEncoding::decode(QByteArrayView line)
{
    if (line.isEmpty())
        return QString();
    return m_utf8 ? QString::fromUtf8(line) : m_windows1252.decode(line);
}

qsizetype CatalogueEncoding::characterCount(QByteArrayView line) const
{
    if (!m_utf8)
        return line.size();
    return std::count_if(line.begin(), line.end(),
                         [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
}
