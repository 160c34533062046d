#pragma once

#include "catalogue/CheckFindings.h"
#include "catalogue/Section.h"

// Judges one record of a section: does every line read as the program needs it, is the chemistry right,
// can a pupil answer the task.
void checkRecord(Section section, const RawRecord& record, CheckFindings& findings);

// What makes a record the same task as another one of its section (e.g. the element symbol), so that a
// page could show it twice.
QString taskKey(Section section, const RawRecord& record);
