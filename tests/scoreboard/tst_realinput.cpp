// The scoreboard driven by real key events: a private Xvfb server, the xcb
// platform and XTest key presses, so that the keys go through the X server,
// Qt's xcb keyboard handling and the key translator as the operator's do.
// Time still comes from the fake clock of the board fixture.

#include "boardfixture.h"
#include "platform/keyboardstate.h"
#include "platform/keytranslator.h"
#include "xtestkeys.h"
#include "xtestmouse.h"
#include "xvfbserver.h"

#include <QApplication>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>

using namespace kv;
using kv::test::Board;
using kv::test::MissingXServer;
using kv::test::SendKey;
using kv::test::Tap;
using kv::test::XTestFakeKey;

namespace {

// Waits for the focus widget to be the one wanted, in the active window.
bool FocusOn(QWidget* widget)
{
    widget->activateWindow();
    widget->setFocus(Qt::OtherFocusReason);
    return QTest::qWaitFor([widget] { return widget->hasFocus() && widget->isActiveWindow(); }, 5000);
}

// Presses and releases an X keycode, with Shift held when shifted.
bool TapKeycode(unsigned int keycode, bool shifted)
{
    Display* display = kv::test::QtDisplay();
    const kv::test::FakeKeyEvent fakeKey = XTestFakeKey();
    if (display == nullptr || fakeKey == nullptr)
        return false;
    constexpr unsigned int LeftShift = 50;
    if (shifted)
        fakeKey(display, LeftShift, 1, 0);
    fakeKey(display, keycode, 1, 0);
    fakeKey(display, keycode, 0, 0);
    if (shifted)
        fakeKey(display, LeftShift, 0, 0);
    XFlush(display);
    return true;
}

// Switches the X server's keyboard layout; true when it took.
bool UseLayout(const QString& layout)
{
    return QProcess::execute(QStringLiteral("setxkbmap"),
               { QStringLiteral("-display"), QString::fromLocal8Bit(qgetenv("DISPLAY")), layout })
        == 0;
}

} // namespace

class TestRealInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void shiftS_startsAndSStops();
    void keypadEntry_data();
    void keypadEntry();
    void shidoKeys_data();
    void shidoKeys();
    void mainDigit_onYukoDisplay();
    void arrows_chooseHoldSide_data();
    void arrows_chooseHoldSide();
    void resetKey_clearsTheContest();
    void buzzerKey_playsOnceWhilePlaying();
    void fullContest_owedBuzzerPaidByUp();
    void doubleClick_actsOnce_data();
    void doubleClick_actsOnce();
    void otherLayouts_punctuationKeys_data();
    void otherLayouts_punctuationKeys();
};

void TestRealInput::initTestCase()
{
    if (!MissingXServer().isEmpty())
        QSKIP(qPrintable(MissingXServer()));
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QVERIFY2(XTestFakeKey() != nullptr, "libXtst.so.6 cannot be loaded");
    // The keys must come the way the operator's do: X keycodes, not Qt keys alone.
    QVERIFY(PlatformKeySource() == KeySource::X11);
    kv::test::UseTestSettingsStore();
}

void TestRealInput::shiftS_startsAndSStops()
{
    Board board;
    QVERIFY(FocusOn(board->tledPeriod));

    QVERIFY(SendKey(XK_Shift_L, true));
    QVERIFY(SendKey(XK_s, true));
    QVERIFY(SendKey(XK_s, false));
    QVERIFY(SendKey(XK_Shift_L, false));
    QTRY_VERIFY(board->tkPeriod->Running());

    QVERIFY(Tap(XK_s));
    QTRY_VERIFY(!board->tkPeriod->Running());
    QCOMPARE(board->tkPeriod->Time(), Fixed4::FromSeconds(120));
}

void TestRealInput::keypadEntry_data()
{
    QTest::addColumn<bool>("numLock");
    QTest::addColumn<int>("seconds");
    // With NumLock on the keypad types digits; with it off keypad 3 is Page
    // Down, so Enter finds nothing typed and changes nothing.
    QTest::newRow("NumLock on: 3 minutes") << true << 180;
    QTest::newRow("NumLock off: nothing typed") << false << 120;
}

void TestRealInput::keypadEntry()
{
    QFETCH(bool, numLock);
    QFETCH(int, seconds);
    Board board;
    QVERIFY(FocusOn(board->tledPeriod));
    SetNumLock(numLock);
    QTRY_COMPARE(NumLockIsOn(), numLock);

    QVERIFY(Tap(XK_KP_3));
    QVERIFY(Tap(XK_KP_Enter));
    // B after Enter: once the buzzer sounds, Enter has been handled too.
    QVERIFY(Tap(XK_b));
    QTRY_COMPARE(board.player.Plays(), 1);
    QTRY_COMPARE(PeriodLength, Fixed4::FromSeconds(seconds));
    QCOMPARE(board->tkPeriod->Time(), Fixed4::FromSeconds(seconds));
    QVERIFY(!board->tkPeriod->Running());
    QCOMPARE(board->tledPeriod->Caption(), float(seconds));
}

void TestRealInput::shidoKeys_data()
{
    QTest::addColumn<QVector<KeySym>>("keys");
    QTest::addColumn<int>("shido");
    QTest::newRow("keypad plus") << QVector<KeySym> { XK_KP_Add } << 1;
    QTest::newRow("main-keyboard plus") << QVector<KeySym> { XK_equal } << 1;
    QTest::newRow("two, one taken back") << QVector<KeySym> { XK_KP_Add, XK_KP_Add, XK_KP_Subtract } << 1;
}

void TestRealInput::shidoKeys()
{
    QFETCH(QVector<KeySym>, keys);
    QFETCH(int, shido);
    Board board;
    QVERIFY(FocusOn(board->picHomeS));
    // Each key is waited for, so that a lost key cannot hide behind a later one.
    int count = 0;
    for (const KeySym key : keys) {
        QVERIFY(Tap(key));
        count += key == XK_KP_Subtract ? -1 : 1;
        QTRY_COMPARE(int(board->PenaltySH), count);
    }
    QCOMPARE(int(board->PenaltySH), shido);
    QCOMPARE(board->PenaltySV, 0);
}

void TestRealInput::mainDigit_onYukoDisplay()
{
    Board board;
    const int wazaAri = board->nledWHome->Value();
    QVERIFY(FocusOn(board->nledYHome));
    QVERIFY(Tap(XK_7));
    QTRY_COMPARE(board->nledYHome->Value(), 7);
    QCOMPARE(board->nledWHome->Value(), wazaAri);
    QVERIFY(!board->tkPeriod->Running());
}

void TestRealInput::arrows_chooseHoldSide_data()
{
    QTest::addColumn<KeySym>("arrow");
    QTest::addColumn<int>("pin");
    QTest::addColumn<bool>("homeRuns");
    QTest::addColumn<bool>("visitorRuns");
    QTest::newRow("Left: Home holds") << KeySym(XK_Left) << 37 << true << false;
    QTest::newRow("Right: Visitor holds") << KeySym(XK_Right) << 39 << false << true;
    QTest::newRow("Up: no hold") << KeySym(XK_Up) << 38 << false << false;
    QTest::newRow("Down: clocks to zero") << KeySym(XK_Down) << 40 << false << false;
}

void TestRealInput::arrows_chooseHoldSide()
{
    QFETCH(KeySym, arrow);
    QFETCH(int, pin);
    QFETCH(bool, homeRuns);
    QFETCH(bool, visitorRuns);
    Board board;
    QVERIFY(FocusOn(board->tledPeriod));

    // With the clock stopped an arrow chooses nothing.
    QVERIFY(Tap(arrow));
    QVERIFY(Tap(XK_s));
    QTRY_VERIFY(board->tkPeriod->Running());
    QCOMPARE(board->TimePin, 0);

    QVERIFY(Tap(arrow));
    QTRY_COMPARE(board->TimePin, pin);
    QCOMPARE(board->tkHoldHome->Running(), homeRuns);
    QCOMPARE(board->tkHoldVisitor->Running(), visitorRuns);
    board.Advance(3000);
    QCOMPARE(board->nledHoldHome->Value(), homeRuns ? 3 : 0);
    QCOMPARE(board->nledHoldVisitor->Value(), visitorRuns ? 3 : 0);
}

void TestRealInput::resetKey_clearsTheContest()
{
    Board board;
    QVERIFY(FocusOn(board->picHomeS));
    QVERIFY(Tap(XK_KP_Add));
    QVERIFY(Tap(XK_s));
    QTRY_VERIFY(board->tkPeriod->Running());
    QCOMPARE(board->PenaltySH, 1);
    board.Advance(10'000);

    QVERIFY(Tap(XK_r));
    QTRY_VERIFY(!board->tkPeriod->Running());
    QCOMPARE(board->tkPeriod->Time(), Fixed4::FromSeconds(120));
    QCOMPARE(board->PenaltySH, 0);
    QCOMPARE(board->TimePin, 38);
    QCOMPARE(board->tledPeriod->Caption(), 120.0f);
}

void TestRealInput::buzzerKey_playsOnceWhilePlaying()
{
    Board board;
    QVERIFY(FocusOn(board->tledPeriod));
    QVERIFY(Tap(XK_b));
    QTRY_COMPARE(board.player.Plays(), 1);
    QVERIFY(board->BuzzerPlaying);

    // A second press while it plays is dropped; S, sent after it, shows that
    // the second B has been handled.
    QVERIFY(Tap(XK_b));
    QVERIFY(Tap(XK_s));
    QTRY_VERIFY(board->tkPeriod->Running());
    QCOMPARE(board.player.Plays(), 1);

    board.FinishBuzzer();
    QTRY_VERIFY(!board->BuzzerPlaying);
    QVERIFY(Tap(XK_b));
    QTRY_COMPARE(board.player.Plays(), 2);
}

void TestRealInput::fullContest_owedBuzzerPaidByUp()
{
    Board board;
    QVERIFY(FocusOn(board->tledPeriod));
    QVERIFY(Tap(XK_s));
    QTRY_VERIFY(board->tkPeriod->Running());
    board.Advance(100'000);
    QVERIFY(Tap(XK_Left));
    QTRY_COMPARE(board->TimePin, 37);
    QVERIFY(board->tkHoldHome->Running());

    // Time runs out during the hold: the clock stops, the hold goes on and
    // the buzzer is owed.
    board.Advance(20'500);
    QVERIFY(!board->tkPeriod->Running());
    QCOMPARE(board->tledPeriod->Caption(), 0.0f);
    QVERIFY(board->tkHoldHome->Running());
    QVERIFY(board->DelayPlayBuzzerPeriod);
    QCOMPARE(board.player.Plays(), 0);
    board.Advance(2'200);
    QCOMPARE(board->nledHoldHome->Value(), 22); // 22.7 s held: 22 completed
    QCOMPARE(board.player.Plays(), 0);

    QVERIFY(Tap(XK_Up));
    QTRY_COMPARE(board.player.Plays(), 1);
    QCOMPARE(board->TimePin, 38);
    QVERIFY(board->PlayedBuzzerPeriod);
    QVERIFY(!board->DelayPlayBuzzerPeriod);
    QVERIFY(!board->tkHoldHome->Running());
    board.Advance(1'000);
    QCOMPARE(board.player.Plays(), 1);

    QVERIFY(Tap(XK_r));
    QTRY_COMPARE(board->tkPeriod->Time(), Fixed4::FromSeconds(120));
    QVERIFY(!board->PlayedBuzzerPeriod);
    QCOMPARE(board->nledHoldHome->Value(), 0);
    board.FinishBuzzer();
    QTRY_VERIFY(!board->BuzzerPlaying);
    QCOMPARE(board.player.Plays(), 1);
}

void TestRealInput::doubleClick_actsOnce_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("clicks"); // 2: a double-click; -2: two clicks far apart
    QTest::addColumn<int>("ippon");
    QTest::addColumn<int>("shido");
    QTest::addColumn<int>("visitorYuko");
    QTest::addColumn<int>("medical");
    QTest::newRow("ipponLabel_doubleClick_togglesOnce") << "lblIpponHome" << 2 << 1 << 0 << 0 << 0;
    QTest::newRow("shidoPanel_doubleClick_oneShidoNoYuko") << "picHomeS" << 2 << 0 << 1 << 0 << 0;
    QTest::newRow("medicalCross_doubleClick_oneMark") << "lblMedHome" << 2 << 0 << 0 << 0 << 1;
    QTest::newRow("shidoPanel_twoClicksApart_twoShido") << "picHomeS" << -2 << 0 << 2 << 1 << 0;
}

void TestRealInput::doubleClick_actsOnce()
{
    QFETCH(QString, target);
    QFETCH(int, clicks);
    QFETCH(int, ippon);
    QFETCH(int, shido);
    QFETCH(int, visitorYuko);
    QFETCH(int, medical);
    Board board;
    QVERIFY(FocusOn(board->tledPeriod));
    QWidget* widget = board->findChild<QWidget*>(target);
    QVERIFY(widget);
    const QPoint centre = widget->mapToGlobal(widget->rect().center());
    if (clicks == 2) {
        QVERIFY(kv::test::ClickAt(centre, 1, 2));
    } else {
        // Farther apart than a double-click may be: two single clicks, along
        // the panel's top edge (its captions take their own clicks).
        const QPoint top = widget->mapToGlobal(QPoint(widget->width() / 2, 3));
        QVERIFY(kv::test::ClickAt(top - QPoint(widget->width() / 3, 0)));
        QVERIFY(kv::test::ClickAt(top + QPoint(widget->width() / 3, 0)));
    }
    // B after the clicks: once the buzzer sounds, every click has been handled.
    QVERIFY(Tap(XK_b));
    QTRY_COMPARE(board.player.Plays(), 1);
    QCOMPARE(int(board->Ippon), ippon);
    QCOMPARE(int(board->PenaltySH), shido);
    QCOMPARE(board->nledYVisitor->Value(), visitorYuko);
    QCOMPARE(int(board->MedHome), medical);
}

void TestRealInput::otherLayouts_punctuationKeys_data()
{
    // Keys as X keycodes, "S" before one for Shift: what the operator's
    // fingers do on a German or French keyboard.
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<int>("shido");
    QTest::addColumn<int>("medical");
    QTest::addColumn<int>("periodSeconds");
    QTest::newRow("de_plusGivesShido") << "de"
                                       << "picHomeS" << QStringList { "35" } << 1 << 0 << 120;
    QTest::newRow("de_ssIsNoMinus") << "de"
                                    << "picHomeS" << QStringList { "35", "20" } << 1 << 0 << 120;
    QTest::newRow("de_plusAddsMedicalMark") << "de"
                                            << "picMedHome" << QStringList { "35" } << 0 << 1 << 120;
    QTest::newRow("de_clockEntryWithFullStop")
        << "de"
        << "tledPeriod" << QStringList { "10", "60", "12", "19", "36" } << 0 << 0 << 90;
    QTest::newRow("fr_clockEntryWithShiftedFullStop")
        << "fr"
        << "tledPeriod" << QStringList { "10", "S59", "12", "19", "36" } << 0 << 0 << 90;
}

void TestRealInput::otherLayouts_punctuationKeys()
{
    QFETCH(QString, layout);
    QFETCH(QString, target);
    QFETCH(QStringList, keys);
    QFETCH(int, shido);
    QFETCH(int, medical);
    QFETCH(int, periodSeconds);
    if (QStandardPaths::findExecutable(QStringLiteral("setxkbmap")).isEmpty())
        QSKIP("setxkbmap is not installed (Debian package x11-xkb-utils)");
    QVERIFY(UseLayout(layout));
    const auto restore = qScopeGuard([] { UseLayout(QStringLiteral("us")); });
    Board board;
    QWidget* widget = board->findChild<QWidget*>(target);
    QVERIFY(widget);
    QVERIFY(FocusOn(widget));
    for (const QString& key : keys) {
        const bool shifted = key.startsWith(u'S');
        QVERIFY(TapKeycode(key.mid(shifted ? 1 : 0).toUInt(), shifted));
    }
    // B (the same key on all three layouts) after the others: once the
    // buzzer sounds, every key has been handled.
    QVERIFY(TapKeycode(56, false));
    QTRY_COMPARE(board.player.Plays(), 1);
    QCOMPARE(int(board->PenaltySH), shido);
    QCOMPARE(int(board->MedHome), medical);
    QCOMPARE(PeriodLength, Fixed4::FromSeconds(periodSeconds));
}

int main(int argc, char** argv)
{
    // The X server must be up before the application connects to it.
    kv::test::XvfbServer xvfb;
    xvfb.UseForApplication();
    QApplication app(argc, argv);
    TestRealInput test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_realinput.moc"
