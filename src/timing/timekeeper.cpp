#include "timing/timekeeper.h"

namespace kv {

TimeKeeper::TimeKeeper(QObject* parent)
    : QObject(parent)
    , m_clock(ClockSource::Default())
{ }

qint64 TimeKeeper::ElapsedRaw() const
{
    // Whole ten-thousandths of a second since the run started; the remainder
    // is not lost, because the start instant is kept, not a running sum.
    const qint64 nanoseconds = m_clock->NowNanoseconds() - m_startNanoseconds;
    return nanoseconds / (1'000'000'000 / Fixed4::Scale);
}

Fixed4 TimeKeeper::Time() const
{
    if (!m_running)
        return m_base;
    const qint64 elapsed = ElapsedRaw();
    return m_countDirection == 1 ? m_base + Fixed4::FromRaw(elapsed) : m_base - Fixed4::FromRaw(elapsed);
}

void TimeKeeper::SetTime(Fixed4 time)
{
    m_base = time;
    m_startNanoseconds = m_clock->NowNanoseconds();
}

void TimeKeeper::SetRunning(bool running)
{
    if (running == m_running)
        return;
    if (running) {
        m_startNanoseconds = m_clock->NowNanoseconds();
    } else {
        m_base = Time();
    }
    m_running = running;
}

void TimeKeeper::SetCountDirection(int direction)
{
    const Fixed4 now = Time();
    m_countDirection = direction;
    SetTime(now);
}

} // namespace kv
