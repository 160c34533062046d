#include "app/frm_AppMain.h"

#include "results/window/frm_AppResult.h"
#include "testrun/TestStart.h"

#include <algorithm>
#include <cmath>
#include <utility>

// The walk through the pages: the slide from one page to the next, the filling of the new page and the
// page Next leads to. A page slides from its place out across the window's right edge, and the next one
// in from there, so that no moment shows an empty page area.

namespace {

// One slide takes the time of forty steps of 10 ms on every screen. A frame between the pauses stands where
// the time says, so a screen that paints slowly shows fewer frames instead of a longer slide; a clock that
// stands still ends it after the forty steps.
constexpr int SlideSteps = 40;
constexpr int FramePauseMs = 10;
constexpr double SlideSeconds = SlideSteps * FramePauseMs / 1000.0;

// Moves a page frame to the position `to` by the deadline on the clock, letting input through between
// frames when asked to.
void slide(Frame& frame, int to, double deadline, Clock& clock, Platform& platform, bool processEvents)
{
    const int from = frame.Left;
    const double start = clock.TimeValue();
    double previous = start;
    // The last frame stands exactly at `to` (a page sliding out has then left the window). It is the one
    // after which another frame would end past the deadline.
    for (int step = 0;; ++step) {
        const double now = clock.TimeValue();
        const double next = now + (now - previous);
        previous = now;
        const double timeDone = next >= deadline ? 1 : (now - start) / (deadline - start);
        const double done = std::min(1.0, std::max(timeDone, step / static_cast<double>(SlideSteps)));
        frame.Left = from + static_cast<int>(std::lround((to - from) * done));
        platform.Repaint();
        if (done >= 1)
            break;
        clock.Pause(FramePauseMs);
        if (processEvents)
            platform.ProcessEvents();
    }
}

} // namespace

void frm_AppMain::slideOut(int page, double deadline)
{
    slide(Seite[page], m_SlideDistance, deadline, tools.clock, platform, true);
    Seite[page].Visible = false;
}

void frm_AppMain::slideIn(int page, double deadline)
{
    Frame& frame = Seite[page];
    frame.Left = m_SlideDistance;
    frame.Visible = true;
    PresentPage(page);
    slide(frame, 0, deadline, tools.clock, platform, false);
}

void frm_AppMain::ShowPage(int page)
{
    but_GameCommands[1].Visible = page > 2;
    m_CurrentPage = page;
    lab_Correct.Visible = false;
    // The change keeps to its planned time: what filling the new page takes comes out of its slide.
    double deadline = tools.clock.TimeValue();
    for (int i : PageFrames::numbers)
        if (i != page && Seite[i].Visible)
            slideOut(i, deadline += SlideSeconds);
    for (int i : PageFrames::numbers) {
        if (i == page)
            slideIn(i, deadline + SlideSeconds);
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
