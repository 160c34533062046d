#include "app/frm_AppMain.h"

#include "components/NumberText.h"
#include "results/window/frm_AppResult.h"
#include "testrun/TestStart.h"

#include <algorithm>
#include <utility>

// The walk through the pages: the slide from one page to the next, the filling of the new page and the
// page Next leads to. A page slides from its place out across the window's right edge, and the next one
// in from there, so that no moment shows an empty page area.

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
    const int step = slideStep(m_SlideDistance - frame.Left);
    // The last step lands exactly on the distance, so the page has left the window when it is hidden.
    for (int x = frame.Left;; x += step) {
        frame.Left = std::min(x, m_SlideDistance);
        platform.Repaint();
        tools.clock.Pause(SlidePauseMs);
        platform.ProcessEvents();
        if (frame.Left >= m_SlideDistance)
            break;
    }
    frame.Visible = false;
}

void frm_AppMain::slideIn(int page)
{
    Frame& frame = Seite[page];
    frame.Left = m_SlideDistance;
    frame.Visible = true;
    PresentPage(page);
    const int step = slideStep(m_SlideDistance);
    for (int x = m_SlideDistance; x >= 0; x -= step) {
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
    const WalkStep* step = walkStep(page);
    if (!step)
        return;
    if (step->sheet) {
        step->sheet->Present();
    } else {
        Caption = testCaption(services.user.UserName(), state.isExpert());
        SetFocus(&page0.NameField); // the first thing a pupil does is type the name
    }
}

void frm_AppMain::but_Next_Click()
{
    but_Next.Visible = false;
    but_OK.Visible = false;
    const int from = m_CurrentPage;
    const WalkStep* step = walkStep(from);
    if (step && step->sheet)
        step->sheet->Leave();
    if (step && step->next == EndOfWalk) {
        showResults();
        EXECUTE(QStringLiteral("RESTART"));
        // The last sheet is judged already: when the pupil stays, Next (not OK) comes back to lead on, in
        // the status strip that the result window hid.
        if (!CloseRequested) {
            bar_Status.Visible = true;
            m_NextDelay = 5;
        }
        return;
    }
    if (step)
        ShowPage(step->next);
    if (from >= 1)
        m_OkDelay = 5; // also on a page without a sheet, so that OK always comes back
}

void frm_AppMain::showResults()
{
    frm_AppResult results({state, services, tools, platform, random},
                          {bar_Status, page0.HYMNE, [this] { Unload(); }}, m_results.memory);
    m_results.ShowResultWindowModal(results);
}
