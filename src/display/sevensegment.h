#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QPolygonF>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>

class QPainter;

namespace kv {

// Seven-segment digits, their geometry and the arithmetic of the LED
// displays. Nothing here knows about widgets: the displays in leds.h lay out
// their cells and paint them with these routines.

// Segment bits: a top, b upper right, c lower right, d bottom, e lower left,
// f upper left, g middle.
enum SegmentBit : quint8
{
    SegA = 0x01,
    SegB = 0x02,
    SegC = 0x04,
    SegD = 0x08,
    SegE = 0x10,
    SegF = 0x20,
    SegG = 0x40,
};
constexpr int SegmentCount = 7;

// Lit segments of a digit 0..9; any other number gives a blank (0).
quint8 DigitSegments(int digit);
// Lit segments of a character of a display text: '0'..'9', '-' (the middle
// segment); anything else, the blank ' ' included, lights nothing.
quint8 CharacterSegments(QChar character);

// Digit styles of the LedType property.
enum class LedStyle
{
    Lines = 0,
    Dots = 1
};
// 1 is "Dots"; every other value draws "Lines".
LedStyle LedStyleFromType(int ledType);

// The faint colour of an unlit segment: the lit colour mixed into the
// background at the given share.
constexpr double UnlitShare = 0.12;
QColor UnlitColor(const QColor& lit, const QColor& back, double share = UnlitShare);

// --- Geometry of one digit cell -------------------------------------------

// Stroke thickness of the segments (and dot diameter) for a cell.
double SegmentThickness(const QRectF& cell);
// Outline of one segment (0 = a .. 6 = g) in the "Lines" style: a bevelled
// bar along the segment's centre line.
QPolygonF SegmentPolygon(const QRectF& cell, int segment);
// Dot centres of one segment (0 = a .. 6 = g) in the "Dots" style, corner dots
// included (neighbouring segments share them).
QList<QPointF> SegmentDots(const QRectF& cell, int segment);
double DotDiameter(const QRectF& cell);
// Centre of a segment's bar; both styles light this point.
QPointF SegmentCentre(const QRectF& cell, int segment);
// The two dot centres of a colon in its cell (as high as a digit cell).
QList<QPointF> ColonDots(const QRectF& cell);
double ColonDotDiameter(const QRectF& cell);

// Paints one digit cell: unlit segments faintly in `unlit`, lit ones in `lit`.
void PaintDigit(QPainter& painter, const QRectF& cell, quint8 segments, LedStyle style, const QColor& lit,
    const QColor& unlit);
// Paints the two lit dots of a colon.
void PaintColon(QPainter& painter, const QRectF& cell, const QColor& lit);

// --- Extents, in twips ----------------------------------------------------

// Size is the digit height in pixels.
double DigitHeightTwips(double size);
double DigitWidthTwips(double size);
double ColonWidthTwips(double size);

// Number of decimal digits of the largest number a display shows (at least 1).
int DecimalDigitCount(int max);

struct LedPaddings
{
    double horizontal = 0; // PaddingH: left and right margin
    double vertical = 0; // PaddingV: top and bottom margin
    double inner = 0; // PaddingI: between the digits of a group
    double divider = 0; // PaddingD: on each side of a colon
};

QSizeF NumberLedExtent(double size, const LedPaddings& paddings, int digitCount);
QSizeF TimeLedExtent(double size, const LedPaddings& paddings, const QList<int>& groupLengths);
// The digit-style preview: `cells` digits with a margin of 1.5 × Size twips
// all round.
QSizeF PolyLedExtent(double size, int cells = 1);

// One cell of a display text: a digit position (with its character, ' ' for
// blank) or a colon. Rectangles are in twips from the display's top left.
struct LedCell
{
    QRectF rect;
    QChar character;
    bool IsColon() const { return character == QLatin1Char(':'); }
};
// Lays out a display text ("2:00", " 7") from the left margin: digits
// digitW wide, PaddingI between neighbouring digits, PaddingD on each side of
// a colon. The cells of TimeLedExtent / NumberLedExtent come out of this.
QList<LedCell> LayoutCells(const QString& text, double size, const LedPaddings& paddings);

// The part of a display (widget pixels) that must be painted anew when its
// cells change from `before` to `after`, laid out over `extent` (twips) and
// shown at `widget` size: the cells whose character changed, with a margin
// for antialiasing. The whole display when the cells are not the same ones
// (another text length), nothing when no character changed.
QRect ChangedCellsArea(
    const QList<LedCell>& before, const QList<LedCell>& after, const QSizeF& extent, const QSize& widget);
// A cell's area in widget pixels, with the same margin.
QRectF CellArea(const QRectF& cell, const QSizeF& extent, const QSize& widget);

// --- Display texts --------------------------------------------------------

// Parses a comma-separated list of group lengths or units ("1,2", "60,1").
// Entries that are not positive integers become `fallback`; an empty text
// gives an empty list. At most MaxGroups entries are kept.
constexpr int MaxGroups = 8;
QList<qint64> ParseGroupList(const QString& text, qint64 fallback);
// Group lengths of a display, each clamped to 1..MaxGroupDigits; an empty or
// unusable list gives one group of one digit.
constexpr int MaxGroupDigits = 9;
QList<int> ParseGroupLengths(const QString& text);

// The text a time display shows for `seconds`: the whole seconds (fraction
// dropped, negatives and NaN as 0) split into groups by their units, e.g.
// 65 with units {60, 1} and lengths {1, 2} gives "1:05". The first group takes
// everything above the second group's unit and is blank-padded; later groups
// are zero-padded. A group value too large for its digits shows its lowest
// digits. Missing units count as 1.
QString FormatTimeGroups(double seconds, const QList<qint64>& units, const QList<int>& lengths);

// The text a number display with `digitCount` digits shows for `value`:
// right-aligned, blank-padded; a negative value gives all blanks; a number
// longer than the display shows its lowest digits.
QString FormatNumber(int value, int digitCount);

} // namespace kv
