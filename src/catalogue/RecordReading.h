#pragma once

#include "catalogue/CatalogueReader.h"
#include "catalogue/Records.h"

// Turns the lines of one record into its typed record. Fixed-width fields are padded or cut, numbers are
// read by the leading-number rule, and a number that does not fit its field leaves the field 0.

ElementRecord readElementRecord(const RawRecord& record);
SyllableRecord readSyllableRecord(const RawRecord& record);
MolarMassRecord readMolarMassRecord(const RawRecord& record);
DefinitionRecord readDefinitionRecord(const RawRecord& record);
ChargeRecord readChargeRecord(const RawRecord& record);
YesNoRecord readYesNoRecord(const RawRecord& record);
QString readEquationRecord(const RawRecord& record);
SubstanceRecord readSubstanceRecord(const RawRecord& record);
AmountRecord readAmountRecord(const RawRecord& record);

// The separator of the parts of a list line.
inline const QString listSeparator = QStringLiteral("*");
