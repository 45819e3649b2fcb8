#pragma once

#include "display/modalform.h"

#include <functional>
#include <optional>

namespace kv {

class CheckBox;
class ColorBox;
class ComboBox;
class CommandButton;
class DialogLabel;
class Image;
class OptionButton;
class PictureBox;
class PolyLED;
class TabControl;
class TextBox;
class VScrollBar;

// The "Options" dialog: every setting of BoardSettings, edited as pending
// values that OK copies into BoardSettings and writes to the settings store
// and that Cancel, Escape or the close box drop. Created afresh for every
// opening.
class frmOptions final : public ModalForm
{
    Q_OBJECT

public:
    explicit frmOptions(QWidget* parent = nullptr);

    // The opening steps: every pending value from BoardSettings.
    void Load();

    static QString KeyCodeToStr(qint16 KeyCode);
    // Shows the pending buzzer file on lblBFile.
    void UpdateBuzzerCaption();

    // Pending values that live outside the controls.
    qint16 StartStopPeriodClockKeyTemp = 0;
    qint16 ResetPeriodClockKeyTemp = 0;
    qint16 ClearKeyTemp = 0;
    qint16 BuzzerKeyTemp = 0;
    qint16 UndoKeyTemp = 0;
    QString BuzzTemp;
    QString HomePicTemp;
    QString VisitorPicTemp;

    // Handlers.
    void cmdOk_Click();
    void cmdCancel_Click();
    void cmdResetColors_Click();
    void cmdResetKeys_Click();
    // The colour "Change" buttons: the colour dialog for that box.
    void ChangeColor(ColorBox* box);
    // The key buttons: the chooser for that action's pending key.
    void ChooseKey(const QString& action, qint16& pendingKey, DialogLabel* label);
    void cmdBuzzerSoundChange_Click();
    void cmdBuzzerSoundNone_Click();
    // The picture buttons; home picks the side.
    void ChangePicture(bool home);
    void ClearPicture(bool home);
    void cmbLedType_Click();
    void scrLEDSelectedWidth_Change();
    void lblBFile_Change();
    void cmbRuleSet_Click();
    void cmbCategory_Click();

    TabControl* SSTab1 = nullptr;
    CommandButton* cmdOk = nullptr;
    CommandButton* cmdCancel = nullptr;
    CommandButton* cmdStartStopPeriodClock = nullptr;
    CommandButton* cmdResetPeriodClock = nullptr;
    CommandButton* cmdClearKey = nullptr;
    CommandButton* cmdResetKeys = nullptr;
    DialogLabel* lblStartStopPeriodClock = nullptr;
    DialogLabel* lblResetPeriodClock = nullptr;
    DialogLabel* lblClear = nullptr;
    CommandButton* cmdUndoKey = nullptr;
    DialogLabel* lblUndoKey = nullptr;
    OptionButton* optNormal = nullptr;
    OptionButton* optKeepOn = nullptr;
    OptionButton* optKeepOff = nullptr;
    ColorBox* picBackC = nullptr;
    ColorBox* picLEDB = nullptr;
    ColorBox* picBorderC = nullptr;
    ColorBox* picScoreC = nullptr;
    ColorBox* picHoldC = nullptr;
    ColorBox* picTimeC = nullptr;
    ColorBox* picLedSelected = nullptr;
    CommandButton* cmdBackC = nullptr;
    CommandButton* cmdLEDB = nullptr;
    CommandButton* cmdBorderC = nullptr;
    CommandButton* cmdScoreC = nullptr;
    CommandButton* cmdHoldC = nullptr;
    CommandButton* cmdTimeC = nullptr;
    CommandButton* cmdLedSelected = nullptr;
    CommandButton* cmdResetColors = nullptr;
    DialogLabel* lblLEDSelectedWidthValue = nullptr;
    VScrollBar* scrLEDSelectedWidth = nullptr;
    TextBox* txtTitleText = nullptr;
    TextBox* txtHomeText = nullptr;
    TextBox* txtVisitorText = nullptr;
    PictureBox* picHomePicPreviewCon = nullptr;
    PictureBox* picVisitorPicPreviewCon = nullptr;
    Image* imgHomePicPreview = nullptr;
    Image* imgVisitorPicPreview = nullptr;
    CommandButton* cmdChangeHomePic = nullptr;
    CommandButton* cmdClearHomePic = nullptr;
    CommandButton* cmdChangeVisitorPic = nullptr;
    CommandButton* cmdClearVisitorPic = nullptr;
    ComboBox* cmbLedType = nullptr;
    PolyLED* pledPreview = nullptr;
    DialogLabel* lblBFile = nullptr;
    CommandButton* cmdBuzzerSoundChange = nullptr;
    CommandButton* cmdBuzzerSoundNone = nullptr;
    CommandButton* cmdBuzzerKey = nullptr;
    DialogLabel* lblBuzzerKey = nullptr;
    ComboBox* cmbRuleSet = nullptr;
    ComboBox* cmbCategory = nullptr;
    ComboBox* cmbGoldenScoreLimit = nullptr;
    CheckBox* chkScoreHolds = nullptr;
    OptionButton* optServeOff = nullptr;
    OptionButton* optServeOn = nullptr;
    TextBox* txtServePort = nullptr;

private:
    void ShowKey(DialogLabel* label, qint16 KeyCode);
    // OK's rule settings; false when the store could not be written.
    bool SaveRules();

    // The colour the colour dialog holds between its openings.
    qint32 m_colourDialogColor = 0;
};

// What the buzzer file label shows for a pending path: "[No File Selected]"
// when empty; up to 50 characters whole; a longer path as its first 25
// characters, " ...", the separator and the file name when the file exists.
QString BuzzerCaption(const QString& path);

// The port typed in the network options: a whole number from 1 to 65535,
// else nothing.
std::optional<quint16> ParseServePort(const QString& text);

// Opens the options dialog modal over the program's active window.
void ShowOptionsDialog();

// How OK forces NumLock ("Keep Numlock On/Off"); the keyboard's by default.
// Tests put their own; an empty function restores the keyboard's.
void SetOptionsNumLockSetter(std::function<void(bool)> setter);

} // namespace kv
