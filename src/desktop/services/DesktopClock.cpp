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
    using namespace std::chrono;
    const auto now = steady_clock::now();
    const auto pause = std::chrono::milliseconds(milliseconds);
    // A pause that follows the previous one within a few beats belongs to the same animation.
    const bool onBeat = now - m_lastPauseEnd < 5 * pause;
    const auto until = onBeat ? m_lastPauseEnd + pause : now + pause;
    if (until > now)
        std::this_thread::sleep_until(until);
    // A step that took longer than the beat is not caught up by skipping later pauses.
    m_lastPauseEnd = std::max(until, now);
}
