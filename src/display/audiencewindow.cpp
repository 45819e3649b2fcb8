#include "display/audiencewindow.h"

#include "display/control.h"
#include "display/form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

#include <cmath>

namespace kv {

namespace {

// Controls whose picture stretches with both ratios: fills, frames and lines.
// Everything else (text, digits, pictures) keeps its proportions and scales
// with the height ratio, as the board scales fonts and digit sizes.
bool StretchesBothWays(const QString& type)
{
    return type == QLatin1String("Shape") || type == QLatin1String("Line")
        || type == QLatin1String("PictureBox") || type == QLatin1String("Frame");
}

int Round(double value)
{
    return static_cast<int>(std::lround(value));
}

} // namespace

AudienceWindow::AudienceWindow(Form& board, QStringList hidden, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_board(&board)
    , m_hidden(std::move(hidden))
{
    setObjectName(QStringLiteral("frmAudience"));
    setWindowTitle(tr("Korvelin audience display"));
    setFocusPolicy(Qt::StrongFocus);
    // The board keeps the keyboard when the audience display opens.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    Watch(&board);
}

AudienceWindow::~AudienceWindow() = default;

void AudienceWindow::CloseForGood()
{
    m_closing = true;
    close();
}

void AudienceWindow::Watch(QObject* object)
{
    object->installEventFilter(this);
    for (QObject* child : object->children()) {
        if (child->isWidgetType())
            Watch(child);
    }
}

bool AudienceWindow::IsLeftOut(const QWidget* control) const
{
    for (const QWidget* w = control; w && w != m_board; w = w->parentWidget()) {
        if (m_hidden.contains(w->objectName()))
            return true;
    }
    return false;
}

QPoint AudienceWindow::BoardTopLeft(const QWidget* control) const
{
    QPoint topLeft;
    for (const QWidget* w = control; w && w != m_board; w = w->parentWidget())
        topLeft += w->pos();
    return topLeft;
}

AudienceWindow::Mapping AudienceWindow::CurrentMapping() const
{
    Mapping mapping;
    if (!m_board || m_board->width() <= 0 || m_board->height() <= 0 || width() <= 0 || height() <= 0)
        return mapping;
    mapping.widthRatio = double(width()) / m_board->width();
    mapping.heightRatio = double(height()) / m_board->height();
    mapping.valid = true;
    return mapping;
}

QRect AudienceWindow::Target(const Mapping& mapping, const QWidget* control, const QPoint& boardTopLeft) const
{
    const double x = boardTopLeft.x() * mapping.widthRatio;
    const double y = boardTopLeft.y() * mapping.heightRatio;
    if (StretchesBothWays(TypeName(control))) {
        const int left = Round(x);
        const int top = Round(y);
        return QRect(left, top, Round((boardTopLeft.x() + control->width()) * mapping.widthRatio) - left,
            Round((boardTopLeft.y() + control->height()) * mapping.heightRatio) - top);
    }
    // Kept in proportion; a label's text stays where its alignment puts it
    // in the box the board would give it at this size.
    double shift = 0;
    if (TypeName(control) == QLatin1String("Label")) {
        const double spare = control->width() * (mapping.widthRatio - mapping.heightRatio);
        const int alignment = control->property("Alignment").toInt();
        shift = alignment == 2 ? spare / 2 : alignment == 1 ? spare : 0;
    }
    return QRect(Round(x + shift), Round(y), Round(control->width() * mapping.heightRatio),
        Round(control->height() * mapping.heightRatio));
}

QRect AudienceWindow::TargetRect(const QWidget* control) const
{
    const Mapping mapping = CurrentMapping();
    if (!mapping.valid || !control)
        return {};
    return Target(mapping, control, BoardTopLeft(control));
}

void AudienceWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    painter.fillRect(dirty, m_board ? m_board->palette().color(QPalette::Window) : QColor(Qt::black));
    const Mapping mapping = CurrentMapping();
    if (!mapping.valid)
        return;
    // The board's controls paint themselves here; what they paint is not
    // a change of the board.
    m_painting = true;
    PaintChildren(painter, mapping, m_board, QPoint(), dirty);
    m_painting = false;
}

void AudienceWindow::PaintChildren(QPainter& painter, const Mapping& mapping, const QWidget* container,
    const QPoint& origin, const QRect& dirty)
{
    // Children in stacking order, bottom first, as the board paints them.
    for (QObject* object : container->children()) {
        auto* control = qobject_cast<QWidget*>(object);
        if (!control || control->isWindow() || control->isHidden()
            || m_hidden.contains(control->objectName()))
            continue;
        const QPoint topLeft = origin + control->pos();
        const QRect target = Target(mapping, control, topLeft);
        if (!target.intersects(dirty) || control->width() <= 0 || control->height() <= 0)
            continue;
        painter.save();
        painter.translate(target.topLeft());
        if (StretchesBothWays(TypeName(control)))
            painter.scale(
                double(target.width()) / control->width(), double(target.height()) / control->height());
        else
            painter.scale(mapping.heightRatio, mapping.heightRatio);
        control->render(&painter, QPoint(), QRegion(control->rect()), QWidget::RenderFlags());
        painter.restore();
        // A container clips its children, here as on the board.
        painter.save();
        painter.setClipRect(target, Qt::IntersectClip);
        PaintChildren(painter, mapping, control, topLeft, dirty & target);
        painter.restore();
    }
}

bool AudienceWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_board)
        return false;
    switch (event->type()) {
    case QEvent::Paint: {
        if (m_painting)
            break;
        auto* widget = static_cast<QWidget*>(watched);
        if (widget == m_board) {
            // The form's own area: its background, or what lay under a
            // control that moved or went.
            const Mapping mapping = CurrentMapping();
            if (!mapping.valid)
                break;
            for (const QRect& rect : static_cast<QPaintEvent*>(event)->region()) {
                update(QRect(QPoint(Round(rect.left() * mapping.widthRatio) - 2,
                                 Round(rect.top() * mapping.heightRatio) - 2),
                    QPoint(Round((rect.right() + 1) * mapping.widthRatio) + 2,
                        Round((rect.bottom() + 1) * mapping.heightRatio) + 2)));
            }
        } else if (!IsLeftOut(widget)) {
            update(TargetRect(widget).adjusted(-2, -2, 2, 2));
        }
        break;
    }
    case QEvent::UpdateRequest:
        // A board that is not on screen (minimised) paints nothing until it
        // is back; the audience still follows every change.
        if (watched == m_board && (!m_board->windowHandle() || !m_board->windowHandle()->isExposed()))
            update();
        break;
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        if (watched == m_board)
            update();
        break;
    case QEvent::ChildAdded: {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType())
            Watch(child);
        break;
    }
    case QEvent::Close:
        // Closing the board ends the program, and this window with it.
        if (watched == m_board)
            m_closing = true;
        break;
    default:
        break;
    }
    return false;
}

bool AudienceWindow::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        // A key pressed here reaches the board as if pressed there, Tab
        // included: a stray click on the projector never loses a key.
        if (m_board) {
            QWidget* target = m_board->focusWidget() ? m_board->focusWidget() : m_board.data();
            QCoreApplication::sendEvent(target, event);
        }
        return true;
    case QEvent::ShortcutOverride:
        event->ignore();
        return false;
    case QEvent::LanguageChange:
        setWindowTitle(tr("Korvelin audience display"));
        return QWidget::event(event);
    default:
        return QWidget::event(event);
    }
}

void AudienceWindow::closeEvent(QCloseEvent* event)
{
    if (m_closing)
        event->accept();
    else
        event->ignore();
}

void AudienceWindow::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void AudienceWindow::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
}

void AudienceWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
}

void AudienceWindow::wheelEvent(QWheelEvent* event)
{
    event->accept();
}

} // namespace kv
