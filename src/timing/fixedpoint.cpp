#include "timing/fixedpoint.h"

#include <cmath>
#include <limits>

namespace kv {

qint64 DivideRoundHalfEven(qint64 numerator, qint64 denominator)
{
    Q_ASSERT(denominator > 0);
    qint64 quotient = numerator / denominator;
    qint64 remainder = numerator % denominator;
    // Bring the remainder to 0..denominator-1 so that the quotient is the floor.
    if (remainder < 0) {
        remainder += denominator;
        --quotient;
    }
    const qint64 twice = remainder * 2;
    if (twice > denominator || (twice == denominator && (quotient % 2 != 0)))
        ++quotient;
    return quotient;
}

qint64 Fixed4::RoundHalfEven() const
{
    return DivideRoundHalfEven(m_raw, Scale);
}

Fixed4 Fixed4::FromDouble(double seconds)
{
    return FromRaw(static_cast<qint64>(kv::RoundHalfEven(seconds * Scale)));
}

double RoundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    return std::nearbyint(value); // the default rounding mode is to nearest, ties to even
}

qint16 ToInt16HalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = RoundHalfEven(value);
    if (rounded >= std::numeric_limits<qint16>::max())
        return std::numeric_limits<qint16>::max();
    if (rounded <= std::numeric_limits<qint16>::min())
        return std::numeric_limits<qint16>::min();
    return static_cast<qint16>(rounded);
}

} // namespace kv
