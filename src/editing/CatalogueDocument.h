#pragma once

#include "catalogue/Section.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A catalogue file being edited. It holds every line of the file as it was read, bytes and line end, and
// the records the reader found in them. Only the records a change touches are written anew (in the file's
// encoding, with the file's line end); every other line, comments and markers included, stays byte for
// byte, so opening and saving an unchanged file gives the same file.
//
// A record is named by an id that stays the same while it is edited, moved or undone. Each change is one
// step of the undo history; typing on in the same field of the same record extends the step before.

enum class CataloguePart { Beginner, Expert };

class CatalogueDocument {
public:
    // The file's bytes as a document, or nothing when its text cannot be read (e.g. UTF-16) or it has
    // more lines than any catalogue; the reason in German in problem.
    static std::optional<CatalogueDocument> open(const QByteArray& bytes, QString& problem);

    // The file as it would be saved now.
    QByteArray bytes() const;
    bool isUtf8() const { return m_utf8; }

    // Whether the file holds the section (a broken file may end before it); records of a missing
    // section cannot be added.
    bool hasSection(Section section) const;
    // The ids of the records of a section's part, in file order. The records before the section's last
    // "ææ" line are the beginner part; a section without one gives beginners nothing, so all its records
    // are the expert part.
    QList<int> records(Section section, CataloguePart part) const;
    bool contains(int id) const;
    Section sectionOf(int id) const;
    CataloguePart partOf(int id) const;
    QStringList fields(int id) const; // one text per line of the record
    // The number of the record's first line in bytes(), 1-based.
    int firstLine(int id) const;
    // The record whose lines take in the line, with the field the line is; nullopt for any other line.
    struct LinePlace {
        int id = 0;
        int field = 0;
    };
    std::optional<LinePlace> placeOfLine(int line) const;

    // What keeps a field's text out of this file: a marker line ("#", "@", "ææ") or a character its
    // encoding cannot hold. German; empty when the text can be saved.
    QString unsavable(const QString& text) const;

    // Changes. Ids passed in must be contained.
    // A new record at the end of the part, its fields as given (empty fields where fewer are given); 0 and
    // no change for a section the file lacks.
    int addRecord(Section section, CataloguePart part, const QStringList& fields = {});
    int duplicateRecord(int id); // the copy stands right after the record
    void deleteRecord(int id);
    // To the other part: the end of the beginner part or the start of the expert part. A section without
    // "ææ" gets one after its first beginner record.
    void moveToPart(int id, CataloguePart part);
    // One place up (-1) or down (+1) within its part; nothing at the part's end.
    void moveBy(int id, int step);
    // A line break in the text becomes a blank: every field is one line of the file.
    void setField(int id, int field, const QString& text);

    bool canUndo() const { return !m_undo.isEmpty(); }
    bool canRedo() const { return !m_redo.isEmpty(); }
    void undo();
    void redo();

    // Whether the file as it would be saved differs from what was opened or last saved.
    bool isModified() const { return bytes() != m_savedBytes; }
    void markSaved() { m_savedBytes = bytes(); }

private:
    struct Line {
        QByteArray text; // without the line end
        QByteArray end;  // "\r\n", "\n", "\r", or nothing for a last line without one
    };
    enum class BlockKind { Other, SectionStart, BeginnerEnd, SectionEnd, Record };
    // One line of the file, or the lines of one record.
    struct Block {
        BlockKind kind = BlockKind::Other;
        Section section = Section::Elements; // of every kind but Other
        QList<Line> lines;                   // as read; a record's until one of its fields changes
        int id = 0;                          // of a record
        QStringList fields;                  // of a record
        bool edited = false;                 // a record written anew from its fields
    };

    CatalogueDocument() = default;
    qsizetype blockOf(int id) const;
    qsizetype lastMarker(Section section) const;   // the section's last "ææ"; -1 when it has none
    qsizetype endOfSection(Section section) const; // its "@", or after its last block when it lacks one
    // Where a record added to the part goes; a section without "ææ" gets one for a beginner part.
    qsizetype insertionPoint(Section section, CataloguePart part);
    void insertBlock(qsizetype index, Block block);
    QByteArray encoded(const QString& text) const;
    // Keeps the state before a change for undo; typing on in the same field extends the step before.
    void beginChange(int typingId = 0, int typingField = -1);

    QByteArray m_byteOrderMark;
    bool m_utf8 = false;
    QByteArray m_lineEnd = "\r\n"; // of lines the editor adds: the file's first line end
    QList<Block> m_blocks;
    int m_lastId = 0;
    QByteArray m_savedBytes;
    struct Typing {
        int id = 0;
        int field = -1;
    } m_typing;
    QList<QList<Block>> m_undo;
    QList<QList<Block>> m_redo;
};
