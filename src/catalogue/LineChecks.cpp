#include "catalogue/LineChecks.h"

#include "catalogue/RecordReading.h"
#include "components/NumberText.h"
#include "components/TextTools.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace {

// The field at the start of a sentence: "die Definition" becomes "Die Definition".
QString capitalised(const QString& field)
{
    return field.left(1).toUpper() + field.mid(1);
}

QString numberText(double value)
{
    return QString::number(value, 'g', 10);
}

} // namespace

bool checkNotEmpty(const SourceLine& line, const QString& field, CheckFindings& findings)
{
    if (!line.text.trimmed().isEmpty())
        return true;
    findings.error(line.number, QStringLiteral("%1 fehlt: Die Zeile ist leer.").arg(capitalised(field)));
    return false;
}

void checkWidth(const SourceLine& line, int width, const QString& field, CheckFindings& findings)
{
    const QString lost = trimBlanksRight(line.text.mid(width));
    if (lost.isEmpty())
        return;
    findings.warning(line.number,
                     QStringLiteral("%1 ist %2 Zeichen lang; das Programm behält nur die ersten %3, "
                                    "„%4“ fällt weg.")
                         .arg(capitalised(field))
                         .arg(trimBlanksRight(line.text).size())
                         .arg(width)
                         .arg(lost));
}

void checkForbidden(const SourceLine& line, QChar character, const QString& field, const QString& why,
                    CheckFindings& findings)
{
    if (line.text.contains(character))
        findings.error(line.number,
                       QStringLiteral("%1 enthält „%2“: %3").arg(capitalised(field), character, why));
}

std::optional<double> checkNumber(const SourceLine& line, const QString& field, CheckFindings& findings)
{
    static const QRegularExpression plainNumber(QStringLiteral("^[+-]?[0-9]+(\\.[0-9]+)?$"));
    const QString text = line.text.trimmed();
    const double value = readLeadingNumber(line.text);
    if (plainNumber.match(text).hasMatch()) {
        if (std::isfinite(text.toDouble()))
            return value;
        findings.error(line.number, QStringLiteral("%1 „%2“ ist zu groß für eine Zahl; das Programm liest "
                                                   "daraus %3.")
                                        .arg(capitalised(field), text, numberText(value)));
    } else if (text.isEmpty()) {
        findings.error(
            line.number,
            QStringLiteral("%1 fehlt: Die Zeile ist leer, das Programm liest 0.").arg(capitalised(field)));
    } else if (text.contains(QLatin1Char(','))) {
        findings.error(line.number, QStringLiteral("%1 „%2“ enthält ein Komma; das Programm liest daraus %3. "
                                                   "Dezimalstellen bitte mit Punkt schreiben.")
                                        .arg(capitalised(field), text, numberText(value)));
    } else {
        findings.error(line.number,
                       QStringLiteral("%1 „%2“ ist keine reine Zahl; das Programm liest daraus %3.")
                           .arg(capitalised(field), text, numberText(value)));
    }
    return std::nullopt;
}

std::optional<double> checkSingleNumber(const SourceLine& line, const QString& field, CheckFindings& findings)
{
    const std::optional<double> value = checkNumber(line, field, findings);
    if (!value || std::fabs(*value) <= std::numeric_limits<float>::max())
        return value;
    findings.error(line.number, QStringLiteral("%1 %2 ist zu groß; das Programm speichert 0.")
                                    .arg(capitalised(field), numberText(*value)));
    return std::nullopt;
}

void checkAmountAnswer(const SourceLine& line, CheckFindings& findings)
{
    static const QRegularExpression plainNumber(QStringLiteral("^[+-]?[0-9]+([.,][0-9]+)?$"));
    if (!checkNotEmpty(line, QStringLiteral("die Antwort"), findings))
        return;
    const QString text = line.text.trimmed();
    // The page reads the expected answer as it reads a typed one: a decimal comma counts as a point, and the
    // value is held in single precision.
    const QString normalised = QString(text).replace(QLatin1Char(','), QLatin1Char('.'));
    if (!plainNumber.match(text).hasMatch())
        findings.error(line.number, QStringLiteral("Die Antwort „%1“ ist keine reine Zahl; das Programm "
                                                   "erwartet daraus %2.")
                                        .arg(text, numberText(readLeadingNumber(normalised))));
    else if (!(std::fabs(normalised.toDouble()) <= std::numeric_limits<float>::max()))
        findings.error(line.number,
                       QStringLiteral("Die Antwort „%1“ ist zu groß für eine Zahl des Programms.").arg(text));
}

std::optional<int> checkWholeNumber(const SourceLine& line, const QString& field, CheckFindings& findings)
{
    const std::optional<double> value = checkNumber(line, field, findings);
    if (!value)
        return std::nullopt;
    const std::optional<std::int16_t> stored = toInt16(*value);
    if (!stored) {
        findings.error(line.number, QStringLiteral("%1 %2 liegt außerhalb von -32768 bis 32767; das Programm "
                                                   "speichert 0.")
                                        .arg(capitalised(field), numberText(*value)));
        return std::nullopt;
    }
    if (*stored != *value) {
        findings.error(line.number,
                       QStringLiteral("%1 %2 ist keine ganze Zahl; das Programm liest daraus %3.")
                           .arg(capitalised(field), numberText(*value))
                           .arg(*stored));
        return std::nullopt;
    }
    return *stored;
}

QStringList checkAnswerList(const SourceLine& line, const QString& field, CheckFindings& findings)
{
    const QStringList items = TextList::fromText(line.text, listSeparator).items();
    for (const QString& item : items) {
        if (trimBlanks(item).isEmpty())
            findings.error(line.number, QStringLiteral("%1 enthält eine leere Schreibweise (zwei „*“ "
                                                       "hintereinander, „*“ am Rand oder eine leere Zeile).")
                                            .arg(capitalised(field)));
        else if (trimBlanks(item) != item)
            findings.error(line.number,
                           QStringLiteral("%1 enthält „%2“ mit Leerzeichen am Rand; eingetippte "
                                          "Antworten werden ohne sie verglichen, so ist sie nie richtig.")
                               .arg(capitalised(field), item));
    }
    return items;
}
