#include "catalogue/Section.h"

int linesPerRecord(Section section)
{
    switch (section) {
    case Section::Equations:
        return 1;
    case Section::MolarMasses:
    case Section::Substances:
        return 3;
    default:
        return 2;
    }
}

QString sectionName(Section section)
{
    switch (section) {
    case Section::Elements:
        return QStringLiteral("Elemente");
    case Section::Syllables:
        return QStringLiteral("Zahlsilben");
    case Section::MolarMasses:
        return QStringLiteral("Molare Massen");
    case Section::Definitions:
        return QStringLiteral("Definitionen");
    case Section::Charges:
        return QStringLiteral("Ladungszahlen");
    case Section::YesNo:
        return QStringLiteral("Ja/Nein-Fragen");
    case Section::Equations:
        return QStringLiteral("Gleichungen");
    case Section::Substances:
        return QStringLiteral("Substanznamen");
    case Section::Amounts:
        return QStringLiteral("Stoffmengen");
    }
    return {};
}

QString sectionLabel(Section section)
{
    return QStringLiteral("Abschnitt %1 („%2“)").arg(sectionNumber(section)).arg(sectionName(section));
}
