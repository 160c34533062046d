#include "app/frm_AppMain.h"

#include "components/NumberText.h"
#include "testrun/TestStart.h"

#include <algorithm>
#include <utility>

// The walk through the pages: the slide from one page to the next, the filling of the new page and the
// order in which Next moves on.

namespace {

constexpr int SlideSteps = 40;
constexpr int SlidePauseMs = 10;

// One step of the slide, at least one pixel, so that the slide always ends.
int slideStep(double distance)
{
    return std::max(1, static_cast<int>(roundHalfEven(distance / SlideSteps)));
}

} // namespace

void frm_AppMain::slideOut(int page)
{
    Frame& frame = Seite[page];
    const int screenWidth = platform.ScreenWidth();
    const int step = slideStep(screenWidth - frame.Left);
    for (int x = frame.Left; x <= screenWidth; x += step) {
        frame.Left = x;
        platform.Repaint();
        tools.clock.Pause(SlidePauseMs);
        platform.ProcessEvents();
    }
    frame.Visible = false;
}

void frm_AppMain::slideIn(int page)
{
    Frame& frame = Seite[page];
    const int screenWidth = platform.ScreenWidth();
    frame.Left = screenWidth;
    frame.Visible = true;
    PresentPage(page);
    const int step = slideStep(screenWidth);
    for (int x = screenWidth; x >= 0; x -= step) {
        frame.Left = x;
        platform.Repaint();
        tools.clock.Pause(SlidePauseMs);
    }
    frame.Left = 0;
}

void frm_AppMain::ShowPage(int page)
{
    but_GameCommands[1].Visible = page > 2;
    m_CurrentPage = page;
    lab_Correct.Visible = false;
    for (int i : PageFrames::numbers)
        if (i != page && Seite[i].Visible)
            slideOut(i);
    for (int i : PageFrames::numbers) {
        if (i == page)
            slideIn(i);
        platform.ProcessEvents();
    }
    for (const QString& notice : std::exchange(m_SheetNotices, {}))
        tools.notices.ShowNotice(notice, QString());
    but_Next.Visible = false;
    m_OkDelay = 5;
}

void frm_AppMain::PresentPage(int page)
{
    switch (page) {
    case 0:
        Caption = testCaption(services.user.UserName(), state.isExpert());
        break;
    case 1:
        presentElementPage(*this);
        break;
    case 2:
        presentSyllablePage(*this);
        break;
    default:
        break;
    }
}

void frm_AppMain::but_Next_Click()
{
    but_Next.Visible = false;
    but_OK.Visible = false;
    const int current = m_CurrentPage;
    switch (current) {
    case 0:
        ShowPage(1);
        break;
    case 1:
        ShowPage(2);
        break;
    case 2:
        ShowPage(11);
        break;
    case 11:
        ShowPage(8);
        break;
    case 8:
        ShowPage(12);
        break;
    case 12:
        ShowPage(3);
        break;
    case 3:
        ShowPage(4);
        break;
    case 4:
        ShowPage(9);
        break;
    case 9:
        ShowPage(5);
        break;
    case 5:
        ShowPage(6);
        break;
    case 6:
        EXECUTE(QStringLiteral("RESTART"));
        // The last sheet is judged already: when the pupil stays, Next (not OK) comes back to lead on.
        if (!CloseRequested)
            m_NextDelay = 5;
        return;
    default:
        break;
    }
    if (current >= 1)
        m_OkDelay = 5;
}
