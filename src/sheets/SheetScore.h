#pragma once

#include "components/DynValue.h"
#include "testrun/JudgedTask.h"

class SheetContext;

// The bookkeeping every judging shares. A sheet tells the score each row it poses, with the task as shown,
// the expected answer, what the pupil entered and the verdict; right rows count to the totals at once, and
// every row goes into the run's log for its record. finish() adds the rows to the totals, praises a sheet
// whose every posed row is right, keeps the category's pair of asked and right items and brings the running
// grade up to date. Rows without a task (a catalogue section too small for its page) are not posed: they are
// neither asked nor counted.
class SheetScore {
public:
    SheetScore(SheetContext& context, TaskCategory category) : m_context(context), m_category(category) {}

    // A posed row worth items (an equation is worth two); right when every part is.
    void judged(const QString& task, const QString& expected, const QString& entered,
                const PartVerdicts& partsRight, int items = 1);
    void judged(const QString& task, const QString& expected, const QString& entered, bool right)
    {
        judged(task, expected, entered, PartVerdicts{right});
    }

    int askedItems() const { return m_asked; }
    int rightItems() const { return m_right; }

    void finish(DynValue& categoryAsked, double& categoryRight);

private:
    SheetContext& m_context;
    TaskCategory m_category;
    int m_asked = 0;
    int m_right = 0;
};
