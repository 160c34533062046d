#include "desktop/DesktopRunner.h"

#include "app/frm_AppMain.h"
#include "desktop/DesktopPlatform.h"
#include "desktop/ProgramEnd.h"
#include "desktop/services/DesktopServices.h"
#include "desktop/view/MainWindowView.h"

#include <QEventLoop>

DesktopRunner::DesktopRunner(AppContext context, DesktopServices& services, DesktopPlatform& platform)
    : m_context(context), m_services(services), m_platform(platform), m_results(services.windows)
{
}

void DesktopRunner::ShowMainWindowModal()
{
    frm_AppMain model(m_context, m_results);
    MainWindowView view(model, m_services.user);
    m_services.windows.attach(model, view);
    m_platform.setActiveView(&view);

    view.handle([&model] { model.Form_Load(); });
    if (!model.CloseRequested) {
        // Folders named in settings or on the command line that are not there, told once the window shows.
        for (const QString& notice : m_services.folders.takeNotices())
            m_services.notices.ShowNotice(notice, QString());
        QEventLoop loop;
        view.setOnClosed([&loop] { loop.quit(); });
        loop.exec();
    }

    m_platform.setActiveView(nullptr);
    m_services.windows.detach(model);
    passOnProgramEnd();
}
