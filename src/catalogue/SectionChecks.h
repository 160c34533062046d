#pragma once

#include "catalogue/CheckFindings.h"

// Judges one section as a whole and each of its records: enough records for its page at both levels,
// the beginner marker "ææ", tasks that stand twice.
void checkSection(const RawSection& section, CheckFindings& findings);
