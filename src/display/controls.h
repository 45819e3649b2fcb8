#pragma once

#include "display/control.h"

#include <QFont>
#include <QPixmap>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

namespace kv {

// Text alignment of a label: 0 left, 1 right, 2 centre.
enum class Alignment
{
    Left = 0,
    Right = 1,
    Center = 2
};

// How a caption is drawn in its box: the font's pixel size and the lines.
struct CaptionLayout
{
    int PixelSize = 1;
    QStringList Lines;
};

// Lays out a caption in a box of the given pixel size: lines break at spaces
// only (never inside a word such as "S4-H"), and when the text does not fit
// at designPixelSize (every line within the width, every line's capitals
// within the height) the font shrinks just enough, never below 1 pixel and
// never above designPixelSize. font gives the face and weight; its size is
// ignored.
// With singleLine the caption is never broken: it stays on one line and
// shrinks until that line fits.
CaptionLayout LayOutCaption(
    const QString& caption, const QFont& font, int designPixelSize, QSize box, bool singleLine = false);

// A windowless text. Top-aligned, wrapped at spaces, in the design font
// (Arial bold unless told otherwise); a caption too big for its box is drawn
// in a font just small enough to show all of it.
class Label final : public Control
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "Label")
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int ForeColor READ ForeColor WRITE SetForeColor)
    Q_PROPERTY(int BackColor READ BackColor WRITE SetBackColor)
    Q_PROPERTY(int BackStyle READ BackStyle WRITE SetBackStyle)
    Q_PROPERTY(int Alignment READ AlignmentCode WRITE SetAlignmentCode)
    Q_PROPERTY(double FontSize READ FontSize WRITE SetFontSize)
    Q_PROPERTY(QString FontName READ FontName WRITE SetFontName)
    Q_PROPERTY(bool FontBold READ FontBold WRITE SetFontBold)
    Q_PROPERTY(bool SingleLine READ SingleLine WRITE SetSingleLine)

public:
    // An empty FontName means the application's default font.
    explicit Label(QWidget* parent = nullptr);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    int ForeColor() const { return m_foreColor; }
    void SetForeColor(int color);
    int BackColor() const { return m_backColor; }
    void SetBackColor(int color);
    // 0 transparent, 1 opaque.
    int BackStyle() const { return m_backStyle; }
    void SetBackStyle(int style);
    int AlignmentCode() const { return static_cast<int>(m_alignment); }
    void SetAlignmentCode(int alignment);
    double FontSize() const { return m_fontSize; }
    void SetFontSize(double points);
    QString FontName() const { return m_fontName; }
    void SetFontName(const QString& name);
    bool FontBold() const { return m_fontBold; }
    void SetFontBold(bool bold);
    // A name that must read whole on one line: never broken, shrunk to fit.
    bool SingleLine() const { return m_singleLine; }
    void SetSingleLine(bool singleLine);

    // The font of the caption at its design size (FontSize), in pixels.
    QFont DesignFont() const;
    // The caption as it is drawn at the label's present size.
    CaptionLayout Layout() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
    mutable CaptionLayout m_layout;
    mutable QString m_layoutKey;
    int m_foreColor = 0xFFFFFF;
    int m_backColor = 0;
    int m_backStyle = 0;
    kv::Alignment m_alignment = kv::Alignment::Center;
    double m_fontSize = 8.25;
    QString m_fontName = QStringLiteral("Arial");
    bool m_fontBold = true;
    bool m_singleLine = false;
};

// A windowed container with a background colour; it takes the focus and keys.
// It can show a picture at its top-left corner, and then sizes itself to it.
class PictureBox final : public WindowedControl
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "PictureBox")
    Q_PROPERTY(int BackColor READ BackColor WRITE SetBackColor)

public:
    explicit PictureBox(QWidget* parent = nullptr);

    int BackColor() const { return m_backColor; }
    void SetBackColor(int color);
    // Shows the picture and takes its size. A null picture clears it.
    void SetPicture(const QPixmap& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_backColor = 0xC0C0C0;
    QPixmap m_picture;
};

// A captionless container that draws nothing of its own; clicks on its empty
// area are reported like those of any control.
class Frame final : public Control
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "Frame")

public:
    explicit Frame(QWidget* parent = nullptr);
};

// A push button with a caption; "&" marks the access key.
class CommandButton final : public Control
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "CommandButton")
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

public:
    explicit CommandButton(QWidget* parent = nullptr);

    QString Caption() const;
    void SetCaption(const QString& caption);
    QPushButton* Button() const { return m_button; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* m_button;
};

// Shape kinds: 0 rectangle, 2 oval, 4 rounded rectangle.
enum class ShapeKind
{
    Rectangle = 0,
    Oval = 2,
    RoundedRectangle = 4
};

// A windowless figure drawn behind the windowed controls of its container. It
// takes no mouse input: clicks go to whatever lies beneath.
class Shape final : public Control
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "Shape")
    Q_PROPERTY(int Shape READ ShapeCode WRITE SetShapeCode)
    Q_PROPERTY(int FillColor READ FillColor WRITE SetFillColor)
    Q_PROPERTY(int FillStyle READ FillStyle WRITE SetFillStyle)
    Q_PROPERTY(int BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)

public:
    explicit Shape(QWidget* parent = nullptr);

    int ShapeCode() const { return static_cast<int>(m_kind); }
    void SetShapeCode(int kind);
    int FillColor() const { return m_fillColor; }
    void SetFillColor(int color);
    // 0 solid, 1 transparent.
    int FillStyle() const { return m_fillStyle; }
    void SetFillStyle(int style);
    int BorderColor() const { return m_borderColor; }
    void SetBorderColor(int color);
    // 0 no border line, 1 solid.
    int BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(int style);
    // In pixels; at least 1.
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int width);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ShapeKind m_kind = ShapeKind::Rectangle;
    int m_fillColor = 0;
    int m_fillStyle = 1;
    int m_borderColor = 0;
    int m_borderStyle = 1;
    int m_borderWidth = 1;
};

// A windowless straight line between two points of its container, in twips.
class Line final : public Control
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "Line")
    Q_PROPERTY(double X1 READ X1 WRITE SetX1)
    Q_PROPERTY(double Y1 READ Y1 WRITE SetY1)
    Q_PROPERTY(double X2 READ X2 WRITE SetX2)
    Q_PROPERTY(double Y2 READ Y2 WRITE SetY2)
    Q_PROPERTY(int BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)

public:
    explicit Line(QWidget* parent = nullptr);

    double X1() const { return m_x1; }
    double Y1() const { return m_y1; }
    double X2() const { return m_x2; }
    double Y2() const { return m_y2; }
    void SetX1(double twips);
    void SetY1(double twips);
    void SetX2(double twips);
    void SetY2(double twips);
    void SetEnds(double x1, double y1, double x2, double y2);
    int BorderColor() const { return m_borderColor; }
    void SetBorderColor(int color);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int width);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void UpdateBounds();

    double m_x1 = 0;
    double m_y1 = 0;
    double m_x2 = 0;
    double m_y2 = 0;
    int m_borderColor = 0;
    int m_borderWidth = 1;
};

// A windowless picture. Without stretching it takes the picture's natural size.
class Image final : public Control
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "Image")
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)

public:
    explicit Image(QWidget* parent = nullptr);

    bool Stretch() const { return m_stretch; }
    void SetStretch(bool stretch);
    // Loads a picture file (bmp, gif, jpg, png). A file that cannot be read
    // as a picture leaves the image empty and returns false.
    bool LoadPicture(const QString& path);
    // Empties the image.
    void ClearPicture();
    bool HasPicture() const { return !m_picture.isNull(); }
    const QPixmap& Picture() const { return m_picture; }
    // The picture's natural size in twips.
    QSizeF PictureSize() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
    QString m_pictureStamp;
    bool m_stretch = false;
};

// A form timer: raises Tick every Interval milliseconds while Enabled.
class Timer final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "Timer")
    Q_PROPERTY(int Interval READ Interval WRITE SetInterval)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)

public:
    explicit Timer(QObject* parent = nullptr);

    int Interval() const { return m_timer.interval(); }
    void SetInterval(int milliseconds);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);

    // One tick after `milliseconds` (0: as soon as the event loop is free),
    // replacing any tick due; from then on the timer ticks only when
    // scheduled, so a handler that wants another tick schedules it.
    void ScheduleOnce(int milliseconds);
    // No tick until the next ScheduleOnce.
    void Cancel();
    // True while a tick is due.
    bool Pending() const { return m_timer.isActive(); }

signals:
    void Tick();

private:
    void Apply();

    QTimer m_timer;
    bool m_enabled = true;
    bool m_scheduled = false;
};

} // namespace kv
