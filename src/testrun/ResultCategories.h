#pragma once

#include "testrun/mdl_KolTest.h"

#include <array>

// The nine result categories of a test run, in the order the test asks them: where the state keeps each
// one's pair of asked and right items, and every name it goes by. Whatever lists the categories (the
// reset, the record of the finished test run, the result window and its certificate, the stored records,
// the class overview and the spreadsheet) walks this table.
struct ResultCategory {
    const char* key;             // the field of the test run's record and of a stored record, "ELEMENTE" …
    const char* heading;         // the column of the class overview and the spreadsheet, "Elemente" …
    const char* windowLabel;     // the row of the result window and the certificate, "Elemente:" …
    const char* windowSeparator; // between right and asked in that row, " von  "
    int mostAsked;               // what one test run asks of it at most: its rows (an equation counts twice)
    DynValue mdl_KolTest::*asked;
    double mdl_KolTest::*right;
};

inline constexpr int ResultCategoryCount = 9;

// The equations row of the result window has one blank less after "von".
inline constexpr std::array<ResultCategory, ResultCategoryCount> ResultCategories = {{
    {"ELEMENTE", "Elemente", "Elemente:", " von  ", 6, &mdl_KolTest::g_ElementsAsked,
     &mdl_KolTest::g_ElementsRight},
    {"ZAHLSILBEN", "Zahlsilben", "Zahlsilben:", " von  ", 4, &mdl_KolTest::g_SyllablesAsked,
     &mdl_KolTest::g_SyllablesRight},
    {"SUBSTANZNAMEN", "Substanznamen", "Substanznamen:", " von  ", 6, &mdl_KolTest::g_SubstancesAsked,
     &mdl_KolTest::g_SubstancesRight},
    {"MOLMASSEN", "Molmassen", "Molare Massen:", " von  ", 4, &mdl_KolTest::g_MolarMassesAsked,
     &mdl_KolTest::g_MolarMassesRight},
    {"STOFFMENGEN", "Stoffmengen", "Stoffmengen:", " von  ", 5, &mdl_KolTest::g_AmountsAsked,
     &mdl_KolTest::g_AmountsRight},
    {"DEFINITIONEN", "Definitionen", "Definitionen:", " von  ", 7, &mdl_KolTest::g_DefinitionsAsked,
     &mdl_KolTest::g_DefinitionsRight},
    {"GLEICHUNGEN", "Gleichungen", "Gleichungen(x2):", " von ", 10, &mdl_KolTest::g_EquationsAsked,
     &mdl_KolTest::g_EquationsRight},
    {"LADUNGSZAHLEN", "Ladungszahlen", "Ladungszahlen:", " von  ", 4, &mdl_KolTest::g_ChargesAsked,
     &mdl_KolTest::g_ChargesRight},
    {"JANEIN", "Ja/Nein", "Allg.Wissen:", " von  ", 6, &mdl_KolTest::g_YesNoAsked,
     &mdl_KolTest::g_YesNoRight},
}};

// What one test run asks at most, the categories together.
inline constexpr int MostAskedPerRun = [] {
    int sum = 0;
    for (const ResultCategory& category : ResultCategories)
        sum += category.mostAsked;
    return sum;
}();
