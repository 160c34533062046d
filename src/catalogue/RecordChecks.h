#pragma once

#include "catalogue/CheckFindings.h"
#include "catalogue/Section.h"

// Who is given a record: everyone when it stands before its section's "ææ", else experts only. Beginners
// have the periodic table and the calculator, experts neither.
enum class RecordPart { Beginners, ExpertsOnly };

RecordPart recordPart(const RawSection& section, qsizetype index);

// Judges one record of a section: does every line read as the program needs it, is the chemistry right,
// can a pupil answer the task.
void checkRecord(Section section, const RawRecord& record, RecordPart part, CheckFindings& findings);

// What makes a record the same task as another one of its section (e.g. the element symbol), so that a
// page could show it twice.
QString taskKey(Section section, const RawRecord& record);
