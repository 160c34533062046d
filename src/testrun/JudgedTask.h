#pragma once

#include <QList>
#include <QString>
#include <QVarLengthArray>

// The result categories by name, in the order of ResultCategories (the order the test asks them).
enum class TaskCategory {
    Elements,
    Syllables,
    Substances,
    MolarMasses,
    Amounts,
    Definitions,
    Equations,
    Charges,
    YesNo
};

// Right or wrong of each part of a task: one verdict, or one per coefficient of an equation.
using PartVerdicts = QVarLengthArray<bool, 4>;

// One posed row of a sheet as it was judged: what the record of the run keeps of every task.
struct JudgedTask {
    TaskCategory category = TaskCategory::Elements;
    QString task; // what the pupil saw: an element, a formula, a definition, an equation …
    QString
        expected; // the right answer; accepted variants joined by " / ", an equation's coefficients by blanks
    QString entered; // what the pupil entered, an equation's coefficients joined by blanks
    PartVerdicts partsRight;

    bool right() const { return !partsRight.isEmpty() && !partsRight.contains(false); }
    friend bool operator==(const JudgedTask&, const JudgedTask&) = default;
};

// What the test run has judged so far, and whether it is still under way: a run that began and has neither
// been finished nor ended early is open.
struct TestRunLog {
    bool open = false;
    QList<JudgedTask> tasks;
};
