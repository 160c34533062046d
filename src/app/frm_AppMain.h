#pragma once

#include "app/PageFrames.h"
#include "app/StartPage.h"
#include "catalogue/Section.h"
#include "components/Controls.h"
#include "results/window/ResultWindowRunner.h"
#include "sheets/SheetContext.h"
#include "sheets/amounts/AmountSheet.h"
#include "sheets/definitions/DefinitionSheet.h"
#include "sheets/definitions/TermSheet.h"
#include "sheets/elements/ElementSheet.h"
#include "sheets/equations/EquationSheet.h"
#include "sheets/molarmasses/MolarMassSheet.h"
#include "sheets/options/ChargeSheet.h"
#include "sheets/options/YesNoSheet.h"
#include "sheets/substances/SubstanceSheet.h"
#include "sheets/syllables/SyllableSheet.h"

#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>

// One page of the walk: its number, the page Next leads to, its task sheet and the catalogue section it draws
// from. The start page has no sheet: its OK starts the test run.
struct WalkStep {
    int page;
    int next;
    Sheet* sheet;
    std::optional<Section> section;
};

// The page number that stands for "after the last page": the results follow.
inline constexpr int EndOfWalk = -1;

// The main window: its controls, its form-level state, the walk through its pages and its event handlers.
// Load, unload and layout, the walk, OK, the grade and the commands are defined in app/; each task sheet
// lives in a folder of its own under sheets/ and reaches the window only as a SheetContext.
class frm_AppMain : public WindowModel, public SheetContext {
public:
    // results shows the result window at the end of the walk.
    frm_AppMain(AppContext context, ResultWindowRunner& results);

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
    Panel lab_Correct;                      // the praise after a fully right sheet, for two seconds
    Panel Streberstufe;                     // the expert statistics
    Label Aufgabenanz;
    Label RichtigAnz;
    GradeMark ctl_Mark;
    PageFrames Seite;
    std::array<TickImage, 7> img_Correct; // 0..3: rows of page 4, 4..6: rows of page 3
    std::array<Panel, 7> lab_Wrong;

    // --- Pages, in the order of the walk -------------------------------------------------------------
    StartPage page0;
    ElementSheet elements{*this};
    SyllableSheet syllables{*this};
    SubstanceSheet substanceNames{*this};
    MolarMassSheet molarMasses{*this};
    AmountSheet amounts{*this};
    DefinitionSheet definitions{*this};
    TermSheet terms{*this, definitions};
    EquationSheet equations{*this};
    ChargeSheet charges{*this};
    YesNoSheet yesNo{*this};

    // Every page of the walk, in walk order.
    const std::array<WalkStep, 11> m_Walk;
    // The step of the page, or nullptr for a number that is no page of the walk.
    const WalkStep* walkStep(int page) const;
    // The first page of the walk that draws from the section.
    int firstPageOf(Section section) const;

    // The window's inner size, written by the desktop layer before Form_Resize.
    int ScaleWidth = 0;
    int ScaleHeight = 0;
    // What Form_Resize makes of it. The page frames Seite and bar_Mark are placed in design pixels: a page
    // at rest stands at m_PageLeft in the holder, and every design pixel is m_PageScale window pixels. The
    // strips and their buttons are scaled by m_StripScale. A page slides m_SlideDistance design pixels to
    // leave the window at its right edge.
    double m_PageScale = 1;
    double m_StripScale = 1;
    int m_PageLeft = 0;
    int m_SlideDistance = 0;
    Rgb BackColor;
    Gradient Background;

    // --- Form-level state ----------------------------------------------------------------------------
    int m_CurrentPage = 0;
    int m_OkDelay = 0;     // timer ticks until but_OK shows
    int m_NextDelay = 0;   // timer ticks until but_Next shows
    int m_PraiseDelay = 0; // timer ticks until the praise gives way to the judged rows
    std::int32_t m_StartTime = 0;
    // Messages about the page being filled (a catalogue section too small for it), shown once the page has
    // slid in.
    QStringList m_SheetNotices;

    // --- Load, unload, layout ----------------------------------------------------------------------------
    void Form_Load();
    void Form_Unload();
    void Form_Resize();
    // Closes the window: a test run under way leaves its record as ended early, the unload handler runs now;
    // the desktop layer closes the window afterwards.
    void Unload();

    // --- Walk, start page, OK and grade --------------------------------------------------------------
    void ShowPage(int page);
    void PresentPage(int page);
    void but_Next_Click();
    void but_OK_Click();
    bool StartTest();
    void Expert_Click(int index);

    // --- What the sheets use (SheetContext) -----------------------------------------------------------
    void SetFocus(ControlId control) override { WindowModel::SetFocus(control); }
    void ShowCorrect(int index) override;
    void ShowWrong(int index, const QString& expected) override;
    void ShowPraise() override;
    void UpdateGrade() override;
    void NoticeOnceShown(const QString& message) override { m_SheetNotices.append(message); }

    // --- Commands, timer, avatars -----------------------------------------------------------------------
    void EXECUTE(const QString& pCmd);
    void bar_Header_Command(const QString& command);
    void but_GameCommands_Click(int index);
    void but_GameTools_Click(int index);
    void tmr_Delay_Timer();
    void ctl_Avatar1_Click();
    void ctl_Avatar2_Click();
    void lab_Correct_Click();
    // The window's own close button: asks as the quit command does.
    void CloseBox_Click();

private:
    // Each slide ends at its deadline on the clock.
    void slideOut(int page, double deadline);
    // Shows the results of the finished test run; returns once the pupil has closed their window.
    void showResults();
    void slideIn(int page, double deadline);

    ResultWindowRunner& m_results;
};
