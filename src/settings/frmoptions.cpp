#include "settings/frmoptions.h"

#include "display/controls.h"
#include "display/dialogcontrols.h"
#include "display/formdesign.h"
#include "display/leds.h"
#include "display/modcolor.h"
#include "display/vbcolor.h"
#include "platform/keyboardstate.h"
#include "rules/ruleset.h"
#include "settings/boardsettings.h"
#include "settings/commondialogs.h"
#include "settings/frmchoosekey.h"
#include "settings/modgrabkeys.h"
#include "settings/optionsdesign.h"
#include "settings/optionsdialog.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>

namespace kv {

namespace {

std::function<void(bool)>& NumLockSetter()
{
    static std::function<void(bool)> setter;
    return setter;
}

void ApplyNumLock(bool on)
{
    if (NumLockSetter())
        NumLockSetter()(on);
    else
        SetNumLock(on);
}

// Whether the file can be decoded as a picture.
bool IsReadablePicture(const QString& path)
{
    QImageReader reader(path);
    return !reader.read().isNull();
}

const QString PictureFilter = QStringLiteral("Pictures (*.bmp;*.gif;*.jpg)|*.bmp;*.gif;*.jpg");
const QString SoundFilter = QStringLiteral("Sounds *.wav|*.wav");

} // namespace

void SetOptionsNumLockSetter(std::function<void(bool)> setter)
{
    NumLockSetter() = std::move(setter);
}

QString BuzzerCaption(const QString& path)
{
    if (path.isEmpty())
        return QStringLiteral("[No File Selected]");
    if (path.size() <= 50)
        return path;
        // The file name after the last separator the platform knows.
#ifdef Q_OS_WIN
    const qsizetype slash = qMax(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
#else
    const qsizetype slash = path.lastIndexOf(u'/');
#endif
    const QString name = QFileInfo(path).isFile() ? path.mid(slash + 1) : QString();
    return path.left(25) + QStringLiteral(" ...") + QDir::separator() + name;
}

std::optional<quint16> ParseServePort(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > 5)
        return std::nullopt;
    for (const QChar c : trimmed) {
        if (!c.isDigit() || c.unicode() > '9')
            return std::nullopt;
    }
    const int port = trimmed.toInt();
    if (port < 1 || port > 65535)
        return std::nullopt;
    return static_cast<quint16>(port);
}

frmOptions::frmOptions(QWidget* parent)
    : ModalForm(parent)
{
    setObjectName(QStringLiteral("frmOptions"));
    SetCaption(QStringLiteral("Options"));
    SetFixedClientSize(6270, 6000);
    const QStringList problems = BuildForm(*this, OptionsDesign());
    if (!problems.isEmpty())
        qWarning("options dialog design: %s", qPrintable(problems.join(QStringLiteral("; "))));

    SSTab1 = ControlAs<TabControl>(QStringLiteral("SSTab1"));
    cmdOk = ControlAs<CommandButton>(QStringLiteral("cmdOk"));
    cmdCancel = ControlAs<CommandButton>(QStringLiteral("cmdCancel"));
    cmdStartStopPeriodClock = ControlAs<CommandButton>(QStringLiteral("cmdStartStopPeriodClock"));
    cmdResetPeriodClock = ControlAs<CommandButton>(QStringLiteral("cmdResetPeriodClock"));
    cmdClearKey = ControlAs<CommandButton>(QStringLiteral("cmdClearKey"));
    cmdResetKeys = ControlAs<CommandButton>(QStringLiteral("cmdResetKeys"));
    lblStartStopPeriodClock = ControlAs<DialogLabel>(QStringLiteral("lblStartStopPeriodClock"));
    lblResetPeriodClock = ControlAs<DialogLabel>(QStringLiteral("lblResetPeriodClock"));
    lblClear = ControlAs<DialogLabel>(QStringLiteral("lblClear"));
    cmdUndoKey = ControlAs<CommandButton>(QStringLiteral("cmdUndoKey"));
    lblUndoKey = ControlAs<DialogLabel>(QStringLiteral("lblUndoKey"));
    optNormal = ControlAs<OptionButton>(QStringLiteral("optNormal"));
    optKeepOn = ControlAs<OptionButton>(QStringLiteral("optKeepOn"));
    optKeepOff = ControlAs<OptionButton>(QStringLiteral("optKeepOff"));
    picBackC = ControlAs<ColorBox>(QStringLiteral("picBackC"));
    picLEDB = ControlAs<ColorBox>(QStringLiteral("picLEDB"));
    picBorderC = ControlAs<ColorBox>(QStringLiteral("picBorderC"));
    picScoreC = ControlAs<ColorBox>(QStringLiteral("picScoreC"));
    picHoldC = ControlAs<ColorBox>(QStringLiteral("picHoldC"));
    picTimeC = ControlAs<ColorBox>(QStringLiteral("picTimeC"));
    picLedSelected = ControlAs<ColorBox>(QStringLiteral("picLedSelected"));
    cmdBackC = ControlAs<CommandButton>(QStringLiteral("cmdBackC"));
    cmdLEDB = ControlAs<CommandButton>(QStringLiteral("cmdLEDB"));
    cmdBorderC = ControlAs<CommandButton>(QStringLiteral("cmdBorderC"));
    cmdScoreC = ControlAs<CommandButton>(QStringLiteral("cmdScoreC"));
    cmdHoldC = ControlAs<CommandButton>(QStringLiteral("cmdHoldC"));
    cmdTimeC = ControlAs<CommandButton>(QStringLiteral("cmdTimeC"));
    cmdLedSelected = ControlAs<CommandButton>(QStringLiteral("cmdLedSelected"));
    cmdResetColors = ControlAs<CommandButton>(QStringLiteral("cmdResetColors"));
    lblLEDSelectedWidthValue = ControlAs<DialogLabel>(QStringLiteral("lblLEDSelectedWidthValue"));
    scrLEDSelectedWidth = ControlAs<VScrollBar>(QStringLiteral("scrLEDSelectedWidth"));
    txtTitleText = ControlAs<TextBox>(QStringLiteral("txtTitleText"));
    txtHomeText = ControlAs<TextBox>(QStringLiteral("txtHomeText"));
    txtVisitorText = ControlAs<TextBox>(QStringLiteral("txtVisitorText"));
    picHomePicPreviewCon = ControlAs<PictureBox>(QStringLiteral("picHomePicPreviewCon"));
    picVisitorPicPreviewCon = ControlAs<PictureBox>(QStringLiteral("picVisitorPicPreviewCon"));
    imgHomePicPreview = ControlAs<Image>(QStringLiteral("imgHomePicPreview"));
    imgVisitorPicPreview = ControlAs<Image>(QStringLiteral("imgVisitorPicPreview"));
    cmdChangeHomePic = ControlAs<CommandButton>(QStringLiteral("cmdChangeHomePic"));
    cmdClearHomePic = ControlAs<CommandButton>(QStringLiteral("cmdClearHomePic"));
    cmdChangeVisitorPic = ControlAs<CommandButton>(QStringLiteral("cmdChangeVisitorPic"));
    cmdClearVisitorPic = ControlAs<CommandButton>(QStringLiteral("cmdClearVisitorPic"));
    cmbLedType = ControlAs<ComboBox>(QStringLiteral("cmbLedType"));
    pledPreview = ControlAs<PolyLED>(QStringLiteral("pledPreview"));
    lblBFile = ControlAs<DialogLabel>(QStringLiteral("lblBFile"));
    cmdBuzzerSoundChange = ControlAs<CommandButton>(QStringLiteral("cmdBuzzerSoundChange"));
    cmdBuzzerSoundNone = ControlAs<CommandButton>(QStringLiteral("cmdBuzzerSoundNone"));
    cmdBuzzerKey = ControlAs<CommandButton>(QStringLiteral("cmdBuzzerKey"));
    lblBuzzerKey = ControlAs<DialogLabel>(QStringLiteral("lblBuzzerKey"));
    cmbRuleSet = ControlAs<ComboBox>(QStringLiteral("cmbRuleSet"));
    cmbCategory = ControlAs<ComboBox>(QStringLiteral("cmbCategory"));
    cmbGoldenScoreLimit = ControlAs<ComboBox>(QStringLiteral("cmbGoldenScoreLimit"));
    chkScoreHolds = ControlAs<CheckBox>(QStringLiteral("chkScoreHolds"));
    optServeOff = ControlAs<OptionButton>(QStringLiteral("optServeOff"));
    optServeOn = ControlAs<OptionButton>(QStringLiteral("optServeOn"));
    txtServePort = ControlAs<TextBox>(QStringLiteral("txtServePort"));

    // The preview boxes take the dialog's own face colour.
    const int face = FromQColor(palette().color(QPalette::Window));
    picHomePicPreviewCon->SetBackColor(face);
    picVisitorPicPreviewCon->SetBackColor(face);

    WrapButtonCaptions();
    SetDefaultButton(cmdOk);
    SetCancelButton(cmdCancel);
    ApplyTabOrder();

    connect(this, &ModalForm::Activated, this, [this] { cmdOk->setFocus(Qt::ActiveWindowFocusReason); });
    connect(cmdOk, &kv::Control::Click, this, &frmOptions::cmdOk_Click);
    connect(cmdCancel, &kv::Control::Click, this, &frmOptions::cmdCancel_Click);
    connect(cmdResetColors, &kv::Control::Click, this, &frmOptions::cmdResetColors_Click);
    connect(cmdResetKeys, &kv::Control::Click, this, &frmOptions::cmdResetKeys_Click);
    const std::pair<CommandButton*, ColorBox*> colourButtons[] = { { cmdBackC, picBackC },
        { cmdLEDB, picLEDB }, { cmdBorderC, picBorderC }, { cmdScoreC, picScoreC }, { cmdHoldC, picHoldC },
        { cmdTimeC, picTimeC }, { cmdLedSelected, picLedSelected } };
    for (const auto& [button, box] : colourButtons)
        connect(button, &kv::Control::Click, this, [this, box = box] { ChangeColor(box); });
    connect(cmdStartStopPeriodClock, &kv::Control::Click, this, [this] {
        ChooseKey(QStringLiteral("start / stop the contest clock"), StartStopPeriodClockKeyTemp,
            lblStartStopPeriodClock);
    });
    connect(cmdResetPeriodClock, &kv::Control::Click, this, [this] {
        ChooseKey(QStringLiteral("reset the contest clock"), ResetPeriodClockKeyTemp, lblResetPeriodClock);
    });
    connect(cmdUndoKey, &kv::Control::Click, this,
        [this] { ChooseKey(QStringLiteral("undo the last change"), UndoKeyTemp, lblUndoKey); });
    connect(cmdBuzzerKey, &kv::Control::Click, this,
        [this] { ChooseKey(QStringLiteral("sound the buzzer"), BuzzerKeyTemp, lblBuzzerKey); });
    connect(cmdClearKey, &kv::Control::Click, this,
        [this] { ChooseKey(QStringLiteral("clear a number"), ClearKeyTemp, lblClear); });
    connect(cmdBuzzerSoundChange, &kv::Control::Click, this, &frmOptions::cmdBuzzerSoundChange_Click);
    connect(cmdBuzzerSoundNone, &kv::Control::Click, this, &frmOptions::cmdBuzzerSoundNone_Click);
    connect(cmdChangeHomePic, &kv::Control::Click, this, [this] { ChangePicture(true); });
    connect(cmdChangeVisitorPic, &kv::Control::Click, this, [this] { ChangePicture(false); });
    connect(cmdClearHomePic, &kv::Control::Click, this, [this] { ClearPicture(true); });
    connect(cmdClearVisitorPic, &kv::Control::Click, this, [this] { ClearPicture(false); });
    connect(cmbLedType, &ComboBox::Click, this, &frmOptions::cmbLedType_Click);
    connect(scrLEDSelectedWidth, &VScrollBar::Change, this, &frmOptions::scrLEDSelectedWidth_Change);
    connect(lblBFile, &DialogLabel::Change, this, &frmOptions::lblBFile_Change);
    connect(cmbRuleSet, &ComboBox::Click, this, &frmOptions::cmbRuleSet_Click);
    connect(cmbCategory, &ComboBox::Click, this, &frmOptions::cmbCategory_Click);
}

QString frmOptions::KeyCodeToStr(qint16 KeyCode)
{
    return kv::KeyCodeToStr(KeyCode);
}

void frmOptions::ShowKey(DialogLabel* label, qint16 KeyCode)
{
    label->SetCaption(KeyCodeToStr(KeyCode));
}

void frmOptions::Load()
{
    SSTab1->SetTab(0);

    picBackC->SetBackColor(BoardSettings.FormBack);
    picTimeC->SetBackColor(BoardSettings.TimeColor);
    picHoldC->SetBackColor(BoardSettings.HoldColor);
    picScoreC->SetBackColor(BoardSettings.ScoreColor);
    picLEDB->SetBackColor(BoardSettings.LEDBack);
    picLedSelected->SetBackColor(BoardSettings.LEDSelected);
    picBorderC->SetBackColor(BoardSettings.BorderColor);

    scrLEDSelectedWidth->SetValue(BoardSettings.LEDSelectedWidth);
    scrLEDSelectedWidth_Change();

    StartStopPeriodClockKeyTemp = BoardSettings.StartStopPeriodClockKey;
    ShowKey(lblStartStopPeriodClock, StartStopPeriodClockKeyTemp);
    ResetPeriodClockKeyTemp = BoardSettings.ResetPeriodClockKey;
    ShowKey(lblResetPeriodClock, ResetPeriodClockKeyTemp);
    ClearKeyTemp = BoardSettings.ClearKey;
    ShowKey(lblClear, ClearKeyTemp);
    BuzzerKeyTemp = BoardSettings.BuzzerKey;
    ShowKey(lblBuzzerKey, BuzzerKeyTemp);
    UndoKeyTemp = BoardSettings.UndoKey;
    ShowKey(lblUndoKey, UndoKeyTemp);

    optNormal->SetValue(BoardSettings.NumLockForce == 0);
    optKeepOn->SetValue(BoardSettings.NumLockForce == 1);
    optKeepOff->SetValue(BoardSettings.NumLockForce == 2);

    BuzzTemp = BoardSettings.BuzzerFile;
    UpdateBuzzerCaption();

    HomePicTemp = BoardSettings.HomePic;
    VisitorPicTemp = BoardSettings.VisitorPic;
    FitPicture(*imgHomePicPreview, *picHomePicPreviewCon, HomePicTemp);
    FitPicture(*imgVisitorPicPreview, *picVisitorPicPreviewCon, VisitorPicTemp);

    cmbLedType->SetListIndex(BoardSettings.LEDType);
    cmbLedType_Click();

    txtTitleText->SetText(BoardSettings.TitleText);
    txtHomeText->SetText(BoardSettings.HomeText);
    txtVisitorText->SetText(BoardSettings.VisitorText);

    // The category first: choosing one fills the golden-score limit.
    cmbRuleSet->SetListIndex(static_cast<int>(RuleSetNamed(BoardSettings.RuleSet).Id));
    cmbRuleSet_Click();
    int category = 0;
    for (std::size_t i = 0; i < CategoryPresets().size(); ++i) {
        if (BoardSettings.Category == QLatin1String(CategoryPresets()[i].Name))
            category = int(i) + 1;
    }
    cmbCategory->SetListIndex(category);
    const auto limit
        = std::find(GoldenScoreLimits.begin(), GoldenScoreLimits.end(), BoardSettings.GoldenScoreLimit);
    cmbGoldenScoreLimit->SetListIndex(
        limit == GoldenScoreLimits.end() ? 0 : int(limit - GoldenScoreLimits.begin()));
    chkScoreHolds->SetValue(BoardSettings.ScoreHolds);

    optServeOn->SetValue(BoardSettings.Serve);
    optServeOff->SetValue(!BoardSettings.Serve);
    txtServePort->SetText(QString::number(BoardSettings.ServePort));
}

void frmOptions::cmbRuleSet_Click()
{
    // Classic never scores holds.
    const int index = cmbRuleSet->ListIndex();
    chkScoreHolds->setEnabled(index >= 0 && RuleSets()[std::size_t(index)].HoldsScore);
}

void frmOptions::cmbCategory_Click()
{
    const int index = cmbCategory->ListIndex();
    if (index < 1 || index > int(CategoryPresets().size()))
        return;
    const int limit = CategoryPresets()[std::size_t(index - 1)].GoldenScoreLimit;
    const auto at = std::find(GoldenScoreLimits.begin(), GoldenScoreLimits.end(), limit);
    if (at != GoldenScoreLimits.end())
        cmbGoldenScoreLimit->SetListIndex(int(at - GoldenScoreLimits.begin()));
}

bool frmOptions::SaveRules()
{
    const int ruleIndex = cmbRuleSet->ListIndex();
    const QString ruleSet = ruleIndex >= 0 && ruleIndex < int(RuleSets().size())
        ? QLatin1String(RuleSets()[std::size_t(ruleIndex)].Name)
        : BoardSettings.RuleSet;
    if (ruleSet != BoardSettings.RuleSet && ContestUnderWay()) {
        // The contest goes on under the rules it began with.
        Dialogs().ShowWarning(this, QStringLiteral("Rule set"),
            QStringLiteral("The rule set cannot change while a contest is under way: this contest goes on "
                           "under %1.\n\nPress the reset key to end the contest, then choose %2 again.")
                .arg(BoardSettings.RuleSet, ruleSet));
    } else {
        BoardSettings.RuleSet = ruleSet;
    }
    const int category = cmbCategory->ListIndex();
    BoardSettings.Category = category >= 1 && category <= int(CategoryPresets().size())
        ? QLatin1String(CategoryPresets()[std::size_t(category - 1)].Name)
        : QString();
    const int limit = cmbGoldenScoreLimit->ListIndex();
    if (limit >= 0 && limit < int(GoldenScoreLimits.size()))
        BoardSettings.GoldenScoreLimit = GoldenScoreLimits[std::size_t(limit)];
    BoardSettings.ScoreHolds = chkScoreHolds->Value();
    return SaveRuleSettings();
}

void frmOptions::UpdateBuzzerCaption()
{
    lblBFile->SetCaption(BuzzerCaption(BuzzTemp));
}

void frmOptions::lblBFile_Change()
{
    const bool sound = !BuzzTemp.isEmpty();
    cmdBuzzerSoundNone->setEnabled(sound);
    cmdBuzzerKey->setEnabled(sound);
    lblBuzzerKey->SetEnabled(sound);
}

void frmOptions::scrLEDSelectedWidth_Change()
{
    lblLEDSelectedWidthValue->SetCaption(QString::number(scrLEDSelectedWidth->Value()));
}

void frmOptions::cmbLedType_Click()
{
    pledPreview->SetLedType(qMax(0, cmbLedType->ListIndex()));
}

void frmOptions::ChangeColor(ColorBox* box)
{
    // The colour dialog opens on the colour it last returned in this opening
    // (black before any), not on the box's; cancelled, it leaves the box as
    // it was.
    if (const std::optional<qint32> colour = Dialogs().ChooseColor(this, m_colourDialogColor)) {
        m_colourDialogColor = *colour;
        box->SetBackColor(*colour);
    }
}

void frmOptions::cmdResetColors_Click()
{
    if (!Dialogs().AskYesNo(this, QStringLiteral("Reset Colors"),
            QStringLiteral("Are you sure you want to reset the colors?")))
        return;
    picLedSelected->SetBackColor(4210752);
    scrLEDSelectedWidth->SetValue(0);
    scrLEDSelectedWidth_Change();
    picTimeC->SetBackColor(33023);
    picLEDB->SetBackColor(0);
    picScoreC->SetBackColor(49152);
    picHoldC->SetBackColor(255);
    picBackC->SetBackColor(4210752);
    picBorderC->SetBackColor(16777215);
}

void frmOptions::ChooseKey(const QString& action, qint16& pendingKey, DialogLabel* label)
{
    ChooseKeyAction = action;
    ChooseKeyCurrent = pendingKey;
    ShowChooseKey({ StartStopPeriodClockKeyTemp, ResetPeriodClockKeyTemp, BuzzerKeyTemp, UndoKeyTemp }, this);
    // Back from the chooser the dialog is active again, with the focus on OK.
    cmdOk->setFocus(Qt::ActiveWindowFocusReason);
    bool isNumber = false;
    const int chosen = ChooseKeyResult.toInt(&isNumber);
    if (!isNumber || chosen == 0 || chosen < -32768 || chosen > 32767)
        return;
    pendingKey = static_cast<qint16>(chosen);
    ShowKey(label, pendingKey);
}

void frmOptions::cmdResetKeys_Click()
{
    if (!Dialogs().AskYesNo(
            this, QStringLiteral("Reset Keys"), QStringLiteral("Are you sure you want to reset the keys?")))
        return;
    StartStopPeriodClockKeyTemp = 83;
    ShowKey(lblStartStopPeriodClock, StartStopPeriodClockKeyTemp);
    ResetPeriodClockKeyTemp = 82;
    ShowKey(lblResetPeriodClock, ResetPeriodClockKeyTemp);
    BuzzerKeyTemp = 66;
    ShowKey(lblBuzzerKey, BuzzerKeyTemp);
    ClearKeyTemp = 46;
    ShowKey(lblClear, ClearKeyTemp);
    UndoKeyTemp = 8;
    ShowKey(lblUndoKey, UndoKeyTemp);
    optNormal->SetValue(true);
}

void frmOptions::cmdBuzzerSoundChange_Click()
{
    const std::optional<QString> chosen = Dialogs().ChooseOpenFile(this, SoundFilter, BuzzTemp);
    if (!chosen || !QFileInfo(*chosen).isFile())
        return;
    BuzzTemp = *chosen;
    UpdateBuzzerCaption();
    if (BuzzerKeyTemp == 32) {
        BuzzerKeyTemp = 66;
        ShowKey(lblBuzzerKey, BuzzerKeyTemp);
    }
}

void frmOptions::cmdBuzzerSoundNone_Click()
{
    BuzzTemp.clear();
    UpdateBuzzerCaption();
    BuzzerKeyTemp = 32;
    lblBuzzerKey->SetCaption(QString());
}

void frmOptions::ChangePicture(bool home)
{
    QString& pending = home ? HomePicTemp : VisitorPicTemp;
    const std::optional<QString> chosen = Dialogs().ChooseOpenFile(this, PictureFilter, pending);
    if (!chosen || !QFileInfo(*chosen).isFile())
        return;
    if (!IsReadablePicture(*chosen)) {
        Dialogs().ShowWarning(this, QStringLiteral("Change Picture"),
            QStringLiteral("The file \"%1\" cannot be read as a picture.\n\nPlease choose a bmp, gif or jpg "
                           "picture file.")
                .arg(QFileInfo(*chosen).fileName()));
        return;
    }
    pending = *chosen;
    FitPicture(home ? *imgHomePicPreview : *imgVisitorPicPreview,
        home ? *picHomePicPreviewCon : *picVisitorPicPreviewCon, pending);
}

void frmOptions::ClearPicture(bool home)
{
    (home ? imgHomePicPreview : imgVisitorPicPreview)->ClearPicture();
    (home ? HomePicTemp : VisitorPicTemp).clear();
}

void frmOptions::cmdOk_Click()
{
    bool saved = true;

    BoardSettings.TimeColor = picTimeC->BackColor();
    BoardSettings.LEDBack = picLEDB->BackColor();
    BoardSettings.LEDSelected = picLedSelected->BackColor();
    BoardSettings.ScoreColor = picScoreC->BackColor();
    BoardSettings.HoldColor = picHoldC->BackColor();
    BoardSettings.FormBack = picBackC->BackColor();
    BoardSettings.BorderColor = picBorderC->BackColor();
    BoardSettings.LEDSelectedWidth = static_cast<qint16>(lblLEDSelectedWidthValue->Caption().toInt());
    saved = SaveBoardSettingsGroup(1) && saved;

    BoardSettings.StartStopPeriodClockKey = StartStopPeriodClockKeyTemp;
    BoardSettings.ResetPeriodClockKey = ResetPeriodClockKeyTemp;
    BoardSettings.ClearKey = ClearKeyTemp;
    BoardSettings.BuzzerKey = BuzzerKeyTemp;
    BoardSettings.BuzzerFile = BuzzTemp;
    BoardSettings.UndoKey = UndoKeyTemp;
    saved = SaveBoardSettingsGroup(2) && saved;

    if (optNormal->Value()) {
        BoardSettings.NumLockForce = 0;
    } else if (optKeepOn->Value()) {
        BoardSettings.NumLockForce = 1;
        ApplyNumLock(true);
    } else if (optKeepOff->Value()) {
        BoardSettings.NumLockForce = 2;
        ApplyNumLock(false);
    }
    saved = SaveBoardSettingsGroup(3) && saved;

    BoardSettings.TitleText = txtTitleText->Text();
    BoardSettings.HomeText = txtHomeText->Text();
    BoardSettings.VisitorText = txtVisitorText->Text();
    saved = SaveBoardSettingsGroup(4) && saved;

    BoardSettings.HomePic = HomePicTemp;
    BoardSettings.VisitorPic = VisitorPicTemp;
    BoardSettings.LEDType = static_cast<qint16>(qMax(0, cmbLedType->ListIndex()));
    saved = SaveBoardSettingsGroup(5) && saved;

    saved = SaveRules() && saved;

    saved = SaveIsKeyCode() && saved;

    // A port that is not a number from 1 to 65535 keeps the one before.
    BoardSettings.Serve = optServeOn->Value();
    BoardSettings.ServePort = ParseServePort(txtServePort->Text()).value_or(BoardSettings.ServePort);
    saved = SaveBoardSettingsGroup(NetworkSettingsGroup) && saved;
    if (!saved) {
        Dialogs().ShowWarning(this, QStringLiteral("Options"),
            QStringLiteral("The settings could not be saved: the settings store cannot be written (is it "
                           "read-only, or the disk full?).\n\nThe new settings apply until Korvelin is "
                           "closed."));
    }
    close();
}

void frmOptions::cmdCancel_Click()
{
    close();
}

void ShowOptionsDialog()
{
    QWidget* owner = QApplication::activeWindow();
    frmOptions dialog;
    dialog.Load();
    dialog.ShowModal(owner);
}

} // namespace kv
