#pragma once

#include <QList>
#include <QString>

// The certificate form: how a teacher describes the printed page in a text file (see
// docs/urkunde-vorlage.md). The form holds the page settings and a list of elements drawn from top to
// bottom; the texts of the elements keep their placeholders until the form is filled.

enum class PageOrientation { Portrait, Landscape };
enum class BorderStyle { None, Single, Double };
enum class Alignment { Left, Centre, Right };

enum class ElementKind {
    Text,           // one text, aligned; a value with line breaks gives several lines
    TableRow,       // two cells; consecutive rows form one centred two-column table
    Columns,        // two cells, the left and the right column of the page
    SignatureLines, // two cells, each a caption under a line to sign on (an empty cell draws nothing)
    Space,          // a fixed vertical space
    FlexibleSpace,  // shares what is left of the page's height with the other flexible spaces
};

struct TextStyle {
    double pointSize = 12;
    bool bold = false;
    bool italic = false;
    QString colour; // "#rrggbb"; empty is black
    Alignment alignment = Alignment::Centre;
    bool operator==(const TextStyle&) const = default;
};

// A text of the form: literal pieces and placeholder names, in order.
struct FormText {
    struct Piece {
        QString text; // the literal text, or the placeholder's name in capitals
        bool placeholder = false;
        bool operator==(const Piece&) const = default;
    };
    QList<Piece> pieces;
    bool operator==(const FormText&) const = default;
};

struct FormElement {
    ElementKind kind = ElementKind::Text;
    TextStyle style;
    QList<FormText> cells; // one for Text, two for the two-cell kinds, none for spaces
    double spaceMillimetres = 0;
    int line = 0; // where the element stands in the form file
};

struct PageSettings {
    PageOrientation orientation = PageOrientation::Portrait;
    QString school;
    QString fontFamily = QStringLiteral("Serif");
    BorderStyle border = BorderStyle::None;
    QString borderColour; // "#rrggbb"; empty is black
};

struct CertificateForm {
    PageSettings page;
    QList<FormElement> elements;
};

// A finding in the form file; line 0 concerns the whole file.
struct FormError {
    int line = 0;
    QString text;
};

struct FormReading {
    CertificateForm form;
    QList<FormError> errors; // the form is usable only when this is empty
};

// Reads a form from the file's bytes (UTF-8, a byte-order mark is allowed). Every finding is reported
// with its line, in German; reading goes on after a finding so that the teacher sees all of them at once.
FormReading readCertificateForm(const QByteArray& bytes);

// Every placeholder a form may use, in capitals.
const QStringList& certificatePlaceholders();
