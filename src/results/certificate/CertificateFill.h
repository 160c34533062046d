#pragma once

#include "results/certificate/CertificateForm.h"

#include <QDate>
#include <QHash>
#include <QStringList>

class PrintFields;

// What a certificate is filled with: the print service's body text and fields, the pupil's name and the
// day of printing.
struct CertificateInput {
    QString body; // lines separated by "\r\n"
    const PrintFields& fields;
    QString pupilName;
    QDate today;
};

// One element of the filled page, ready to draw: each cell is a list of lines of plain text.
struct PageElement {
    ElementKind kind = ElementKind::Text;
    TextStyle style;
    QList<QStringList> cells;
    double spaceMillimetres = 0;
};

struct CertificatePage {
    PageSettings page;
    QList<PageElement> elements;
};

// The value of every placeholder for this input: the fields by their keys, TEXT (the whole body) and
// TEXT_1 ... (its lines), NAME, DATUM ("dd.MM.yyyy") and SCHULE.
QHash<QString, QString> placeholderValues(const CertificateInput& input, const QString& school);

// Fills the form's placeholders with the input's values, as text: a value is never read again for
// placeholders or markup. In each line runs of blanks become one blank and the ends are trimmed; an
// element whose cells all come out empty (the fourth body line of a result without a title, say) is left
// out, so it takes no room on the page.
CertificatePage fillCertificate(const CertificateForm& form, const CertificateInput& input);
