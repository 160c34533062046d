#pragma once

#include "catalogue/Records.h"
#include "components/DynValue.h"
#include "testrun/JudgedTask.h"

#include <QString>

#include <array>

// The one record of test-run state that both windows read and write: the loaded catalogue, the scores of
// the nine result categories, the totals and the running grade, the difficulty, the candidate and the
// times of the test run, and the expected answers of the page on screen. It lives for the whole process;
// ResetTestRun returns it to its start values before every test run.
struct mdl_KolTest : CatalogueArrays {
    QString g_CatalogFile;

    // Per result category: the items its sheet posed (empty until the sheet was first judged in this
    // process, and not cleared by the reset) and the items judged right.
    DynValue g_ElementsAsked;
    double g_ElementsRight = 0;
    DynValue g_SyllablesAsked;
    double g_SyllablesRight = 0;
    DynValue g_SubstancesAsked;
    double g_SubstancesRight = 0;
    DynValue g_MolarMassesAsked;
    double g_MolarMassesRight = 0;
    DynValue g_AmountsAsked;
    double g_AmountsRight = 0;
    DynValue g_DefinitionsAsked;
    double g_DefinitionsRight = 0;
    DynValue g_EquationsAsked;
    double g_EquationsRight = 0;
    DynValue g_ChargesAsked;
    double g_ChargesRight = 0;
    DynValue g_YesNoAsked;
    double g_YesNoRight = 0;

    DynValue g_TotalAsked;
    DynValue g_TotalRight;
    QString g_Grade;      // "1+" … "6"
    QString g_GradeWords; // "sehr gut plus" … "ungenügend"

    // 0 (or empty or false): beginner; anything else: expert.
    DynValue g_Expert;
    QString g_CandidateName;
    std::array<QString, 2> g_TestDate;  // [1]: "MM-DD-YYYY"
    std::array<QString, 3> g_TestTimes; // [1]: start, [2]: end of the test run

    // The expected answers of the page on show.
    std::array<QString, 31> g_Solutions;

    // Every task judged in this test run, for its record.
    TestRunLog g_RunLog;

    bool isExpert() const { return g_Expert.toInt() != 0; }
};

// Returns the record to the start values of a test run. Keeps the catalogue, its beginner limits, the asked
// counts, g_GradeWords, the end time g_TestTimes[2] and g_CatalogFile.
void ResetTestRun(mdl_KolTest& state);
