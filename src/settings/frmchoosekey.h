#pragma once

#include "display/modalform.h"
#include "settings/modgrabkeys.h"

namespace kv {

class DialogLabel;

// "Choose Key": waits for one key press and hands the accepted key code back
// in ChooseKeyResult. It holds no control that takes the focus, so every key,
// Tab and Escape included, reaches the window; a refused key shows the
// refusal message and beeps. Only the close box leaves without a key.
class frmChooseKey final : public ModalForm
{
    Q_OBJECT

public:
    // pending: the options dialog's command keys, compared with each key.
    explicit frmChooseKey(const PendingCommandKeys& pending, QWidget* parent = nullptr);

    // The opening step: the prompt from ChooseKeyAction, ChooseKeyResult "0".
    void Load();
    // One key-down, as a Windows virtual-key code.
    void Form_KeyDown(qint16 KeyCode);

    DialogLabel* lblChoose = nullptr;
    DialogLabel* lblUsed = nullptr;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void Accept(qint16 KeyCode);

    PendingCommandKeys m_pending;
};

// Opens the chooser modal over owner with the pending keys given.
void ShowChooseKey(const PendingCommandKeys& pending, QWidget* owner);

} // namespace kv
