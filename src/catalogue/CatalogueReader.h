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
    int hashLine = 0;        // the "#" line that opens the body
    int endLine = 0;         // the "@" line that closes it; 0 when it has none
    int nextSectionLine = 0; // the "#" line that began the next section where this one lacks its "@"
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

// True for a file that is valid UTF-8 with non-ASCII characters but has no byte-order mark.
bool isUtf8WithoutMark(const QByteArray& bytes);

// Decodes the file: Windows-1252, or UTF-8 when it starts with the UTF-8 byte-order mark. A file that is
// valid UTF-8 with non-ASCII characters but has no mark is read as UTF-8 too, with a warning that says how
// to save it. A UTF-16 file is not read at all (nothing is returned), and a problem says so.
std::optional<QString> decodeCatalogue(const QByteArray& bytes, QList<CatalogueProblem>& problems);

// The lines of a text; a line ends at a carriage return, a carriage return followed by a line feed, or
// a lone line feed.
QList<SourceLine> splitLines(const QString& text);

// Reads the structure of the whole file. Stops at the first place where the file ends before its ninth
// "@" and notes the problem, naming every section that is missing; everything read before it stays. A
// line "#" where a section's records are read begins the next section: the section before it lacks its
// "@", which is noted once, and reading goes on with the next section.
RawCatalogue parseCatalogue(const QByteArray& bytes);

// The file's bytes, or a German reason why it cannot be read.
struct CatalogueBytes {
    std::optional<QByteArray> bytes;
    QString error;
};
CatalogueBytes readCatalogueBytes(const QString& path);
