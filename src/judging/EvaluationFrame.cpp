#include "app/frm_AppMain.h"

// The OK button: hands the sheet on screen to its judging, and the markers and praise that every judging
// shares.

void frm_AppMain::but_OK_Click()
{
    but_OK.Visible = false;
    but_Next.Visible = false;
    const int page = m_CurrentPage;
    switch (page) {
    case 0:
        if (StartTest())
            ShowPage(1);
        else
            m_OkDelay = 5; // the pupil may start once a name is typed
        break;
    case 1:
        hOK1();
        break;
    case 2:
        hOK2();
        break;
    default:
        break;
    }
    if (page > 0)
        m_NextDelay = 5;
}

void frm_AppMain::ShowCorrect(int index)
{
    state.g_TotalRight += 1;
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
}
