#pragma once

#include "components/Services.h"

#include <chrono>

// Time on a steady clock (never jumps with the wall clock), the time of day from the system.
class DesktopClock final : public Clock {
public:
    double TimeValue() override;
    QString TimeText() override;
    // Pauses in quick succession (the steps of the page slide) keep a steady beat: the time spent drawing
    // since the previous pause counts toward this one, so a slide of n steps takes n pauses, not n pauses
    // plus the drawing.
    void Pause(int milliseconds) override;

private:
    std::chrono::steady_clock::time_point m_lastPauseEnd;
};
