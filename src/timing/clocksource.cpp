#include "timing/clocksource.h"

#include <chrono>

namespace kv {

namespace {
SteadyClockSource g_steadyClock;
ClockSource* g_defaultClock = &g_steadyClock;
} // namespace

qint64 SteadyClockSource::NowNanoseconds() const
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

ClockSource* ClockSource::Default()
{
    return g_defaultClock;
}

void ClockSource::SetDefault(ClockSource* source)
{
    g_defaultClock = source ? source : &g_steadyClock;
}

} // namespace kv
