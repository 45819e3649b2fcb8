// The options dialog: opening from the settings, OK's saving, Cancel's
// nothing, the resets, the buzzer sound, pictures, digit style and the
// dialog controls it is built from.

#include "display/controls.h"
#include "display/dialogcontrols.h"
#include "display/leds.h"
#include "optionsfixture.h"
#include "settings/frmchoosekey.h"
#include "settings/frmoptions.h"

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace kv;
using kv::test::FakeDialogs;
using kv::test::TestStore;

namespace {

const char* const AllKeys[][2] = {
    { "ColorSettings", "TimeColor" },
    { "ColorSettings", "LEDBack" },
    { "ColorSettings", "LEDSelected" },
    { "ColorSettings", "ScoreColor" },
    { "ColorSettings", "HoldColor" },
    { "ColorSettings", "FormBack" },
    { "ColorSettings", "BorderColor" },
    { "ColorSettings", "LEDSelectedWidth" },
    { "KeySettings", "StartStopPeriodClockKey" },
    { "KeySettings", "ResetPeriodClockKey" },
    { "KeySettings", "ClearKey" },
    { "KeySettings", "BuzzerKey" },
    { "KeySettings", "BuzzerFile" },
    { "KeySettings", "NumLockForce" },
    { "TextSettings", "TitleText" },
    { "TextSettings", "HomeText" },
    { "TextSettings", "VisitorText" },
    { "PicSettings", "HomePic" },
    { "PicSettings", "VisitorPic" },
    { "PicSettings", "LEDType" },
};

// Settings unlike the defaults in every field.
BoardSettingsRecord Unusual(const QString& folder)
{
    BoardSettingsRecord s = DefaultBoardSettings();
    s.TimeColor = 0x112233;
    s.LEDBack = 0x010203;
    s.HoldColor = 0x00FF00;
    s.ScoreColor = 0xABCDEF;
    s.FormBack = 0x102030;
    s.LEDSelected = 0x00FFFF;
    s.BorderColor = 0x808080;
    s.LEDSelectedWidth = 3;
    s.StartStopPeriodClockKey = 116;
    s.ResetPeriodClockKey = 46;
    s.ClearKey = 8;
    s.BuzzerKey = 190;
    s.BuzzerFile = QDir(folder).filePath(QStringLiteral("horn.wav"));
    s.NumLockForce = 2;
    s.TitleText = QStringLiteral("Dojo Cup");
    s.HomeText = QStringLiteral("Red");
    s.VisitorText = QStringLiteral("White");
    s.LEDType = 1;
    return s;
}

QString WritePicture(const QString& folder, const QString& name, int width, int height)
{
    const QString path = QDir(folder).filePath(name);
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    picture.save(path);
    return path;
}

QString WriteFile(const QString& folder, const QString& name, const QByteArray& content)
{
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}

QString Selected(const frmOptions& options)
{
    QStringList selected;
    for (const OptionButton* option : { options.optNormal, options.optKeepOn, options.optKeepOff }) {
        if (option->Value())
            selected << option->objectName();
    }
    return selected.join(u',');
}

} // namespace

class TestOptions : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void load_showsStoredValues();
    void load_numLockOption_data();
    void load_numLockOption();
    void okWithoutChanges_writesEverySettingAndMarker();
    void closing_keepsNothing_data();
    void closing_keepsNothing();
    void resetColors_data();
    void resetColors();
    void resetKeys_data();
    void resetKeys();
    void numLockModes_onOk_data();
    void numLockModes_onOk();
    void window_design();
    void design_data();
    void design();
    void tabOrder_data();
    void tabOrder();
    void colourButtons_data();
    void colourButtons();
    void colourDialog_opensOnLastChosenAndCancelKeepsBox();
    void enterHeldAfterChoosingEnter_doesNotPressOk_data();
    void enterHeldAfterChoosingEnter_doesNotPressOk();
    void widthScrollBar_showsValueWithinRange();
    void buzzerCaption_data();
    void buzzerCaption();
    void noSound_andBack();
    void changeSound_keepsChosenKey();
    void pictureChosenThenCleared_savesEmptyPath();
    void pictureCancelled_keepsStoredPicture();
    void pictureUnreadable_refusedWithMessage();
    void dotsPreviewed_thenCancelled();
    void preview_fitsItsSlot();
    void textBoxes_stopAtLimit_data();
    void textBoxes_stopAtLimit();
    void textBox_keepsLongerStoredText();
    void textBox_shortenedStoredTextCannotGrowPastLimit();
    void saveFails_reportedAndKeptForThisRun();
    void network_data();
    void network();
};

void TestOptions::init()
{
    BoardSettings = DefaultBoardSettings();
    SetOptionsNumLockSetter({});
}

void TestOptions::load_showsStoredValues()
{
    TestStore store;
    FakeDialogs dialogs;
    BoardSettings = Unusual(store.Folder());
    frmOptions options;
    options.Load();
    QCOMPARE(options.SSTab1->Tab(), 0);
    QCOMPARE(options.picTimeC->BackColor(), 0x112233);
    QCOMPARE(options.picLEDB->BackColor(), 0x010203);
    QCOMPARE(options.picHoldC->BackColor(), 0x00FF00);
    QCOMPARE(options.picScoreC->BackColor(), 0xABCDEF);
    QCOMPARE(options.picBackC->BackColor(), 0x102030);
    QCOMPARE(options.picLedSelected->BackColor(), 0x00FFFF);
    QCOMPARE(options.picBorderC->BackColor(), 0x808080);
    QCOMPARE(options.scrLEDSelectedWidth->Value(), 3);
    QCOMPARE(options.lblLEDSelectedWidthValue->Caption(), QStringLiteral("3"));
    QCOMPARE(options.lblStartStopPeriodClock->Caption(), QStringLiteral("F5"));
    QCOMPARE(options.lblResetPeriodClock->Caption(), QStringLiteral("Delete"));
    QCOMPARE(options.lblClear->Caption(), QStringLiteral("Backspace"));
    QCOMPARE(options.lblBuzzerKey->Caption(), QStringLiteral("."));
    QCOMPARE(options.BuzzTemp, BoardSettings.BuzzerFile);
    QCOMPARE(options.lblBFile->Caption(), BoardSettings.BuzzerFile);
    QCOMPARE(options.cmbLedType->ListIndex(), 1);
    QCOMPARE(options.pledPreview->LedType(), 1);
    QCOMPARE(options.txtTitleText->Text(), QStringLiteral("Dojo Cup"));
    QCOMPARE(options.txtHomeText->Text(), QStringLiteral("Red"));
    QCOMPARE(options.txtVisitorText->Text(), QStringLiteral("White"));
    QVERIFY(!options.cmdClearKey->Visible());
    QVERIFY(!options.lblClear->Visible());
}

void TestOptions::network_data()
{
    QTest::addColumn<bool>("on");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("serve");
    QTest::addColumn<QString>("port");
    QTest::newRow("on, 8123") << true << "8123"
                              << "Yes"
                              << "8123";
    QTest::newRow("off keeps the port") << false << "8090"
                                        << "No"
                                        << "8090";
    QTest::newRow("port 65535") << true << "65535"
                                << "Yes"
                                << "65535";
    QTest::newRow("port 0 keeps 8090") << true << "0"
                                       << "Yes"
                                       << "8090";
    QTest::newRow("port 70000 keeps 8090") << true << "70000"
                                           << "Yes"
                                           << "8090";
    QTest::newRow("letters keep 8090") << true << "80a0"
                                       << "Yes"
                                       << "8090";
    QTest::newRow("empty keeps 8090") << true << ""
                                      << "Yes"
                                      << "8090";
}

void TestOptions::network()
{
    QFETCH(bool, on);
    QFETCH(QString, typed);
    QFETCH(QString, serve);
    QFETCH(QString, port);
    TestStore store;
    FakeDialogs dialogs;
    frmOptions options;
    options.Load();
    QVERIFY(options.optServeOff->Value());
    QCOMPARE(options.txtServePort->Text(), QStringLiteral("8090"));
    options.SSTab1->SetTab(5);
    (on ? options.optServeOn : options.optServeOff)->SetValue(true);
    options.txtServePort->SetText(typed);
    options.cmdOk_Click();
    QCOMPARE(store.Read("NetworkSettings", "Serve"), serve);
    QCOMPARE(store.Read("NetworkSettings", "ServePort"), port);
    QCOMPARE(BoardSettings.Serve, on);
    QCOMPARE(QString::number(BoardSettings.ServePort), port);
}

void TestOptions::load_numLockOption_data()
{
    QTest::addColumn<int>("force");
    QTest::addColumn<QString>("selected");
    QTest::newRow("normal") << 0 << "optNormal";
    QTest::newRow("keepOn") << 1 << "optKeepOn";
    QTest::newRow("keepOff") << 2 << "optKeepOff";
    QTest::newRow("seven_noneSelected") << 7 << "";
    QTest::newRow("negative_noneSelected") << -1 << "";
}

void TestOptions::load_numLockOption()
{
    QFETCH(int, force);
    QFETCH(QString, selected);
    FakeDialogs dialogs;
    BoardSettings.NumLockForce = force;
    frmOptions options;
    options.Load();
    QCOMPARE(Selected(options), selected);
}

void TestOptions::okWithoutChanges_writesEverySettingAndMarker()
{
    TestStore store;
    FakeDialogs dialogs;
    const BoardSettingsRecord before = Unusual(store.Folder());
    BoardSettings = before;
    frmOptions options;
    options.Load();
    options.cmdOk_Click();
    QCOMPARE(BoardSettings, before);
    for (const auto& key : AllKeys)
        QVERIFY2(store.Read(key[0], key[1]) != QLatin1String("<absent>"), key[1]);
    QCOMPARE(store.Read("KeySettings", "IsKeyCode"), QStringLiteral("Yes"));
    QCOMPARE(store.Read("ColorSettings", "TimeColor"), QStringLiteral("1122867"));
    QCOMPARE(store.Read("KeySettings", "StartStopPeriodClockKey"), QStringLiteral("116"));
    QCOMPARE(store.Read("TextSettings", "TitleText"), QStringLiteral("Dojo Cup"));
    QCOMPARE(store.Read("PicSettings", "LEDType"), QStringLiteral("1"));
    QCOMPARE(store.Read("PicSettings", "HomePic"), QString());
    QVERIFY(dialogs.warnings.isEmpty());
    QVERIFY(!options.isVisible());
}

void TestOptions::closing_keepsNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("cancelButton") << "cancel";
    QTest::newRow("escape") << "escape";
    QTest::newRow("closeBox") << "close";
}

void TestOptions::closing_keepsNothing()
{
    QFETCH(QString, how);
    TestStore store;
    FakeDialogs dialogs;
    const BoardSettingsRecord before = BoardSettings;
    {
        frmOptions options;
        options.Load();
        dialogs.colours = { 0x00FF00 };
        options.ChangeColor(options.picBackC);
        options.txtTitleText->SetText(QStringLiteral("Changed"));
        options.cmdBuzzerSoundNone_Click();
        options.show();
        if (how == QLatin1String("cancel"))
            emit options.cmdCancel->Click();
        else if (how == QLatin1String("escape"))
            QTest::keyClick(options.txtTitleText->Editor(), Qt::Key_Escape);
        else
            options.close();
        QVERIFY(!options.isVisible());
    }
    QCOMPARE(BoardSettings, before);
    for (const auto& key : AllKeys)
        QCOMPARE(store.Read(key[0], key[1]), QStringLiteral("<absent>"));
    QCOMPARE(store.Read("KeySettings", "IsKeyCode"), QStringLiteral("<absent>"));
    // The next opening starts again from the settings.
    frmOptions again;
    again.Load();
    QCOMPARE(again.picBackC->BackColor(), before.FormBack);
    QCOMPARE(again.txtTitleText->Text(), before.TitleText);
}

void TestOptions::resetColors_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes_defaults") << true;
    QTest::newRow("no_unchanged") << false;
}

void TestOptions::resetColors()
{
    QFETCH(bool, yes);
    TestStore store;
    FakeDialogs dialogs;
    BoardSettings = Unusual(store.Folder());
    frmOptions options;
    options.Load();
    dialogs.yesNo = { yes };
    options.cmdResetColors_Click();
    QCOMPARE(dialogs.questions,
        QStringList { QStringLiteral("Reset Colors|Are you sure you want to reset the colors?") });
    const QList<int> shown = { options.picTimeC->BackColor(), options.picLEDB->BackColor(),
        options.picHoldC->BackColor(), options.picScoreC->BackColor(), options.picBackC->BackColor(),
        options.picLedSelected->BackColor(), options.picBorderC->BackColor(),
        options.scrLEDSelectedWidth->Value(), options.lblLEDSelectedWidthValue->Caption().toInt() };
    const QList<int> expected = yes
        ? QList<int> { 33023, 0, 255, 49152, 4210752, 4210752, 16777215, 0, 0 }
        : QList<int> { 0x112233, 0x010203, 0x00FF00, 0xABCDEF, 0x102030, 0x00FFFF, 0x808080, 3, 3 };
    QCOMPARE(shown, expected);
    // Nothing is saved before OK.
    QCOMPARE(store.Read("ColorSettings", "TimeColor"), QStringLiteral("<absent>"));
    QCOMPARE(BoardSettings.TimeColor, 0x112233);
}

void TestOptions::resetKeys_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes_defaults") << true;
    QTest::newRow("no_unchanged") << false;
}

void TestOptions::resetKeys()
{
    QFETCH(bool, yes);
    TestStore store;
    FakeDialogs dialogs;
    BoardSettings = Unusual(store.Folder());
    frmOptions options;
    options.Load();
    options.cmdBuzzerSoundNone_Click();
    dialogs.yesNo = { yes };
    options.cmdResetKeys_Click();
    QCOMPARE(dialogs.questions,
        QStringList { QStringLiteral("Reset Keys|Are you sure you want to reset the keys?") });
    const QStringList labels
        = { options.lblStartStopPeriodClock->Caption(), options.lblResetPeriodClock->Caption(),
              options.lblBuzzerKey->Caption(), options.lblClear->Caption(), Selected(options) };
    const QList<int> keys = { options.StartStopPeriodClockKeyTemp, options.ResetPeriodClockKeyTemp,
        options.BuzzerKeyTemp, options.ClearKeyTemp };
    if (yes) {
        QCOMPARE(labels, (QStringList { "S", "R", "B", "Delete", "optNormal" }));
        QCOMPARE(keys, (QList<int> { 83, 82, 66, 46 }));
    } else {
        QCOMPARE(labels, (QStringList { "F5", "Delete", "", "Backspace", "optKeepOff" }));
        QCOMPARE(keys, (QList<int> { 116, 46, 32, 8 }));
    }
    // The pending buzzer file stays empty either way.
    QCOMPARE(options.BuzzTemp, QString());
    // Cancel afterwards keeps the old keys.
    options.cmdCancel_Click();
    QCOMPARE(BoardSettings.StartStopPeriodClockKey, qint16(116));
    QCOMPARE(store.Read("KeySettings", "StartStopPeriodClockKey"), QStringLiteral("<absent>"));
}

void TestOptions::numLockModes_onOk_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("choose");
    QTest::addColumn<int>("saved");
    QTest::addColumn<QString>("forced");
    QTest::newRow("onToOff_forcesOff") << 1 << "optKeepOff" << 2 << "off";
    QTest::newRow("offToOn_forcesOn") << 2 << "optKeepOn" << 1 << "on";
    QTest::newRow("normal_forcesNothing") << 1 << "optNormal" << 0 << "";
    QTest::newRow("seven_keptUntouched") << 7 << "" << 7 << "";
}

void TestOptions::numLockModes_onOk()
{
    QFETCH(int, stored);
    QFETCH(QString, choose);
    QFETCH(int, saved);
    QFETCH(QString, forced);
    TestStore store;
    FakeDialogs dialogs;
    BoardSettings.NumLockForce = stored;
    QStringList calls;
    SetOptionsNumLockSetter([&calls](bool on) { calls << (on ? "on" : "off"); });
    frmOptions options;
    options.Load();
    if (!choose.isEmpty())
        options.ControlAs<OptionButton>(choose)->Button()->click();
    QCOMPARE(Selected(options), choose);
    QVERIFY(calls.isEmpty());
    options.cmdOk_Click();
    QCOMPARE(BoardSettings.NumLockForce, saved);
    QCOMPARE(store.Read("KeySettings", "NumLockForce"), QString::number(saved));
    QCOMPARE(calls.join(u','), forced);
}

void TestOptions::window_design()
{
    FakeDialogs dialogs;
    frmOptions options;
    QCOMPARE(options.windowTitle(), QStringLiteral("Options"));
    QCOMPARE(options.ScaleWidth(), 6270.0);
    QCOMPARE(options.ScaleHeight(), 6000.0);
    QVERIFY(!(options.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(options.minimumSize(), options.maximumSize());
    const auto* tabs = options.ControlAs<TabControl>(QStringLiteral("SSTab1"));
    QVERIFY(tabs);
    QCOMPARE((QList<double> { tabs->Left(), tabs->Top(), tabs->Width(), tabs->Height() }),
        (QList<double> { 120, 120, 6015, 5295 }));
    QCOMPARE(tabs->Captions().mid(0, 5),
        (QStringList {
            "Key Controls", "Color Controls", "Text Controls", "Pictures", "Additional Settings" }));
    // Enter presses OK, Escape Cancel.
    QCOMPARE(options.DefaultButton(), options.ControlAs<CommandButton>(QStringLiteral("cmdOk")));
    QCOMPARE(options.CancelButton(), options.ControlAs<CommandButton>(QStringLiteral("cmdCancel")));
}

void TestOptions::design_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tab"); // caption of the tab it lies on; empty: on the form
    QTest::addColumn<QString>("container"); // the frame or box holding it; empty: the tab page or form
    QTest::addColumn<QString>("caption"); // null: not checked
    QTest::addColumn<QRectF>("place"); // twips; a width or height of 0 is not checked
    QTest::addColumn<QVariantMap>("more");
    const QString keys = QStringLiteral("Key Controls");
    const QString colours = QStringLiteral("Color Controls");
    const QString texts = QStringLiteral("Text Controls");
    const QString pictures = QStringLiteral("Pictures");
    const QString extra = QStringLiteral("Additional Settings");
    const QString none;
    const QVariantMap framed { { "BorderStyle", 1 }, { "Alignment", 2 } };
    const auto row = [](const char* name, const QString& tab, const char* container, const QString& caption,
                         QRectF place, const QVariantMap& more = {}) {
        QTest::newRow(name) << name << tab << container << caption << place << more;
    };
    row("cmdStartStopPeriodClock", keys, "", "Start / Stop Contest Clock", { 360, 600, 1695, 495 });
    row("lblStartStopPeriodClock", keys, "", none, { 2040, 660, 1335, 375 }, framed);
    row("cmdResetPeriodClock", keys, "", "Reset Contest", { 360, 1320, 1695, 495 });
    row("lblResetPeriodClock", keys, "", none, { 2040, 1380, 1335, 375 }, framed);
    row("cmdClearKey", keys, "", "# Clear Key", { 360, 2040, 1695, 495 }, { { "Visible", false } });
    row("lblClear", keys, "", none, { 2040, 2100, 1335, 375 },
        { { "Visible", false }, { "BorderStyle", 1 } });
    row("cmdUndoKey", keys, "", "Undo Last Change", { 360, 2760, 1695, 495 });
    row("lblUndoKey", keys, "", none, { 2040, 2820, 1335, 375 }, framed);
    row("Frame9", keys, "", "Numlock Options:", { 3720, 720, 1935, 1455 });
    row("optNormal", keys, "Frame9", "Normal Mode", { 120, 240, 1695, 375 });
    row("optKeepOn", keys, "Frame9", "Keep Numlock On", { 120, 600, 1695, 375 });
    row("optKeepOff", keys, "Frame9", "Keep Numlock Off", { 120, 960, 1695, 375 });
    row("cmdResetKeys", keys, "", "Reset Keys", { 4440, 4320, 1215, 375 });

    const struct
    {
        const char* frame;
        const char* caption;
        double left;
        double top;
        const char* box;
        const char* button;
    } colourFrames[] = {
        { "frmBackColor", "Back Color:", 360, 720, "picBackC", "cmdBackC" },
        { "fraLedBack", "LED Background:", 2160, 720, "picLEDB", "cmdLEDB" },
        { "frmBorderColor", "Border Color:", 3960, 720, "picBorderC", "cmdBorderC" },
        { "frmScoreColor", "Score Color:", 360, 1920, "picScoreC", "cmdScoreC" },
        { "frmHoldColor", "Hold Color:", 2160, 1920, "picHoldC", "cmdHoldC" },
        { "fraTimeFore", "Time Color:", 3960, 1920, "picTimeC", "cmdTimeC" },
    };
    for (const auto& frame : colourFrames) {
        row(frame.frame, colours, "", frame.caption, { frame.left, frame.top, 1695, 735 });
        row(frame.box, colours, frame.frame, none, { 120, 240, 615, 375 });
        row(frame.button, colours, frame.frame, "Change", { 840, 240, 735, 375 });
    }
    row("fraLedSelected", colours, "", "LED Selected", { 2160, 3000, 1695, 1095 });
    row("picLedSelected", colours, "fraLedSelected", none, { 120, 240, 615, 375 });
    row("cmdLedSelected", colours, "fraLedSelected", "Change", { 840, 240, 735, 375 });
    row("lblLEDSelectedWidth", colours, "fraLedSelected", "Width:", { 120, 720, 615, 255 },
        { { "Alignment", 1 } });
    row("lblLEDSelectedWidthValue", colours, "fraLedSelected", "0", { 840, 720, 375, 255 },
        { { "BorderStyle", 1 }, { "BackColor", 0xFFFFFF } });
    row("scrLEDSelectedWidth", colours, "fraLedSelected", none, { 1200, 720, 255, 255 },
        { { "Min", 0 }, { "Max", 5 }, { "SmallChange", 1 } });
    row("cmdResetColors", colours, "", "Reset Colors", { 4440, 4320, 1215, 375 });

    const QVariantMap frameFont { { "FontName", "Arial" }, { "FontSize", 12.0 } };
    const auto textBox = [](int longest) {
        return QVariantMap { { "FontName", "Arial" }, { "FontSize", 15.75 }, { "Alignment", 2 },
            { "MaxLength", longest } };
    };
    row("Frame10", texts, "", "Board Name:", { 645, 660, 4815, 975 }, frameFont);
    row("txtTitleText", texts, "Frame10", none, { 120, 360, 4575, 435 }, textBox(25));
    row("Frame1", texts, "", "Home Name:", { 645, 1800, 4815, 975 }, frameFont);
    row("txtHomeText", texts, "Frame1", none, { 120, 360, 4575, 435 }, textBox(20));
    row("Frame2", texts, "", "Visitor Name:", { 645, 3000, 4815, 975 }, frameFont);
    row("txtVisitorText", texts, "Frame2", none, { 120, 360, 4575, 435 }, textBox(20));

    row("Frame3", pictures, "", "Home Picture", { 360, 660, 2415, 1575 });
    row("picHomePicPreviewCon", pictures, "Frame3", none, { 120, 240, 1215, 1215 });
    row("imgHomePicPreview", pictures, "picHomePicPreviewCon", none, { 0, 0, 900, 900 });
    row("cmdChangeHomePic", pictures, "Frame3", "Change", { 1440, 360, 855, 375 });
    row("cmdClearHomePic", pictures, "Frame3", "Clear", { 1440, 840, 855, 375 });
    row("Frame4", pictures, "", "Visitor Picture", { 3120, 660, 2415, 1575 });
    row("picVisitorPicPreviewCon", pictures, "Frame4", none, { 120, 240, 1215, 1215 });
    row("imgVisitorPicPreview", pictures, "picVisitorPicPreviewCon", none, { 0, 0, 900, 900 });
    row("cmdChangeVisitorPic", pictures, "Frame4", "Change", { 1440, 360, 855, 375 });
    row("cmdClearVisitorPic", pictures, "Frame4", "Clear", { 1440, 840, 855, 375 });
    row("Frame6", pictures, "", "Digit Type:", { 1928, 2640, 2415, 1575 });
    // The list's height is its own; the preview's extent follows its digit.
    row("cmbLedType", pictures, "Frame6", none, { 120, 600, 1335, 0 }, { { "List", "Lines|Dots" } });
    row("Label1", pictures, "Frame6", "Preview:", { 1440, 240, 855, 255 }, { { "Alignment", 2 } });
    row("pledPreview", pictures, "Frame6", none, { 1560, 480, 0, 0 });

    row("Frame11", extra, "", "Buzzer sound:", { 240, 600, 5535, 1335 });
    row("lblBFile", extra, "Frame11", "buzzer.wav", { 120, 360, 5295, 375 },
        { { "BorderStyle", 1 }, { "FontName", "Arial" }, { "FontSize", 9.75 } });
    row("cmdBuzzerSoundChange", extra, "Frame11", "Change Sound ...", { 120, 720, 1455, 495 });
    row("cmdBuzzerSoundNone", extra, "Frame11", "No Sound", { 1680, 720, 975, 495 });
    row("cmdBuzzerKey", extra, "Frame11", "Select Sound Key", { 2760, 720, 1335, 495 });
    row("lblBuzzerKey", extra, "Frame11", none, { 4080, 780, 1335, 375 }, framed);

    row("cmdOk", none, "", "&Ok", { 1935, 5520, 1080, 375 });
    row("cmdCancel", none, "", "&Cancel", { 3255, 5520, 1080, 375 });
}

void TestOptions::design()
{
    QFETCH(QString, name);
    QFETCH(QString, tab);
    QFETCH(QString, container);
    QFETCH(QString, caption);
    QFETCH(QRectF, place);
    QFETCH(QVariantMap, more);
    FakeDialogs dialogs;
    frmOptions options;
    auto* control = options.ControlAs<kv::Control>(name);
    QVERIFY2(control, "no such control");

    // Where it lies: the frame or box, the tab page, the form.
    QWidget* parent = control->parentWidget();
    if (!container.isEmpty()) {
        QCOMPARE(parent->objectName(), container);
        while (parent && !qobject_cast<TabPage*>(parent) && parent != &options)
            parent = parent->parentWidget();
    }
    if (tab.isEmpty()) {
        QCOMPARE(parent, &options);
    } else {
        const auto* page = qobject_cast<TabPage*>(parent);
        QVERIFY2(page, "not on a tab page");
        QCOMPARE(options.SSTab1->Captions().value(page->TabNumber()), tab);
    }

    // The caption as designed; a button may break it over two lines, so
    // that each line leaves the button's edges free.
    if (!caption.isNull())
        QCOMPARE(control->property("Caption").toString().replace(u'\n', u' '), caption);
    if (const auto* button = qobject_cast<CommandButton*>(control)) {
        const QFontMetrics metrics(button->Button()->font());
        const QStringList lines = button->Caption().split(u'\n');
        QVERIFY(lines.size() <= 2);
        for (const QString& line : lines)
            QVERIFY2(metrics.horizontalAdvance(line) <= qRound(place.width() / 15) - 8, qPrintable(line));
    }

    // The place in twips, and on the screen to the pixel (15 twips).
    const QRect pixels = control->geometry();
    QCOMPARE(control->Left(), place.left());
    QCOMPARE(control->Top(), place.top());
    QVERIFY(qAbs(pixels.x() * 15 - place.left()) < 15);
    QVERIFY(qAbs(pixels.y() * 15 - place.top()) < 15);
    if (place.width() > 0) {
        QCOMPARE(control->Width(), place.width());
        QVERIFY(qAbs(pixels.width() * 15 - place.width()) < 15);
    }
    if (place.height() > 0) {
        QCOMPARE(control->Height(), place.height());
        QVERIFY(qAbs(pixels.height() * 15 - place.height()) < 15);
    }
    for (auto it = more.cbegin(); it != more.cend(); ++it)
        QCOMPARE(control->property(qPrintable(it.key())), it.value());
}

void TestOptions::tabOrder_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("order");
    // Reading order on each tab, then OK and Cancel; hidden controls are passed over.
    QTest::newRow("Key Controls") << 0
                                  << QStringList { "cmdStartStopPeriodClock", "cmdResetPeriodClock",
                                         "cmdUndoKey", "optNormal", "cmdResetKeys", "cmdOk", "cmdCancel" };
    QTest::newRow("Color Controls") << 1
                                    << QStringList { "cmdBackC", "cmdLEDB", "cmdBorderC", "cmdScoreC",
                                           "cmdHoldC", "cmdTimeC", "cmdLedSelected", "scrLEDSelectedWidth",
                                           "cmdResetColors", "cmdOk", "cmdCancel" };
    QTest::newRow("Text Controls") << 2
                                   << QStringList { "txtTitleText", "txtHomeText", "txtVisitorText", "cmdOk",
                                          "cmdCancel" };
    QTest::newRow("Pictures") << 3
                              << QStringList { "cmdChangeHomePic", "cmdClearHomePic", "cmdChangeVisitorPic",
                                     "cmdClearVisitorPic", "cmbLedType", "cmdOk", "cmdCancel" };
    QTest::newRow("Additional Settings")
        << 4
        << QStringList { "cmdBuzzerSoundChange", "cmdBuzzerSoundNone", "cmdBuzzerKey", "cmdOk", "cmdCancel" };
}

void TestOptions::tabOrder()
{
    QFETCH(int, tab);
    QFETCH(QStringList, order);
    FakeDialogs dialogs;
    frmOptions options;
    options.Load();
    options.show();
    options.SSTab1->SetTab(tab);
    options.cmdCancel->setFocus();
    // One round of Tab from Cancel back to it, by design name. Controls of
    // other tabs, and any that come later, may lie in between.
    QStringList walked;
    for (int step = 0; step < 60; ++step) {
        QTest::keyClick(options.focusWidget(), Qt::Key_Tab);
        QWidget* at = options.focusWidget();
        while (at && !qobject_cast<kv::Control*>(at))
            at = at->parentWidget();
        QVERIFY(at);
        walked << at->objectName();
        if (at == options.cmdCancel)
            break;
    }
    QStringList seen;
    for (const QString& name : std::as_const(walked)) {
        if (order.contains(name))
            seen << name;
    }
    QCOMPARE(seen, order);
}

void TestOptions::colourButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("key");
    QTest::newRow("Back Color") << "cmdBackC"
                                << "picBackC"
                                << "FormBack";
    QTest::newRow("LED Background") << "cmdLEDB"
                                    << "picLEDB"
                                    << "LEDBack";
    QTest::newRow("Border Color") << "cmdBorderC"
                                  << "picBorderC"
                                  << "BorderColor";
    QTest::newRow("Score Color") << "cmdScoreC"
                                 << "picScoreC"
                                 << "ScoreColor";
    QTest::newRow("Hold Color") << "cmdHoldC"
                                << "picHoldC"
                                << "HoldColor";
    QTest::newRow("Time Color") << "cmdTimeC"
                                << "picTimeC"
                                << "TimeColor";
    QTest::newRow("LED Selected") << "cmdLedSelected"
                                  << "picLedSelected"
                                  << "LEDSelected";
}

void TestOptions::colourButtons()
{
    QFETCH(QString, button);
    QFETCH(QString, box);
    QFETCH(QString, key);
    TestStore store;
    FakeDialogs dialogs;
    frmOptions options;
    options.Load();
    const QStringList boxes
        = { "picBackC", "picLEDB", "picBorderC", "picScoreC", "picHoldC", "picTimeC", "picLedSelected" };
    QHash<QString, int> before;
    for (const QString& name : boxes)
        before.insert(name, options.ControlAs<ColorBox>(name)->BackColor());
    dialogs.colours = { 0x123456 };
    emit options.ControlAs<kv::Control>(button)->Click();
    QCOMPARE(dialogs.colourStarts.size(), 1);
    for (const QString& name : boxes)
        QCOMPARE(options.ControlAs<ColorBox>(name)->BackColor(), name == box ? 0x123456 : before.value(name));
    options.cmdOk_Click();
    QCOMPARE(store.Read("ColorSettings", qPrintable(key)), QStringLiteral("1193046"));
}

void TestOptions::colourDialog_opensOnLastChosenAndCancelKeepsBox()
{
    TestStore store;
    FakeDialogs dialogs;
    frmOptions options;
    options.Load();
    // The dialog is not given the box's colour: it opens on black first,
    // then on the colour it last returned in this opening.
    dialogs.colours = { 0x00AA00, std::nullopt };
    emit options.cmdScoreC->Click();
    QCOMPARE(options.picScoreC->BackColor(), 0x00AA00);
    // Cancelled: the box keeps its colour.
    emit options.cmdTimeC->Click();
    QCOMPARE(options.picTimeC->BackColor(), 33023);
    emit options.cmdHoldC->Click();
    QCOMPARE(dialogs.colourStarts, (QList<qint32> { 0, 0x00AA00, 0x00AA00 }));
    QCOMPARE(options.picHoldC->BackColor(), 255);
    // A new opening starts on black again.
    frmOptions again;
    again.Load();
    emit again.cmdBorderC->Click();
    QCOMPARE(dialogs.colourStarts.last(), 0);
    // OK copies the box's colour and writes it; an empty name is saved too.
    options.txtVisitorText->SetText(QString());
    options.cmdOk_Click();
    QCOMPARE(BoardSettings.ScoreColor, 0x00AA00);
    QCOMPARE(store.Read("ColorSettings", "ScoreColor"), QStringLiteral("43520"));
    QCOMPARE(store.Read("TextSettings", "VisitorText"), QString());
}

void TestOptions::enterHeldAfterChoosingEnter_doesNotPressOk_data()
{
    QTest::addColumn<bool>("held");
    QTest::newRow("held: repeats do not press OK") << true;
    QTest::newRow("pressed again: OK") << false;
}

void TestOptions::enterHeldAfterChoosingEnter_doesNotPressOk()
{
    QFETCH(bool, held);
    TestStore store;
    FakeDialogs dialogs;
    bool openAfterwards = false;
    qint16 pending = 0;
    kv::test::WhenModal<frmOptions>([&](frmOptions& options) {
        options.SSTab1->SetTab(4);
        // Enter chosen as the buzzer key: the chooser takes the press and closes.
        kv::test::WhenModal<frmChooseKey>(
            [](frmChooseKey& chooser) { QTest::keyPress(&chooser, Qt::Key_Return); });
        emit options.cmdBuzzerKey->Click();
        pending = options.BuzzerKeyTemp;
        // The key is still down: the platform repeats it to the focused control, OK.
        QWidget* focused = options.focusWidget();
        QVERIFY(focused);
        for (int repeat = 0; repeat < (held ? 3 : 1); ++repeat) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), held);
            QApplication::sendEvent(focused, &press);
        }
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(focused, &release);
        openAfterwards = options.isVisible();
        if (openAfterwards)
            options.close();
    });
    ShowOptionsDialog();
    QCOMPARE(pending, qint16(13));
    QCOMPARE(openAfterwards, held);
    QCOMPARE(
        store.Read("KeySettings", "BuzzerKey"), held ? QStringLiteral("<absent>") : QStringLiteral("13"));
}

void TestOptions::widthScrollBar_showsValueWithinRange()
{
    FakeDialogs dialogs;
    BoardSettings.LEDSelectedWidth = 5;
    frmOptions options;
    options.Load();
    options.show();
    options.SSTab1->SetTab(1);
    QCOMPARE(options.lblLEDSelectedWidthValue->Caption(), QStringLiteral("5"));
    // The upper arrow raises the value, but not beyond 5.
    QTest::mouseClick(options.scrLEDSelectedWidth, Qt::LeftButton, {}, QPoint(5, 2));
    QCOMPARE(options.scrLEDSelectedWidth->Value(), 5);
    const int lower = options.scrLEDSelectedWidth->height() - 2;
    for (int i = 0; i < 7; ++i)
        QTest::mouseClick(options.scrLEDSelectedWidth, Qt::LeftButton, {}, QPoint(5, lower));
    QCOMPARE(options.scrLEDSelectedWidth->Value(), 0);
    QCOMPARE(options.lblLEDSelectedWidthValue->Caption(), QStringLiteral("0"));
    options.scrLEDSelectedWidth->setFocus();
    QTest::keyClick(options.scrLEDSelectedWidth, Qt::Key_Up);
    QTest::keyClick(options.scrLEDSelectedWidth, Qt::Key_Up);
    QCOMPARE(options.lblLEDSelectedWidthValue->Caption(), QStringLiteral("2"));
    options.cmdOk_Click();
    QCOMPARE(BoardSettings.LEDSelectedWidth, qint16(2));
}

void TestOptions::buzzerCaption_data()
{
    QTemporaryDir folder;
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("shown");
    const QString fifty = QStringLiteral("/").repeated(1) + QString(40, u'a') + QStringLiteral("/horn.wav");
    QCOMPARE(fifty.size(), 50);
    QTest::newRow("empty") << QString() << "[No File Selected]";
    QTest::newRow("fifty_whole") << fifty << fifty;
    const QString missing51 = u'/' + QString(41, u'b') + QStringLiteral("/horn.wav");
    QTest::newRow("fiftyOne_missing_noName")
        << missing51 << missing51.left(25) + QStringLiteral(" ...") + QDir::separator();
}

void TestOptions::buzzerCaption()
{
    QFETCH(QString, path);
    QFETCH(QString, shown);
    QCOMPARE(BuzzerCaption(path), shown);
}

void TestOptions::noSound_andBack()
{
    TestStore store;
    FakeDialogs dialogs;
    frmOptions options;
    options.Load();
    options.cmdBuzzerSoundNone_Click();
    QCOMPARE(options.lblBFile->Caption(), QStringLiteral("[No File Selected]"));
    QCOMPARE(options.lblBuzzerKey->Caption(), QString());
    QCOMPARE(options.BuzzerKeyTemp, qint16(32));
    QVERIFY(!options.cmdBuzzerSoundNone->isEnabled());
    QVERIFY(!options.cmdBuzzerKey->isEnabled());
    QVERIFY(!options.lblBuzzerKey->Enabled());
    // A cancelled file dialog, or a name that is no file, keeps no sound.
    dialogs.files = { std::nullopt, QDir(store.Folder()).filePath(QStringLiteral("gone.wav")) };
    options.cmdBuzzerSoundChange_Click();
    options.cmdBuzzerSoundChange_Click();
    QCOMPARE(options.BuzzTemp, QString());
    QCOMPARE(options.BuzzerKeyTemp, qint16(32));
    QCOMPARE(dialogs.filters.first(), QStringLiteral("Sounds *.wav|*.wav"));
    // A long path to an existing wave file: the key comes back as B.
    const QString folder = QDir(store.Folder()).filePath(QString(40, u'd'));
    QVERIFY(QDir().mkpath(folder));
    const QString wave = WriteFile(folder, QStringLiteral("horn.wav"), "RIFF");
    QVERIFY(wave.size() > 50);
    dialogs.files = { wave };
    options.cmdBuzzerSoundChange_Click();
    QCOMPARE(options.BuzzTemp, wave);
    QCOMPARE(
        options.lblBFile->Caption(), wave.left(25) + QStringLiteral(" ...") + QDir::separator() + "horn.wav");
    QCOMPARE(options.BuzzerKeyTemp, qint16(66));
    QCOMPARE(options.lblBuzzerKey->Caption(), QStringLiteral("B"));
    QVERIFY(options.cmdBuzzerSoundNone->isEnabled());
    QVERIFY(options.cmdBuzzerKey->isEnabled());
    QVERIFY(options.lblBuzzerKey->Enabled());
    // No sound again, then OK: an empty file and key 32 are saved.
    options.cmdBuzzerSoundNone_Click();
    options.cmdOk_Click();
    QCOMPARE(store.Read("KeySettings", "BuzzerFile"), QString());
    QCOMPARE(store.Read("KeySettings", "BuzzerKey"), QStringLiteral("32"));
}

void TestOptions::changeSound_keepsChosenKey()
{
    TestStore store;
    FakeDialogs dialogs;
    BoardSettings.BuzzerKey = 116;
    frmOptions options;
    options.Load();
    dialogs.files = { WriteFile(store.Folder(), QStringLiteral("bell.wav"), "RIFF") };
    options.cmdBuzzerSoundChange_Click();
    QCOMPARE(options.BuzzerKeyTemp, qint16(116));
    QCOMPARE(options.lblBuzzerKey->Caption(), QStringLiteral("F5"));
}

void TestOptions::pictureChosenThenCleared_savesEmptyPath()
{
    TestStore store;
    FakeDialogs dialogs;
    BoardSettings.HomePic = WritePicture(store.Folder(), QStringLiteral("old.bmp"), 40, 40);
    frmOptions options;
    options.Load();
    QVERIFY(options.imgHomePicPreview->HasPicture());
    const QString wide = WritePicture(store.Folder(), QStringLiteral("wide.bmp"), 200, 100);
    dialogs.files = { wide };
    emit options.cmdChangeHomePic->Click();
    QCOMPARE(dialogs.filters.first(), QStringLiteral("Pictures (*.bmp;*.gif;*.jpg)|*.bmp;*.gif;*.jpg"));
    QCOMPARE(options.HomePicTemp, wide);
    // Fitted to the box's width and centred vertically.
    QCOMPARE(options.imgHomePicPreview->Width(), 1215.0);
    QCOMPARE(options.imgHomePicPreview->Height(), 607.5);
    QCOMPARE(options.imgHomePicPreview->Top(), 303.75);
    emit options.cmdClearHomePic->Click();
    QVERIFY(!options.imgHomePicPreview->HasPicture());
    QCOMPARE(options.HomePicTemp, QString());
    options.cmdOk_Click();
    QCOMPARE(BoardSettings.HomePic, QString());
    QCOMPARE(store.Read("PicSettings", "HomePic"), QString());
}

void TestOptions::pictureCancelled_keepsStoredPicture()
{
    TestStore store;
    FakeDialogs dialogs;
    const QString stored = WritePicture(store.Folder(), QStringLiteral("stored.bmp"), 30, 60);
    BoardSettings.VisitorPic = stored;
    {
        frmOptions options;
        options.Load();
        dialogs.files = { std::nullopt, WritePicture(store.Folder(), QStringLiteral("new.bmp"), 60, 30) };
        emit options.cmdChangeVisitorPic->Click();
        QCOMPARE(options.VisitorPicTemp, stored);
        emit options.cmdChangeVisitorPic->Click();
        QVERIFY(options.VisitorPicTemp != stored);
        options.cmdCancel_Click();
    }
    QCOMPARE(BoardSettings.VisitorPic, stored);
    QCOMPARE(store.Read("PicSettings", "VisitorPic"), QStringLiteral("<absent>"));
}

void TestOptions::pictureUnreadable_refusedWithMessage()
{
    TestStore store;
    FakeDialogs dialogs;
    const QString good = WritePicture(store.Folder(), QStringLiteral("good.bmp"), 50, 50);
    BoardSettings.HomePic = good;
    frmOptions options;
    options.Load();
    dialogs.files = { WriteFile(store.Folder(), QStringLiteral("fake.jpg"), "not a picture at all") };
    emit options.cmdChangeHomePic->Click();
    QCOMPARE(dialogs.warnings.size(), 1);
    QVERIFY(dialogs.warnings.first().contains(QStringLiteral("fake.jpg")));
    QCOMPARE(options.HomePicTemp, good);
    QVERIFY(options.imgHomePicPreview->HasPicture());
}

void TestOptions::dotsPreviewed_thenCancelled()
{
    TestStore store;
    FakeDialogs dialogs;
    frmOptions options;
    options.Load();
    QCOMPARE(options.pledPreview->LedType(), 0);
    options.cmbLedType->Box()->setCurrentIndex(1);
    QCOMPARE(options.cmbLedType->Box()->currentText(), QStringLiteral("Dots"));
    QCOMPARE(options.pledPreview->LedType(), 1);
    options.cmdCancel_Click();
    QCOMPARE(BoardSettings.LEDType, qint16(0));
    QCOMPARE(store.Read("PicSettings", "LEDType"), QStringLiteral("<absent>"));
}

void TestOptions::preview_fitsItsSlot()
{
    FakeDialogs dialogs;
    frmOptions options;
    QVERIFY(options.pledPreview->Width() <= 540);
    QVERIFY(options.pledPreview->Height() <= 975);
    QVERIFY(options.pledPreview->Width() >= 500);
    QCOMPARE(options.cmbLedType->List(), QStringLiteral("Lines|Dots"));
    QVERIFY(!options.cmbLedType->Box()->isEditable());
}

void TestOptions::textBoxes_stopAtLimit_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("limit");
    QTest::addColumn<bool>("paste");
    QTest::newRow("title_typed") << "txtTitleText" << 25 << false;
    QTest::newRow("title_pasted") << "txtTitleText" << 25 << true;
    QTest::newRow("home_typed") << "txtHomeText" << 20 << false;
    QTest::newRow("visitor_pasted") << "txtVisitorText" << 20 << true;
}

void TestOptions::textBoxes_stopAtLimit()
{
    QFETCH(QString, box);
    QFETCH(int, limit);
    QFETCH(bool, paste);
    FakeDialogs dialogs;
    frmOptions options;
    options.Load();
    options.show();
    QLineEdit* edit = options.ControlAs<TextBox>(box)->Editor();
    edit->clear();
    const QString longText = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    if (paste) {
        QGuiApplication::clipboard()->setText(longText);
        edit->paste();
    } else {
        QTest::keyClicks(edit, longText);
    }
    QCOMPARE(edit->text(), longText.left(limit));
}

void TestOptions::textBox_keepsLongerStoredText()
{
    FakeDialogs dialogs;
    BoardSettings.TitleText = QString(30, u'T');
    frmOptions options;
    options.Load();
    QCOMPARE(options.txtTitleText->Text(), QString(30, u'T'));
    options.show();
    options.txtTitleText->Editor()->end(false);
    QTest::keyClicks(options.txtTitleText->Editor(), QStringLiteral("more"));
    QCOMPARE(options.txtTitleText->Text(), QString(30, u'T'));
}

void TestOptions::textBox_shortenedStoredTextCannotGrowPastLimit()
{
    FakeDialogs dialogs;
    BoardSettings.HomeText = QString(24, u'H');
    frmOptions options;
    options.Load();
    options.show();
    QLineEdit* edit = options.txtHomeText->Editor();
    edit->setFocus();
    edit->end(false);
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QString(18, u'H'));
    QTest::keyClicks(edit, QStringLiteral("abcdefgh"));
    QCOMPARE(edit->text(), QString(18, u'H') + QStringLiteral("ab"));
}

void TestOptions::saveFails_reportedAndKeptForThisRun()
{
    QTemporaryDir folder;
    // A store under a plain file can never be written.
    const QString blocker = WriteFile(folder.path(), QStringLiteral("blocker"), "x");
    SettingsStore::SetFileForTesting(QDir(blocker).filePath(QStringLiteral("korvelin.ini")));
    FakeDialogs dialogs;
    frmOptions options;
    options.Load();
    options.txtTitleText->SetText(QStringLiteral("Final"));
    options.cmdOk_Click();
    SettingsStore::SetFileForTesting(QString());
    QCOMPARE(dialogs.warnings.size(), 1);
    QVERIFY(dialogs.warnings.first().startsWith(QStringLiteral("Options|The settings could not be saved")));
    QCOMPARE(BoardSettings.TitleText, QStringLiteral("Final"));
    QVERIFY(!options.isVisible());
}

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
