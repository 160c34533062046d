#pragma once

#include "catalogue/Section.h"
#include "components/RegularFile.h"

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
    bool overlong = false; // longer than any line of a record: reported, its text not read
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
    std::optional<SourceLine>
        markerAfterEnd; // the first marker line after the ninth "@", which nothing reads
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

// Reads the structure of the whole file (its encoding: catalogue/CatalogueEncoding.h; a line ends at CR,
// CR LF or LF). Stops at the first place where the file ends before its ninth "@" and notes the problem,
// naming every section that is missing; everything read before it stays. A line "#" where a section's
// records are read begins the next section: the section before it lacks its "@", which is noted once, and
// reading goes on with the next section. A line longer than any line of a record is reported and its
// record is left out. Work and memory grow with the records, not with the lines around them.
RawCatalogue parseCatalogue(const QByteArray& bytes);

// The file's bytes, or a German reason why it cannot be read (components/RegularFile.h).
struct CatalogueBytes {
    std::optional<QByteArray> bytes;
    QString error;
};
CatalogueBytes readCatalogueBytes(const QString& path, LinkRule links = LinkRule::Follow);
