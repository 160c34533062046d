#pragma once

#include "catalogue/CheckFindings.h"

// Walks the records of a section and judges them one by one, minding the one fault that misreads many of
// them: a line missing or one too many. From that place on every record is read shifted until a marker
// line ("@", "ææ" or "#") lands inside a record, where the reader takes it as data.

struct JudgedRecords {
    QList<RawRecord> records; // those judged one by one
};

JudgedRecords checkRecords(const RawSection& section, CheckFindings& findings);
