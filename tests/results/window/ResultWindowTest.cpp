#include "results/window/ResultTexts.h"
#include "results/window/frm_AppResult.h"
#include "support/FakeWorld.h"
#include "support/PrintFieldsReading.h"

#include <gtest/gtest.h>

// The result window as the pupil sees it: the grade in words and the figure at every bound of the scale,
// the sentence, the date line, the category rows, the title and the anthem, printing, "Ja" and "Nein".

namespace {

class ResultWindow : public ::testing::Test {
protected:
    ResultWindow()
    {
        ResetTestRun(state);
        state.g_CandidateName = QStringLiteral("Mia");
        state.g_TestDate[1] = QStringLiteral("07-14-2017");
        state.g_TestTimes[1] = QStringLiteral("09:15:00");
        state.g_TestTimes[2] = QStringLiteral("09:40:00");
        hymne.Melodies = {QStringLiteral("Hymne")};
    }

    // A fresh result window of this program run over a finished test with right of asked.
    std::unique_ptr<frm_AppResult> show(long long right, long long asked)
    {
        state.g_TotalRight = DynValue::whole(right);
        state.g_TotalAsked = DynValue::whole(asked);
        auto window = std::make_unique<frm_AppResult>(
            AppContext{state, world.services, world.tools, world, random},
            MainWindowParts{status, hymne, [this] { ++unloads; }}, world.memory);
        window->ShowResults();
        return window;
    }

    FakeWorld world;
    ScriptedRandom random;
    mdl_KolTest state;
    Frame status;
    MelodyChoice hymne;
    int unloads = 0;
};

} // namespace

// The words and the figure's face of every band of the grade scale; "gut minus" and better are good,
// "sehr gut minus" and better earn the title.
TEST(ResultGrade, NamesEveryBandOfTheScale)
{
    const struct {
        int right; // of 20: these reach the sixteen bands, worst first
        const char* words;
        int expression;
    } bands[] = {{0, "ungenügend", 3},         {2, "mangelhaft minus", 3},    {4, "mangelhaft", 3},
                 {6, "mangelhaft plus", 3},    {8, "ausreichend minus", 6},   {9, "ausreichend", 6},
                 {10, "ausreichend plus", 6},  {11, "befriedigend minus", 5}, {12, "befriedigend", 5},
                 {13, "befriedigend plus", 5}, {14, "gut minus", 1},          {15, "gut", 1},
                 {16, "gut plus", 1},          {17, "sehr gut minus", 2},     {18, "sehr gut", 2},
                 {19, "sehr gut plus", 2}};
    for (const auto& band : bands) {
        const ResultGrade grade = resultGrade(band.right, 20);
        EXPECT_EQ(grade.words, QString::fromUtf8(band.words));
        EXPECT_EQ(grade.expression, band.expression) << band.words;
        EXPECT_EQ(grade.good, band.right >= 14) << band.words;
        EXPECT_EQ(grade.earnsTitle, band.right >= 17) << band.words;
    }
    // A run without a single task asked counts as nothing right.
    EXPECT_EQ(resultGrade(0, 0).words, "ungenügend");
    EXPECT_FALSE(resultGrade(0, 0).earnsTitle);
}

TEST_F(ResultWindow, ShowsWhoWhatWhenAndEveryCategory)
{
    state.g_ElementsAsked = DynValue::whole(6);
    state.g_ElementsRight = 5;
    state.g_EquationsAsked = DynValue::whole(10);
    state.g_EquationsRight = 8;
    // Every other category was never asked in this process: its asked count is empty.
    const auto window = show(12, 16);

    EXPECT_FALSE(status.Visible);
    EXPECT_TRUE(window->Shown && window->Maximised);
    EXPECT_EQ(window->Caption, "Kolbrix-Test - Ergebnis");
    EXPECT_EQ(window->Textname.Caption, "Mia");
    EXPECT_EQ(window->Texturt[0].Caption, " Von  16 Aufgaben wurden  12 richtig gelöst!");
    EXPECT_EQ(window->Label12.Caption + window->Texturt[1].Caption, " Das entspricht der Note: gut");
    EXPECT_EQ(state.g_GradeWords, "gut");
    EXPECT_EQ(window->ctl_DrAtom1.Expression, 1);
    EXPECT_TRUE(window->m_GoodGrade);
    EXPECT_FALSE(window->Titel[0].Visible || window->Titel[1].Visible || window->Musik.Visible);
    EXPECT_EQ(window->Texturt[2].Caption, " Bearbeitung am: 14.07.2017 von:09:15:00 bis:09:40:00 Uhr.");
    EXPECT_EQ(window->Streb.Caption, "Schwierigkeitsgrad: normal "); // g_Expert is empty after the reset

    QStringList rows;
    for (std::size_t i = 0; i < window->Einzelergebnis.size(); ++i)
        rows << window->Einzelergebnis[i].Caption + window->lab_EinzelergebnisWert[i].Caption;
    EXPECT_EQ(rows,
              QStringList({"Elemente:5 von  6", "Zahlsilben:0 von  ", "Substanznamen:0 von  ",
                           "Molare Massen:0 von  ", "Stoffmengen:0 von  ", "Definitionen:0 von  ",
                           "Gleichungen(x2):8 von 10", "Ladungszahlen:0 von  ", "Allg.Wissen:0 von  "}));

    state.g_Expert = DynValue::truth(true);
    EXPECT_EQ(show(12, 16)->Streb.Caption, "Schwierigkeitsgrad: Experte ");
}

TEST_F(ResultWindow, TheTitleAndTheAnthemComeWithSehrGutAndItPlaysOncePerProgramRun)
{
    const auto first = show(17, 20);
    EXPECT_TRUE(first->Titel[0].Visible && first->Titel[1].Visible && first->Musik.Visible);
    EXPECT_EQ(first->ctl_DrAtom1.Expression, 2);
    first->Musik_Click();
    EXPECT_FALSE(first->Musik.Visible);
    first->Musik_Click();

    // A later test run of the same program: the button shows again, disabled, and the anthem does not play.
    const auto second = show(20, 20);
    EXPECT_TRUE(second->Musik.Visible);
    EXPECT_FALSE(second->Musik.Enabled);
    EXPECT_EQ(second->FocusRequest, &second->but_Print);
    second->Musik_Click();
    EXPECT_EQ(world.callsStartingWith("Sound.PlayMelody"), QStringList{"Sound.PlayMelody: Hymne"});
}

// "Ja" and the close box close only the result window; "Nein" closes both windows and ends the program.
TEST_F(ResultWindow, JaClosesOnlyTheResultWindowNeinEndsTheProgram)
{
    const auto ja = show(10, 20);
    ja->CSCmd1_Click();
    const auto boxed = show(10, 20);
    boxed->CloseBox_Click();
    EXPECT_TRUE(ja->CloseRequested && boxed->CloseRequested);
    EXPECT_EQ(unloads, 0);
    EXPECT_EQ(world.callsStartingWith("Platform.EndProgram"), QStringList());

    const auto nein = show(10, 20);
    world.exitFlag = false;
    world.calls.clear();
    EXPECT_THROW(nein->CSCmd3_Click(), ProgramEnded);
    EXPECT_TRUE(nein->CloseRequested);
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(world.calls, QStringList({"Dialogs.SetExitFlag: 1", "Platform.EndProgram"}));
}

// The certificate gets the three lines of the window's text, the title lines when earned, and every
// category as a field; printing again sends the same.
TEST_F(ResultWindow, CertificateGetsTheTextAndEveryCategory)
{
    const QString lines = " Bearbeitung am: 14.07.2017 von:09:15:00 bis:09:40:00 Uhr.";
    show(16, 20)->PrintCertificate();
    EXPECT_EQ(world.callsStartingWith("Print.PrintForm"),
              QStringList{"Print.PrintForm:  Von  20 Aufgaben wurden  16 richtig gelöst!\r\n"
                          " Das entspricht der Note: gut plus\r\n" +
                          lines});

    world.calls.clear();
    state.g_YesNoAsked = DynValue::whole(6);
    state.g_YesNoRight = 6;
    const auto window = show(17, 20);
    window->PrintCertificate();
    const PrintFields first = world.printedFields;
    window->PrintCertificate();
    const QString body = "Print.PrintForm:  Von  20 Aufgaben wurden  17 richtig gelöst!\r\n"
                         " Das entspricht der Note: sehr gut minus\r\n" +
                         lines +
                         "\r\n Das Ergebnis berechtigt, fortan den Titel zu führen:\r\nGetesteter Kolbrix ";
    EXPECT_EQ(world.callsStartingWith("Print.PrintForm"), QStringList({body, body}));

    QStringList expected;
    for (std::size_t i = 0; i < window->Einzelergebnis.size(); ++i)
        expected
            << QStringLiteral("EINZEL_%1_TEXT=%2").arg(i + 1).arg(window->Einzelergebnis[i].Caption)
            << QStringLiteral("EINZEL_%1_WERT=%2").arg(i + 1).arg(window->lab_EinzelergebnisWert[i].Caption);
    expected << "FILE=urkunde-koltest.zq-frm"
             << "TITLE=Chemie-Prüfungszeugnis";
    EXPECT_EQ(fieldLines(first), expected);
    EXPECT_EQ(fieldLines(world.printedFields), expected);
    EXPECT_EQ(expected.at(17), "EINZEL_9_WERT=6 von  6");
}

TEST_F(ResultWindow, FrameStandsInTheMiddleScaledToTheWindow)
{
    const auto window = show(10, 20);
    window->ScaleWidth = 1366;
    window->ScaleHeight = 738;
    window->CentreResultFrame();
    const Frame& frame = window->Dahinter;
    EXPECT_LE(frame.Width, 1366);
    EXPECT_EQ(frame.Height, 738);
    EXPECT_EQ(frame.Left, (1366 - frame.Width) / 2);
    EXPECT_EQ(frame.Top, 0);
}
