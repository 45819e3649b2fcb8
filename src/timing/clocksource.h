#pragma once

#include <QtGlobal>

namespace kv {

// A monotonic time source in nanoseconds. The stopwatches read time only
// through this interface, so tests can move time forward without sleeping.
class ClockSource
{
public:
    virtual ~ClockSource() = default;
    virtual qint64 NowNanoseconds() const = 0;

    // The source used by stopwatches created from now on (never null).
    static ClockSource* Default();
    // Replaces the default source; null restores the steady system clock.
    static void SetDefault(ClockSource* source);
};

// The system's steady (monotonic) clock.
class SteadyClockSource final : public ClockSource
{
public:
    qint64 NowNanoseconds() const override;
};

} // namespace kv
