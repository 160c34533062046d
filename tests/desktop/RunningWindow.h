#pragma once

#include "app/frm_AppMain.h"
#include "desktop/CommandLine.h"
#include "desktop/DesktopPlatform.h"
#include "desktop/InstanceLock.h"
#include "desktop/results/DesktopResultRunner.h"
#include "desktop/services/DesktopServices.h"
#include "desktop/view/MainWindowView.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

// Types text key by key, as a keyboard would; QTest::keyClicks gives up on umlauts.
void typeInto(QWidget* widget, const QString& text);

class QDialog;

// Clicks the dialog's key whose caption (in the given case) or accessible name is key; fails the test when
// there is none.
void press(QDialog& dialog, const QString& key, Qt::CaseSensitivity captionCase = Qt::CaseSensitive);

// Records and closes every modal dialog that opens, so that an unexpected message fails the test instead
// of hanging it; a test may inspect each dialog before it is closed.
class ModalGuard {
public:
    ModalGuard();
    const QStringList& seen() const { return m_seen; }
    void stop() { m_timer.stop(); }

    std::function<void(QDialog&)> inspect;

private:
    QTimer m_timer;
    QStringList m_seen;
};

// The main window of one test run over the real desktop services, loaded and on screen. "/NEW" lets it
// run beside a running program; the catalogue is the shipped one, or a small one when none is shipped.
// The results folder is dir.
struct RunningWindow {
    RunningWindow();
    template <typename Widget = QWidget> Widget* find(const QString& name) const
    {
        return view.findChild<Widget*>(name);
    }
    // Clicks the button once it shows.
    void clickWhenShown(const QString& button) const;
    // Fills the page and slides it in as the walk would, without the pages before it.
    void showPage(int page);

    QTemporaryDir dir;
    // Records of finished runs go into the window's own folder.
    const CommandLineWords commandLine =
        splitCommandLine({QStringLiteral("/NEW"), QStringLiteral("--results-dir"), dir.path()});
    ProcessRandom random;
    DesktopServices services{commandLine, random};
    InstanceLock lock{dir.filePath(QStringLiteral("koltest.lock"))};
    DesktopPlatform platform{commandLine.text(), services.windows, lock};
    mdl_KolTest state;
    AppContext context{state, services.shared, services.sharedTools, platform, random};
    DesktopResultRunner results{services.windows};
    frm_AppMain model{context, results};
    MainWindowView view{model, services.user};
    ModalGuard guard;
};
