#include "settings/frmchoosekey.h"

#include "display/dialogcontrols.h"
#include "display/formdesign.h"
#include "platform/keytranslator.h"
#include "settings/commondialogs.h"

#include <QKeyEvent>

namespace kv {

namespace {

constexpr int Red = 0x0000FF;
constexpr int Centre = 2;

const std::vector<ControlDesign>& ChooseKeyDesign()
{
    // clang-format off
    static const std::vector<ControlDesign> design = {
        {"lblChoose", -1, "DialogLabel", "", 120, 120, 4335, 855, {{"FontName", "Times New Roman"}, {"FontSize", 18}}},
        {"lblUsed", -1, "DialogLabel", "", 60, 1080, 4575, 1215, {{"Caption", QT_TRANSLATE_NOOP("kv::frmChooseKey", "This is not a valid key, please choose another or close this window to return.")}, {"FontName", "Arial"}, {"FontSize", 18}, {"ForeColor", Red}, {"Alignment", Centre}, {"Visible", false}}},
    };
    // clang-format on
    return design;
}

} // namespace

frmChooseKey::frmChooseKey(const PendingCommandKeys& pending, QWidget* parent)
    : ModalForm(parent)
    , m_pending(pending)
{
    setObjectName(QStringLiteral("frmChooseKey"));
    SetCaption(tr("Choose Key"));
    SetFixedClientSize(4680, 2415);
    BuildForm(*this, ChooseKeyDesign());
    lblChoose = ControlAs<DialogLabel>(QStringLiteral("lblChoose"));
    lblUsed = ControlAs<DialogLabel>(QStringLiteral("lblUsed"));
    // The window itself takes every key.
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &ModalForm::Activated, this, [this] { setFocus(Qt::ActiveWindowFocusReason); });
}

void frmChooseKey::Load()
{
    //: %1 is the action, as "start / stop the contest clock".
    lblChoose->SetCaption(tr("Press the key you would like to %1.").arg(ChooseKeyAction));
    ChooseKeyResult = QStringLiteral("0");
}

void frmChooseKey::Form_KeyDown(qint16 KeyCode)
{
    if (KeyCode == ChooseKeyCurrent || ChooseKeyAccepts(KeyCode, ChooseKeyCurrent, m_pending)) {
        Accept(KeyCode);
        return;
    }
    lblUsed->SetVisible(true);
    Dialogs().Beep();
}

void frmChooseKey::Accept(qint16 KeyCode)
{
    lblUsed->SetVisible(false);
    ChooseKeyResult = QString::number(KeyCode);
    close();
}

bool frmChooseKey::event(QEvent* event)
{
    // Tab and Shift+Tab would move the focus; here they are keys like any other.
    if (event->type() == QEvent::KeyPress) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    return ModalForm::event(event);
}

void frmChooseKey::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    if (event->isAutoRepeat())
        return;
    // A key without a code has no name: refused like any other such key.
    const std::optional<qint16> keyCode = KeyTranslator::Instance().Press(*event);
    if (keyCode && *keyCode != 0) {
        Form_KeyDown(*keyCode);
        return;
    }
    lblUsed->SetVisible(true);
    Dialogs().Beep();
}

void frmChooseKey::keyReleaseEvent(QKeyEvent* event)
{
    KeyTranslator::Instance().Release(*event);
    event->accept();
}

void ShowChooseKey(const PendingCommandKeys& pending, QWidget* owner)
{
    frmChooseKey chooser(pending);
    chooser.Load();
    chooser.ShowModal(owner);
}

} // namespace kv
