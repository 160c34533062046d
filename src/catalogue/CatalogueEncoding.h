#pragma once

#include "catalogue/CatalogueReader.h"

#include <QByteArrayView>
#include <QStringDecoder>

#include <optional>

// How the catalogue's bytes become text. The file is Windows-1252, or UTF-8 after a byte-order mark, or
// UTF-8 without one when its non-ASCII bytes are mostly valid UTF-8 (Windows-1252 text practically never
// forms UTF-8 sequences). A byte that breaks the UTF-8 of a UTF-8 file is named with its line: read as
// Windows-1252, such a file would lose every marker "ææ". UTF-16 and UTF-32 files are not read.

class CatalogueEncoding {
public:
    // Decides on the encoding and notes what the teacher must know about it in problems.
    CatalogueEncoding(QByteArrayView bytes, QList<CatalogueProblem>& problems);

    bool readable() const { return m_readable; }
    qsizetype textStart() const { return m_start; } // after the byte-order mark
    bool isUtf8() const { return m_utf8; }

    // One line's bytes as text; lines never split a character.
    QString decode(QByteArrayView line);
    // The line's length in characters, without decoding it.
    qsizetype characterCount(QByteArrayView line) const;

private:
    bool m_readable = true;
    bool m_utf8 = false;
    qsizetype m_start = 0;
    QStringDecoder m_windows1252{"windows-1252", QStringDecoder::Flag::Stateless};
};
