#pragma once

#include "timing/clocksource.h"

namespace kv::test {

// A clock that moves only when told to. Installed as the default source
// while it lives, so stopwatches created meanwhile read it.
class FakeClock final : public ClockSource
{
public:
    FakeClock() { ClockSource::SetDefault(this); }
    ~FakeClock() override { ClockSource::SetDefault(nullptr); }
    FakeClock(const FakeClock&) = delete;
    FakeClock& operator=(const FakeClock&) = delete;

    qint64 NowNanoseconds() const override { return m_now; }
    void AdvanceMilliseconds(qint64 ms) { m_now += ms * 1'000'000; }
    void AdvanceNanoseconds(qint64 ns) { m_now += ns; }

private:
    qint64 m_now = 1'000'000'000'000;
};

} // namespace kv::test
