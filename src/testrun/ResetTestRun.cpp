#include "testrun/ResultCategories.h"

void ResetTestRun(mdl_KolTest& state)
{
    state.g_Solutions.fill(QString());
    state.g_CandidateName.clear();
    state.g_TestDate[0].clear();
    state.g_TestDate[1].clear();
    state.g_TestTimes[0].clear();
    state.g_TestTimes[1].clear();
    state.g_TotalRight = DynValue::int16(0);
    state.g_TotalAsked = DynValue::int16(0);
    state.g_Grade.clear();
    state.g_Expert = DynValue::int16(0);
    state.g_RunLog = {};
    for (const ResultCategory& category : ResultCategories)
        state.*category.right = 0;
}
