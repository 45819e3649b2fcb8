#pragma once

#include "display/control.h"
#include "display/sevensegment.h"

namespace kv {

// The LED displays of the board: seven-segment digits painted as vectors.
// Their extent follows from Size (the digit height in pixels) and the
// paddings (twips); writes to Width and Height are ignored. Setters repaint
// only when the picture changes, since the clock writes its caption every
// 50 ms.

// What the three LED displays share: colours, digit style, digit size, and
// the paddings of those that have them. The extent follows from these; writes
// to Width and Height are ignored.
class LedDisplay : public WindowedControl
{
    Q_OBJECT
    Q_PROPERTY(int LitColor READ LitColor WRITE SetLitColor)
    Q_PROPERTY(int BackColor READ BackColor WRITE SetBackColor)
    Q_PROPERTY(int LedType READ LedType WRITE SetLedType)
    Q_PROPERTY(double Size READ Size WRITE SetSize)

public:
    int LitColor() const { return m_litColor; }
    void SetLitColor(int color);
    int BackColor() const { return m_backColor; }
    void SetBackColor(int color);
    int LedType() const { return m_ledType; }
    void SetLedType(int ledType);
    double Size() const { return m_size; }
    void SetSize(double size);

    void SetWidth(double twips) final;
    void SetHeight(double twips) final;

protected:
    explicit LedDisplay(QWidget* parent);

    // Paddings in twips; each display class exposes those it has.
    double PaddingH() const { return m_paddings.horizontal; }
    void SetPaddingH(double twips);
    double PaddingV() const { return m_paddings.vertical; }
    void SetPaddingV(double twips);
    double PaddingI() const { return m_paddings.inner; }
    void SetPaddingI(double twips);
    double PaddingD() const { return m_paddings.divider; }
    void SetPaddingD(double twips);

    // Sets the extent from the current size and paddings, and repaints.
    virtual void RefreshExtent() = 0;
    // Paints the background and the cells laid out in twips over the extent;
    // cells outside `dirty` (widget pixels) are left out.
    void PaintCells(
        QPainter& painter, const QSizeF& extent, const QList<LedCell>& cells, const QRect& dirty) const;
    // Repaints what a new display text changes: a running clock changes one
    // digit most seconds, and only that digit is painted again.
    void UpdateText(const QString& before, const QString& after, const QSizeF& extent);

    int m_litColor = 0x0000FF;
    int m_backColor = 0;
    int m_ledType = 0;
    double m_size = 65;
    LedPaddings m_paddings;
};

// A time display: whole seconds split into digit groups separated by colons,
// framed by a thin line in BorderColor.
class TimeLED final : public LedDisplay
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "TimeLED")
    Q_PROPERTY(float Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QString GroupUnits READ GroupUnits WRITE SetGroupUnits)
    Q_PROPERTY(QString GroupLengths READ GroupLengths WRITE SetGroupLengths)
    Q_PROPERTY(int BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(double PaddingH READ PaddingH WRITE SetPaddingH)
    Q_PROPERTY(double PaddingV READ PaddingV WRITE SetPaddingV)
    Q_PROPERTY(double PaddingI READ PaddingI WRITE SetPaddingI)
    Q_PROPERTY(double PaddingD READ PaddingD WRITE SetPaddingD)

public:
    explicit TimeLED(QWidget* parent = nullptr);

    float Caption() const { return m_caption; }
    void SetCaption(float seconds);
    QString GroupUnits() const { return m_groupUnits; }
    void SetGroupUnits(const QString& units);
    QString GroupLengths() const { return m_groupLengths; }
    void SetGroupLengths(const QString& lengths);
    int BorderColor() const { return m_borderColor; }
    void SetBorderColor(int color);
    using LedDisplay::PaddingD;
    using LedDisplay::PaddingH;
    using LedDisplay::PaddingI;
    using LedDisplay::PaddingV;
    using LedDisplay::SetPaddingD;
    using LedDisplay::SetPaddingH;
    using LedDisplay::SetPaddingI;
    using LedDisplay::SetPaddingV;

    // The text the display shows, e.g. "2:00" (blanks for unlit digits).
    QString DisplayText() const { return m_text; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void RefreshExtent() override;

private:
    void RefreshText();

    float m_caption = 0;
    QString m_groupUnits = QStringLiteral("60,1");
    QString m_groupLengths = QStringLiteral("1,2");
    QList<qint64> m_units;
    QList<int> m_lengths;
    QString m_text;
    int m_borderColor = 0xFFFFFF;
};

// A number display of as many digits as Max has. Value -1 clears it.
class NumberLED final : public LedDisplay
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "NumberLED")
    Q_PROPERTY(int Value READ Value WRITE SetValue)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int Max READ Max WRITE SetMax)
    Q_PROPERTY(double PaddingH READ PaddingH WRITE SetPaddingH)
    Q_PROPERTY(double PaddingV READ PaddingV WRITE SetPaddingV)
    Q_PROPERTY(double PaddingI READ PaddingI WRITE SetPaddingI)

public:
    explicit NumberLED(QWidget* parent = nullptr);

    // A 16-bit number; values outside the range are clamped to it. Negative
    // values light nothing (-1 is the cleared display).
    int Value() const { return m_value; }
    void SetValue(int value);
    // The value as text. Writing takes a plain integer ("12", "-1"); other
    // text, or a number outside the 16-bit range, leaves the value unchanged.
    QString Caption() const { return QString::number(m_value); }
    void SetCaption(const QString& text);
    int Max() const { return m_max; }
    void SetMax(int max);
    using LedDisplay::PaddingH;
    using LedDisplay::PaddingI;
    using LedDisplay::PaddingV;
    using LedDisplay::SetPaddingH;
    using LedDisplay::SetPaddingI;
    using LedDisplay::SetPaddingV;

    QString DisplayText() const { return m_text; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void RefreshExtent() override;

private:
    void RefreshText();

    int m_value = 0;
    int m_max = 9;
    QString m_text;
};

// The digit-style preview of the options dialog: the digits of Caption
// (default "8") with a margin of 1.5 × Size twips all round. Takes no focus.
class PolyLED final : public LedDisplay
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "PolyLED")
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

public:
    explicit PolyLED(QWidget* parent = nullptr);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void RefreshExtent() override;

private:
    QString m_caption = QStringLiteral("8");
};

} // namespace kv
