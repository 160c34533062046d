#include "app/StartPage.h"

#include "app/frm_AppMain.h"
#include "testrun/TestStart.h"

StartPage::StartPage()
{
    Expert[0].Caption = QStringLiteral("Normale(r) Schüler(in)");
    Expert[0].Value = true;
    Expert[1].Caption = QStringLiteral("Experte / Expertin");
    HYMNE.Melodies = {QStringLiteral("Freude, schöner Götterfunken"), QStringLiteral("Kleine Nachtmusik"),
                      QStringLiteral("Triumphmarsch"), QStringLiteral("Siegerfanfare")};
}

void frm_AppMain::Expert_Click(int index)
{
    chooseOption(page0.Expert, static_cast<std::size_t>(index));
    state.g_Expert = DynValue::int16(static_cast<std::int16_t>(index));
    const bool toolsAllowed = !(state.g_Expert == 1);
    but_GameTools[0].Visible = toolsAllowed;
    but_GameTools[1].Visible = toolsAllowed;
}

bool frm_AppMain::StartTest()
{
    const std::optional<std::int32_t> startTime = beginTestRun(state, services, tools, platform);
    if (!startTime)
        return false;
    m_StartTime = *startTime;
    Caption = testCaption(services.user.UserName(), state.isExpert());
    if (state.isExpert())
        Streberstufe.Visible = true;
    return true;
}
