#pragma once

#include "display/control.h"

#include <QFont>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace kv {

// The controls of the program's dialogs, placed in twips like the board's.
// Fonts are given by name, size in points and boldness; an empty name or a
// size of 0 keeps that of base, the dialog's own font.
QFont DialogFont(const QFont& base, const QString& name, double points, bool bold);

// Dialog texts are never cut: a text too big for its box (a long
// translation) is shown in the font at the largest pixel size, up to the
// font's own, at which it fits when laid out with flags; never below
// MinimumFittingPixels.
constexpr int MinimumFittingPixels = 6;
QFont FittingFont(const QFont& font, const QString& text, const QSize& box, int flags);

// A dialog text: system colours unless told otherwise, an optional
// single-line border, greyed when disabled. Text is top-aligned and wrapped;
// a bordered label centres its single line vertically.
class DialogLabel final : public Control
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "Label")
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int Alignment READ AlignmentCode WRITE SetAlignmentCode)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(int ForeColor READ ForeColor WRITE SetForeColor)
    Q_PROPERTY(int BackColor READ BackColor WRITE SetBackColor)
    Q_PROPERTY(QString FontName READ FontName WRITE SetFontName)
    Q_PROPERTY(double FontSize READ FontSize WRITE SetFontSize)
    Q_PROPERTY(bool FontBold READ FontBold WRITE SetFontBold)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)

public:
    // Colour value meaning "the system's colour".
    static constexpr int SystemColor = -1;

    explicit DialogLabel(QWidget* parent = nullptr);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    // 0 left, 1 right, 2 centre.
    int AlignmentCode() const { return m_alignment; }
    void SetAlignmentCode(int alignment);
    // 0 none, 1 single line.
    int BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(int style);
    int ForeColor() const { return m_foreColor; }
    void SetForeColor(int color);
    int BackColor() const { return m_backColor; }
    void SetBackColor(int color);
    QString FontName() const { return m_fontName; }
    void SetFontName(const QString& name);
    double FontSize() const { return m_fontSize; }
    void SetFontSize(double points);
    bool FontBold() const { return m_fontBold; }
    void SetFontBold(bool bold);
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool enabled) { setEnabled(enabled); }
    // The font the caption is drawn in: the design font, shrunk to fit.
    QFont ShownFont() const;

signals:
    // The caption changed.
    void Change();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString m_caption;
    int m_alignment = 0;
    int m_borderStyle = 0;
    int m_foreColor = SystemColor;
    int m_backColor = SystemColor;
    QString m_fontName;
    double m_fontSize = 0;
    bool m_fontBold = false;
};

// A frame with a caption on its etched border; it holds controls placed
// from its top-left corner.
class CaptionFrame final : public Control
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "Frame")
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QString FontName READ FontName WRITE SetFontName)
    Q_PROPERTY(double FontSize READ FontSize WRITE SetFontSize)
    Q_PROPERTY(bool FontBold READ FontBold WRITE SetFontBold)

public:
    explicit CaptionFrame(QWidget* parent = nullptr);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    QString FontName() const { return m_fontName; }
    void SetFontName(const QString& name);
    double FontSize() const { return m_fontSize; }
    void SetFontSize(double points);
    bool FontBold() const { return m_fontBold; }
    void SetFontBold(bool bold);
    // The font the caption is drawn in: the design font, shrunk to fit the
    // border's length.
    QFont ShownFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
    QString m_fontName;
    double m_fontSize = 0;
    bool m_fontBold = false;
};

// A colour box: a picture box showing its background colour inside a
// single-line sunken border. It takes no focus.
class ColorBox final : public Control
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "PictureBox")
    Q_PROPERTY(int BackColor READ BackColor WRITE SetBackColor)

public:
    explicit ColorBox(QWidget* parent = nullptr);

    int BackColor() const { return m_backColor; }
    void SetBackColor(int color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_backColor = 0xFFFFFF;
};

class TabStrip;

// A tab control: a strip of tabs in rows of TabsPerRow above a panel. The
// controls of each tab sit on a TabPage child (placed over the whole control,
// so positions count from the control's top-left corner, strip included);
// only the current tab's page shows. The row holding the current tab lies
// next to the panel.
class TabControl final : public Control
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "SSTab")
    Q_PROPERTY(QString TabCaptions READ TabCaptions WRITE SetTabCaptions)
    Q_PROPERTY(int TabsPerRow READ TabsPerRow WRITE SetTabsPerRow)
    Q_PROPERTY(double TabHeight READ TabHeight WRITE SetTabHeight)
    Q_PROPERTY(int Tab READ Tab WRITE SetTab)

public:
    explicit TabControl(QWidget* parent = nullptr);

    // The captions joined by "|".
    QString TabCaptions() const { return m_captions.join(u'|'); }
    void SetTabCaptions(const QString& captions);
    QStringList Captions() const { return m_captions; }
    int TabsPerRow() const { return m_tabsPerRow; }
    void SetTabsPerRow(int count);
    double TabHeight() const { return m_tabHeight; }
    void SetTabHeight(double twips);
    int Tab() const { return m_tab; }
    // Out-of-range tabs are ignored.
    void SetTab(int tab);

    int RowCount() const;
    // Where tab i is drawn, in pixels of the control.
    QRect TabRect(int tab) const;
    QWidget* Strip() const;
    // Shows the page of the current tab and hides the others.
    void UpdatePages();

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void childEvent(QChildEvent* event) override;

private:
    QStringList m_captions;
    int m_tabsPerRow = 3;
    double m_tabHeight = 270;
    int m_tab = 0;
    TabStrip* m_strip;
};

// The controls of one tab of a TabControl.
class TabPage final : public Control
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "TabPage")
    Q_PROPERTY(int TabNumber READ TabNumber WRITE SetTabNumber)

public:
    explicit TabPage(QWidget* parent = nullptr);

    int TabNumber() const { return m_tabNumber; }
    void SetTabNumber(int tab);

private:
    int m_tabNumber = 0;
};

// A one-line text box. Typing and pasting stop at MaxLength characters
// (0: no limit); a longer text set by the program is kept whole, and once
// shortened it can grow back to MaxLength only.
class TextBox final : public Control
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "TextBox")
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    Q_PROPERTY(int Alignment READ AlignmentCode WRITE SetAlignmentCode)
    Q_PROPERTY(QString FontName READ FontName WRITE SetFontName)
    Q_PROPERTY(double FontSize READ FontSize WRITE SetFontSize)
    Q_PROPERTY(bool FontBold READ FontBold WRITE SetFontBold)

public:
    explicit TextBox(QWidget* parent = nullptr);

    QString Text() const;
    void SetText(const QString& text);
    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int length);
    int AlignmentCode() const { return m_alignment; }
    void SetAlignmentCode(int alignment);
    QString FontName() const { return m_fontName; }
    void SetFontName(const QString& name);
    double FontSize() const { return m_fontSize; }
    void SetFontSize(double points);
    bool FontBold() const { return m_fontBold; }
    void SetFontBold(bool bold);
    QLineEdit* Editor() const { return m_edit; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ApplyFont();
    void ApplyLimit();

    QLineEdit* m_edit;
    int m_maxLength = 0;
    int m_alignment = 0;
    QString m_fontName;
    double m_fontSize = 0;
    bool m_fontBold = false;
};

// An option button. The option buttons of one container exclude each other;
// none need be selected, and setting Value false clears one.
class OptionButton final : public Control
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "OptionButton")
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Value READ Value WRITE SetValue)

public:
    explicit OptionButton(QWidget* parent = nullptr);

    QString Caption() const;
    void SetCaption(const QString& caption);
    bool Value() const;
    // True clears the other option buttons of the container.
    void SetValue(bool value);
    QRadioButton* Button() const { return m_button; }

signals:
    // The operator selected this option.
    void Click();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The caption in the control's font, or smaller when it would not fit.
    void FitCaption();

    QRadioButton* m_button;
};

// A check box: on or off.
class CheckBox final : public Control
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "CheckBox")
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Value READ Value WRITE SetValue)

public:
    explicit CheckBox(QWidget* parent = nullptr);

    QString Caption() const;
    void SetCaption(const QString& caption);
    bool Value() const;
    void SetValue(bool value);
    QCheckBox* Box() const { return m_box; }

signals:
    // The operator switched it.
    void Click();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QCheckBox* m_box;
};

// A drop-down list without typing. Its height is the list's own; the design
// height is ignored.
class ComboBox final : public Control
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "ComboBox")
    Q_PROPERTY(QString List READ List WRITE SetList)
    Q_PROPERTY(int ListIndex READ ListIndex WRITE SetListIndex)

public:
    explicit ComboBox(QWidget* parent = nullptr);

    // The entries joined by "|".
    QString List() const;
    void SetList(const QString& entries);
    // -1 for no selection; other values outside the list select nothing.
    int ListIndex() const;
    void SetListIndex(int index);
    QComboBox* Box() const { return m_box; }

    void SetHeight(double twips) override;

signals:
    // An entry was selected, by the operator or by the program.
    void Click();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QComboBox* m_box;
};

// A vertical scroll bar reduced to its two arrows: the upper one raises the
// value by SmallChange, the lower one lowers it, within Min..Max. The Up and
// Down keys do the same, Home and End jump to the ends.
class VScrollBar final : public Control
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "VScrollBar")
    Q_PROPERTY(int Min READ Min WRITE SetMin)
    Q_PROPERTY(int Max READ Max WRITE SetMax)
    Q_PROPERTY(int Value READ Value WRITE SetValue)
    Q_PROPERTY(int SmallChange READ SmallChange WRITE SetSmallChange)

public:
    explicit VScrollBar(QWidget* parent = nullptr);

    int Min() const { return m_min; }
    void SetMin(int min);
    int Max() const { return m_max; }
    void SetMax(int max);
    int Value() const { return m_value; }
    // Clamped to Min..Max.
    void SetValue(int value);
    int SmallChange() const { return m_smallChange; }
    void SetSmallChange(int step) { m_smallChange = qMax(1, step); }

signals:
    // The value changed.
    void Change();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_min = 0;
    int m_max = 32767;
    int m_value = 0;
    int m_smallChange = 1;
    int m_pressedArrow = 0; // 1 upper, 2 lower
};

} // namespace kv
