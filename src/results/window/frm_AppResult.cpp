#include "results/window/frm_AppResult.h"

#include "components/NumberText.h"
#include "components/TextList.h"

#include <algorithm>
#include <cmath>
#include <utility>

frm_AppResult::frm_AppResult(AppContext context, MainWindowParts mainWindow, ResultRunMemory& memory)
    : state(context.state), services(context.services), platform(context.platform),
      m_mainWindow(std::move(mainWindow)), m_memory(memory)
{
    Caption = QStringLiteral("Kolbrix-Test - Ergebnis");
    lab_Title.Caption = QStringLiteral("Chemie-Prüfungszeugnis");
    Label11.Caption = QStringLiteral(" Der Kolbrix - Test wurde bearbeitet von:");
    Label12.Caption = QStringLiteral(" Das entspricht der Note: ");
    Titel[0].Caption = QStringLiteral(" Das Ergebnis berechtigt, fortan den Titel zu führen:");
    Titel[1].Caption = QStringLiteral("Getesteter Kolbrix ");
    Musik.Caption = QStringLiteral("Hymne abspielen!");
    but_Print.Caption = QStringLiteral("Diplom drucken");
    Neute.Text = QStringLiteral("Neue Übung?");
    CSCmd1.Caption = QStringLiteral("Ja");
    CSCmd3.Caption = QStringLiteral("Nein");
    Dahinter.Width = DesignWidth;
    Dahinter.Height = DesignHeight;
}

ResultGrade frm_AppResult::grade() const
{
    return resultGrade(state.g_TotalRight.toInt(), state.g_TotalAsked.toInt());
}

void frm_AppResult::ShowResults()
{
    m_mainWindow.bar_Status.Visible = false;
    Shown = true;
    Maximised = true;

    Textname.Caption = state.g_CandidateName;
    Texturt[0].Caption = resultSentence(state.g_TotalAsked.toInt(), state.g_TotalRight.toInt());

    // A run in which nothing was asked (the walk opens this window only after the last sheet was judged,
    // so this is a safeguard) counts as nothing right: "ungenügend", no title and no anthem.
    const ResultGrade result = grade();
    state.g_GradeWords = result.words;
    ctl_DrAtom1.Expression = result.expression;
    m_GoodGrade = result.good;
    for (Label& line : Titel)
        line.Visible = result.earnsTitle;
    Musik.Visible = result.earnsTitle;
    Musik.Enabled = !m_memory.AnthemPlayed; // it plays once per program run: afterwards it promises nothing
    Texturt[1].Caption = state.g_GradeWords;

    Texturt[2].Caption = processingLine(state.g_TestDate[1], state.g_TestTimes[1], state.g_TestTimes[2]);
    Streb.Visible = true;
    Streb.Caption = difficultyLine(state.isExpert());

    const auto categories = categoryResults(state);
    for (std::size_t i = 0; i < categories.size(); ++i) {
        Einzelergebnis[i].Caption = categories[i].name;
        lab_EinzelergebnisWert[i].Caption = categories[i].value;
    }
    // The pupil's next step is one of the buttons, never "Nein" by accident.
    SetFocus(result.earnsTitle && Musik.Enabled ? &Musik : &but_Print);
}

void frm_AppResult::CentreResultFrame()
{
    if (ScaleWidth <= 0 || ScaleHeight <= 0)
        return; // minimised: nothing to arrange
    m_Scale = std::max(0.1, std::min(ScaleWidth / static_cast<double>(DesignWidth),
                                     ScaleHeight / static_cast<double>(DesignHeight)));
    Dahinter.Width = static_cast<int>(std::lround(DesignWidth * m_Scale));
    Dahinter.Height = static_cast<int>(std::lround(DesignHeight * m_Scale));
    Dahinter.Left = static_cast<int>(roundHalfEven(static_cast<float>(ScaleWidth - Dahinter.Width) / 2.0f));
    Dahinter.Top = static_cast<int>(roundHalfEven(static_cast<float>(ScaleHeight - Dahinter.Height) / 2.0f));
}

void frm_AppResult::Musik_Click()
{
    if (m_memory.AnthemPlayed)
        return;
    m_memory.AnthemPlayed = true;
    if (grade().earnsTitle) {
        services.sound.PlayMelody(m_mainWindow.HYMNE, 0);
        Musik.Visible = false;
    }
}

void frm_AppResult::PrintCertificate()
{
    TextList body;
    body.Add(Texturt[0].Caption);
    body.Add(Label12.Caption + Texturt[1].Caption);
    body.Add(Texturt[2].Caption);
    if (Titel[0].Visible) {
        body.Add(Titel[0].Caption);
        body.Add(Titel[1].Caption);
    }
    PrintFields fields;
    for (std::size_t i = 0; i < Einzelergebnis.size(); ++i) {
        const QString row = QStringLiteral("EINZEL_%1_").arg(i + 1);
        fields.SetField(row + QStringLiteral("TEXT"), Einzelergebnis[i].Caption);
        fields.SetField(row + QStringLiteral("WERT"), lab_EinzelergebnisWert[i].Caption);
    }
    fields.SetField(QStringLiteral("FILE"), QStringLiteral("urkunde-koltest.zq-frm"));
    fields.SetField(QStringLiteral("TITLE"), lab_Title.Caption);
    services.print.PrintForm(body.Join(QString(), QStringLiteral("\r\n"), QString()), fields);
}

void frm_AppResult::CSCmd1_Click()
{
    CloseRequested = true;
}

void frm_AppResult::CSCmd3_Click()
{
    CloseRequested = true;
    m_mainWindow.Unload();
    services.dialogs.SetExitFlag(true);
    platform.EndProgram();
}
