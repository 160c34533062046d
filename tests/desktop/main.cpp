#include "desktop/DesktopTests.h"
#include "desktop/view/Look.h"

#include <QApplication>
#include <QStandardPaths>

#include <map>
#include <string>

namespace {

// Every QtTest class of the desktop layer, by name. ctest runs each on its own: `desktop_tests NAME [QtTest
// options]`; without a name all run.
std::map<std::string, desktop_tests::RunTestClass>& testClasses()
{
    static std::map<std::string, desktop_tests::RunTestClass> classes;
    return classes;
}

} // namespace

bool desktop_tests::registerTestClass(const char* name, RunTestClass run)
{
    return testClasses().emplace(name, run).second;
}

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
    for (const auto& [name, run] : testClasses()) {
        if (only && name != only)
            continue;
        failures += run(argc, argv);
        ++ran;
    }
    if (ran == 0) {
        qCritical("No test class is called %s", only);
        return 2;
    }
    return failures == 0 ? 0 : 1;
}
