#pragma once

#include "components/DynValue.h"

class SheetContext;

// The bookkeeping every judging shares. A sheet tells the score which rows it poses and which of them are
// right; finish() adds them to the totals, praises a sheet whose every posed row is right, keeps the
// category's pair of asked and right items and brings the running grade up to date. Rows without a task
// (a catalogue section too small for its page) are not posed: they are neither asked nor counted.
class SheetScore {
public:
    explicit SheetScore(SheetContext& context) : m_context(context) {}

    // items more are posed (an equation is worth two).
    void asked(int items = 1) { m_asked += items; }
    // items more are right; they count to the totals at once.
    void right(int items = 1);

    int askedItems() const { return m_asked; }
    int rightItems() const { return m_right; }

    void finish(DynValue& categoryAsked, double& categoryRight);

private:
    SheetContext& m_context;
    int m_asked = 0;
    int m_right = 0;
};
