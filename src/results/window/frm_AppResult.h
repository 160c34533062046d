#pragma once

#include "components/Controls.h"
#include "results/window/ResultTexts.h"
#include "results/window/ResultWindowRunner.h"
#include "testrun/AppContext.h"

#include <array>
#include <functional>

// What the result window uses of the main window: it hides the status strip, plays the start page's
// melody and closes the main window when the pupil ends the program.
struct MainWindowParts {
    Frame& bar_Status;
    const MelodyChoice& HYMNE;
    std::function<void()> Unload;
};

// The result window of a test run: the result sentence, the grade in words, the category results, date,
// times and difficulty, the title and the anthem for very good results, the certificate and the question
// whether a new test follows. All content stands in the frame Dahinter, which is centred in the window.
class frm_AppResult : public WindowModel {
public:
    // The frame's design size in logical pixels; the view scales it as a whole to fit the window.
    static constexpr int DesignWidth = 960;
    static constexpr int DesignHeight = 600;

    frm_AppResult(AppContext context, MainWindowParts mainWindow, ResultRunMemory& memory);

    // --- Controls ---------------------------------------------------------------------------------
    Label lab_Title;
    Label Label11;
    Label Textname;
    std::array<Label, 3> Texturt; // result sentence, grade words, date and times
    Label Label12;
    Label Streb;
    std::array<Label, ResultCategoryCount> Einzelergebnis;
    std::array<Label, ResultCategoryCount> lab_EinzelergebnisWert;
    std::array<Label, 2> Titel;
    DrAtom ctl_DrAtom1;
    Button Musik;
    Button but_Print;
    Panel Neute;
    Button CSCmd1; // "Ja"
    Button CSCmd3; // "Nein"
    Frame Dahinter;

    // The window's inner size, written by the desktop layer before CentreResultFrame, and the scale of the
    // frame's design that CentreResultFrame derives from it.
    int ScaleWidth = 0;
    int ScaleHeight = 0;
    double m_Scale = 1;
    // A good grade ("gut", "sehr gut"): the view shows its words in green.
    bool m_GoodGrade = false;

    // --- Event handlers ----------------------------------------------------------------------------
    void ShowResults();
    void CentreResultFrame();
    void Musik_Click();
    void PrintCertificate();
    void CSCmd1_Click();
    void CSCmd3_Click();
    // The window's own close box: the same as "Ja", so a new test can follow and nothing is lost.
    void CloseBox_Click() { CSCmd1_Click(); }

    mdl_KolTest& state;
    SharedServices& services;
    Platform& platform;

private:
    ResultGrade grade() const;

    MainWindowParts m_mainWindow;
    ResultRunMemory& m_memory;
};
