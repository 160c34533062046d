#pragma once

#include "catalogue/Section.h"
#include "components/DynValue.h"
#include "components/RandomSource.h"

#include <QList>

#include <functional>
#include <initializer_list>

class SheetContext;

// A record number from 1..max that is none of the excluded numbers, every allowed number equally likely.
// 0 when no number is left to draw (max below 1, or all of 1..max excluded); the draw never loops.
int PickRandomIndex(RandomSource& random, int max, const QList<int>& excluded);

// Up to count different record numbers from 1..max that are not excluded, in the order drawn; fewer when
// there are fewer.
QList<int> drawDistinct(RandomSource& random, int max, int count, const QList<int>& excluded = {});

// How the pupil's notice and the diagnostics speak of what a section holds when it cannot fill its page.
// The general words speak of tasks; a sheet that refuses records for a reason of its own names it in
// words of its own.
struct SupplyWords {
    // What the section holds, after "der Aufgabendatei ": no record, one, several. %1 is where they stand
    // (before the beginner marker for a beginner, else nothing), %2 how many.
    QString none, one, several;
    // Added when records were refused, %1 how many: for one, for several; empty when the notice keeps quiet
    // about them.
    QString oneRefused, severalRefused;
    // The diagnostics' name for the records that can be drawn.
    QString drawable;
    // The diagnostic for the refused records, %1 their numbers; empty when the sheet names each one itself.
    QString refused;
};

// The words of every sheet that has none of its own.
extern const SupplyWords taskSupply;

// The records of one sheet: count different records of a section, drawn from records 1..easyLimit for a
// beginner when the page applies the limit, else from the whole section. When the section cannot give
// that many, the sheet gets what there is (the missing rows are 0, the blank record), the pupil a message
// naming the section once the page is on screen, and standard error a diagnostic. A record that poseable
// refuses (one whose task no pupil could answer) is never drawn and counts as missing; standard error
// names it. Where records were refused, the message and the diagnostics speak in refusalWords.
QList<int> drawSheet(SheetContext& context, Section section, int upperBound, const DynValue& easyLimit,
                     int count, bool appliesBeginnerLimit = true,
                     const std::function<bool(int record)>& poseable = {},
                     const SupplyWords& refusalWords = taskSupply);
