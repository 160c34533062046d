#include "desktop/results/DesktopResultRunner.h"

#include "desktop/ProgramEnd.h"
#include "desktop/results/ResultWindowView.h"
#include "desktop/services/DesktopWindows.h"
#include "results/window/frm_AppResult.h"

#include <QEventLoop>

void DesktopResultRunner::ShowResultWindowModal(frm_AppResult& window)
{
    ResultWindowView view(window);
    // Notices of the print and sound services stand centred on the result window.
    m_windows.attach(window, view);
    view.handle([&window] { window.ShowResults(); });
    if (!window.CloseRequested) {
        QEventLoop loop;
        view.setOnClosed([&loop] { loop.quit(); });
        loop.exec();
    }
    m_windows.detach(window);
    passOnProgramEnd();
}
