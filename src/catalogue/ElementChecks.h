#pragma once

#include "catalogue/CheckFindings.h"

// An element record: every name names an element of the table, the symbol is that element's symbol.
void checkElementRecord(const RawRecord& record, CheckFindings& findings);
