#pragma once

// Reading the board from a picture of the screen, the way a person in the
// hall reads it: seven-segment digits decoded from their pixels, and colours
// at places of the board's design. Nothing here knows the program's code.

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kv::test {

// A colour held as 0x00BBGGRR, the way the settings store keeps it.
inline QColor FromStoredColor(qint32 value)
{
    return QColor(value & 0xff, (value >> 8) & 0xff, (value >> 16) & 0xff);
}

inline int ColorDistance(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}

// The design of the board: a client area of 9480 x 6795 twips that the
// program scales to its window.
struct BoardGeometry
{
    static constexpr double DesignWidth = 9480;
    static constexpr double DesignHeight = 6795;
    QRect client; // the board's client area on the screen

    QPoint At(double leftTwips, double topTwips) const
    {
        return client.topLeft()
            + QPoint(int(leftTwips * client.width() / DesignWidth),
                int(topTwips * client.height() / DesignHeight));
    }
    QRect Area(double left, double top, double width, double height) const
    {
        return QRect(At(left, top), At(left + width, top + height) - QPoint(1, 1));
    }
};

// Decodes the digits of a seven-segment display in the line style in `area` of `image`. Lit
// segments are in `lit` over the display's background `back`; unlit ones are
// drawn faintly (a little of the lit colour over the background), so every
// digit cell shows, lit or not. Digit cells read as '0'..'9', a cell with
// nothing lit as a blank, a narrow cell (the colon) as ':', anything else as
// '?'. Blanks at both ends are dropped.
inline QString ReadSevenSegments(
    const QImage& image, const QRect& area, const QColor& lit, const QColor& back, double unlitShare = 0.12)
{
    const auto mix = [unlitShare](int litPart, int backPart) {
        return int(std::lround(backPart + (litPart - backPart) * unlitShare));
    };
    const QColor unlit(
        mix(lit.red(), back.red()), mix(lit.green(), back.green()), mix(lit.blue(), back.blue()));
    const QRect scan = area.intersected(image.rect());
    enum Kind : char
    {
        Other = 0,
        Faint = 1,
        Bright = 2
    };
    // Each pixel goes to the nearest of lit, unlit and background, and only
    // when it is close: borders, text and other colours count as background.
    const auto kindAt = [&](int x, int y) {
        const QColor pixel = image.pixelColor(x, y);
        const int toLit = ColorDistance(pixel, lit);
        const int toUnlit = ColorDistance(pixel, unlit);
        const int toBack = ColorDistance(pixel, back);
        if (toLit <= toUnlit && toLit < toBack && toLit < 90)
            return Bright;
        if (toUnlit < toLit && toUnlit * 2 < toBack && toUnlit < 45)
            return Faint;
        return Other;
    };
    QList<QList<char>> kinds(scan.width(), QList<char>(scan.height(), Other));
    QList<bool> inkColumn(scan.width(), false);
    for (int x = 0; x < scan.width(); ++x) {
        for (int y = 0; y < scan.height(); ++y) {
            kinds[x][y] = kindAt(scan.left() + x, scan.top() + y);
            if (kinds[x][y] != Other)
                inkColumn[x] = true;
        }
    }
    struct Cell
    {
        int x0, x1, y0, y1;
    };
    QList<Cell> cells;
    for (int x = 0; x < scan.width();) {
        if (!inkColumn[x]) {
            ++x;
            continue;
        }
        Cell cell { x, x, scan.height(), -1 };
        while (x < scan.width() && inkColumn[x]) {
            for (int y = 0; y < scan.height(); ++y) {
                if (kinds[x][y] != Other) {
                    cell.y0 = std::min(cell.y0, y);
                    cell.y1 = std::max(cell.y1, y);
                }
            }
            cell.x1 = x++;
        }
        cells.append(cell);
    }
    int widest = 0;
    for (const Cell& cell : cells)
        widest = std::max(widest, cell.x1 - cell.x0 + 1);

    // Zones of the seven segments a..g, as fractions of the cell.
    struct Zone
    {
        double x0, x1, y0, y1;
    };
    static constexpr Zone zones[7] = {
        { 0.3, 0.7, 0.0, 0.12 }, // a
        { 0.8, 1.0, 0.2, 0.35 }, // b
        { 0.8, 1.0, 0.65, 0.8 }, // c
        { 0.3, 0.7, 0.88, 1.0 }, // d
        { 0.0, 0.2, 0.65, 0.8 }, // e
        { 0.0, 0.2, 0.2, 0.35 }, // f
        { 0.3, 0.7, 0.44, 0.56 }, // g
    };
    // Segments a..g as bits 0..6; some digits are drawn two ways (6 and 9
    // with or without their tail, 7 with or without f).
    static constexpr struct
    {
        int segments;
        char digit;
    } digits[] = { { 0x3f, '0' }, { 0x06, '1' }, { 0x5b, '2' }, { 0x4f, '3' }, { 0x66, '4' }, { 0x6d, '5' },
        { 0x7d, '6' }, { 0x7c, '6' }, { 0x07, '7' }, { 0x27, '7' }, { 0x7f, '8' }, { 0x6f, '9' },
        { 0x67, '9' }, { 0x00, ' ' } };

    QString text;
    for (const Cell& cell : cells) {
        const int width = cell.x1 - cell.x0 + 1;
        const int height = cell.y1 - cell.y0 + 1;
        if (width * 2 < widest || height < 5) {
            text += QLatin1Char(':');
            continue;
        }
        int segments = 0;
        for (int s = 0; s < 7; ++s) {
            const Zone& zone = zones[s];
            int bright = 0;
            int ink = 0;
            for (int x = cell.x0 + int(zone.x0 * (width - 1)); x <= cell.x0 + int(zone.x1 * (width - 1));
                 ++x) {
                for (int y = cell.y0 + int(zone.y0 * (height - 1));
                     y <= cell.y0 + int(zone.y1 * (height - 1)); ++y) {
                    bright += kinds[x][y] == Bright ? 1 : 0;
                    ink += kinds[x][y] != Other ? 1 : 0;
                }
            }
            if (bright >= 2 && bright * 3 >= ink)
                segments |= 1 << s;
        }
        QChar character = QLatin1Char('?');
        for (const auto& known : digits) {
            if (known.segments == segments)
                character = QLatin1Char(known.digit);
        }
        text += character;
    }
    return text.trimmed();
}

// How many pixels of `area` are within `tolerance` of `color`.
inline int CountColor(const QImage& image, const QRect& area, const QColor& color, int tolerance = 40)
{
    int count = 0;
    const QRect scan = area.intersected(image.rect());
    for (int y = scan.top(); y <= scan.bottom(); ++y) {
        for (int x = scan.left(); x <= scan.right(); ++x)
            count += ColorDistance(image.pixelColor(x, y), color) <= tolerance ? 1 : 0;
    }
    return count;
}

} // namespace kv::test
