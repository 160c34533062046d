#include "desktop/DesktopTests.h"
#include "desktop/view/Look.h"

#include <QApplication>
#include <QStandardPaths>

#include <cstring>
#include <iterator>

namespace {

struct TestClass {
    const char* name;
    int (*run)(int argc, char* argv[]);
};

// Every QtTest class of the desktop layer. ctest runs each on its own: `desktop_tests NAME [QtTest options]`;
// without a name all run.
constexpr TestClass testClasses[] = {
    {"HostTest", runHostTests},
    {"InstanceLockTest", runInstanceLockTests},
    {"WidgetsTest", runWidgetsTests},
    {"MainWindowTest", runMainWindowTests},
    {"CalculatorTest", runCalculatorTests},
    {"ToolsTest", runToolsTests},
    {"ChoiceWheelTest", runChoiceWheelTests},
    {"NumberSheetsTest", runNumberSheetsTests},
    {"OptionSheetViewTest", runOptionSheetViewTests},
    {"WholeTestWindowTest", runWholeTestWindowTests},
    {"SoundTest", runSoundTests},
    {"HelpTest", runHelpTests},
    {"ResultWindowTest", runResultWindowTests},
    {"CertificateTest", runCertificateTests},
    {"ResultsFolderTest", runResultsFolderTests},
    {"ResultStoreTest", runResultStoreTests},
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    look::applyApplicationLook(application);
    const char* only = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
    if (only) {
        // QtTest reads the options after the class name.
        argv[1] = argv[0];
        ++argv;
        --argc;
    }
    int failures = 0;
    int ran = 0;
    for (const TestClass& testClass : testClasses) {
        if (only && std::strcmp(only, testClass.name) != 0)
            continue;
        failures += testClass.run(argc, argv);
        ++ran;
    }
    if (ran == 0) {
        qCritical("No test class is called %s", only);
        return 2;
    }
    return failures == 0 ? 0 : 1;
}
