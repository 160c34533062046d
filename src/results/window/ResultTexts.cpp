#include "results/window/ResultTexts.h"

#include "components/NumberText.h"
#include "testrun/GradeScale.h"
#include "testrun/mdl_KolTest.h"

namespace {

// The grade words of the sixteen bands of the grade scale, worst first.
constexpr std::array<const char*, GradeBandCount> gradeWords = {
    "ungenügend",        "mangelhaft minus",  "mangelhaft",       "mangelhaft plus",
    "ausreichend minus", "ausreichend",       "ausreichend plus", "befriedigend minus",
    "befriedigend",      "befriedigend plus", "gut minus",        "gut",
    "gut plus",          "sehr gut minus",    "sehr gut",         "sehr gut plus"};

// The figure's face per group of words: the four bands up to "mangelhaft plus", then three each.
int expressionOf(int band)
{
    if (band < 4)
        return 3;
    if (band < 7)
        return 6;
    if (band < 10)
        return 5;
    if (band < 13)
        return 1;
    return 2;
}

constexpr int FirstTitleBand = 13; // "sehr gut minus", a share of 0.85

} // namespace

ResultGrade resultGrade(long long right, long long asked)
{
    const int band = asked > 0 ? gradeBand(right, asked) : 0;
    return {QString::fromUtf8(gradeWords.at(static_cast<std::size_t>(band))), expressionOf(band),
            band >= FirstTitleBand};
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

std::array<CategoryResult, CategoryCount> categoryResults(const mdl_KolTest& state)
{
    struct Row {
        const char* name;
        double right;
        const DynValue& asked;
        const char* separator;
    };
    // The equations row has one blank less after "von".
    const std::array<Row, CategoryCount> rows = {{
        {"Elemente:", state.g_ElementsRight, state.g_ElementsAsked, " von  "},
        {"Zahlsilben:", state.g_SyllablesRight, state.g_SyllablesAsked, " von  "},
        {"Substanznamen:", state.g_SubstancesRight, state.g_SubstancesAsked, " von  "},
        {"Molare Massen:", state.g_MolarMassesRight, state.g_MolarMassesAsked, " von  "},
        {"Stoffmengen:", state.g_AmountsRight, state.g_AmountsAsked, " von  "},
        {"Definitionen:", state.g_DefinitionsRight, state.g_DefinitionsAsked, " von  "},
        {"Gleichungen(x2):", state.g_EquationsRight, state.g_EquationsAsked, " von "},
        {"Ladungszahlen:", state.g_ChargesRight, state.g_ChargesAsked, " von  "},
        {"Allg.Wissen:", state.g_YesNoRight, state.g_YesNoAsked, " von  "},
    }};
    std::array<CategoryResult, CategoryCount> results;
    for (std::size_t i = 0; i < rows.size(); ++i)
        results[i] = {QString::fromUtf8(rows[i].name), printWhole(roundHalfEven(rows[i].right), false) +
                                                           QLatin1String(rows[i].separator) +
                                                           rows[i].asked.toText()};
    return results;
}
