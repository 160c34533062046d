#pragma once

#include "components/DynValue.h"
#include "components/FixedText.h"
#include "components/TextList.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <memory>

// The record types of the task catalogue. Lists are shared so that a substance's combined name list can
// link to its two part lists; a list that was never made is null (see ensureList).

struct ElementRecord {
    std::shared_ptr<TextList> Names; // accepted names, the first one is shown
    QString Symbol;
};

struct SyllableRecord {
    std::int16_t Value = 0;
    std::shared_ptr<TextList> Syllables; // accepted forms, the first one is shown
};

struct MolarMassRecord {
    FixedText<40> Formula; // the text shown
    float MolarMass = 0;
    QString Term; // the formula in formula-label notation
};

struct DefinitionRecord {
    FixedText<120> Definition;
    FixedText<20> Term;
};

struct ChargeRecord {
    FixedText<20> Name;
    std::int16_t Value = 0; // the charge number, -3..+3
};

struct YesNoRecord {
    std::int16_t Answer = 0; // -1 for yes, 0 for no
    FixedText<120> Question;
};

struct SubstanceRecord {
    std::shared_ptr<TextList> Combined; // the accepted names, linked from Part1 and Part2 at test start
    std::shared_ptr<TextList> Part1;
    std::shared_ptr<TextList> Part2;
    QString Name; // the formula in formula-label notation
};

struct AmountRecord {
    QString Text1; // the question shown
    QString Text2; // the expected answer
};

// The widths of the fixed-text fields: the characters the program keeps of their lines.
inline constexpr int shownFormulaWidth = decltype(MolarMassRecord::Formula)::width;
inline constexpr int termWidth = decltype(DefinitionRecord::Term)::width;
inline constexpr int definitionWidth = decltype(DefinitionRecord::Definition)::width;
inline constexpr int particleNameWidth = decltype(ChargeRecord::Name)::width;
inline constexpr int questionWidth = decltype(YesNoRecord::Question)::width;

// A catalogue array: element 0 is a blank record that is never drawn, records 1..n follow in file order.
// An array that no load has filled yet is empty and has the upper bound -1.
template <typename Record> using CatalogueArray = QList<Record>;

template <typename Record> int upperBound(const CatalogueArray<Record>& array)
{
    return static_cast<int>(array.size()) - 1;
}

// The nine catalogue arrays and their beginner limits (the count of records before the section's "ææ"
// line; empty while no load met one).
struct CatalogueArrays {
    CatalogueArray<ElementRecord> g_ElementTasks;
    CatalogueArray<SyllableRecord> g_SyllableTasks;
    CatalogueArray<MolarMassRecord> g_MolarMassTasks;
    CatalogueArray<DefinitionRecord> g_DefinitionTasks;
    CatalogueArray<ChargeRecord> g_ChargeTasks;
    CatalogueArray<YesNoRecord> g_YesNoTasks;
    CatalogueArray<QString> g_EquationTasks;
    CatalogueArray<SubstanceRecord> g_SubstanceTasks;
    CatalogueArray<AmountRecord> g_AmountTasks;

    DynValue g_ElementsEasy;
    DynValue g_SyllablesEasy;
    DynValue g_MolarMassesEasy;
    DynValue g_DefinitionsEasy;
    DynValue g_ChargesEasy;
    DynValue g_YesNoEasy;
    DynValue g_EquationsEasy;
    DynValue g_SubstancesEasy;
    DynValue g_AmountsEasy;
};
