#include "catalogue/RecordWalk.h"

#include "catalogue/RecordChecks.h"

#include <algorithm>

namespace {

// The first line after a record's first one that is a marker line, which the reader took as data;
// nullptr when there is none.
const SourceLine* swallowedMarker(const RawRecord& record)
{
    const auto it = std::find_if(record.begin() + 1, record.end(),
                                 [](const SourceLine& line) { return isMarkerLine(line.text); });
    return it == record.end() ? nullptr : &*it;
}

void reportSwallowedMarker(Section section, const RawRecord& record, const SourceLine& marker,
                           CheckFindings& findings)
{
    const QString where =
        QStringLiteral("Die Zeile „%1“ wird als Zeile %2 des Eintrags ab Zeile %3 gelesen, nicht "
                       "als Markierung: Davor fehlt eine Zeile oder steht eine zu viel, "
                       "vermutlich beim ersten fehlerhaften Eintrag.")
            .arg(marker.text)
            .arg(marker.number - record.first().number + 1)
            .arg(record.first().number);
    if (marker.text != sectionEndMarker)
        return findings.error(marker.number, where);
    findings.error(marker.number, QStringLiteral("%1 So endet %2 hier nicht, sondern erst vor der nächsten "
                                                 "Zeile „#“.")
                                      .arg(where, sectionLabel(section)));
}

} // namespace

JudgedRecords checkRecords(const RawSection& section, CheckFindings& findings)
{
    JudgedRecords judged;
    const QList<RawRecord>& records = section.records;
    auto next = records.begin();
    while (next != records.end()) {
        const auto swallowing = std::find_if(
            next, records.end(), [](const RawRecord& record) { return swallowedMarker(record) != nullptr; });
        // Before a swallowed marker the records are read shifted from an unknown place on: they are judged
        // up to the first one with an error, where the shift most likely begins, so that one lost line does
        // not bury the teacher in messages. Without one, every record is judged.
        for (; next != swallowing; ++next) {
            CheckFindings record;
            checkRecord(section.section, *next, recordPart(section, next - records.begin()), record);
            findings.append(record.problems());
            judged.records.append(*next);
            if (swallowing != records.end() && record.hasErrors())
                break;
        }
        if (swallowing == records.end())
            break;
        reportSwallowedMarker(section.section, *swallowing, *swallowedMarker(*swallowing), findings);
        next = swallowing + 1; // the marker taken as data brings a lost line's shift back in step
    }
    return judged;
}
