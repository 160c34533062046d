#pragma once

#include "components/Services.h"

// Time on a steady clock (never jumps with the wall clock), the time of day from the system.
class DesktopClock final : public Clock {
public:
    double TimeValue() override;
    QString TimeText() override;
    void Pause(int milliseconds) override;
};
