#include "timing/timekeeper.h"

#include <algorithm>

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
    emit Changed();
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
    emit Changed();
}

void TimeKeeper::SetCountDirection(int direction)
{
    const Fixed4 now = Time();
    m_countDirection = direction;
    SetTime(now);
}

std::optional<qint64> TimeKeeper::NanosecondsUntil(Fixed4 target) const
{
    if (!m_running)
        return std::nullopt;
    // Time moves by one ten-thousandth for every whole 100 000 ns elapsed:
    // it reaches the target once (distance from the start value) of those have.
    const qint64 distance = m_countDirection == 1 ? (target - m_base).Raw() : (m_base - target).Raw();
    if (distance < 0)
        return qint64(0);
    constexpr qint64 nanosecondsPerStep = 1'000'000'000 / Fixed4::Scale;
    const qint64 due = m_startNanoseconds + distance * nanosecondsPerStep;
    return std::max<qint64>(0, due - m_clock->NowNanoseconds());
}

} // namespace kv
