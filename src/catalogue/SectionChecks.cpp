#include "catalogue/SectionChecks.h"

#include "catalogue/RecordChecks.h"
#include "catalogue/RecordReading.h"
#include "catalogue/RecordWalk.h"

#include <QHash>

#include <algorithm>
#include <functional>

namespace {

// What the page of a section draws: that many different records, for beginners from the records before
// "ææ" only, unless the page ignores the beginner part.
struct PageDemand {
    int records;
    bool beginnerPart;
};

PageDemand pageDemand(Section section)
{
    switch (section) {
    case Section::Elements:
    case Section::YesNo:
    case Section::Substances:
        return {6, true};
    case Section::Equations:
        return {5, true};
    case Section::Amounts:
        return {5, false};
    default:
        return {4, true};
    }
}

// Page 3 shows three terms of four drawn records; each wheel offers the right definition and six others,
// drawn from the whole section except those four records, and pairwise different in their text.
constexpr int definitionSheetRecords = 4;
constexpr int otherDefinitionsPerWheel = 6;

// The line that a message about the whole section points at: its "@", or its "#" if the file ended first.
int sectionLine(const RawSection& raw)
{
    return raw.endLine > 0 ? raw.endLine : raw.hashLine;
}

void checkSupply(const RawSection& raw, CheckFindings& findings)
{
    const PageDemand demand = pageDemand(raw.section);
    const QString label = sectionLabel(raw.section);
    const int records = static_cast<int>(raw.records.size());
    if (records < demand.records)
        findings.error(sectionLine(raw),
                       QStringLiteral("%1 hat %2 Einträge; seine Seite braucht mindestens %3 "
                                      "verschiedene.")
                           .arg(label)
                           .arg(records)
                           .arg(demand.records));
    if (!demand.beginnerPart) {
        if (!raw.easyMarkerLines.isEmpty())
            findings.warning(
                raw.easyMarkerLines.first(),
                QStringLiteral("In %1 wirkt „ææ“ nicht: Die Seite zieht auch für Anfänger aus dem "
                               "ganzen Abschnitt.")
                    .arg(label));
        return;
    }
    if (!raw.easyLimit) {
        findings.error(raw.hashLine,
                       QStringLiteral("%1 hat keine Zeile „ææ“, also bekommen Anfänger daraus keine "
                                      "Aufgaben. Nach den mindestens %2 leichteren Einträgen eine Zeile "
                                      "„ææ“ einfügen.")
                           .arg(label)
                           .arg(demand.records));
        return;
    }
    for (qsizetype i = 1; i < raw.easyMarkerLines.size(); ++i)
        findings.warning(raw.easyMarkerLines.at(i),
                         QStringLiteral("Weitere Zeile „ææ“ in %1; es gilt die letzte: "
                                        "%2 Einträge für Anfänger.")
                             .arg(label)
                             .arg(*raw.easyLimit));
    if (*raw.easyLimit < demand.records)
        findings.error(raw.easyMarkerLines.last(),
                       QStringLiteral("Vor dieser Zeile „ææ“ stehen %1 Einträge; die "
                                      "Seite braucht für Anfänger mindestens %2.")
                           .arg(*raw.easyLimit)
                           .arg(demand.records));
}

// However the page draws its four records, six different definitions must be left for every wheel. The
// worst draw takes the definitions that stand least often, all their records at once.
void checkOtherDefinitions(const RawSection& raw, CheckFindings& findings)
{
    QHash<QString, int> occurrences; // by definitionKey
    for (const RawRecord& record : raw.records)
        ++occurrences[definitionKey(record)];
    QList<int> counts = occurrences.values();
    std::sort(counts.begin(), counts.end());
    int drawn = 0;
    qsizetype removed = 0;
    while (removed < counts.size() && drawn + counts.at(removed) <= definitionSheetRecords)
        drawn += counts.at(removed++);
    const qsizetype left = counts.size() - removed;
    if (left < otherDefinitionsPerWheel)
        findings.error(sectionLine(raw),
                       QStringLiteral("Für Seite 3 müssen neben den %1 gezogenen Einträgen noch "
                                      "%2 verschiedene Definitionen übrig bleiben; %3 hat %4 "
                                      "verschiedene Definitionen, es bleiben mitunter nur %5.")
                           .arg(definitionSheetRecords)
                           .arg(otherDefinitionsPerWheel)
                           .arg(sectionLabel(raw.section))
                           .arg(counts.size())
                           .arg(left));
}

// Warns at every record whose key (taken from its line at lineIndex) an earlier record had already.
void checkRepeats(const QList<RawRecord>& records, qsizetype lineIndex,
                  const std::function<QString(const RawRecord&)>& keyOf,
                  const std::function<QString(const QString& key, int firstLine)>& message,
                  CheckFindings& findings)
{
    QHash<QString, int> firstLine;
    for (const RawRecord& record : records) {
        const QString key = keyOf(record);
        const int line = record.at(lineIndex).number;
        if (key.isEmpty())
            continue;
        if (const auto it = firstLine.constFind(key); it != firstLine.constEnd())
            findings.warning(line, message(key, it.value()));
        else
            firstLine.insert(key, line);
    }
}

void checkRepeatedTasks(Section section, const QList<RawRecord>& records, CheckFindings& findings)
{
    checkRepeats(
        records, 0, [section](const RawRecord& record) { return taskKey(section, record); },
        [](const QString& key, int firstLine) {
            return QStringLiteral("Diese Aufgabe („%1“) steht schon in Zeile %2; eine Seite kann sie zweimal "
                                  "zeigen.")
                .arg(key, QString::number(firstLine));
        },
        findings);
}

// Page 4 shows a definition and accepts one term only: two records with the same definition make a task
// whose other right answer counts as wrong.
void checkRepeatedDefinitions(const QList<RawRecord>& records, CheckFindings& findings)
{
    checkRepeats(
        records, 1, definitionKey,
        [](const QString&, int firstLine) {
            return QStringLiteral("Dieselbe Definition steht schon in Zeile %1; auf Seite 4 passen dann zwei "
                                  "Begriffe, gewertet wird nur einer.")
                .arg(firstLine);
        },
        findings);
}

} // namespace

bool hasBeginnerPart(Section section)
{
    return pageDemand(section).beginnerPart;
}

QString definitionKey(const RawRecord& record)
{
    return readDefinitionRecord(record).Definition.text();
}

void checkSection(const RawSection& section, CheckFindings& findings)
{
    const JudgedRecords judged = checkRecords(section, findings);
    checkRepeatedTasks(section.section, judged.records, findings);
    checkSupply(section, findings);
    if (section.section == Section::Definitions) {
        checkRepeatedDefinitions(judged.records, findings);
        checkOtherDefinitions(section, findings);
    }
}
