#pragma once

#include "components/Platform.h"
#include "components/PrintFields.h"
#include "components/Services.h"
#include "testrun/mdl_KolTest.h"

#include <QString>

#include <cstdint>

// The keys of the record beyond the totals and categories: the judged tasks (a QList<JudgedTask>) and, in the
// record of a run ended early only, the truth value true.
inline constexpr char TasksField[] = "AUFGABEN";
inline constexpr char EndedEarlyField[] = "VORZEITIG";

// The record of a test run, as the host and the print service receive it.
struct TestRunRecord {
    QString hostLine; // "<- Note: " and the grade
    double right = 0;
    double asked = 0;
    // ANZAHL, RICHTIG, FALSCH, EXPERTE, DAUER, then "right/asked" of the nine categories, in this order;
    // then AUFGABEN, and VORZEITIG for a run ended early.
    PrintFields fields;
    // Why DAUER is missing; empty when the duration is in the record.
    QString durationProblem;
};

enum class RunEnd { Finished, EndedEarly };

// Builds the record from the state. DAUER is now minus the start time in the clock's seconds; it is left
// out (and durationProblem says why) when that is no finite, non-negative number. A category whose sheet
// was not judged counts as 0 of 0. A run ended early counts its categories from the tasks judged in it,
// since the state keeps the asked items of sheets judged in an earlier run.
TestRunRecord buildTestRunRecord(const mdl_KolTest& state, std::int32_t startTime, double now,
                                 RunEnd end = RunEnd::Finished);

// Closes the test run after its last sheet was judged: keeps the end time, tells the host the grade and
// hands the record to the print service. A failing service costs only its own step, reported on standard
// error; the test run goes on.
void closeTestRun(mdl_KolTest& state, std::int32_t startTime, SharedServices& services, SharedTools& tools,
                  Platform& platform);

// The pupil ends the test, or begins a new one, before its end: a run under way hands what was judged up to
// now to the print service as a record ended early (ReportEndedEarly); the host hears nothing. Does nothing
// when no run is under way (not begun, or closed already).
void endTestRunEarly(mdl_KolTest& state, std::int32_t startTime, SharedServices& services, SharedTools& tools,
                     Platform& platform);
