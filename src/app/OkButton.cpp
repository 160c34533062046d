#include "app/frm_AppMain.h"

#include "components/NumberText.h"
#include "testrun/EndOfTestRecord.h"
#include "testrun/GradeScale.h"

// The OK button: starts the test run on the start page and hands every other page to its sheet's judging;
// the markers, the praise and the running grade that every judging shares.

void frm_AppMain::but_OK_Click()
{
    but_OK.Visible = false;
    but_Next.Visible = false;
    const WalkStep* step = walkStep(m_CurrentPage);
    if (step && !step->sheet) {
        if (StartTest())
            ShowPage(step->next);
        else
            m_OkDelay = 5; // the pupil may start once a name is typed
        return;
    }
    if (step) {
        step->sheet->Judge();
        if (step->next == EndOfWalk)
            closeTestRun(state, m_StartTime, services, tools, platform);
    }
    m_NextDelay = 5; // also on a page without a sheet, so that Next always comes back
}

void frm_AppMain::ShowCorrect(int index)
{
    img_Correct[index].Visible = true;
    lab_Wrong[index].Visible = false;
}

void frm_AppMain::ShowWrong(int index, const QString& expected)
{
    Panel& wrong = lab_Wrong[index];
    wrong.Visible = true;
    wrong.Bold = false;
    wrong.Text =
        QStringLiteral("Leider falsch! Richtig wäre gewesen:<br><b>") + expected + QStringLiteral("</b>");
    img_Correct[index].Visible = false;
}

void frm_AppMain::ShowPraise()
{
    lab_Correct.Visible = true;
    lab_Correct.Text = services.sound.PraiseText();
    m_PraiseDelay = 20; // two seconds, then the judged rows are in view again
}

void frm_AppMain::UpdateGrade()
{
    Aufgabenanz.Caption = printWhole(state.g_TotalAsked.toInt(), true);
    RichtigAnz.Caption = printWhole(state.g_TotalRight.toInt(), true);
    // Before anything was asked (a sheet whose section has no task) there is no grade to show yet.
    ctl_Mark.Band = state.g_TotalAsked.toInt() > 0
                        ? gradeBand(state.g_TotalRight.toInt(), state.g_TotalAsked.toInt())
                        : -1;
    state.g_Grade = ctl_Mark.Band >= 0 ? gradeText(ctl_Mark.Band) : QString();
    ctl_Mark.MarkText = state.g_Grade;
}
