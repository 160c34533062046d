#include "desktop/ProgramEnd.h"

#include <QCoreApplication>

#include <optional>

namespace {

std::optional<ProgramEnd> endAskedFor;

} // namespace

void endProgram(int status)
{
    endAskedFor = ProgramEnd{status};
    throw *endAskedFor;
}

bool runUnlessProgramEnds(const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (const ProgramEnd& end) {
        // Every running event loop returns, and one started later returns at once.
        QCoreApplication::exit(end.status);
        return false;
    }
}

void passOnProgramEnd()
{
    if (endAskedFor)
        throw *endAskedFor;
}
