#pragma once

#include "display/controls.h"
#include "display/form.h"

#include <QList>
#include <QPointer>

class QEventLoop;

namespace kv {

// A dialog window in the dialog font (Arial 8.25 pt): fixed border without minimise and maximise buttons,
// shown modal and centred on the window it is opened from. Enter presses the default button from any control
// that does not use Enter itself (a focused button presses itself); Escape presses the cancel button. A held
// key's repeats press neither. Closing the window by its close box ends the modal run like any other close.
class ModalForm : public Form
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

public:
    explicit ModalForm(QWidget* parent = nullptr);
    ~ModalForm() override;

    QString Caption() const { return windowTitle(); }
    void SetCaption(const QString& caption) { setWindowTitle(caption); }

    // Fixes the client area in twips.
    void SetFixedClientSize(double widthTwips, double heightTwips);
    void SetDefaultButton(CommandButton* button);
    void SetCancelButton(CommandButton* button);
    CommandButton* DefaultButton() const { return m_default; }
    CommandButton* CancelButton() const { return m_cancel; }

    // Orders the focus chain by the TabIndex property of the form's controls,
    // buttons, lists and text boxes included. Controls without the property,
    // or that take no focus, stay out of it.
    void ApplyTabOrder();

    // Breaks the captions of buttons too narrow for them over two lines at
    // a blank, as the system's buttons do, where the button is high enough;
    // a caption that fits neither way is shown in a smaller font.
    void WrapButtonCaptions();

    // Shows the form modal over owner's window (centred on it; on the screen
    // without one) and returns when the form has been closed.
    void ShowModal(QWidget* owner);
    bool IsShownModal() const { return m_loop != nullptr; }

    // Centres the form on owner's window, or on its screen.
    void CenterOn(const QWidget* owner);

signals:
    // The form became the program's active window.
    void Activated();

protected:
    bool event(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QPointer<CommandButton> m_default;
    QPointer<CommandButton> m_cancel;
    QEventLoop* m_loop = nullptr;
    // The focus targets in tab order; Tab and Shift+Tab walk the ones that
    // can take the focus now, round and round.
    QList<QPointer<QWidget>> m_tabChain;
};

} // namespace kv
