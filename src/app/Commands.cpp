#include "app/frm_AppMain.h"

#include "testrun/EndOfTestRecord.h"

// The commands of the main window, the delay timer that brings OK and Next back, the avatars and the
// praise panel.

namespace {

const QString helpCommand = QStringLiteral("DIALOG.HELP();");
const QString abortCommand = QStringLiteral("DIALOG.ABORT();");

} // namespace

void frm_AppMain::EXECUTE(const QString& pCmd)
{
    if (pCmd == helpCommand) {
        services.dialogs.ShowHelp();
    } else if (pCmd == abortCommand || pCmd == QLatin1String("QUIT")) {
        if (platform.AskYesNo(QStringLiteral("Wollen Sie den Test wirklich verlassen?"),
                              QStringLiteral("Ende?"))) {
            Unload();
            services.dialogs.SetExitFlag(true);
            platform.EndProgram();
        }
    } else if (pCmd == QLatin1String("PERIODICTABLE")) {
        if (state.isExpert())
            tools.notices.ShowNotice(QStringLiteral("Leider ist das Periodensystem nichts für Experten..."),
                                     QString());
        else
            services.tools.ShowPeriodicTable();
    } else if (pCmd == QLatin1String("RESTART")) {
        if (platform.AskYesNo(QStringLiteral("Wirklich einen neuen Test beginnen?"), QStringLiteral("Neu?")))
            Unload();
    } else if (pCmd == QLatin1String("CALC")) {
        if (state.g_Expert == 1)
            tools.notices.ShowNotice(QStringLiteral("Tut mir leid, Experten müssen selber rechnen!"),
                                     QString());
        else
            services.tools.ShowCalculator(QString());
    }
}

void frm_AppMain::bar_Header_Command(const QString& command)
{
    EXECUTE(command);
}

void frm_AppMain::but_GameCommands_Click(int index)
{
    EXECUTE(but_GameCommands[index].Tag);
}

void frm_AppMain::but_GameTools_Click(int index)
{
    if (index == 1)
        services.tools.ShowCalculator(QString()); // the button is hidden for experts
    else
        EXECUTE(but_GameTools[index].Tag);
}

void frm_AppMain::tmr_Delay_Timer()
{
    if (m_OkDelay > 0 && --m_OkDelay == 0)
        but_OK.Visible = true;
    if (m_NextDelay > 0 && --m_NextDelay == 0) {
        but_Next.Visible = true;
        SetFocus(&but_Next); // the pupil's next step after a judged sheet
    }
    if (m_PraiseDelay > 0 && --m_PraiseDelay == 0)
        lab_Correct.Visible = false;
}

void frm_AppMain::ctl_Avatar1_Click()
{
    services.user.AvatarClicked();
    ctl_Avatar2.Refresh();
}

void frm_AppMain::ctl_Avatar2_Click()
{
    services.user.AvatarClicked();
    ctl_Avatar1.Refresh();
}

void frm_AppMain::CloseBox_Click()
{
    if (services.dialogs.ExitFlag()) {
        endTestRunEarly(state, m_StartTime, services, tools, platform);
        platform.EndProgram();
    } else
        EXECUTE(abortCommand);
}

void frm_AppMain::lab_Correct_Click()
{
    lab_Correct.Visible = false;
}
