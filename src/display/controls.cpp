#include "display/controls.h"

#include "display/twips.h"
#include "display/vbcolor.h"

#include <QApplication>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImageReader>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRawFont>

#include <algorithm>
#include <cmath>

namespace kv {

// ---------------------------------------------------------------- Label

Label::Label(QWidget* parent)
    : Control(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void Label::SetCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    update();
}

void Label::SetForeColor(int color)
{
    if (color == m_foreColor)
        return;
    m_foreColor = color;
    update();
}

void Label::SetBackColor(int color)
{
    if (color == m_backColor)
        return;
    m_backColor = color;
    update();
}

void Label::SetBackStyle(int style)
{
    m_backStyle = style == 1 ? 1 : 0;
    update();
}

void Label::SetAlignmentCode(int alignment)
{
    m_alignment = alignment == 1 ? kv::Alignment::Right
        : alignment == 2         ? kv::Alignment::Center
                                 : kv::Alignment::Left;
    update();
}

void Label::SetFontSize(double points)
{
    if (points == m_fontSize)
        return;
    m_fontSize = points;
    update();
}

void Label::SetFontName(const QString& name)
{
    m_fontName = name;
    update();
}

void Label::SetFontBold(bool bold)
{
    m_fontBold = bold;
    update();
}

void Label::SetSingleLine(bool singleLine)
{
    m_singleLine = singleLine;
    update();
}

namespace {

// Whether the line holds characters the font itself lacks, which come from a
// fallback font of their script (Japanese captions from a CJK font).
bool NeedsFallback(const QString& line, const QFont& font)
{
    // Latin letters, the board's own, are in every label font: no need to ask.
    if (std::all_of(line.begin(), line.end(), [](QChar c) { return c.unicode() < 0x0250; }))
        return false;
    const QRawFont own = QRawFont::fromFont(font);
    for (const uint character : line.toUcs4()) {
        if (!QChar::isSpace(character) && !own.supportsCharacter(character))
            return true;
    }
    return false;
}

// Where a line's baseline lies below its top: the font's ascent, or as far
// down as the tallest letter of another script needs, never by that font's
// whole ascent, which would push the line out of its box.
double Baseline(const QString& line, const QFont& font, const QFontMetricsF& metrics)
{
    if (!NeedsFallback(line, font))
        return metrics.ascent();
    return std::max(metrics.ascent(), -metrics.tightBoundingRect(line).top());
}

// Greedy breaking at spaces: a word goes on the line when it fits, else it
// starts a new one. A word wider than the box stays whole on its own line.
QStringList BreakAtSpaces(const QString& caption, const QFontMetricsF& metrics, double width)
{
    QStringList lines;
    for (const QString& paragraph : caption.split(QLatin1Char('\n'))) {
        QString line;
        for (const QString& word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (line.isEmpty() || metrics.horizontalAdvance(longer) <= width)
                line = longer;
            else {
                lines << line;
                line = word;
            }
        }
        lines << line;
    }
    return lines;
}

bool LinesFit(const QStringList& lines, const QFont& font, const QFontMetricsF& metrics, QSize box)
{
    for (const QString& line : lines) {
        if (metrics.horizontalAdvance(line) > box.width())
            return false;
    }
    // The last line needs its capitals inside; its descenders may touch the edge.
    if ((lines.size() - 1) * metrics.lineSpacing() + metrics.capHeight() > box.height())
        return false;
    // Letters of another script (a Japanese caption) come whole into the box,
    // the last pixel row left free.
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!NeedsFallback(lines[i], font))
            continue;
        const double baseline = i * metrics.lineSpacing() + Baseline(lines[i], font, metrics);
        if (baseline + metrics.tightBoundingRect(lines[i]).bottom() >= box.height())
            return false;
    }
    return true;
}

} // namespace

CaptionLayout LayOutCaption(
    const QString& caption, const QFont& font, int designPixelSize, QSize box, bool singleLine)
{
    CaptionLayout layout;
    QFont sized = font;
    // A caption never grows past its design size, and the search starts no
    // higher than the size at which its longest line could fit the width.
    int size = qMax(1, designPixelSize);
    for (; size >= 1; --size) {
        sized.setPixelSize(size);
        const QFontMetricsF metrics(sized);
        layout.PixelSize = size;
        layout.Lines = singleLine ? QStringList { caption.simplified() }
                                  : BreakAtSpaces(caption, metrics, box.width());
        if (LinesFit(layout.Lines, sized, metrics, box))
            return layout;
        // Jump close to the width that fits rather than one pixel at a time.
        double widest = 0;
        for (const QString& line : layout.Lines)
            widest = qMax(widest, metrics.horizontalAdvance(line));
        if (widest > box.width() && box.width() > 0) {
            const int guess = static_cast<int>(size * box.width() / widest) + 1;
            if (guess < size - 1)
                size = guess + 1;
        }
    }
    return layout;
}

QFont Label::DesignFont() const
{
    QFont font = m_fontName.isEmpty() ? QApplication::font() : QFont(m_fontName);
    font.setBold(m_fontBold);
    // Sizes are in points of 20 twips; the board works in logical pixels of
    // 15 twips, whatever the screen's own dpi.
    font.setPixelSize(qMax(1, static_cast<int>(std::lround(PointsToPixels(m_fontSize)))));
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

CaptionLayout Label::Layout() const
{
    const QFont font = DesignFont();
    const QString key = QStringLiteral("%1|%2|%3|%4|%5")
                            .arg(font.key())
                            .arg(width())
                            .arg(height())
                            .arg(m_singleLine)
                            .arg(m_caption);
    if (key != m_layoutKey) {
        m_layout = LayOutCaption(m_caption, font, font.pixelSize(), size(), m_singleLine);
        m_layoutKey = key;
    }
    return m_layout;
}

void Label::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_backStyle == 1)
        painter.fillRect(rect(), ToQColor(m_backColor));
    if (m_caption.isEmpty())
        return;
    const CaptionLayout layout = Layout();
    QFont font = DesignFont();
    font.setPixelSize(layout.PixelSize);
    painter.setFont(font);
    painter.setPen(ToQColor(m_foreColor));
    int flags = Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;
    switch (m_alignment) {
    case kv::Alignment::Left:
        flags |= Qt::AlignLeft;
        break;
    case kv::Alignment::Right:
        flags |= Qt::AlignRight;
        break;
    case kv::Alignment::Center:
        flags |= Qt::AlignHCenter;
        break;
    }
    const QFontMetricsF metrics(font);
    double top = 0;
    for (const QString& line : layout.Lines) {
        if (NeedsFallback(line, font)) {
            // On the line's own baseline: a fallback font's larger ascent
            // would otherwise push the line down and out of the box.
            const double advance = metrics.horizontalAdvance(line);
            const double x = m_alignment == kv::Alignment::Left ? 0
                : m_alignment == kv::Alignment::Right           ? width() - advance
                                                                : (width() - advance) / 2;
            painter.drawText(QPointF(x, top + Baseline(line, font, metrics)), line);
        } else {
            painter.drawText(QRectF(0, top, width(), metrics.lineSpacing()), flags, line);
        }
        top += metrics.lineSpacing();
    }
}

// ---------------------------------------------------------------- PictureBox

PictureBox::PictureBox(QWidget* parent)
    : WindowedControl(parent)
{ }

void PictureBox::SetBackColor(int color)
{
    if (color == m_backColor)
        return;
    m_backColor = color;
    update();
}

void PictureBox::SetPicture(const QPixmap& picture)
{
    m_picture = picture;
    if (!picture.isNull()) {
        const QSizeF size = picture.deviceIndependentSize();
        SetWidth(size.width() * TwipsPerPixel);
        SetHeight(size.height() * TwipsPerPixel);
    }
    update();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), ToQColor(m_backColor));
    if (!m_picture.isNull())
        painter.drawPixmap(0, 0, m_picture);
}

// ---------------------------------------------------------------- Frame

Frame::Frame(QWidget* parent)
    : Control(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

// ---------------------------------------------------------------- CommandButton

CommandButton::CommandButton(QWidget* parent)
    : Control(parent)
    , m_button(new QPushButton(this))
{
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_button);
    m_button->installEventFilter(this);
    connect(m_button, &QPushButton::clicked, this, &CommandButton::Click);
}

bool CommandButton::eventFilter(QObject* watched, QEvent* event)
{
    // Enter presses the focused button, as Space does, on any form; a held
    // Enter presses it once, not again with every repeat (nor does a key
    // still held from the window before, such as Enter chosen in the key
    // chooser, press the button that has the focus now).
    if (watched == m_button && event->type() == QEvent::KeyPress) {
        const auto* press = static_cast<QKeyEvent*>(event);
        const int key = press->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (!press->isAutoRepeat())
                m_button->click();
            return true;
        }
    }
    return Control::eventFilter(watched, event);
}

QString CommandButton::Caption() const
{
    return m_button->text();
}

void CommandButton::SetCaption(const QString& caption)
{
    m_button->setText(caption);
}

void CommandButton::resizeEvent(QResizeEvent* event)
{
    Control::resizeEvent(event);
    m_button->setGeometry(rect());
}

// ---------------------------------------------------------------- Shape

Shape::Shape(QWidget* parent)
    : Control(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::SetShapeCode(int kind)
{
    m_kind = kind == 2 ? ShapeKind::Oval : kind == 4 ? ShapeKind::RoundedRectangle : ShapeKind::Rectangle;
    update();
}

void Shape::SetFillColor(int color)
{
    if (color == m_fillColor)
        return;
    m_fillColor = color;
    update();
}

void Shape::SetFillStyle(int style)
{
    m_fillStyle = style == 0 ? 0 : 1;
    update();
}

void Shape::SetBorderColor(int color)
{
    if (color == m_borderColor)
        return;
    m_borderColor = color;
    update();
}

void Shape::SetBorderStyle(int style)
{
    m_borderStyle = style == 0 ? 0 : 1;
    update();
}

void Shape::SetBorderWidth(int width)
{
    width = qMax(1, width);
    if (width == m_borderWidth)
        return;
    m_borderWidth = width;
    update();
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, m_kind != ShapeKind::Rectangle);
    const bool hasBorder = m_borderStyle != 0;
    const double pen = hasBorder ? m_borderWidth : 0.0;
    // The border lies inside the shape's bounds.
    const QRectF area = QRectF(rect()).adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2);
    painter.setPen(hasBorder ? QPen(ToQColor(m_borderColor), pen) : QPen(Qt::NoPen));
    painter.setBrush(m_fillStyle == 0 ? QBrush(ToQColor(m_fillColor)) : QBrush(Qt::NoBrush));
    switch (m_kind) {
    case ShapeKind::Rectangle:
        if (hasBorder)
            painter.drawRect(area);
        else
            painter.fillRect(rect(), painter.brush());
        break;
    case ShapeKind::Oval:
        painter.drawEllipse(area);
        break;
    case ShapeKind::RoundedRectangle: {
        const double radius = qMin(area.width(), area.height()) / 6.0;
        painter.drawRoundedRect(area, radius, radius);
        break;
    }
    }
}

// ---------------------------------------------------------------- Line

Line::Line(QWidget* parent)
    : Control(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::SetX1(double twips)
{
    m_x1 = twips;
    UpdateBounds();
}

void Line::SetY1(double twips)
{
    m_y1 = twips;
    UpdateBounds();
}

void Line::SetX2(double twips)
{
    m_x2 = twips;
    UpdateBounds();
}

void Line::SetY2(double twips)
{
    m_y2 = twips;
    UpdateBounds();
}

void Line::SetEnds(double x1, double y1, double x2, double y2)
{
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    UpdateBounds();
}

void Line::SetBorderColor(int color)
{
    if (color == m_borderColor)
        return;
    m_borderColor = color;
    update();
}

void Line::SetBorderWidth(int width)
{
    width = qMax(1, width);
    if (width == m_borderWidth)
        return;
    m_borderWidth = width;
    UpdateBounds();
}

void Line::UpdateBounds()
{
    // The widget covers the segment plus half the pen on every side.
    const double margin = (m_borderWidth / 2.0 + 1.0) * TwipsPerPixel;
    const double left = qMin(m_x1, m_x2) - margin;
    const double top = qMin(m_y1, m_y2) - margin;
    Move(left, top, std::abs(m_x2 - m_x1) + 2 * margin, std::abs(m_y2 - m_y1) + 2 * margin);
    update();
}

void Line::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPointF origin = geometry().topLeft();
    const QPointF a = QPointF(m_x1, m_y1) / TwipsPerPixel - origin;
    const QPointF b = QPointF(m_x2, m_y2) / TwipsPerPixel - origin;
    const bool straight = a.x() == b.x() || a.y() == b.y();
    painter.setRenderHint(QPainter::Antialiasing, !straight);
    painter.setPen(QPen(ToQColor(m_borderColor), m_borderWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(a, b);
}

// ---------------------------------------------------------------- Image

Image::Image(QWidget* parent)
    : Control(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void Image::SetStretch(bool stretch)
{
    m_stretch = stretch;
    update();
}

bool Image::LoadPicture(const QString& path)
{
    // The board re-fits its pictures on every resize: decode a file again
    // only when it changed.
    const QFileInfo info(path);
    const QString stamp = QStringLiteral("%1|%2|%3")
                              .arg(info.absoluteFilePath())
                              .arg(info.size())
                              .arg(info.lastModified().toMSecsSinceEpoch());
    if (stamp == m_pictureStamp && !m_picture.isNull()) {
        if (!m_stretch)
            SetExtent(PictureSize().width(), PictureSize().height());
        return true;
    }
    m_pictureStamp.clear();
    QImageReader reader(path);
    reader.setAutoTransform(true);
    // A damaged or hostile file cannot take the board down: the reader
    // refuses images above its allocation limit (128 MB) and reports errors.
    const QImage picture = reader.read();
    if (picture.isNull()) {
        m_picture = QPixmap();
        update();
        return false;
    }
    m_picture = QPixmap::fromImage(picture);
    m_pictureStamp = stamp;
    if (!m_stretch)
        SetExtent(PictureSize().width(), PictureSize().height());
    update();
    return true;
}

void Image::ClearPicture()
{
    m_picture = QPixmap();
    m_pictureStamp.clear();
    update();
}

QSizeF Image::PictureSize() const
{
    return QSizeF(m_picture.width() * TwipsPerPixel, m_picture.height() * TwipsPerPixel);
}

void Image::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_stretch)
        painter.drawPixmap(rect(), m_picture);
    else
        painter.drawPixmap(0, 0, m_picture);
}

// ---------------------------------------------------------------- Timer

Timer::Timer(QObject* parent)
    : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Timer::Tick);
}

void Timer::SetInterval(int milliseconds)
{
    m_timer.setInterval(milliseconds);
    Apply();
}

void Timer::SetEnabled(bool enabled)
{
    m_enabled = enabled;
    Apply();
}

void Timer::ScheduleOnce(int milliseconds)
{
    m_scheduled = true;
    m_timer.setSingleShot(true);
    if (m_enabled)
        m_timer.start(std::max(0, milliseconds));
}

void Timer::Cancel()
{
    m_timer.stop();
}

void Timer::Apply()
{
    if (m_scheduled) {
        // Scheduled ticks only: Enabled false drops the one due.
        if (!m_enabled)
            m_timer.stop();
        return;
    }
    if (m_enabled && m_timer.interval() > 0)
        m_timer.start();
    else
        m_timer.stop();
}

} // namespace kv
