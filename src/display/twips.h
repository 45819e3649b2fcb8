#pragma once

#include <QtGlobal>

#include <cmath>

namespace kv {

// Lengths on the forms are twips: 1/1440 inch, 15 twips to a logical pixel.
// Font sizes are points: 20 twips to the point.
constexpr double TwipsPerPixel = 15.0;
constexpr double TwipsPerPoint = 20.0;

inline double TwipsToPixelsF(double twips)
{
    return twips / TwipsPerPixel;
}

// A pixel edge for a twips coordinate. Controls round their two edges, not
// their size, so neighbours that touch in twips touch on screen.
inline int TwipsToPixelEdge(double twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

inline double PointsToPixels(double points)
{
    return points * TwipsPerPoint / TwipsPerPixel;
}

} // namespace kv
