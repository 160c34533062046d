#pragma once

#include "catalogue/Records.h"
#include "components/Controls.h"

#include <QString>
#include <QStringList>

// The term wheels of the second definition sheet and their letter-range filter wheels, which follow each
// other: turning the filter to a group shows the first term of that group, turning the term wheel shows the
// group of the term's initial.

// The groups of every filter wheel, in order; the first is where a filter starts.
QStringList letterGroups();

// A term's initial: its first character in upper case (ß stays ß); "" for an empty term.
QString initialOf(const QString& term);

// Whether an initial lies in a group such as "A-E": from the group's first to its last character, compared by
// character code. So "Ä", digits and the empty initial lie in no group.
bool liesInGroup(const QString& initial, const QString& group);

// The filter was turned to group: unless the shown term fits it already, the term wheel moves to its first
// item whose initial lies in group. No such item: the term wheel stays.
void followFilter(Wheel& terms, const QString& group);

// The term wheel was turned to term: unless the filter shows the term's group already, it moves to the first
// group the term's initial lies in. No such group: the filter stays.
void followTerm(Wheel& filter, const QString& term);

// Every term of the section's records 1..upper bound, trimmed, as written in the file, each once (terms
// that differ only in case or blanks count as one), ordered by their upper case and then by their text.
QStringList wheelTerms(const CatalogueArray<DefinitionRecord>& records);

// The text the judging compares: trimmed and in upper case.
QString judgedText(const QString& text);
