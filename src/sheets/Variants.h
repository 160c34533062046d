#pragma once

#include "components/TextList.h"

#include <memory>

// All accepted variants of a list as "*A*B*", right-trimmed: the expected answer of a row that accepts
// several spellings. The list is created empty first if the record has none.
QString starredVariants(std::shared_ptr<TextList>& list);
