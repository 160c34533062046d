#include "results/certificate/CertificateForm.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr double SmallestPointSize = 4;
constexpr double LargestPointSize = 96;
constexpr double LargestSpaceMillimetres = 300;

QString quoted(const QString& text)
{
    return QStringLiteral("„%1“").arg(text);
}

bool isColour(const QString& word)
{
    static const QRegularExpression colour(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    return colour.match(word).hasMatch();
}

// A finite number with a decimal point or comma; "nan" and "inf" are no sizes.
std::optional<double> readNumber(const QString& word)
{
    bool ok = false;
    const double value = QString(word).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

class FormReader {
public:
    FormReading read(const QByteArray& bytes);

private:
    void readLine(const QString& line);
    void readPageSetting(const QString& keyword, const QStringList& options, const QString& value);
    void readElement(ElementKind kind, const QString& keyword, const QStringList& options,
                     const QString& value);
    void readSpace(const QStringList& options, const QString& value);
    std::optional<TextStyle> readStyle(ElementKind kind, const QStringList& options);
    std::optional<FormText> readText(const QString& text);
    void error(const QString& text) { m_reading.errors.append({m_line, text}); }

    FormReading m_reading;
    int m_line = 0;
    QHash<QString, int> m_settingLines; // page settings already given, with their lines
};

FormReading FormReader::read(const QByteArray& bytes)
{
    QByteArray content = bytes;
    if (content.startsWith("\xEF\xBB\xBF"))
        content.remove(0, 3);
    // Lines end at LF, CR LF or CR; each line is decoded on its own so that a bad byte is found by line.
    content.replace("\r\n", "\n").replace('\r', '\n');
    const QList<QByteArray> lines = content.split('\n');
    for (const QByteArray& bytesOfLine : lines) {
        ++m_line;
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString line = decoder.decode(bytesOfLine);
        if (decoder.hasError()) {
            error(QStringLiteral(
                "Die Zeile ist kein gültiger UTF-8-Text. Bitte die Datei als UTF-8 speichern."));
            continue;
        }
        readLine(line.trimmed());
    }
    m_line = 0;
    const bool printsSomething =
        std::any_of(m_reading.form.elements.cbegin(), m_reading.form.elements.cend(),
                    [](const FormElement& element) { return !element.cells.isEmpty(); });
    // Said only of an otherwise sound form: next to other findings it would be noise.
    if (!printsSomething && m_reading.errors.isEmpty())
        error(QStringLiteral("Die Vorlage enthält nichts zum Drucken (keine Zeile „Text“, „Tabelle“, "
                             "„Spalten“ oder „Linien“)."));
    return std::move(m_reading);
}

void FormReader::readLine(const QString& line)
{
    if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
        return;
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    if (colon < 0) {
        error(QStringLiteral("Nach dem Schlüsselwort fehlt der Doppelpunkt (so: „Text mitte 14: Inhalt“)."));
        return;
    }
    QStringList head = line.left(colon).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString value = line.mid(colon + 1).trimmed();
    if (head.isEmpty()) {
        error(QStringLiteral("Vor dem Doppelpunkt fehlt das Schlüsselwort."));
        return;
    }
    const QString keyword = head.takeFirst();
    static const QHash<QString, ElementKind> elementKinds{
        {QStringLiteral("text"), ElementKind::Text},
        {QStringLiteral("tabelle"), ElementKind::TableRow},
        {QStringLiteral("spalten"), ElementKind::Columns},
        {QStringLiteral("linien"), ElementKind::SignatureLines}};
    const QString lower = keyword.toLower();
    if (elementKinds.contains(lower))
        readElement(elementKinds.value(lower), keyword, head, value);
    else if (lower == QLatin1String("abstand"))
        readSpace(head, value);
    else
        readPageSetting(keyword, head, value);
}

void FormReader::readPageSetting(const QString& keyword, const QStringList& options, const QString& value)
{
    const QString lower = keyword.toLower();
    static const QStringList settings{QStringLiteral("seite"), QStringLiteral("schule"),
                                      QStringLiteral("schrift"), QStringLiteral("rahmen")};
    if (!settings.contains(lower)) {
        error(QStringLiteral("Unbekanntes Schlüsselwort %1. Möglich sind: Seite, Schule, Schrift, Rahmen, "
                             "Abstand, Text, Tabelle, Spalten, Linien.")
                  .arg(quoted(keyword)));
        return;
    }
    if (m_settingLines.contains(lower)) {
        error(QStringLiteral("%1 steht schon in Zeile %2.")
                  .arg(quoted(keyword))
                  .arg(m_settingLines.value(lower)));
        return;
    }
    m_settingLines.insert(lower, m_line);
    if (!options.isEmpty()) {
        error(QStringLiteral("%1 kennt keine Angaben vor dem Doppelpunkt (%2).")
                  .arg(quoted(keyword), quoted(options.join(QLatin1Char(' ')))));
        return;
    }
    PageSettings& page = m_reading.form.page;
    if (lower == QLatin1String("schule")) {
        page.school = value;
    } else if (lower == QLatin1String("schrift")) {
        if (value.isEmpty())
            error(QStringLiteral("Nach „Schrift:“ fehlt der Name einer Schriftart, z. B. „Schrift: Serif“."));
        else
            page.fontFamily = value;
    } else if (lower == QLatin1String("seite")) {
        if (value.compare(QLatin1String("Hochformat"), Qt::CaseInsensitive) == 0)
            page.orientation = PageOrientation::Portrait;
        else if (value.compare(QLatin1String("Querformat"), Qt::CaseInsensitive) == 0)
            page.orientation = PageOrientation::Landscape;
        else
            error(QStringLiteral("„Seite“ ist „Hochformat“ oder „Querformat“, nicht %1.").arg(quoted(value)));
    } else {
        const QStringList words = value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        static const QHash<QString, BorderStyle> borders{{QStringLiteral("keiner"), BorderStyle::None},
                                                         {QStringLiteral("einfach"), BorderStyle::Single},
                                                         {QStringLiteral("doppelt"), BorderStyle::Double}};
        const bool known = !words.isEmpty() && borders.contains(words.first().toLower());
        if (!known || words.size() > 2 || (words.size() == 2 && !isColour(words[1]))) {
            error(QStringLiteral("„Rahmen“ ist „keiner“, „einfach“ oder „doppelt“, wahlweise mit einer Farbe "
                                 "wie #1f4e79, nicht %1.")
                      .arg(quoted(value)));
            return;
        }
        page.border = borders.value(words.first().toLower());
        page.borderColour = words.value(1);
    }
}

void FormReader::readSpace(const QStringList& options, const QString& value)
{
    if (!options.isEmpty()) {
        error(QStringLiteral("„Abstand“ kennt keine Angaben vor dem Doppelpunkt (%1).")
                  .arg(quoted(options.join(QLatin1Char(' ')))));
        return;
    }
    FormElement element;
    element.line = m_line;
    if (value.compare(QLatin1String("Rest"), Qt::CaseInsensitive) == 0) {
        element.kind = ElementKind::FlexibleSpace;
    } else {
        const std::optional<double> millimetres = readNumber(value);
        if (!millimetres || *millimetres < 0 || *millimetres > LargestSpaceMillimetres) {
            error(QStringLiteral("„Abstand“ ist eine Zahl von Millimetern zwischen 0 und %1 oder „Rest“, "
                                 "nicht %2.")
                      .arg(LargestSpaceMillimetres)
                      .arg(quoted(value)));
            return;
        }
        element.kind = ElementKind::Space;
        element.spaceMillimetres = *millimetres;
    }
    m_reading.form.elements.append(element);
}

void FormReader::readElement(ElementKind kind, const QString& keyword, const QStringList& options,
                             const QString& value)
{
    const std::optional<TextStyle> style = readStyle(kind, options);
    const QStringList cellTexts =
        kind == ElementKind::Text ? QStringList{value} : value.split(QLatin1Char('|'));
    const qsizetype wanted = kind == ElementKind::Text ? 1 : 2;
    if (cellTexts.size() != wanted) {
        error(QStringLiteral("%1 hat zwei Teile, getrennt durch genau ein „|“ (so: „%2: links | rechts“).")
                  .arg(quoted(keyword), keyword));
        return;
    }
    FormElement element{kind, style.value_or(TextStyle{}), {}, 0, m_line};
    bool textsRead = true;
    for (const QString& cellText : cellTexts) {
        const std::optional<FormText> text = readText(cellText.trimmed());
        textsRead = textsRead && text.has_value();
        element.cells.append(text.value_or(FormText{}));
    }
    if (style && textsRead)
        m_reading.form.elements.append(element);
}

std::optional<TextStyle> FormReader::readStyle(ElementKind kind, const QStringList& options)
{
    static const QHash<QString, Alignment> alignments{{QStringLiteral("links"), Alignment::Left},
                                                      {QStringLiteral("mitte"), Alignment::Centre},
                                                      {QStringLiteral("rechts"), Alignment::Right}};
    TextStyle style;
    bool good = true;
    for (const QString& option : options) {
        const QString lower = option.toLower();
        if (lower == QLatin1String("fett")) {
            style.bold = true;
        } else if (lower == QLatin1String("kursiv")) {
            style.italic = true;
        } else if (isColour(option)) {
            style.colour = option;
        } else if (alignments.contains(lower) && kind == ElementKind::Text) {
            style.alignment = alignments.value(lower);
        } else if (const std::optional<double> size = readNumber(option)) {
            if (*size < SmallestPointSize || *size > LargestPointSize) {
                error(QStringLiteral("Die Schriftgröße %1 liegt nicht zwischen %2 und %3 Punkt.")
                          .arg(option)
                          .arg(SmallestPointSize)
                          .arg(LargestPointSize));
                good = false;
            }
            style.pointSize = *size;
        } else {
            error(QStringLiteral("Unbekannte Angabe %1. Möglich sind eine Schriftgröße in Punkt, „fett“, "
                                 "„kursiv“, eine Farbe wie #1f4e79 und bei „Text“ „links“, „mitte“ oder "
                                 "„rechts“.")
                      .arg(quoted(option)));
            good = false;
        }
    }
    return good ? std::optional<TextStyle>(style) : std::nullopt;
}

std::optional<FormText> FormReader::readText(const QString& text)
{
    FormText result;
    QString literal;
    const auto flushLiteral = [&] {
        if (!literal.isEmpty())
            result.pieces.append({literal, false});
        literal.clear();
    };
    bool good = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if ((c == QLatin1Char('{') || c == QLatin1Char('}')) && i + 1 < text.size() && text[i + 1] == c) {
            literal += c; // "{{" and "}}" stand for the brace itself
            ++i;
            continue;
        }
        if (c != QLatin1Char('{')) {
            literal += c;
            continue;
        }
        const qsizetype close = text.indexOf(QLatin1Char('}'), i + 1);
        if (close < 0) {
            error(
                QStringLiteral("Zu „{“ fehlt das schließende „}“ (ein „{“ als Zeichen schreibt man „{{“)."));
            return std::nullopt;
        }
        const QString name = text.mid(i + 1, close - i - 1).trimmed().toUpper();
        if (certificatePlaceholders().contains(name)) {
            flushLiteral();
            result.pieces.append({name, true});
        } else {
            error(QStringLiteral("Unbekannter Platzhalter {%1}.").arg(text.mid(i + 1, close - i - 1)));
            good = false;
        }
        i = close;
    }
    flushLiteral();
    return good ? std::optional<FormText>(result) : std::nullopt;
}

} // namespace

FormReading readCertificateForm(const QByteArray& bytes)
{
    return FormReader().read(bytes);
}

const QStringList& certificatePlaceholders()
{
    static const QStringList names = [] {
        QStringList list{QStringLiteral("TEXT"), QStringLiteral("NAME"),  QStringLiteral("TITLE"),
                         QStringLiteral("FILE"), QStringLiteral("DATUM"), QStringLiteral("SCHULE")};
        for (int n = 1; n <= 9; ++n)
            list << QStringLiteral("TEXT_%1").arg(n) << QStringLiteral("EINZEL_%1_TEXT").arg(n)
                 << QStringLiteral("EINZEL_%1_WERT").arg(n);
        return list;
    }();
    return names;
}
