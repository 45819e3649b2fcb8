#pragma once

#include <QColor>

namespace kv {

// Colours are 24-bit RGB values held in 32-bit integers as 0x00BBGGRR
// (red in the low byte), the form in which the settings store keeps them.
inline QColor ToQColor(qint32 bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

inline qint32 FromQColor(const QColor& color)
{
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

} // namespace kv
