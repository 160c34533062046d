#pragma once

#include "catalogue/Section.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The one reader of the catalogue file's structure. It splits the file into its nine sections and their
// records, keeps the line number of everything it read, and notes where the file breaks the format. The
// loader turns the records into the catalogue arrays; the checker judges them. Neither parses the file
// in another way.

struct SourceLine {
    int number = 0; // 1-based
    QString text;
};

// The lines of one record, as many as its section takes.
using RawRecord = QList<SourceLine>;

struct CatalogueProblem {
    enum class Severity { Error, Warning };
    Severity severity = Severity::Error;
    int line = 0;    // 0: the file as a whole
    QString message; // German, for teachers
};

struct RawSection {
    Section section = Section::Elements;
    int hashLine = 0; // the "#" line that opens the body
    int endLine = 0;  // the "@" line that closes it; 0 when the file ended before it
    QList<RawRecord> records;
    QList<int> easyMarkerLines;   // every "ææ" line of the body
    std::optional<int> easyLimit; // the record count at the last "ææ" line
};

struct RawCatalogue {
    QList<RawSection> sections; // the sections found, complete or not, in file order
    QList<CatalogueProblem> problems;
    QList<SourceLine> linesAfterEnd; // after the ninth "@", which nothing reads
};

// The marker lines. They count only as whole lines, case-sensitive, untrimmed.
inline const QString sectionStartMarker = QStringLiteral("#");
inline const QString sectionEndMarker = QStringLiteral("@");
inline const QString beginnerEndMarker = QStringLiteral("\u00e6\u00e6");

inline bool isMarkerLine(const QString& text)
{
    return text == sectionStartMarker || text == sectionEndMarker || text == beginnerEndMarker;
}

// A file that starts with these bytes is read as UTF-8.
inline const QByteArray utf8ByteOrderMark("\xEF\xBB\xBF");

// True for a file that is valid UTF-8 with non-ASCII characters but has no byte-order mark: it is read as
// Windows-1252, so its umlauts come out wrong.
bool isUtf8WithoutMark(const QByteArray& bytes);

// Decodes the file: Windows-1252, or UTF-8 when it starts with the UTF-8 byte-order mark. A file that is
// valid UTF-8 with non-ASCII characters but no mark is still read as Windows-1252 (so its umlauts come
// out wrong), and a problem says how to save it. A UTF-16 file is not read at all (nothing is returned),
// and a problem says so.
std::optional<QString> decodeCatalogue(const QByteArray& bytes, QList<CatalogueProblem>& problems);

// The lines of a text; a line ends at a carriage return, a carriage return followed by a line feed, or
// a lone line feed.
QList<SourceLine> splitLines(const QString& text);

// Reads the structure of the whole file. Stops at the first place where the file ends before its ninth
// "@" and notes the problem; everything read before it stays.
RawCatalogue parseCatalogue(const QByteArray& bytes);

// The file's bytes, or a German reason why it cannot be read.
struct CatalogueBytes {
    std::optional<QByteArray> bytes;
    QString error;
};
CatalogueBytes readCatalogueBytes(const QString& path);
