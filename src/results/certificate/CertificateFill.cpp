#include "results/certificate/CertificateFill.h"

#include "components/PrintFields.h"

namespace {

QStringList bodyLines(const QString& body)
{
    QString text = body;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.split(QLatin1Char('\n'));
}

QStringList filledLines(const FormText& text, const QHash<QString, QString>& values)
{
    QString filled;
    for (const FormText::Piece& piece : text.pieces)
        filled += piece.placeholder ? values.value(piece.text) : piece.text;
    QStringList lines = bodyLines(filled);
    for (QString& line : lines)
        line = line.simplified();
    // A cell that comes out blank is no line at all.
    if (lines.size() == 1 && lines.first().isEmpty())
        lines.clear();
    return lines;
}

} // namespace

QHash<QString, QString> placeholderValues(const CertificateInput& input, const QString& school)
{
    QHash<QString, QString> values;
    for (const PrintFields::Field& field : input.fields.fields())
        values.insert(field.key.toUpper(), field.value.toString());
    const QStringList lines = bodyLines(input.body);
    values.insert(QStringLiteral("TEXT"), lines.join(QLatin1Char('\n')));
    for (qsizetype n = 1; n <= lines.size(); ++n)
        values.insert(QStringLiteral("TEXT_%1").arg(n), lines[n - 1]);
    values.insert(QStringLiteral("NAME"), input.pupilName);
    values.insert(QStringLiteral("DATUM"), input.today.toString(QStringLiteral("dd.MM.yyyy")));
    values.insert(QStringLiteral("SCHULE"), school);
    return values;
}

CertificatePage fillCertificate(const CertificateForm& form, const CertificateInput& input)
{
    const QHash<QString, QString> values = placeholderValues(input, form.page.school);
    CertificatePage page{form.page, {}};
    for (const FormElement& element : form.elements) {
        PageElement filled{element.kind, element.style, {}, element.spaceMillimetres};
        bool anyText = element.cells.isEmpty();
        for (const FormText& cell : element.cells) {
            filled.cells.append(filledLines(cell, values));
            anyText = anyText || !filled.cells.last().isEmpty();
        }
        if (anyText)
            page.elements.append(filled);
    }
    return page;
}
