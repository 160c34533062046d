#pragma once

#include <QString>

#include <array>

// The nine sections of the task catalogue, in the order in which they stand in the file.
enum class Section {
    Elements = 1,
    Syllables,
    MolarMasses,
    Definitions,
    Charges,
    YesNo,
    Equations,
    Substances,
    Amounts
};

inline constexpr std::array<Section, 9> allSections = {
    Section::Elements, Section::Syllables, Section::MolarMasses, Section::Definitions, Section::Charges,
    Section::YesNo,    Section::Equations, Section::Substances,  Section::Amounts,
};

// How many lines one record of the section takes.
int linesPerRecord(Section section);

// The section's name as teachers and pupils read it in messages, e.g. "Elemente".
QString sectionName(Section section);

inline int sectionNumber(Section section)
{
    return static_cast<int>(section);
}

// The section as messages name it, e.g. "Abschnitt 1 („Elemente“)".
QString sectionLabel(Section section);
