#include "display/leds.h"

#include "display/twips.h"
#include "display/vbcolor.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace kv {

namespace {

constexpr int ColorMask = 0xFFFFFF;
// The preview shows a handful of digits at most; longer captions are cut.
constexpr qsizetype MaxPreviewCells = 16;

// Sizes and paddings come from the layout scaling; a value that is not a
// finite number is refused, a negative one taken as 0.
bool AcceptLength(double value, double& stored)
{
    if (!std::isfinite(value))
        return false;
    const double length = std::max(0.0, value);
    if (length == stored)
        return false;
    stored = length;
    return true;
}

bool AcceptColor(int value, int& stored)
{
    const bool changed = (value & ColorMask) != (stored & ColorMask);
    stored = value;
    return changed;
}

bool AcceptLedType(int value, int& stored)
{
    const bool changed = LedStyleFromType(value) != LedStyleFromType(stored);
    stored = value;
    return changed;
}

} // namespace

// --- LedDisplay -------------------------------------------------------------

LedDisplay::LedDisplay(QWidget* parent)
    : WindowedControl(parent)
{ }

void LedDisplay::SetLitColor(int color)
{
    if (AcceptColor(color, m_litColor))
        update();
}

void LedDisplay::SetBackColor(int color)
{
    if (AcceptColor(color, m_backColor))
        update();
}

void LedDisplay::SetLedType(int ledType)
{
    if (AcceptLedType(ledType, m_ledType))
        update();
}

void LedDisplay::SetSize(double size)
{
    if (AcceptLength(size, m_size))
        RefreshExtent();
}

void LedDisplay::SetPaddingH(double twips)
{
    if (AcceptLength(twips, m_paddings.horizontal))
        RefreshExtent();
}

void LedDisplay::SetPaddingV(double twips)
{
    if (AcceptLength(twips, m_paddings.vertical))
        RefreshExtent();
}

void LedDisplay::SetPaddingI(double twips)
{
    if (AcceptLength(twips, m_paddings.inner))
        RefreshExtent();
}

void LedDisplay::SetPaddingD(double twips)
{
    if (AcceptLength(twips, m_paddings.divider))
        RefreshExtent();
}

void LedDisplay::SetWidth(double) { }

void LedDisplay::SetHeight(double) { }

void LedDisplay::UpdateText(const QString& before, const QString& after, const QSizeF& extent)
{
    const QRect area = ChangedCellsArea(
        LayoutCells(before, m_size, m_paddings), LayoutCells(after, m_size, m_paddings), extent, size());
    if (!area.isEmpty())
        update(area);
}

// The cells are laid out in twips over the extent; the painter maps that
// space onto the widget, so a widget sized otherwise than its extent shows
// everything scaled.
void LedDisplay::PaintCells(
    QPainter& painter, const QSizeF& extent, const QList<LedCell>& cells, const QRect& dirty) const
{
    const QColor back = ToQColor(m_backColor);
    painter.fillRect(rect(), back);
    if (extent.width() <= 0 || extent.height() <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(width() / extent.width(), height() / extent.height());
    const QColor lit = ToQColor(m_litColor);
    const QColor unlit = UnlitColor(lit, back);
    const LedStyle style = LedStyleFromType(m_ledType);
    for (const LedCell& cell : cells) {
        if (!CellArea(cell.rect, extent, size()).intersects(dirty))
            continue;
        if (cell.IsColon())
            PaintColon(painter, cell.rect, lit);
        else
            PaintDigit(painter, cell.rect, CharacterSegments(cell.character), style, lit, unlit);
    }
    painter.restore();
}

// --- TimeLED ----------------------------------------------------------------

TimeLED::TimeLED(QWidget* parent)
    : LedDisplay(parent)
    , m_units(ParseGroupList(m_groupUnits, 1))
    , m_lengths(ParseGroupLengths(m_groupLengths))
{
    m_text = FormatTimeGroups(m_caption, m_units, m_lengths);
    RefreshExtent();
}

void TimeLED::SetCaption(float seconds)
{
    m_caption = seconds;
    RefreshText();
}

void TimeLED::SetGroupUnits(const QString& units)
{
    // The clock writes its group units before every caption, 20 times a second.
    if (units == m_groupUnits)
        return;
    m_groupUnits = units;
    m_units = ParseGroupList(units, 1);
    RefreshText();
}

void TimeLED::SetGroupLengths(const QString& lengths)
{
    m_groupLengths = lengths;
    const QList<int> parsed = ParseGroupLengths(lengths);
    if (parsed == m_lengths)
        return;
    m_lengths = parsed;
    RefreshExtent();
    RefreshText();
    update();
}

void TimeLED::SetBorderColor(int color)
{
    if (AcceptColor(color, m_borderColor))
        update();
}

void TimeLED::RefreshText()
{
    QString text = FormatTimeGroups(m_caption, m_units, m_lengths);
    if (text == m_text)
        return;
    UpdateText(m_text, text, TimeLedExtent(m_size, m_paddings, m_lengths));
    m_text = std::move(text);
}

void TimeLED::RefreshExtent()
{
    const QSizeF extent = TimeLedExtent(m_size, m_paddings, m_lengths);
    SetExtent(extent.width(), extent.height());
    update();
}

void TimeLED::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QSizeF extent = TimeLedExtent(m_size, m_paddings, m_lengths);
    PaintCells(painter, extent, LayoutCells(m_text, m_size, m_paddings), event->rect());
    if (extent.height() <= 0)
        return;
    // The frame is max(1, Size / 50) pixels at the display's own extent and
    // scales with the widget beyond it.
    const double scale = height() / TwipsToPixelsF(extent.height());
    const double thickness = std::max(1.0, m_size / 50 * scale);
    const QRectF outer(rect());
    QPainterPath frame;
    frame.addRect(outer);
    frame.addRect(outer.adjusted(thickness, thickness, -thickness, -thickness));
    frame.setFillRule(Qt::OddEvenFill);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(frame, ToQColor(m_borderColor));
}

// --- NumberLED --------------------------------------------------------------

NumberLED::NumberLED(QWidget* parent)
    : LedDisplay(parent)
{
    m_text = FormatNumber(m_value, DecimalDigitCount(m_max));
    RefreshExtent();
}

void NumberLED::SetValue(int value)
{
    m_value = std::clamp(value, static_cast<int>(std::numeric_limits<qint16>::min()),
        static_cast<int>(std::numeric_limits<qint16>::max()));
    RefreshText();
}

void NumberLED::SetCaption(const QString& text)
{
    // A plain integer: an optional sign and decimal digits, nothing else.
    static const QRegularExpression plainInteger(QStringLiteral("^[+-]?[0-9]+$"));
    if (!plainInteger.match(text).hasMatch())
        return;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        return;
    SetValue(value);
}

void NumberLED::SetMax(int max)
{
    const int before = DecimalDigitCount(m_max);
    m_max = max;
    if (DecimalDigitCount(m_max) == before)
        return;
    RefreshExtent();
    RefreshText();
}

void NumberLED::RefreshText()
{
    QString text = FormatNumber(m_value, DecimalDigitCount(m_max));
    if (text == m_text)
        return;
    UpdateText(m_text, text, NumberLedExtent(m_size, m_paddings, DecimalDigitCount(m_max)));
    m_text = std::move(text);
}

void NumberLED::RefreshExtent()
{
    const QSizeF extent = NumberLedExtent(m_size, m_paddings, DecimalDigitCount(m_max));
    SetExtent(extent.width(), extent.height());
    update();
}

void NumberLED::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    PaintCells(painter, NumberLedExtent(m_size, m_paddings, DecimalDigitCount(m_max)),
        LayoutCells(m_text, m_size, m_paddings), event->rect());
}

// --- PolyLED ----------------------------------------------------------------

namespace {

// The preview shows digit cells only: a colon or any other character is a
// blank cell, and an empty caption one blank cell.
QString PreviewText(const QString& caption)
{
    QString text = caption.isEmpty() ? QStringLiteral(" ") : caption.left(MaxPreviewCells);
    for (QChar& character : text) {
        if (character == QLatin1Char(':'))
            character = QLatin1Char(' ');
    }
    return text;
}

LedPaddings PreviewPaddings(double size)
{
    LedPaddings paddings;
    paddings.horizontal = size * 1.5;
    paddings.vertical = size * 1.5;
    return paddings;
}

} // namespace

PolyLED::PolyLED(QWidget* parent)
    : LedDisplay(parent)
{
    SetTabStop(false);
    setFocusPolicy(Qt::NoFocus);
    RefreshExtent();
}

void PolyLED::SetCaption(const QString& text)
{
    if (text == m_caption)
        return;
    const bool resized = PreviewText(text).size() != PreviewText(m_caption).size();
    m_caption = text;
    if (resized)
        RefreshExtent();
    update();
}

void PolyLED::RefreshExtent()
{
    const QSizeF extent = PolyLedExtent(m_size, static_cast<int>(PreviewText(m_caption).size()));
    SetExtent(extent.width(), extent.height());
    update();
}

void PolyLED::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QString text = PreviewText(m_caption);
    PaintCells(painter, PolyLedExtent(m_size, static_cast<int>(text.size())),
        LayoutCells(text, m_size, PreviewPaddings(m_size)), event->rect());
}

} // namespace kv
