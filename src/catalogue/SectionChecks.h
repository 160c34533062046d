#pragma once

#include "catalogue/CheckFindings.h"

// Judges one section as a whole and each of its records: enough records for its page at both levels,
// the beginner marker "ææ", tasks that stand twice. False when the section's "@" was read as part of a
// record, so that the sections after it are not the ones the file's author meant.
bool checkSection(const RawSection& section, CheckFindings& findings);
