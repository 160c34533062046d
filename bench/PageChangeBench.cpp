// Time of one change of page in the real main window: the old page slides out across the window's right
// edge, the new one is filled and slides in. The slides take 2 x 40 x 10 ms = 0.8 s at every size; a screen
// that paints slowly shows fewer frames. Run it offscreen and on an X server:
//
//   cmake --build build --target koltest_page_bench
//   QT_QPA_PLATFORM=offscreen ./build/bench/koltest_page_bench
//   xvfb-run -s "-screen 0 3840x2160x24" ./build/bench/koltest_page_bench

#include "app/frm_AppMain.h"
#include "desktop/CommandLine.h"
#include "desktop/DesktopPlatform.h"
#include "desktop/InstanceLock.h"
#include "desktop/results/DesktopResultRunner.h"
#include "desktop/services/DesktopServices.h"
#include "desktop/view/Look.h"
#include "desktop/view/MainWindowView.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// The main window of one test run over the real services, maximised on a screen of the given size, with
// a test begun, so that Next walks the sheets.
struct RunningWindow {
    RunningWindow(int width, int height)
    {
        services.root.SetCommandLine(commandLine.text());
        ResetTestRun(state);
        state.g_CatalogFile = QStringLiteral(KOLTEST_SHIPPED_DATA "/koltest.dat");
        services.windows.attach(model, view);
        platform.setActiveView(&view);
        view.handle([this] { model.Form_Load(); });
        view.showNormal();
        view.setGeometry(0, 0, width, height);
        services.user.SetUserName(QStringLiteral("Mia"));
        view.handle([this] { model.but_OK_Click(); });
    }

    QTemporaryDir dir;
    const CommandLineWords commandLine = splitCommandLine({QStringLiteral("/NEW")});
    ProcessRandom random;
    DesktopServices services{commandLine, random};
    InstanceLock lock{dir.filePath(QStringLiteral("koltest.lock"))};
    DesktopPlatform platform{commandLine.text(), services.windows, lock};
    mdl_KolTest state;
    AppContext context{state, services.shared, services.sharedTools, platform, random};
    DesktopResultRunner results{services.windows};
    frm_AppMain model{context, results};
    MainWindowView view{model, services.user};
};

void PageChange(benchmark::State& benchState)
{
    RunningWindow window(static_cast<int>(benchState.range(0)), static_cast<int>(benchState.range(1)));
    for (auto _ : benchState) {
        // Between pages 1 and 2 back and forth: each change slides one page out and one in.
        const int target = window.model.m_CurrentPage == 1 ? 2 : 1;
        window.view.handle([&window, target] { window.model.ShowPage(target); });
    }
}
BENCHMARK(PageChange)
    ->Args({1366, 768})
    ->Args({1024, 600})
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Iterations(6)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    look::applyApplicationLook(application);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
