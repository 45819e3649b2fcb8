#pragma once

#include "timing/fixedpoint.h"

#include <QString>

#include <optional>

namespace kv {

// The contest length typed so far and the display it is being typed into.
struct ClockEntryBuffer
{
    QString Text;
    QString Control;
};

// Reads a typed contest length: minutes, optionally "." and seconds,
// optionally one more digit of tenths ("1.5" is 1:05, "1.50" 1:50, "0.305"
// 30.5 s; digits after the tenths are ignored). Minutes and seconds go up to
// 99 each (seconds are not limited to 59); an empty text is 0. Nothing for
// text of 9 or more characters, characters other than digits and ".", or more
// than one ".".
std::optional<Fixed4> ParseClockEntry(const QString& text);

// One typed character (ch, an ASCII code) for the display displayName. A new
// display name empties the buffer first; digits and "." are appended, Space
// empties it. Enter (13) reads the text, empties it and gives the length when
// it parses and is at most max; Enter with nothing typed gives nothing, so a
// stray Enter cannot set the clock to 0:00. Every other case gives nothing.
std::optional<Fixed4> EnterClockDigit(
    ClockEntryBuffer& buffer, const QString& displayName, int ch, Fixed4 max);

} // namespace kv
