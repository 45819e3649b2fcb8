#pragma once

#include <QtGlobal>

#include <cstdint>

namespace kv {

// Time values are seconds held as a 64-bit fixed-point number with four
// decimals: an integer count of 1/10000 s.
class Fixed4 final
{
public:
    static constexpr qint64 Scale = 10000;

    constexpr Fixed4() = default;
    static constexpr Fixed4 FromRaw(qint64 raw)
    {
        Fixed4 value;
        value.m_raw = raw;
        return value;
    }
    static constexpr Fixed4 FromSeconds(qint64 seconds) { return FromRaw(seconds * Scale); }
    // Converts a floating-point number of seconds, to the nearest 1/10000 s
    // (an exact half going to the even neighbour).
    static Fixed4 FromDouble(double seconds);

    constexpr qint64 Raw() const { return m_raw; }
    double ToDouble() const { return static_cast<double>(m_raw) / Scale; }
    // Nearest whole number of seconds, an exact half going to the even neighbour.
    qint64 RoundHalfEven() const;

    friend constexpr Fixed4 operator+(Fixed4 a, Fixed4 b) { return FromRaw(a.m_raw + b.m_raw); }
    friend constexpr Fixed4 operator-(Fixed4 a, Fixed4 b) { return FromRaw(a.m_raw - b.m_raw); }
    friend constexpr auto operator<=>(Fixed4 a, Fixed4 b) = default;

private:
    qint64 m_raw = 0;
};

// Integer division of numerator by a positive denominator, to the nearest
// integer with an exact half going to the even neighbour.
qint64 DivideRoundHalfEven(qint64 numerator, qint64 denominator);

// Nearest integer, an exact half going to the even neighbour (banker's rounding).
double RoundHalfEven(double value);

// The value as a 16-bit integer, rounded half to even and clamped to the 16-bit range.
qint16 ToInt16HalfEven(double value);

} // namespace kv
