#include "desktop/services/DesktopClock.h"

#include <QTime>

#include <chrono>
#include <thread>

double DesktopClock::TimeValue()
{
    using Seconds = std::chrono::duration<double>;
    return std::chrono::duration_cast<Seconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

QString DesktopClock::TimeText()
{
    return QTime::currentTime().toString(QStringLiteral("hh:mm:ss"));
}

void DesktopClock::Pause(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
