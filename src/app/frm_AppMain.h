#pragma once

#include "app/AppContext.h"
#include "components/Controls.h"
#include "pages/ElementPage.h"
#include "pages/PageFrames.h"
#include "pages/StartPage.h"
#include "pages/SyllablePage.h"

#include <array>
#include <cstdint>

// The main window: its controls, its form-level state and its event handlers. The handlers are defined
// beside the subject they belong to: load, unload and layout in app/, the walk and the pages in pages/,
// the OK dispatch and the judging in judging/, the answer fields and commands in input/.
class frm_AppMain : public WindowModel {
public:
    explicit frm_AppMain(AppContext context);

    // Shared state and services, reached by every handler.
    mdl_KolTest& state;
    SharedServices& services;
    SharedTools& tools;
    Platform& platform;
    RandomSource& random;

    // --- Controls ---------------------------------------------------------------------------------
    TitleBar bar_Header;
    Frame bar_Status;
    Frame bar_Holder;
    Frame bar_Mark;
    Avatar ctl_Avatar1; // on the start page
    Avatar ctl_Avatar2; // in the status strip
    Button but_OK;
    Button but_Next;
    std::array<Button, 2> but_GameTools;    // periodic table, calculator
    std::array<Button, 2> but_GameCommands; // quit, new test
    Panel lab_Correct;                      // the praise after a fully right sheet
    Panel Streberstufe;                     // the expert statistics
    Label Aufgabenanz;
    Label RichtigAnz;
    GradeMark ctl_Mark;
    PageFrames Seite;
    std::array<TickImage, 7> img_Correct; // 0..3: rows of page 4, 4..6: rows of page 3
    std::array<Panel, 7> lab_Wrong;

    StartPage page0;
    ElementPage page1;
    SyllablePage page2;

    // The window's inner size, written by the desktop layer before Form_Resize.
    int ScaleWidth = 0;
    int ScaleHeight = 0;
    Rgb BackColor;
    Gradient Background;

    // --- Form-level state ----------------------------------------------------------------------------
    int m_CurrentPage = 0;
    int m_OkDelay = 0;   // timer ticks until but_OK shows
    int m_NextDelay = 0; // timer ticks until but_Next shows
    std::int32_t m_StartTime = 0;
    // Messages about the page being filled (a catalogue section too small for it), shown once the page has
    // slid in.
    QStringList m_SheetNotices;

    // --- Load, unload, layout (app/) ------------------------------------------------------------------
    void Form_Load();
    void Form_Unload();
    void Form_Resize();
    // Closes the window: runs the unload handler now; the desktop layer closes the window afterwards.
    void Unload();

    // --- Walk and pages (pages/) ----------------------------------------------------------------------
    void ShowPage(int page);
    void PresentPage(int page);
    void but_Next_Click();
    bool StartTest();
    void Expert_Click(int index);

    // --- OK dispatch and judging (judging/) -------------------------------------------------------
    void but_OK_Click();
    void ShowCorrect(int index);
    void ShowWrong(int index, const QString& expected);
    void ShowPraise();
    void UpdateGrade();
    void hOK1();
    void hOK2();

    // --- Answer fields and commands (input/) ----------------------------------------------------------
    void EleSym_Click(int index);
    void Ele_Click(int index);
    void Zahl_Click(int index);
    void EleSym_KeyPress(int index, int keyAscii);
    void Ele_KeyPress(int index, int keyAscii);
    void Zahl_KeyPress(int index, int keyAscii);

    void EXECUTE(const QString& pCmd);
    void bar_Header_Command(const QString& command);
    void but_GameCommands_Click(int index);
    void but_GameTools_Click(int index);
    void tmr_Delay_Timer();
    void ctl_Avatar1_Click();
    void ctl_Avatar2_Click();
    void lab_Correct_Click();

private:
    void slideOut(int page);
    void slideIn(int page);
};

// The key code of Enter.
inline constexpr int KeyEnter = 13;
