#pragma once

#include "components/Platform.h"
#include "components/PrintFields.h"
#include "components/Services.h"
#include "testrun/mdl_KolTest.h"

#include <QString>

#include <cstdint>

// The record of a finished test run, as the host and the print service receive it.
struct TestRunRecord {
    QString hostLine; // "<- Note: " and the grade
    double right = 0;
    double asked = 0;
    // ANZAHL, RICHTIG, FALSCH, EXPERTE, DAUER, then "right/asked" of the nine categories, in this order.
    PrintFields fields;
    // Why DAUER is missing; empty when the duration is in the record.
    QString durationProblem;
};

// Builds the record from the state. DAUER is now minus the start time in the clock's seconds; it is left
// out (and durationProblem says why) when that is no finite, non-negative number. A category whose sheet
// was not judged counts as 0 of 0.
TestRunRecord buildTestRunRecord(const mdl_KolTest& state, std::int32_t startTime, double now);

// Closes the test run after its last sheet was judged: keeps the end time, tells the host the grade and
// hands the record to the print service. A failing service costs only its own step, reported on standard
// error; the test run goes on.
void closeTestRun(mdl_KolTest& state, std::int32_t startTime, SharedServices& services, SharedTools& tools,
                  Platform& platform);
