#pragma once

#include "testrun/AppContext.h"

// Shows the main window for one test run and returns when it has closed. The desktop layer builds the
// window model and its view, runs its load handler and waits for the close.
class MainWindowRunner {
public:
    virtual ~MainWindowRunner() = default;
    virtual void ShowMainWindowModal() = 0;
};

// The program's start: describes the program to the shared services, hands them the command line, finds
// the catalogue, and then shows the main window again and again, one test run per showing, each with a
// freshly reset state. Returns only when the runner or the platform ends the program.
void Main(AppContext& context, MainWindowRunner& runner);

// The program's version as "major.minor.revision".
QString programVersion();
