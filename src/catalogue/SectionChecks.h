#pragma once

#include "catalogue/CheckFindings.h"

// Judges one section as a whole and each of its records: enough records for its page at both levels,
// the beginner marker "ææ", tasks that stand twice.
void checkSection(const RawSection& section, CheckFindings& findings);

// What page 4 compares of a definition record, the 120 characters it shows (blanks at the end do not
// count): two records whose keys are equal have the same definition.
QString definitionKey(const RawRecord& record);

// Whether the section's page gives beginners only the records before its "ææ" line; the amounts page
// draws from the whole section at both levels.
bool hasBeginnerPart(Section section);
