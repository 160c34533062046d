#pragma once

#include "components/Platform.h"
#include "components/Services.h"
#include "testrun/mdl_KolTest.h"

#include <cstdint>
#include <optional>

// Starts a test run for the current user: refuses (after telling the pupil) when no name is known;
// otherwise links every substance's name parts, records the candidate, the date and the start time, opens
// the run's log of judged tasks and reports the level to the host. Returns the clock value at the start,
// rounded to a whole number, or nothing when the start was refused.
std::optional<std::int32_t> beginTestRun(mdl_KolTest& state, SharedServices& services, SharedTools& tools,
                                         Platform& platform);

// Links the two part lists of every substance record into its Combined list of accepted names.
void linkSubstanceNames(mdl_KolTest& state);

// The main window's caption during a test: the user's name and the level.
QString testCaption(const QString& userName, bool expert);
