#pragma once

#include <QTest>

namespace desktop_tests {

// Runs one QtTest class and returns its number of failures.
using RunTestClass = int (*)(int argc, char* argv[]);

// Enters a QtTest class under its name, for `desktop_tests NAME`; returns true.
bool registerTestClass(const char* name, RunTestClass run);

} // namespace desktop_tests

// The one line that makes a QtTest class of the desktop layer run, at the end of its own file NameTest.cpp.
// CMake gives every tests/desktop/*Test.cpp its own ctest entry, desktop.NameTest, which fails when the file
// does not register its class.
#define KOLTEST_DESKTOP_TEST(TestClass)                                                                      \
    namespace {                                                                                              \
    [[maybe_unused]] const bool registered##TestClass =                                                      \
        desktop_tests::registerTestClass(#TestClass, [](int argc, char* argv[]) {                            \
            TestClass test;                                                                                  \
            return QTest::qExec(&test, argc, argv);                                                          \
        });                                                                                                  \
    }
