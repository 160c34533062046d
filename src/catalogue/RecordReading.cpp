#include "catalogue/RecordReading.h"

#include "components/NumberText.h"
#include "components/TextTools.h"

#include <cmath>
#include <limits>

namespace {

std::int16_t wholeNumberField(const SourceLine& line)
{
    return toInt16(readLeadingNumber(line.text)).value_or(0);
}

std::shared_ptr<TextList> listField(const SourceLine& line)
{
    return std::make_shared<TextList>(TextList::fromText(line.text, listSeparator));
}

} // namespace

ElementRecord readElementRecord(const RawRecord& record)
{
    return {listField(record.at(0)), record.at(1).text};
}

SyllableRecord readSyllableRecord(const RawRecord& record)
{
    return {wholeNumberField(record.at(0)), listField(record.at(1))};
}

MolarMassRecord readMolarMassRecord(const RawRecord& record)
{
    MolarMassRecord result;
    result.Formula = record.at(0).text;
    const double mass = readLeadingNumber(record.at(1).text);
    if (std::fabs(mass) <= std::numeric_limits<float>::max())
        result.MolarMass = static_cast<float>(mass);
    result.Term = record.at(2).text;
    return result;
}

DefinitionRecord readDefinitionRecord(const RawRecord& record)
{
    DefinitionRecord result;
    result.Term = record.at(0).text;
    result.Definition = record.at(1).text;
    return result;
}

ChargeRecord readChargeRecord(const RawRecord& record)
{
    ChargeRecord result;
    result.Name = record.at(0).text;
    result.Value = wholeNumberField(record.at(1));
    return result;
}

YesNoRecord readYesNoRecord(const RawRecord& record)
{
    YesNoRecord result;
    result.Question = record.at(0).text;
    result.Answer = upperEachChar(trimBlanks(record.at(1).text)) == QLatin1String("J") ? -1 : 0;
    return result;
}

QString readEquationRecord(const RawRecord& record)
{
    return record.at(0).text;
}

SubstanceRecord readSubstanceRecord(const RawRecord& record)
{
    SubstanceRecord result;
    result.Part1 = listField(record.at(0));
    result.Part2 = listField(record.at(1));
    result.Name = record.at(2).text;
    return result;
}

AmountRecord readAmountRecord(const RawRecord& record)
{
    return {record.at(0).text, record.at(1).text};
}
