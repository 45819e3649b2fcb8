#pragma once

#include "timing/clocksource.h"
#include "timing/fixedpoint.h"

#include <QObject>

#include <optional>

namespace kv {

// A real-time stopwatch. It keeps no count of timer ticks: Time is worked
// out from the monotonic clock each time it is read, so it never drifts.
class TimeKeeper final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "TimeKeeper")
    Q_PROPERTY(bool Running READ Running WRITE SetRunning)
    Q_PROPERTY(qint64 TimeRaw READ TimeRaw WRITE SetTimeRaw)
    Q_PROPERTY(int CountDirection READ CountDirection WRITE SetCountDirection)

public:
    // Uses the clock source that is the default when it is created.
    explicit TimeKeeper(QObject* parent = nullptr);

    bool Running() const { return m_running; }
    // Stopping freezes Time; starting resumes from it.
    void SetRunning(bool running);

    // Seconds, four decimals. Correct whenever read; writable running or not.
    Fixed4 Time() const;
    void SetTime(Fixed4 time);
    qint64 TimeRaw() const { return Time().Raw(); }
    void SetTimeRaw(qint64 raw) { SetTime(Fixed4::FromRaw(raw)); }

    // 1 counts up; any other value counts down (the default, 0).
    int CountDirection() const { return m_countDirection; }
    void SetCountDirection(int direction);

    // Nanoseconds of the clock source from now until Time first reaches
    // `target` (at or below it counting down, at or above it counting up):
    // 0 when it already has, nothing while stopped or when it counts away
    // from the target.
    std::optional<qint64> NanosecondsUntil(Fixed4 target) const;

signals:
    // Running, Time or the count direction was set.
    void Changed();

private:
    qint64 ElapsedRaw() const;

    ClockSource* m_clock;
    bool m_running = false;
    int m_countDirection = 0;
    Fixed4 m_base; // Time when the current run started (or the frozen value)
    qint64 m_startNanoseconds = 0;
};

} // namespace kv
