#include "results/window/ResultTexts.h"

#include "components/NumberText.h"
#include "testrun/GradeScale.h"

namespace {

// The grade words of the sixteen bands of the grade scale, worst first.
constexpr std::array<const char*, GradeBandCount> gradeWords = {
    "ungenügend",        "mangelhaft minus",  "mangelhaft",       "mangelhaft plus",
    "ausreichend minus", "ausreichend",       "ausreichend plus", "befriedigend minus",
    "befriedigend",      "befriedigend plus", "gut minus",        "gut",
    "gut plus",          "sehr gut minus",    "sehr gut",         "sehr gut plus"};

constexpr int FirstGoodBand = 10;  // "gut minus", a share of 0.7
constexpr int FirstTitleBand = 13; // "sehr gut minus", a share of 0.85

// The figure's face per group of words: the four bands up to "mangelhaft plus", then three each.
int expressionOf(int band)
{
    if (band < 4)
        return 3;
    if (band < 7)
        return 6;
    if (band < FirstGoodBand)
        return 5;
    if (band < FirstTitleBand)
        return 1;
    return 2;
}

} // namespace

ResultGrade resultGrade(long long right, long long asked)
{
    const int band = asked > 0 ? gradeBand(right, asked) : 0;
    return {QString::fromUtf8(gradeWords.at(static_cast<std::size_t>(band))), expressionOf(band),
            band >= FirstGoodBand, band >= FirstTitleBand};
}

QString resultSentence(long long asked, long long right)
{
    return QStringLiteral(" Von ") + printWhole(asked, true) + QStringLiteral(" Aufgaben wurden ") +
           printWhole(right, true) + QStringLiteral(" richtig gelöst!");
}

QString processingLine(const QString& monthDayYear, const QString& start, const QString& end)
{
    const QString date = monthDayYear.mid(3, 2) + u'.' + monthDayYear.mid(0, 2) + u'.' + monthDayYear.mid(6);
    return QStringLiteral(" Bearbeitung am: ") + date + QStringLiteral(" von:") + start +
           QStringLiteral(" bis:") + end + QStringLiteral(" Uhr.");
}

QString difficultyLine(bool expert)
{
    return expert ? QStringLiteral("Schwierigkeitsgrad: Experte ")
                  : QStringLiteral("Schwierigkeitsgrad: normal ");
}

std::array<CategoryResult, ResultCategoryCount> categoryResults(const mdl_KolTest& state)
{
    std::array<CategoryResult, ResultCategoryCount> results;
    for (std::size_t i = 0; i < results.size(); ++i) {
        const ResultCategory& category = ResultCategories[i];
        results[i] = {QString::fromUtf8(category.windowLabel),
                      printWhole(roundHalfEven(state.*category.right), false) +
                          QLatin1String(category.windowSeparator) + (state.*category.asked).toText()};
    }
    return results;
}
