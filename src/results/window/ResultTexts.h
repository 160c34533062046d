#pragma once

#include "testrun/ResultCategories.h"

#include <QString>

#include <array>

// The texts and values of the result window, as plain functions of the finished test run.

// The result in German grade words and what follows from it.
struct ResultGrade {
    QString words;   // "ungenügend" … "sehr gut plus"
    int expression;  // the atom figure's face: 3 (ungenügend, mangelhaft), 6 (ausreichend),
                     // 5 (befriedigend), 1 (gut), 2 (sehr gut)
    bool good;       // "gut minus" and better: the words shine green
    bool earnsTitle; // a share of at least 0.85: the title lines and the anthem
};

// The grade of right out of asked, the share taken in single precision. A run without a single task
// asked has no share; it counts as nothing right ("ungenügend"), so it earns no title.
ResultGrade resultGrade(long long right, long long asked);

// " Von  52 Aufgaben wurden  40 richtig gelöst!" (each number with its sign position).
QString resultSentence(long long asked, long long right);

// " Bearbeitung am: 14.07.2017 von:09:15:00 bis:09:40:00 Uhr." from the date as "MM-DD-YYYY".
QString processingLine(const QString& monthDayYear, const QString& start, const QString& end);

// "Schwierigkeitsgrad: normal " or "Schwierigkeitsgrad: Experte ".
QString difficultyLine(bool expert);

// One row of the category results: its name and "right von  asked".
struct CategoryResult {
    QString name;
    QString value;
};
std::array<CategoryResult, ResultCategoryCount> categoryResults(const mdl_KolTest& state);
