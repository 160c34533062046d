#include "desktop/editor/CataloguePreview.h"

#include "app/frm_AppMain.h"
#include "desktop/CommandLine.h"
#include "desktop/DesktopPlatform.h"
#include "desktop/InstanceLock.h"
#include "desktop/editor/CatalogueTrial.h"
#include "desktop/results/DesktopResultRunner.h"
#include "desktop/services/DesktopServices.h"
#include "desktop/view/MainWindowView.h"

#include <QEvent>
#include <QMessageBox>

namespace {

// Chance as in the test, except that the next draw gives the record that was asked for.
class FirstDrawRandom final : public RandomSource {
public:
    void drawNext(int value) { m_next = value; }
    int uniform(int lo, int hi) override
    {
        const std::optional<int> next = std::exchange(m_next, std::nullopt);
        return next && *next >= lo && *next <= hi ? *next : m_process.uniform(lo, hi);
    }

private:
    std::optional<int> m_next;
    ProcessRandom m_process;
};

// The desktop's platform, except that the preview never counts as a second instance and that ending the
// program closes only the preview: every caller returns right after asking for the end, and the window
// then closes at its model's request.
class PreviewPlatform final : public Platform {
public:
    PreviewPlatform(DesktopPlatform& desktop, WindowModel& window) : m_desktop(desktop), m_window(window) {}
    QString CommandLineText() const override { return m_desktop.CommandLineText(); }
    bool AskYesNo(const QString& text, const QString& title) override
    {
        return m_desktop.AskYesNo(text, title);
    }
    void ShowMessage(const QString& text, const QString& title) override
    {
        m_desktop.ShowMessage(text, title);
    }
    void SetBusyPointer(bool busy) override { m_desktop.SetBusyPointer(busy); }
    bool AnotherInstanceRunning() override { return false; }
    QDate Today() const override { return m_desktop.Today(); }
    void Repaint() override { m_desktop.Repaint(); }
    void ProcessEvents() override { m_desktop.ProcessEvents(); }
    void EndProgram() override { m_window.CloseRequested = true; }
    void Diagnose(const QString& line) override { m_desktop.Diagnose(line); }

private:
    DesktopPlatform& m_desktop;
    WindowModel& m_window;
};

// One preview: the test's services over the private folders, its window model and view.
class PreviewSession final : public QObject {
public:
    PreviewSession(const TrialFolders& folders, QObject& owner)
        : QObject(&owner), m_commandLine(splitCommandLine(
                               {QStringLiteral("/NEW"), QStringLiteral("-DEV"), QStringLiteral("--data-dir"),
                                folders.data, QStringLiteral("--results-dir"), folders.results})),
          m_services(m_commandLine, m_random), m_lock(QString(), QStringLiteral("no lock for a preview")),
          m_desktop(m_commandLine.text(), m_services.windows, m_lock),
          m_platform(m_desktop, m_model), m_context{m_state, m_services.shared, m_services.sharedTools,
                                                    m_platform, m_random},
          m_results(m_services.windows), m_model(m_context, m_results), m_view(m_model, m_services.user)
    {
        m_services.windows.attach(m_model, m_view);
        m_desktop.setActiveView(&m_view);
        m_view.setOnClosed([this] { deleteLater(); });
        m_view.installEventFilter(this);
    }
    ~PreviewSession() override
    {
        m_desktop.setActiveView(nullptr);
        m_services.windows.detach(m_model);
    }

    // drawIndex: the record's place among those the level draws from.
    void show(const QString& dataFolder, bool expert, Section section, int drawIndex)
    {
        m_state.g_CatalogFile = dataFolder + QStringLiteral("koltest.dat");
        ResetTestRun(m_state);
        m_view.handle([&] {
            m_model.Form_Load();
            m_model.Maximised = false;
            m_model.Expert_Click(expert ? 1 : 0);
            m_services.user.SetUserName(QStringLiteral("Vorschau"));
            if (!m_model.StartTest())
                return;
            m_random.drawNext(drawIndex);
            m_model.ShowPage(m_model.firstPageOf(section));
            m_model.Caption = QStringLiteral("Vorschau – so sieht die Seite im Test aus");
        });
    }
    QWidget& view() { return m_view; }

protected:
    // Closing a preview ends its test run without the question a pupil gets.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &m_view || event->type() != QEvent::Close || m_model.CloseRequested)
            return false;
        m_view.handle([this] { m_model.Unload(); });
        return true;
    }

private:
    CommandLineWords m_commandLine;
    FirstDrawRandom m_random;
    DesktopServices m_services;
    InstanceLock m_lock;
    DesktopPlatform m_desktop;
    mdl_KolTest m_state;
    PreviewPlatform m_platform;
    AppContext m_context;
    DesktopResultRunner m_results;
    frm_AppMain m_model;
    MainWindowView m_view;
};

} // namespace

QWidget* showRecordPreview(const CatalogueDocument& document, int id, const QString& dataFolder,
                           QWidget& editor)
{
    QString problem;
    auto* holder = new QObject(&editor);
    const std::optional<TrialFolders> folders =
        makeTrialFolders(document.bytes(), dataFolder, holder, problem);
    if (!folders) {
        delete holder;
        QMessageBox::warning(&editor, editor.windowTitle(),
                             QStringLiteral("Die Vorschau lässt sich nicht zeigen. ") + problem);
        return nullptr;
    }
    const Section section = document.sectionOf(id);
    const CataloguePart part = document.partOf(id);
    const qsizetype before =
        part == CataloguePart::Expert ? document.records(section, CataloguePart::Beginner).size() : 0;
    auto* session = new PreviewSession(*folders, *holder);
    QObject::connect(session, &QObject::destroyed, holder, &QObject::deleteLater);
    session->show(folders->data, part == CataloguePart::Expert, section,
                  static_cast<int>(before + document.records(section, part).indexOf(id)));
    return &session->view();
}
