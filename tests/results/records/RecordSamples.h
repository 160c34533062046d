#pragma once

#include "results/records/ResultRecord.h"

// A complete record of one run: NAME ended at END on DATE after 12 min 34 s, right of asked, every
// category 1 of 2 except the first, which gets firstRight of 6; two tasks, "Na" right and an equation with
// its second coefficient wrong.
ResultRecord sampleRecord(const QString& name, const QString& date, const QString& end, int right = 40,
                          int asked = 52, int firstRight = 5);
