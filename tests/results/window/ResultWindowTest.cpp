#include "results/window/frm_AppResult.h"
#include "support/FakeWorld.h"

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

struct GradeRow {
    const char* name;
    long long right;
    long long asked;
    const char* words;
    int expression;
    bool title;
};

class GradeWords : public ResultWindow, public ::testing::WithParamInterface<GradeRow> {};

} // namespace

TEST_P(GradeWords, ShowsTheWordsTheFigureAndTheTitle)
{
    const GradeRow& row = GetParam();
    const auto window = show(row.right, row.asked);
    EXPECT_EQ(window->Texturt[1].Caption, QString::fromUtf8(row.words));
    EXPECT_EQ(state.g_GradeWords, QString::fromUtf8(row.words));
    EXPECT_EQ(window->ctl_DrAtom1.Expression, row.expression);
    EXPECT_EQ(window->m_GoodGrade, row.expression == 1 || row.expression == 2); // "gut" or "sehr gut"
    EXPECT_EQ(window->Titel[0].Visible, row.title);
    EXPECT_EQ(window->Titel[1].Visible, row.title);
    EXPECT_EQ(window->Musik.Visible, row.title);
}

// Every bound of the scale and a share just below it. The share is taken in single precision, so
// 849999999 of 1000000000 already reaches 0.85.
INSTANTIATE_TEST_SUITE_P(Bounds, GradeWords,
                         ::testing::Values(GradeRow{"AllRight", 20, 20, "sehr gut plus", 2, true},
                                           GradeRow{"Share95", 19, 20, "sehr gut plus", 2, true},
                                           GradeRow{"Below95", 49, 52, "sehr gut", 2, true},
                                           GradeRow{"Share90", 18, 20, "sehr gut", 2, true},
                                           GradeRow{"Below90", 46, 52, "sehr gut minus", 2, true},
                                           GradeRow{"Share85", 17, 20, "sehr gut minus", 2, true},
                                           GradeRow{"Share85InSinglePrecision", 849999999, 1000000000,
                                                    "sehr gut minus", 2, true},
                                           GradeRow{"Below85", 44, 52, "gut plus", 1, false},
                                           GradeRow{"Share80", 16, 20, "gut plus", 1, false},
                                           GradeRow{"Share75", 15, 20, "gut", 1, false},
                                           GradeRow{"Share70", 14, 20, "gut minus", 1, false},
                                           GradeRow{"Below70", 36, 52, "befriedigend plus", 5, false},
                                           GradeRow{"Share65", 13, 20, "befriedigend plus", 5, false},
                                           GradeRow{"Share60", 12, 20, "befriedigend", 5, false},
                                           GradeRow{"Share55", 11, 20, "befriedigend minus", 5, false},
                                           GradeRow{"Below55", 28, 52, "ausreichend plus", 6, false},
                                           GradeRow{"Share50", 10, 20, "ausreichend plus", 6, false},
                                           GradeRow{"Share45", 9, 20, "ausreichend", 6, false},
                                           GradeRow{"Share40", 8, 20, "ausreichend minus", 6, false},
                                           GradeRow{"Below40", 20, 52, "mangelhaft plus", 3, false},
                                           GradeRow{"Share30", 6, 20, "mangelhaft plus", 3, false},
                                           GradeRow{"Share20", 4, 20, "mangelhaft", 3, false},
                                           GradeRow{"Share10", 2, 20, "mangelhaft minus", 3, false},
                                           GradeRow{"Below10", 5, 52, "ungenügend", 3, false},
                                           GradeRow{"Share05", 1, 20, "ungenügend", 3, false},
                                           GradeRow{"NothingRight", 0, 52, "ungenügend", 3, false},
                                           GradeRow{"NothingAsked", 0, 0, "ungenügend", 3, false}),
                         [](const auto& info) { return std::string(info.param.name); });

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
    EXPECT_EQ(window->Texturt[2].Caption, " Bearbeitung am: 14.07.2017 von:09:15:00 bis:09:40:00 Uhr.");
    EXPECT_EQ(window->Streb.Caption, "Schwierigkeitsgrad: normal "); // g_Expert is empty after the reset

    const QStringList names = {
        "Elemente:",     "Zahlsilben:",      "Substanznamen:", "Molare Massen:", "Stoffmengen:",
        "Definitionen:", "Gleichungen(x2):", "Ladungszahlen:", "Allg.Wissen:"};
    const QStringList values = {"5 von  6", "0 von  ",  "0 von  ", "0 von  ", "0 von  ",
                                "0 von  ",  "8 von 10", "0 von  ", "0 von  "};
    for (std::size_t i = 0; i < window->Einzelergebnis.size(); ++i) {
        EXPECT_EQ(window->Einzelergebnis[i].Caption, names[static_cast<int>(i)]);
        EXPECT_EQ(window->lab_EinzelergebnisWert[i].Caption, values[static_cast<int>(i)]);
    }

    state.g_Expert = DynValue::truth(true);
    EXPECT_EQ(show(12, 16)->Streb.Caption, "Schwierigkeitsgrad: Experte ");
}

TEST_F(ResultWindow, TheAnthemPlaysOncePerProgramRun)
{
    const auto first = show(17, 20);
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

TEST_F(ResultWindow, JaClosesOnlyTheResultWindow)
{
    const auto window = show(10, 20);
    window->CSCmd1_Click();
    EXPECT_TRUE(window->CloseRequested);
    EXPECT_EQ(unloads, 0);
    EXPECT_EQ(world.callsStartingWith("Platform.EndProgram"), QStringList());

    const auto boxed = show(10, 20);
    boxed->CloseBox_Click(); // the window's close box is "Ja"
    EXPECT_TRUE(boxed->CloseRequested);
    EXPECT_EQ(unloads, 0);
}

TEST_F(ResultWindow, NeinClosesBothWindowsAndEndsTheProgram)
{
    const auto window = show(10, 20);
    world.exitFlag = false;
    world.calls.clear();
    EXPECT_THROW(window->CSCmd3_Click(), ProgramEnded);
    EXPECT_TRUE(window->CloseRequested);
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(world.calls, QStringList({"Dialogs.SetExitFlag: 1", "Platform.EndProgram"}));
}

TEST_F(ResultWindow, CertificateHasThreeLinesBelowTheTitle)
{
    const auto window = show(16, 20);
    window->PrintCertificate();
    EXPECT_EQ(world.callsStartingWith("Print.PrintForm"),
              QStringList{"Print.PrintForm:  Von  20 Aufgaben wurden  16 richtig gelöst!\r\n"
                          " Das entspricht der Note: gut plus\r\n"
                          " Bearbeitung am: 14.07.2017 von:09:15:00 bis:09:40:00 Uhr."});
}

TEST_F(ResultWindow, CertificateWithTheTitleSendsTheSameEveryTime)
{
    state.g_YesNoAsked = DynValue::whole(6);
    state.g_YesNoRight = 6;
    const auto window = show(17, 20);
    window->PrintCertificate();
    const PrintFields first = world.printedFields;
    window->PrintCertificate();

    const QString body = "Print.PrintForm:  Von  20 Aufgaben wurden  17 richtig gelöst!\r\n"
                         " Das entspricht der Note: sehr gut minus\r\n"
                         " Bearbeitung am: 14.07.2017 von:09:15:00 bis:09:40:00 Uhr.\r\n"
                         " Das Ergebnis berechtigt, fortan den Titel zu führen:\r\n"
                         "Getesteter Kolbrix ";
    EXPECT_EQ(world.callsStartingWith("Print.PrintForm"), QStringList({body, body}));

    QStringList expected;
    for (std::size_t i = 0; i < window->Einzelergebnis.size(); ++i)
        expected
            << QStringLiteral("EINZEL_%1_TEXT=%2").arg(i + 1).arg(window->Einzelergebnis[i].Caption)
            << QStringLiteral("EINZEL_%1_WERT=%2").arg(i + 1).arg(window->lab_EinzelergebnisWert[i].Caption);
    expected << "FILE=urkunde-koltest.zq-frm"
             << "TITLE=Chemie-Prüfungszeugnis";
    for (const PrintFields& fields : {first, world.printedFields}) {
        QStringList sent;
        for (const PrintFields::Field& field : fields.fields())
            sent << field.key + u'=' + field.value.toString();
        EXPECT_EQ(sent, expected);
    }
    EXPECT_EQ(expected.at(16), "EINZEL_9_TEXT=Allg.Wissen:");
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
