#pragma once

#include <functional>

// Ending the program from inside a handler, so that main returns and files close and buffers flush on the
// way: DesktopPlatform::EndProgram throws ProgramEnd; the view that ran the handler catches it and leaves
// every event loop; whoever ran a loop passes the end on once the loop returns, up to main, which returns
// the status. No exception crosses Qt's own frames.
struct ProgramEnd {
    int status = 0;
};

// Throws ProgramEnd with status and keeps it, for passOnProgramEnd.
[[noreturn]] void endProgram(int status);

// Runs a view's handler. When the handler ends the program, every event loop is left and the answer is
// false: the view does nothing more.
bool runUnlessProgramEnds(const std::function<void()>& handler);

// After an event loop or a modal dialog returns: throws ProgramEnd again when a handler ended the program
// while it ran.
void passOnProgramEnd();
