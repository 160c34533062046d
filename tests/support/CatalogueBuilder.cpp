#include "support/CatalogueBuilder.h"

#include <QStringEncoder>

QByteArray windows1252Lines(const QStringList& lines)
{
    QStringEncoder encoder("windows-1252");
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += encoder(line) + QByteArray("\r\n");
    return bytes;
}

QByteArray catalogueFile(const QMap<Section, QStringList>& bodies)
{
    QStringList lines;
    for (Section section : allSections) {
        lines << QStringLiteral("Abschnitt %1: %2").arg(sectionNumber(section)).arg(sectionName(section))
              << QStringLiteral("#");
        lines << bodies.value(section);
        lines << QStringLiteral("@");
    }
    return windows1252Lines(lines);
}

QStringList recordLines(const QStringList& records)
{
    QStringList lines;
    for (const QString& record : records)
        lines << record.split(QLatin1Char('|'));
    return lines;
}

QByteArray smallCatalogue()
{
    return catalogueFile({
        {Section::Elements, recordLines({"Wasserstoff|H", "Natrium|Na", "Iod*Jod|I", "Calcium*Kalzium|Ca",
                                         "Helium|He", "Kohlenstoff|C", "Sauerstoff|O", "Eisen|Fe", "ææ",
                                         "Bismut*Wismut|Bi", "Cobalt*Kobalt|Co", "Zinn|Sn", "Blei|Pb"})},
        {Section::Syllables, recordLines({"1|mono", "2|di", "3|tri", "4|tetra", "5|penta", "ææ",
                                          "8|octa*okta", "10|deca*deka", "11|undeca", "12|dodeca*dodeka"})},
    });
}
