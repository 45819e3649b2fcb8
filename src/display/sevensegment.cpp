#include "display/sevensegment.h"

#include "display/twips.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace kv {

namespace {

constexpr std::array<quint8, 10> DigitPatterns = {
    SegA | SegB | SegC | SegD | SegE | SegF, // 0
    SegB | SegC, // 1
    SegA | SegB | SegD | SegE | SegG, // 2
    SegA | SegB | SegC | SegD | SegG, // 3
    SegB | SegC | SegF | SegG, // 4
    SegA | SegC | SegD | SegF | SegG, // 5
    SegA | SegC | SegD | SegE | SegF | SegG, // 6
    SegA | SegB | SegC, // 7
    SegA | SegB | SegC | SegD | SegE | SegF | SegG, // 8
    SegA | SegB | SegC | SegD | SegF | SegG, // 9
};

// Proportions of a digit cell, as shares of its height.
constexpr double ThicknessShare = 0.10;
constexpr double SegmentGapShare = 0.12; // of the thickness, between neighbouring bars
constexpr double DotShareOfPitch = 0.86;
constexpr int DotIntervals = 4; // a segment is five dots, its two corner dots shared
constexpr double ColonUpper = 0.31;
constexpr double ColonLower = 0.69;
constexpr double ColonDotShare = 0.11;

struct SegmentLine
{
    QPointF from;
    QPointF to;
};

SegmentLine CentreLine(const QRectF& cell, int segment)
{
    const double t = SegmentThickness(cell);
    const double xl = cell.left() + t / 2;
    const double xr = cell.right() - t / 2;
    const double yt = cell.top() + t / 2;
    const double ym = cell.center().y();
    const double yb = cell.bottom() - t / 2;
    switch (segment) {
    case 0:
        return { { xl, yt }, { xr, yt } };
    case 1:
        return { { xr, yt }, { xr, ym } };
    case 2:
        return { { xr, ym }, { xr, yb } };
    case 3:
        return { { xl, yb }, { xr, yb } };
    case 4:
        return { { xl, ym }, { xl, yb } };
    case 5:
        return { { xl, yt }, { xl, ym } };
    case 6:
        return { { xl, ym }, { xr, ym } };
    default:
        return {};
    }
}

// Whole seconds of a display value: fraction dropped, negatives and NaN as 0,
// huge values held below the range where doubles stop being whole numbers.
qint64 WholeSeconds(double seconds)
{
    constexpr double Largest = 1e15;
    if (!(seconds > 0))
        return 0;
    return static_cast<qint64>(std::trunc(std::min(seconds, Largest)));
}

// The value's decimal digits, right-aligned in `length` cells; `zeroPad`
// fills the leading cells with '0' instead of blanks. Too long a number keeps
// its lowest digits.
QString RightAligned(qint64 value, int length, bool zeroPad)
{
    const QString full = QString::number(value);
    if (full.size() > length)
        return full.right(length);
    return full.rightJustified(length, zeroPad ? QLatin1Char('0') : QLatin1Char(' '));
}

} // namespace

quint8 DigitSegments(int digit)
{
    if (digit < 0 || digit > 9)
        return 0;
    return DigitPatterns[static_cast<size_t>(digit)];
}

quint8 CharacterSegments(QChar character)
{
    if (character >= QLatin1Char('0') && character <= QLatin1Char('9'))
        return DigitSegments(character.unicode() - '0');
    if (character == QLatin1Char('-'))
        return SegG;
    return 0;
}

LedStyle LedStyleFromType(int ledType)
{
    return ledType == 1 ? LedStyle::Dots : LedStyle::Lines;
}

QColor UnlitColor(const QColor& lit, const QColor& back, double share)
{
    const auto mix = [share](int litPart, int backPart) {
        return static_cast<int>(std::lround(backPart + (litPart - backPart) * share));
    };
    return QColor(mix(lit.red(), back.red()), mix(lit.green(), back.green()), mix(lit.blue(), back.blue()));
}

double SegmentThickness(const QRectF& cell)
{
    return std::min(cell.height() * ThicknessShare, cell.width() * 0.18);
}

QPolygonF SegmentPolygon(const QRectF& cell, int segment)
{
    const SegmentLine line = CentreLine(cell, segment);
    const double t = SegmentThickness(cell);
    const double half = t / 2;
    const double gap = t * SegmentGapShare;
    const QPointF delta = line.to - line.from;
    const double length = std::hypot(delta.x(), delta.y());
    if (length <= 0)
        return {};
    const QPointF u = delta / length;
    const QPointF n(-u.y(), u.x());
    const QPointF& p = line.from;
    const QPointF& q = line.to;
    return QPolygonF({
        p + u * gap,
        p + u * (gap + half) + n * half,
        q - u * (gap + half) + n * half,
        q - u * gap,
        q - u * (gap + half) - n * half,
        p + u * (gap + half) - n * half,
    });
}

QList<QPointF> SegmentDots(const QRectF& cell, int segment)
{
    const SegmentLine line = CentreLine(cell, segment);
    if (line.from == line.to)
        return {};
    QList<QPointF> dots;
    dots.reserve(DotIntervals + 1);
    for (int i = 0; i <= DotIntervals; ++i)
        dots.append(line.from + (line.to - line.from) * (static_cast<double>(i) / DotIntervals));
    return dots;
}

double DotDiameter(const QRectF& cell)
{
    const double t = SegmentThickness(cell);
    const double horizontalPitch = (cell.width() - t) / DotIntervals;
    const double verticalPitch = (cell.height() - t) / 2 / DotIntervals;
    return std::max(0.0, std::min(t, DotShareOfPitch * std::min(horizontalPitch, verticalPitch)));
}

QPointF SegmentCentre(const QRectF& cell, int segment)
{
    const SegmentLine line = CentreLine(cell, segment);
    return (line.from + line.to) / 2;
}

QList<QPointF> ColonDots(const QRectF& cell)
{
    const double x = cell.center().x();
    return { QPointF(x, cell.top() + cell.height() * ColonUpper),
        QPointF(x, cell.top() + cell.height() * ColonLower) };
}

double ColonDotDiameter(const QRectF& cell)
{
    return std::max(0.0, std::min(cell.height() * ColonDotShare, cell.width()));
}

void PaintDigit(QPainter& painter, const QRectF& cell, quint8 segments, LedStyle style, const QColor& lit,
    const QColor& unlit)
{
    if (cell.isEmpty())
        return;
    painter.save();
    painter.setPen(Qt::NoPen);
    if (style == LedStyle::Lines) {
        for (int segment = 0; segment < SegmentCount; ++segment) {
            painter.setBrush((segments & (1u << segment)) ? lit : unlit);
            painter.drawPolygon(SegmentPolygon(cell, segment));
        }
    } else {
        // Neighbouring segments share their corner dots; a shared dot is lit
        // when either segment is, so the lit ones are painted last.
        const double radius = DotDiameter(cell) / 2;
        for (const bool litPass : { false, true }) {
            painter.setBrush(litPass ? lit : unlit);
            for (int segment = 0; segment < SegmentCount; ++segment) {
                if (((segments & (1u << segment)) != 0) != litPass)
                    continue;
                for (const QPointF& dot : SegmentDots(cell, segment))
                    painter.drawEllipse(dot, radius, radius);
            }
        }
    }
    painter.restore();
}

void PaintColon(QPainter& painter, const QRectF& cell, const QColor& lit)
{
    if (cell.isEmpty())
        return;
    const double radius = ColonDotDiameter(cell) / 2;
    QPainterPath path;
    for (const QPointF& dot : ColonDots(cell))
        path.addEllipse(dot, radius, radius);
    painter.fillPath(path, lit);
}

double DigitHeightTwips(double size)
{
    return size * TwipsPerPixel;
}

double DigitWidthTwips(double size)
{
    return 0.55 * DigitHeightTwips(size);
}

double ColonWidthTwips(double size)
{
    return DigitWidthTwips(size) / 3;
}

int DecimalDigitCount(int max)
{
    int count = 1;
    for (qint64 rest = max; rest >= 10; rest /= 10)
        ++count;
    return count;
}

QSizeF NumberLedExtent(double size, const LedPaddings& paddings, int digitCount)
{
    const int n = std::max(1, digitCount);
    return QSizeF(2 * paddings.horizontal + n * DigitWidthTwips(size) + (n - 1) * paddings.inner,
        2 * paddings.vertical + DigitHeightTwips(size));
}

QSizeF TimeLedExtent(double size, const LedPaddings& paddings, const QList<int>& groupLengths)
{
    double width = 2 * paddings.horizontal;
    for (const int length : groupLengths)
        width += length * DigitWidthTwips(size) + (length - 1) * paddings.inner;
    if (groupLengths.size() > 1)
        width
            += static_cast<double>(groupLengths.size() - 1) * (2 * paddings.divider + ColonWidthTwips(size));
    return QSizeF(width, 2 * paddings.vertical + DigitHeightTwips(size));
}

QSizeF PolyLedExtent(double size, int cells)
{
    const double margin = size * 1.5;
    return QSizeF(
        std::max(1, cells) * DigitWidthTwips(size) + 2 * margin, DigitHeightTwips(size) + 2 * margin);
}

QRectF CellArea(const QRectF& cell, const QSizeF& extent, const QSize& widget)
{
    if (extent.width() <= 0 || extent.height() <= 0)
        return {};
    // A tenth of the digit height around the cell, and two pixels for the
    // antialiased edge.
    const double margin = cell.height() / 10;
    const QRectF twips = cell.adjusted(-margin, -margin, margin, margin);
    const double sx = widget.width() / extent.width();
    const double sy = widget.height() / extent.height();
    return QRectF(twips.x() * sx, twips.y() * sy, twips.width() * sx, twips.height() * sy)
        .adjusted(-2, -2, 2, 2);
}

QRect ChangedCellsArea(
    const QList<LedCell>& before, const QList<LedCell>& after, const QSizeF& extent, const QSize& widget)
{
    const QRect whole(QPoint(0, 0), widget);
    if (before.size() != after.size())
        return whole;
    QRectF changed;
    for (qsizetype i = 0; i < before.size(); ++i) {
        if (before[i].rect != after[i].rect)
            return whole;
        if (before[i].character != after[i].character)
            changed |= CellArea(after[i].rect, extent, widget);
    }
    return changed.toAlignedRect() & whole;
}

QList<LedCell> LayoutCells(const QString& text, double size, const LedPaddings& paddings)
{
    const double digitW = DigitWidthTwips(size);
    const double digitH = DigitHeightTwips(size);
    const double colonW = ColonWidthTwips(size);
    QList<LedCell> cells;
    cells.reserve(text.size());
    double x = paddings.horizontal;
    bool previousWasDigit = false;
    for (const QChar character : text) {
        if (character == QLatin1Char(':')) {
            x += paddings.divider;
            cells.append({ QRectF(x, paddings.vertical, colonW, digitH), character });
            x += colonW + paddings.divider;
            previousWasDigit = false;
        } else {
            if (previousWasDigit)
                x += paddings.inner;
            cells.append({ QRectF(x, paddings.vertical, digitW, digitH), character });
            x += digitW;
            previousWasDigit = true;
        }
    }
    return cells;
}

QList<qint64> ParseGroupList(const QString& text, qint64 fallback)
{
    QList<qint64> values;
    if (text.trimmed().isEmpty())
        return values;
    const QStringList parts = text.split(QLatin1Char(','));
    for (const QString& part : parts) {
        if (values.size() >= MaxGroups)
            break;
        bool ok = false;
        const qint64 value = part.trimmed().toLongLong(&ok);
        values.append(ok && value > 0 ? value : fallback);
    }
    return values;
}

QList<int> ParseGroupLengths(const QString& text)
{
    QList<int> lengths;
    for (const qint64 value : ParseGroupList(text, 1))
        lengths.append(static_cast<int>(std::clamp<qint64>(value, 1, MaxGroupDigits)));
    if (lengths.isEmpty())
        lengths.append(1);
    return lengths;
}

QString FormatTimeGroups(double seconds, const QList<qint64>& units, const QList<int>& lengths)
{
    const qint64 whole = WholeSeconds(seconds);
    const auto unitAt = [&units](qsizetype i) { return i < units.size() && units[i] > 0 ? units[i] : 1; };
    QString text;
    for (qsizetype i = 0; i < lengths.size(); ++i) {
        const int length = std::clamp(lengths[i], 1, MaxGroupDigits);
        const qint64 above = i == 0 ? std::numeric_limits<qint64>::max() : unitAt(i - 1);
        const qint64 value = (whole % above) / unitAt(i);
        if (i > 0)
            text += QLatin1Char(':');
        text += RightAligned(value, length, i > 0);
    }
    return text;
}

QString FormatNumber(int value, int digitCount)
{
    const int n = std::clamp(digitCount, 1, 10);
    if (value < 0)
        return QString(n, QLatin1Char(' '));
    return RightAligned(value, n, false);
}

} // namespace kv
