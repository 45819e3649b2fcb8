// Key names and the "Choose Key" window: which keys it takes, which it
// refuses, and how the options dialog's key buttons use it.

#include "display/dialogcontrols.h"
#include "optionsfixture.h"
#include "settings/frmchoosekey.h"
#include "settings/frmoptions.h"
#include "settings/modgrabkeys.h"

#include <QRectF>
#include <QTest>

using namespace kv;
using kv::test::FakeDialogs;
using kv::test::TestStore;
using kv::test::WhenModal;

class TestKeyChooser : public QObject
{
    Q_OBJECT

private slots:
    void keyCodeToStr_allCodes();
    void design_data();
    void design();
    void modalHelper_closesWindowLeftOpenAndSaysWhich();
    void accepts_data();
    void accepts();
    void window_data();
    void window();
    void refusedThenAllowed_hidesMessageAndCloses();
    void closeBox_leavesResultZero();
    void keyButtons_data();
    void keyButtons();
    void startStopTakesR_onceResetMovedAway();
    void undoKey_refusedForOthersAndRefusesTheirs_data();
    void undoKey_refusedForOthersAndRefusesTheirs();
    void undoKey_chosenSavedAndReset();
};

void TestKeyChooser::keyCodeToStr_allCodes()
{
    QHash<int, QString> named = {
        { 8, "Backspace" },
        { 13, "Enter" },
        { 17, "Ctrl" },
        { 19, "Pause/Break" },
        { 33, "Page Up" },
        { 34, "Page Down" },
        { 35, "End" },
        { 36, "Home" },
        { 45, "Insert" },
        { 46, "Delete" },
        { 106, "Numpad *" },
        { 111, "Numpad /" },
        { 186, ";" },
        { 188, "," },
        { 190, "." },
        { 191, "/" },
        { 192, "`" },
        { 219, "[" },
        { 220, "\\" },
        { 221, "]" },
        { 222, "\"" },
    };
    for (int code = 'A'; code <= 'Z'; ++code)
        named.insert(code, QString(QChar(code)));
    for (int f = 3; f <= 12; ++f)
        named.insert(111 + f, QStringLiteral("F%1").arg(f));
    QCOMPARE(named.size(), 21 + 26 + 10);
    for (int code = 0; code < 256; ++code)
        QCOMPARE(KeyCodeToStr(static_cast<qint16>(code)), named.value(code));
    // Codes outside the byte range have no name either.
    QCOMPARE(KeyCodeToStr(-1), QString());
    QCOMPARE(KeyCodeToStr(256 + 'A'), QString());
}

void TestKeyChooser::design_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRectF>("place");
    QTest::addColumn<QVariantMap>("more");
    QTest::newRow("lblChoose") << "lblChoose" << QRectF(120, 120, 4335, 855)
                               << QVariantMap { { "FontName", "Times New Roman" }, { "FontSize", 18.0 } };
    QTest::newRow("lblUsed") << "lblUsed" << QRectF(60, 1080, 4575, 1215)
                             << QVariantMap {
                                    { "Caption",
                                        "This is not a valid key, please choose another or close this "
                                        "window to return." },
                                    { "FontName", "Arial" }, { "FontSize", 18.0 }, { "ForeColor", 0x0000FF },
                                    { "Alignment", 2 }, { "Visible", false }
                                };
}

void TestKeyChooser::design()
{
    QFETCH(QString, name);
    QFETCH(QRectF, place);
    QFETCH(QVariantMap, more);
    frmChooseKey chooser({ 83, 82, 66 });
    QCOMPARE(chooser.windowTitle(), QStringLiteral("Choose Key"));
    QCOMPARE(chooser.ScaleWidth(), 4680.0);
    QCOMPARE(chooser.ScaleHeight(), 2415.0);
    QVERIFY(!(chooser.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    // Nothing on it takes the focus, so every key reaches the window.
    for (const QWidget* child : chooser.findChildren<QWidget*>())
        QCOMPARE(child->focusPolicy(), Qt::NoFocus);
    const auto* label = chooser.ControlAs<DialogLabel>(name);
    QVERIFY(label);
    QCOMPARE(label->parentWidget(), &chooser);
    QCOMPARE((QRectF(label->Left(), label->Top(), label->Width(), label->Height())), place);
    const QRect pixels = label->geometry();
    QCOMPARE(pixels,
        QRect(qRound(place.left() / 15), qRound(place.top() / 15), qRound(place.width() / 15),
            qRound(place.height() / 15)));
    for (auto it = more.cbegin(); it != more.cend(); ++it)
        QCOMPARE(label->property(qPrintable(it.key())), it.value());
}

void TestKeyChooser::modalHelper_closesWindowLeftOpenAndSaysWhich()
{
    FakeDialogs dialogs;
    ChooseKeyAction = QStringLiteral("sound the buzzer");
    ChooseKeyCurrent = 66;
    QStringList reported;
    kv::test::ModalFailureSink() = [&reported](const QString& message) { reported << message; };
    // A refused key leaves the chooser open: the helper closes it and says so.
    WhenModal<frmChooseKey>([](frmChooseKey& chooser) { QTest::keyClick(&chooser, Qt::Key_Space); });
    ShowChooseKey({ 83, 82, 66 }, nullptr);
    kv::test::ModalFailureSink() = {};
    QCOMPARE(reported,
        QStringList { QStringLiteral("frmChooseKey \"Choose Key\" was left open by the test's action") });
    QCOMPARE(ChooseKeyResult, QStringLiteral("0"));
    QCOMPARE(dialogs.beeps, 1);
}

void TestKeyChooser::accepts_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("accepted");
    // Pending keys: the defaults, start/stop S, reset R, buzzer B.
    QTest::newRow("escape_refused") << 27 << 83 << false;
    QTest::newRow("space_refused") << 32 << 83 << false;
    QTest::newRow("digit_refused") << 49 << 83 << false;
    QTest::newRow("arrow_refused") << 37 << 83 << false;
    QTest::newRow("shift_refused") << 16 << 83 << false;
    QTest::newRow("alt_refused") << 18 << 83 << false;
    QTest::newRow("sameKeyAsCurrent_accepted") << 83 << 83 << true;
    QTest::newRow("unnamedCurrent_accepted") << 32 << 32 << true;
    QTest::newRow("resetKeyForStartStop_refused") << 82 << 83 << false;
    QTest::newRow("buzzerKeyForReset_refused") << 66 << 82 << false;
    QTest::newRow("startStopKeyForBuzzer_refused") << 83 << 66 << false;
    QTest::newRow("deleteForBuzzer_accepted") << 46 << 66 << true;
    QTest::newRow("f3_accepted") << 114 << 83 << true;
    QTest::newRow("f12_accepted") << 123 << 83 << true;
    QTest::newRow("f1_refused") << 112 << 83 << false;
    QTest::newRow("f2_refused") << 113 << 83 << false;
    QTest::newRow("code124_refused") << 124 << 83 << false;
    QTest::newRow("ctrlAlone_accepted") << 17 << 83 << true;
}

void TestKeyChooser::accepts()
{
    QFETCH(int, key);
    QFETCH(int, current);
    QFETCH(bool, accepted);
    const PendingCommandKeys pending { 83, 82, 66 };
    QCOMPARE(ChooseKeyAccepts(static_cast<qint16>(key), static_cast<qint16>(current), pending), accepted);
}

void TestKeyChooser::window_data()
{
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("result");
    QTest::newRow("escape_refusedNotCancel") << int(Qt::Key_Escape) << 83 << "0";
    QTest::newRow("tab_refusedNotFocusMove") << int(Qt::Key_Tab) << 83 << "0";
    QTest::newRow("r_refusedForStartStop") << int(Qt::Key_R) << 83 << "0";
    QTest::newRow("s_acceptedAsCurrent") << int(Qt::Key_S) << 83 << "83";
    QTest::newRow("x_accepted") << int(Qt::Key_X) << 83 << "88";
    QTest::newRow("f5_accepted") << int(Qt::Key_F5) << 66 << "116";
    QTest::newRow("f1_refused") << int(Qt::Key_F1) << 66 << "0";
}

void TestKeyChooser::window()
{
    QFETCH(int, qtKey);
    QFETCH(int, current);
    QFETCH(QString, result);
    FakeDialogs dialogs;
    ChooseKeyAction = QStringLiteral("sound the buzzer");
    ChooseKeyCurrent = static_cast<qint16>(current);
    ChooseKeyResult = QStringLiteral("stale");
    frmChooseKey chooser({ 83, 82, 66 });
    chooser.Load();
    QCOMPARE(
        chooser.lblChoose->Caption(), QStringLiteral("Press the key you would like to sound the buzzer."));
    QCOMPARE(ChooseKeyResult, QStringLiteral("0"));
    QVERIFY(!chooser.lblUsed->Visible());
    chooser.show();
    QTest::keyClick(&chooser, static_cast<Qt::Key>(qtKey));
    QCOMPARE(ChooseKeyResult, result);
    const bool refused = result == QLatin1String("0");
    QCOMPARE(chooser.lblUsed->Visible(), refused);
    QCOMPARE(chooser.isVisible(), refused);
    QCOMPARE(dialogs.beeps, refused ? 1 : 0);
}

void TestKeyChooser::refusedThenAllowed_hidesMessageAndCloses()
{
    FakeDialogs dialogs;
    ChooseKeyCurrent = 83;
    frmChooseKey chooser({ 83, 82, 66 });
    chooser.Load();
    chooser.show();
    QTest::keyClick(&chooser, Qt::Key_Space);
    QTest::keyClick(&chooser, Qt::Key_B);
    QCOMPARE(dialogs.beeps, 2);
    QVERIFY(chooser.lblUsed->Visible());
    QCOMPARE(chooser.lblUsed->Caption(),
        QStringLiteral("This is not a valid key, please choose another or close this window to return."));
    QTest::keyClick(&chooser, Qt::Key_Delete);
    QVERIFY(!chooser.lblUsed->Visible());
    QVERIFY(!chooser.isVisible());
    QCOMPARE(ChooseKeyResult, QStringLiteral("46"));
}

void TestKeyChooser::closeBox_leavesResultZero()
{
    FakeDialogs dialogs;
    ChooseKeyAction = QStringLiteral("reset the contest clock");
    ChooseKeyCurrent = 82;
    WhenModal<frmChooseKey>([](frmChooseKey& chooser) { chooser.close(); });
    ShowChooseKey({ 83, 82, 66 }, nullptr);
    QCOMPARE(ChooseKeyResult, QStringLiteral("0"));
}

void TestKeyChooser::keyButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<QString>("shown");
    QTest::newRow("startStop_x") << "cmdStartStopPeriodClock" << int(Qt::Key_X) << "lblStartStopPeriodClock"
                                 << "start / stop the contest clock"
                                 << "X";
    QTest::newRow("reset_f3") << "cmdResetPeriodClock" << int(Qt::Key_F3) << "lblResetPeriodClock"
                              << "reset the contest clock"
                              << "F3";
    QTest::newRow("buzzer_delete") << "cmdBuzzerKey" << int(Qt::Key_Delete) << "lblBuzzerKey"
                                   << "sound the buzzer"
                                   << "Delete";
    QTest::newRow("clear_home") << "cmdClearKey" << int(Qt::Key_Home) << "lblClear"
                                << "clear a number"
                                << "Home";
    QTest::newRow("undo_end") << "cmdUndoKey" << int(Qt::Key_End) << "lblUndoKey"
                              << "undo the last change"
                              << "End";
}

void TestKeyChooser::keyButtons()
{
    QFETCH(QString, button);
    QFETCH(int, qtKey);
    QFETCH(QString, label);
    QFETCH(QString, phrase);
    QFETCH(QString, shown);
    TestStore store;
    FakeDialogs dialogs;
    BoardSettings = DefaultBoardSettings();
    frmOptions options;
    options.Load();
    QString prompt;
    WhenModal<frmChooseKey>([&prompt, qtKey](frmChooseKey& chooser) {
        prompt = chooser.lblChoose->Caption();
        QTest::keyClick(&chooser, static_cast<Qt::Key>(qtKey));
    });
    emit options.ControlAs<kv::Control>(button)->Click();
    QCOMPARE(prompt, QStringLiteral("Press the key you would like to %1.").arg(phrase));
    QCOMPARE(options.ControlAs<DialogLabel>(label)->Caption(), shown);
    // Only the pending value changes; nothing is saved before OK.
    QCOMPARE(BoardSettings, DefaultBoardSettings());
    QCOMPARE(store.Read("KeySettings", "StartStopPeriodClockKey"), QStringLiteral("<absent>"));
}

void TestKeyChooser::startStopTakesR_onceResetMovedAway()
{
    TestStore store;
    FakeDialogs dialogs;
    BoardSettings = DefaultBoardSettings();
    frmOptions options;
    options.Load();
    // R is the pending reset key: refused, and the chooser closed by its box.
    WhenModal<frmChooseKey>([](frmChooseKey& chooser) {
        QTest::keyClick(&chooser, Qt::Key_R);
        chooser.close();
    });
    options.ChooseKey(QStringLiteral("start / stop the contest clock"), options.StartStopPeriodClockKeyTemp,
        options.lblStartStopPeriodClock);
    QCOMPARE(dialogs.beeps, 1);
    QCOMPARE(options.StartStopPeriodClockKeyTemp, qint16(83));
    QCOMPARE(options.lblStartStopPeriodClock->Caption(), QStringLiteral("S"));
    // Reset moves to T; R is free in the same opening.
    WhenModal<frmChooseKey>([](frmChooseKey& chooser) { QTest::keyClick(&chooser, Qt::Key_T); });
    options.ChooseKey(QStringLiteral("reset the contest clock"), options.ResetPeriodClockKeyTemp,
        options.lblResetPeriodClock);
    WhenModal<frmChooseKey>([](frmChooseKey& chooser) { QTest::keyClick(&chooser, Qt::Key_R); });
    options.ChooseKey(QStringLiteral("start / stop the contest clock"), options.StartStopPeriodClockKeyTemp,
        options.lblStartStopPeriodClock);
    QCOMPARE(options.ResetPeriodClockKeyTemp, qint16(84));
    QCOMPARE(options.StartStopPeriodClockKeyTemp, qint16(82));
    QCOMPARE(options.lblStartStopPeriodClock->Caption(), QStringLiteral("R"));
    QCOMPARE(dialogs.beeps, 1);
}

void TestKeyChooser::undoKey_refusedForOthersAndRefusesTheirs_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("accepted");
    // Pending keys: the defaults, start/stop S, reset R, buzzer B, undo Backspace.
    QTest::newRow("backspaceForStartStop_refused") << 8 << 83 << false;
    QTest::newRow("backspaceForBuzzer_refused") << 8 << 66 << false;
    QTest::newRow("backspaceForUndo_accepted") << 8 << 8 << true;
    QTest::newRow("resetKeyForUndo_refused") << 82 << 8 << false;
    QTest::newRow("f2ForUndo_refused") << 113 << 8 << false;
    QTest::newRow("deleteForUndo_accepted") << 46 << 8 << true;
}

void TestKeyChooser::undoKey_refusedForOthersAndRefusesTheirs()
{
    QFETCH(int, key);
    QFETCH(int, current);
    QFETCH(bool, accepted);
    const PendingCommandKeys pending { 83, 82, 66, 8 };
    QCOMPARE(ChooseKeyAccepts(static_cast<qint16>(key), static_cast<qint16>(current), pending), accepted);
}

void TestKeyChooser::undoKey_chosenSavedAndReset()
{
    TestStore store;
    FakeDialogs dialogs;
    BoardSettings = DefaultBoardSettings();
    frmOptions options;
    options.Load();
    QCOMPARE(options.lblUndoKey->Caption(), QStringLiteral("Backspace"));
    // Backspace is now the undo key's: the start/stop key cannot take it.
    WhenModal<frmChooseKey>([](frmChooseKey& chooser) {
        QTest::keyClick(&chooser, Qt::Key_Backspace);
        chooser.close();
    });
    options.ChooseKey(QStringLiteral("start / stop the contest clock"), options.StartStopPeriodClockKeyTemp,
        options.lblStartStopPeriodClock);
    QCOMPARE(dialogs.beeps, 1);
    QCOMPARE(options.StartStopPeriodClockKeyTemp, qint16(83));
    WhenModal<frmChooseKey>([](frmChooseKey& chooser) { QTest::keyClick(&chooser, Qt::Key_U); });
    emit options.cmdUndoKey->Click();
    QCOMPARE(options.UndoKeyTemp, qint16(85));
    options.cmdOk_Click();
    QCOMPARE(BoardSettings.UndoKey, qint16(85));
    QCOMPARE(store.Read("KeySettings", "UndoKey"), QStringLiteral("85"));

    frmOptions again;
    again.Load();
    QCOMPARE(again.lblUndoKey->Caption(), QStringLiteral("U"));
    dialogs.yesNo = { true };
    again.cmdResetKeys_Click();
    QCOMPARE(again.UndoKeyTemp, qint16(8));
    QCOMPARE(again.lblUndoKey->Caption(), QStringLiteral("Backspace"));
}

QTEST_MAIN(TestKeyChooser)
#include "tst_keychooser.moc"
