#pragma once

#include <QWidget>

namespace kv {

// The class name a control reports as text ("Label", "PictureBox", "Shape",
// "Line", "Image", "TimeLED", "NumberLED", "PolyLED", "TimeKeeper",
// "MMControl", "Timer"). Code that treats controls by kind dispatches on it.
// Each control class declares it with Q_CLASSINFO("TypeName", "...").
QString TypeName(const QObject* control);

// Index of a control within a control array, -1 for a control that is not
// part of one. Elements of an array share one objectName().
int ControlIndex(const QObject* control);
void SetControlIndex(QObject* control, int index);

// A visible control placed in twips inside its container (the form's client
// area or a picture box). Geometry, visibility and the control-array index are
// properties, reachable by name through the Qt property system.
class Control : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(double Left READ Left WRITE SetLeft)
    Q_PROPERTY(double Top READ Top WRITE SetTop)
    Q_PROPERTY(double Width READ Width WRITE SetWidth)
    Q_PROPERTY(double Height READ Height WRITE SetHeight)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(int Index READ Index)
    Q_PROPERTY(int TabIndex READ TabIndex WRITE SetTabIndex)

public:
    explicit Control(QWidget* parent = nullptr);

    double Left() const { return m_left; }
    double Top() const { return m_top; }
    double Width() const { return m_width; }
    double Height() const { return m_height; }
    void SetLeft(double twips);
    void SetTop(double twips);
    // Displays whose extent follows from their own properties ignore these.
    virtual void SetWidth(double twips);
    virtual void SetHeight(double twips);
    // Places the control in one step. The extent goes through SetWidth and
    // SetHeight, so a display whose extent follows its own properties keeps it.
    void Move(double left, double top, double width, double height);

    // Design visibility: true unless the control itself is hidden (a control
    // on a form that is not shown yet still counts as visible).
    bool Visible() const { return !isHidden(); }
    void SetVisible(bool visible) { setHidden(!visible); }

    int Index() const { return ControlIndex(this); }

    // Place in the form's tab order; only controls that take the focus by Tab use it.
    int TabIndex() const { return m_tabIndex; }
    void SetTabIndex(int tabIndex) { m_tabIndex = tabIndex; }

    // Controls that own a window (picture boxes, LED displays) stack above the
    // windowless ones (labels, shapes, lines, images) of the same container.
    virtual bool IsWindowed() const { return false; }

signals:
    // Mouse button codes: 1 left, 2 right, 4 middle. Coordinates in twips.
    void MouseDown(qint16 button, qint16 shift, double x, double y);
    void Click();
    // The second press of a double-click. It is neither a MouseDown nor a
    // Click, so a double-click acts once, not twice.
    void DblClick();

protected:
    // Sets the extent without going through SetWidth/SetHeight.
    void SetExtent(double widthTwips, double heightTwips);
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void ApplyGeometry();

    double m_left = 0;
    double m_top = 0;
    double m_width = 0;
    double m_height = 0;
    // While set, geometry changes are collected and applied once by Move.
    bool m_holdGeometry = false;
    int m_tabIndex = 0;
    bool m_pressed = false;
};

// A control with its own window: it can hold the focus and reports key events
// as Windows virtual-key codes (the codes the settings store keeps).
class WindowedControl : public Control
{
    Q_OBJECT
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)

public:
    explicit WindowedControl(QWidget* parent = nullptr);

    bool IsWindowed() const override { return true; }
    bool TabStop() const { return m_tabStop; }
    void SetTabStop(bool tabStop);

signals:
    void GotFocus();
    void KeyDown(qint16 keyCode, qint16 shift);
    void KeyUp(qint16 keyCode, qint16 shift);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    bool m_tabStop = true;
};

} // namespace kv
