#include "display/modalform.h"

#include "display/controls.h"
#include "display/dialogcontrols.h"
#include "display/formdesign.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWindow>

#include <optional>

namespace kv {

ModalForm::ModalForm(QWidget* parent)
    : Form(parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
        | Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAutoFillBackground(true);
    QFont dialogFont(QStringLiteral("Arial"));
    dialogFont.setPixelSize(11);
    setFont(dialogFont);
}

ModalForm::~ModalForm()
{
    if (m_loop)
        m_loop->quit();
}

void ModalForm::SetFixedClientSize(double widthTwips, double heightTwips)
{
    SetClientSize(widthTwips, heightTwips);
    setFixedSize(size());
}

void ModalForm::SetDefaultButton(CommandButton* button)
{
    if (m_default)
        m_default->Button()->setDefault(false);
    m_default = button;
    if (m_default)
        m_default->Button()->setDefault(true);
}

void ModalForm::SetCancelButton(CommandButton* button)
{
    m_cancel = button;
}

void ModalForm::ApplyTabOrder()
{
    m_tabChain.clear();
    for (QWidget* target : TabChain(*this))
        m_tabChain.append(target);
}

bool ModalForm::focusNextPrevChild(bool next)
{
    QList<QWidget*> open;
    for (const QPointer<QWidget>& target : m_tabChain) {
        if (target && target->isVisible() && target->isEnabled() && (target->focusPolicy() & Qt::TabFocus))
            open.append(target);
    }
    if (open.isEmpty())
        return Form::focusNextPrevChild(next);
    QWidget* current = focusWidget();
    qsizetype at = open.indexOf(current);
    if (at < 0) {
        // From a widget outside the chain: the first (or last) one.
        at = next ? open.size() - 1 : 0;
    }
    const qsizetype to = (at + (next ? 1 : open.size() - 1)) % open.size();
    open.at(to)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

namespace {

// The caption on one line, or broken at the last blank that leaves a first
// line that fits, when its lines fit a button of that size with room pixels
// for the text across; nothing when neither fits.
std::optional<QString> FitButtonCaption(
    const QString& caption, const QFont& font, const QSize& button, int room)
{
    const QFontMetrics metrics(font);
    const auto width = [&metrics](QString line) {
        return metrics.horizontalAdvance(line.replace(QStringLiteral("&&"), QStringLiteral("&"))
                                             .remove(QRegularExpression(QStringLiteral("&(?=[^&])"))));
    };
    if (width(caption) <= room && metrics.height() <= button.height())
        return caption;
    if (2 * metrics.height() > button.height())
        return std::nullopt;
    for (qsizetype blank = caption.lastIndexOf(u' '); blank > 0;
         blank = caption.lastIndexOf(u' ', blank - 1)) {
        if (width(caption.left(blank)) <= room)
            return width(caption.mid(blank + 1)) <= room
                ? std::optional<QString>(caption.left(blank) + u'\n' + caption.mid(blank + 1))
                : std::nullopt;
    }
    return std::nullopt;
}

} // namespace

void ModalForm::WrapButtonCaptions()
{
    for (QObject* control : Controls()) {
        auto* button = qobject_cast<CommandButton*>(control);
        if (!button)
            continue;
        QPushButton* push = button->Button();
        const QString caption = push->text();
        if (caption.contains(u'\n'))
            continue;
        // The control's own size: the push button inside takes it only when
        // the form is first shown. Room is what the style leaves for text.
        QStyleOptionButton option;
        option.initFrom(push);
        const int padding
            = push->style()->sizeFromContents(QStyle::CT_PushButton, &option, QSize(0, 0), push).width();
        const int room = button->width() - qMax(8, padding);
        QFont font = push->font();
        const int designPixels = QFontInfo(font).pixelSize();
        for (int pixels = designPixels; pixels >= MinimumFittingPixels; --pixels) {
            if (pixels != designPixels)
                font.setPixelSize(pixels);
            if (const std::optional<QString> fitting
                = FitButtonCaption(caption, font, button->size(), room)) {
                push->setText(*fitting);
                if (pixels != designPixels)
                    push->setFont(font);
                break;
            }
        }
    }
}

void ModalForm::CenterOn(const QWidget* owner)
{
    const QWidget* window = owner ? owner->window() : nullptr;
    QRect area;
    if (window && window->isVisible())
        area = window->frameGeometry();
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isEmpty())
        return;
    const QSize outer = frameGeometry().size().isEmpty() ? size() : frameGeometry().size();
    move(area.center() - QPoint(outer.width() / 2, outer.height() / 2));
}

void ModalForm::ShowModal(QWidget* owner)
{
    if (m_loop)
        return;
    setWindowModality(Qt::ApplicationModal);
    QWidget* ownerWindow = owner ? owner->window() : nullptr;
    if (ownerWindow && ownerWindow != this) {
        // Above its owner, without the owner taking the form's lifetime.
        winId();
        if (QWindow* handle = windowHandle())
            handle->setTransientParent(ownerWindow->windowHandle());
    }
    CenterOn(ownerWindow);
    show();
    activateWindow();
    QEventLoop loop;
    m_loop = &loop;
    if (isVisible())
        loop.exec(QEventLoop::DialogExec);
    m_loop = nullptr;
    // The owner is the active window again, also where no window manager
    // hands the focus back.
    if (ownerWindow && ownerWindow->isVisible())
        ownerWindow->activateWindow();
}

bool ModalForm::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        const bool handled = Form::event(event);
        emit Activated();
        return handled;
    }
    return Form::event(event);
}

void ModalForm::keyPressEvent(QKeyEvent* event)
{
    // Keys that no control used reach the form. A repeat of a held Enter or
    // Escape presses nothing: only a fresh press does.
    const int key = event->key();
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (event->isAutoRepeat() && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape)) {
        event->accept();
        return;
    }
    if (plain && (key == Qt::Key_Return || key == Qt::Key_Enter) && m_default && m_default->isEnabled()
        && m_default->isVisible()) {
        m_default->Button()->click();
        event->accept();
        return;
    }
    if (plain && key == Qt::Key_Escape && m_cancel && m_cancel->isEnabled()) {
        m_cancel->Button()->click();
        event->accept();
        return;
    }
    Form::keyPressEvent(event);
}

void ModalForm::hideEvent(QHideEvent* event)
{
    Form::hideEvent(event);
    if (m_loop && !isVisible())
        m_loop->quit();
}

} // namespace kv
