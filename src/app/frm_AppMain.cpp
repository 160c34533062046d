#include "app/frm_AppMain.h"

#include "app/MainWindowDesign.h"
#include "catalogue/LoadCatalogue.h"
#include "components/TextTools.h"
#include "testrun/EndOfTestRecord.h"

namespace {

// The difficulty the host preset, or -1 when it named none. Anything but -1, 0 or 1 counts as none.
int presetDifficulty(HostService& host, Platform& platform)
{
    const QString value = host.Parameter(QStringLiteral("DIFFICULTY"), QStringLiteral("-1"));
    bool isNumber = false;
    const int difficulty = value.trimmed().toInt(&isNumber);
    if (isNumber && difficulty >= -1 && difficulty <= 1)
        return difficulty;
    platform.Diagnose(
        QStringLiteral("DIFFICULTY=%1 is neither -1, 0 nor 1; the pupil chooses the difficulty").arg(value));
    return -1;
}

} // namespace

frm_AppMain::frm_AppMain(AppContext context, ResultWindowRunner& results)
    : SheetContext(context), m_Walk{{{0, 1, nullptr, std::nullopt},
                                     {1, 2, &elements, Section::Elements},
                                     {2, 11, &syllables, Section::Syllables},
                                     {11, 8, &substanceNames, Section::Substances},
                                     {8, 12, &molarMasses, Section::MolarMasses},
                                     {12, 3, &amounts, Section::Amounts},
                                     {3, 4, &definitions, Section::Definitions},
                                     {4, 9, &terms, Section::Definitions},
                                     {9, 5, &equations, Section::Equations},
                                     {5, 6, &charges, Section::Charges},
                                     {6, EndOfWalk, &yesNo, Section::YesNo}}},
      BackColor(design::WindowBackColor), m_results(results)
{
    Caption = QStringLiteral("Kolbrix Test");
    bar_Header.Caption = QStringLiteral("QV Labor <b>Kolbrix Test</b>");
    bar_Header.Height = design::HeaderHeight;
    bar_Status.Height = design::StatusHeight;
    bar_Mark.Top = design::MarkTop;
    bar_Mark.Height = design::MarkHeight;

    for (Button* button : {&but_OK, &but_Next})
        button->Visible = false;
    but_OK.Caption = QStringLiteral("&OK");
    but_Next.Caption = QStringLiteral("&Weiter");
    but_GameTools[0].Caption = QStringLiteral("&Periodensystem");
    but_GameTools[0].Tag = QStringLiteral("PERIODICTABLE");
    but_GameTools[1].Caption = QStringLiteral("&Taschenrechner");
    but_GameTools[1].Tag = QStringLiteral("CALC");
    but_GameCommands[0].Caption = QStringLiteral("&Beenden");
    but_GameCommands[0].Tag = QStringLiteral("QUIT");
    but_GameCommands[1].Caption = QStringLiteral("&Neustart!");
    but_GameCommands[1].Tag = QStringLiteral("RESTART");
    but_GameCommands[1].Visible = false;

    lab_Correct.Text = QStringLiteral("Wow!");
    lab_Correct.Bold = true;
    lab_Correct.Visible = false;
    Streberstufe.Text = QStringLiteral("Strebermodus");
    for (int page : PageFrames::numbers)
        Seite[page].Visible = false;
    for (Panel& wrong : lab_Wrong)
        wrong.Visible = false;
}

void frm_AppMain::Form_Load()
{
    services.windows.RegisterWindow(*this);
    for (int page : PageFrames::numbers) {
        Frame& frame = Seite[page];
        frame.Left = 0;
        frame.Top = 5;
        frame.Width = design::PageWidth;
        frame.Height = bar_Mark.Top - 10;
    }
    bar_Mark.Width = design::PageWidth;

    const QString commandLine = services.root.CommandLine();
    if (platform.AnotherInstanceRunning() && !commandLine.contains(QLatin1String("/NEW"))) {
        platform.SetBusyPointer(false);
        tools.notices.ShowNotice(QStringLiteral("Der Kolbrixtest läuft bereits oder wird noch geladen."),
                                 QString());
        platform.EndProgram();
        return;
    }
    if (!upperEachChar(commandLine).contains(QLatin1String("-DEV")))
        services.dialogs.SetExitFlag(false);
    Shown = true;
    Maximised = true;
    services.sound.AttachMelody(page0.HYMNE);
    if (!services.host.Begin(true)) {
        platform.EndProgram();
        return;
    }
    Streberstufe.Visible = false;
    ShowPage(0);

    const CatalogueLoad load = LoadCatalogue(state.g_CatalogFile, state);
    if (!load.problems.isEmpty()) {
        for (const QString& line : startDiagnostics(state.g_CatalogFile, load))
            platform.Diagnose(line);
        tools.notices.ShowNotice(describeLoadProblems(state.g_CatalogFile, load), QString());
    }
    services.host.Ready();

    const int difficulty = presetDifficulty(services.host, platform);
    if (difficulty > -1) {
        // As a click on the choice would: an expert gets no calculator and no periodic table.
        Expert_Click(difficulty);
        for (OptionButton& choice : page0.Expert)
            choice.Enabled = false;
    }
    platform.SetBusyPointer(false);
}

void frm_AppMain::Form_Unload()
{
    services.root.MainWindowClosed();
}

const WalkStep* frm_AppMain::walkStep(int page) const
{
    for (const WalkStep& step : m_Walk)
        if (step.page == page)
            return &step;
    return nullptr;
}

int frm_AppMain::firstPageOf(Section section) const
{
    for (const WalkStep& step : m_Walk)
        if (step.section == section)
            return step.page;
    return m_Walk[1].page;
}

void frm_AppMain::Unload()
{
    endTestRunEarly(state, m_StartTime, services, tools, platform);
    Form_Unload();
    CloseRequested = true;
}
