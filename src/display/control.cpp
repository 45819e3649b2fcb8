#include "display/control.h"

#include "display/twips.h"
#include "platform/keytranslator.h"

#include <QKeyEvent>
#include <QMetaClassInfo>
#include <QMouseEvent>

namespace kv {

namespace {
const char* const IndexProperty = "kvIndex";
} // namespace

QString TypeName(const QObject* control)
{
    if (!control)
        return {};
    const QMetaObject* meta = control->metaObject();
    const int info = meta->indexOfClassInfo("TypeName");
    if (info < 0)
        return QString::fromLatin1(meta->className());
    return QString::fromLatin1(meta->classInfo(info).value());
}

int ControlIndex(const QObject* control)
{
    const QVariant index = control ? control->property(IndexProperty) : QVariant();
    return index.isValid() ? index.toInt() : -1;
}

void SetControlIndex(QObject* control, int index)
{
    control->setProperty(IndexProperty, index);
}

Control::Control(QWidget* parent)
    : QWidget(parent)
{ }

void Control::SetLeft(double twips)
{
    m_left = twips;
    ApplyGeometry();
}

void Control::SetTop(double twips)
{
    m_top = twips;
    ApplyGeometry();
}

void Control::SetWidth(double twips)
{
    m_width = twips;
    ApplyGeometry();
}

void Control::SetHeight(double twips)
{
    m_height = twips;
    ApplyGeometry();
}

void Control::Move(double left, double top, double width, double height)
{
    m_holdGeometry = true;
    m_left = left;
    m_top = top;
    SetWidth(width);
    SetHeight(height);
    m_holdGeometry = false;
    ApplyGeometry();
}

void Control::SetExtent(double widthTwips, double heightTwips)
{
    m_width = widthTwips;
    m_height = heightTwips;
    ApplyGeometry();
}

void Control::ApplyGeometry()
{
    if (m_holdGeometry)
        return;
    const int x0 = TwipsToPixelEdge(m_left);
    const int y0 = TwipsToPixelEdge(m_top);
    const int x1 = TwipsToPixelEdge(m_left + m_width);
    const int y1 = TwipsToPixelEdge(m_top + m_height);
    const QRect rect(x0, y0, qMax(0, x1 - x0), qMax(0, y1 - y0));
    if (rect != geometry())
        setGeometry(rect);
}

namespace {
qint16 ButtonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}
} // namespace

void Control::mousePressEvent(QMouseEvent* event)
{
    const qint16 button = ButtonCode(event->button());
    if (button == 0) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressed = event->button() == Qt::LeftButton;
    const QPointF position = event->position() * TwipsPerPixel;
    emit MouseDown(button, ShiftMask(event->modifiers()), position.x(), position.y());
    event->accept();
}

void Control::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    // A click is a left press and release on the same control.
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
    event->accept();
}

void Control::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Qt would hand the second press to mousePressEvent as one more press;
    // here it is the double-click alone, and its release is no click.
    m_pressed = false;
    if (ButtonCode(event->button()) == 0) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    if (event->button() == Qt::LeftButton)
        emit DblClick();
    event->accept();
}

WindowedControl::WindowedControl(QWidget* parent)
    : Control(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void WindowedControl::SetTabStop(bool tabStop)
{
    m_tabStop = tabStop;
    // A control that is no tab stop still takes the focus when clicked.
    setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void WindowedControl::keyPressEvent(QKeyEvent* event)
{
    if (const std::optional<qint16> keyCode = KeyTranslator::Instance().Press(*event))
        emit KeyDown(*keyCode, ShiftMask(event->modifiers()));
    event->accept();
}

void WindowedControl::keyReleaseEvent(QKeyEvent* event)
{
    if (const std::optional<qint16> keyCode = KeyTranslator::Instance().Release(*event))
        emit KeyUp(*keyCode, ShiftMask(event->modifiers()));
    event->accept();
}

void WindowedControl::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    emit GotFocus();
}

} // namespace kv
