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

// The records of one sheet: count different records of a section, drawn from records 1..easyLimit for a
// beginner when the page applies the limit, else from the whole section. When the section cannot give
// that many, the sheet gets what there is (the missing rows are 0, the blank record), the pupil a message
// naming the section once the page is on screen, and standard error a diagnostic. A record that poseable
// refuses (one whose task no pupil could answer) is never drawn and counts as missing; standard error
// names it.
QList<int> drawSheet(SheetContext& context, Section section, int upperBound, const DynValue& easyLimit,
                     int count, bool appliesBeginnerLimit = true,
                     const std::function<bool(int record)>& poseable = {});
