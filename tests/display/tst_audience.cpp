// The audience display on a second screen of a real X server: one wide Xvfb
// screen split into two RandR monitors, a 1366 x 768 laptop screen (A) and a
// 1920 x 1080 projector (B) beside it, so Qt sees two screens and their
// hot-plug. Keys come through XTest, time from the board's fake clock.

#include "boardfixture.h"
#include "display/audiencedisplay.h"
#include "display/audiencewindow.h"
#include "platform/keyboardstate.h"
#include "xtestkeys.h"
#include "xvfbserver.h"

#include <QApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>

using namespace kv;
using kv::test::Board;
using kv::test::MissingXServer;
using kv::test::Tap;

namespace {

const QString Projector = QStringLiteral("B");

bool Xrandr(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("xrandr"), arguments) == 0;
}

bool PlugProjector()
{
    return Xrandr({ "--setmonitor", Projector, "1920/508x1080/286+1366+0", "none" });
}

bool UnplugProjector()
{
    return Xrandr({ "--delmonitor", Projector });
}

QScreen* ScreenNamed(const QString& name)
{
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->name() == name)
            return screen;
    }
    return nullptr;
}

// What the X server shows of a window, scaled to a common size.
QImage Shown(QWidget* window, const QSize& common)
{
    QScreen* screen = window->screen();
    const QRect area = window->geometry().translated(-screen->geometry().topLeft());
    return screen->grabWindow(0, area.x(), area.y(), area.width(), area.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32)
        .scaled(common, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool Differs(QRgb a, QRgb b)
{
    constexpr int tolerance = 60;
    return std::abs(qRed(a) - qRed(b)) > tolerance || std::abs(qGreen(a) - qGreen(b)) > tolerance
        || std::abs(qBlue(a) - qBlue(b)) > tolerance;
}

struct Comparison
{
    int outside = 0; // differing pixels away from the selection frame
    int inside = 0; // differing pixels in the frame's band
};

// Compares the two pictures pixel by pixel; `frame` is the area of the
// selection frame in the common size.
Comparison Compare(const QImage& board, const QImage& audience, const QRect& frame)
{
    Comparison result;
    for (int y = 0; y < board.height(); ++y) {
        for (int x = 0; x < board.width(); ++x) {
            if (!Differs(board.pixel(x, y), audience.pixel(x, y)))
                continue;
            (frame.contains(x, y) ? result.inside : result.outside)++;
        }
    }
    return result;
}

bool Activate(QWidget* window)
{
    window->activateWindow();
    return QTest::qWaitFor([window] { return window->isActiveWindow(); }, 5000);
}

bool FocusOn(QWidget* widget)
{
    return Activate(widget->window()) && QTest::qWaitFor([widget] {
        widget->setFocus(Qt::OtherFocusReason);
        return widget->hasFocus();
    });
}

const QStringList LeftOut { QStringLiteral("shpObjectSelected") };

} // namespace

class TestAudience : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void opensFullScreen_onTheSecondScreen();
    void afterAContest_showsTheBoardButTheFrame();
    void keyInAudience_actsOnTheBoard();
    void clicksAndCloseRequests_doNothing();
    void acceptedColours_reachTheAudience();
    void boardNotOnScreen_audienceStillFollows();
    void projectorUnplugged_closesAndComesBack();
    void oneScreen_ordinaryWindowMovesToTheProjector();

private:
    // The board on the laptop screen at 1366 x 768.
    static void PlaceBoard(Board& board)
    {
        board->setGeometry(0, 0, 1366, 768);
        QTRY_COMPARE(board->size(), QSize(1366, 768));
    }
};

void TestAudience::initTestCase()
{
    if (!MissingXServer().isEmpty())
        QSKIP(qPrintable(MissingXServer()));
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QVERIFY2(ScreenNamed(Projector) != nullptr, "the Xvfb server shows no second monitor");
    QCOMPARE(QGuiApplication::screens().size(), 2);
    kv::test::UseTestSettingsStore();
}

void TestAudience::init()
{
    if (!ScreenNamed(Projector)) {
        QVERIFY(PlugProjector());
        QTRY_VERIFY(ScreenNamed(Projector) != nullptr);
    }
}

void TestAudience::opensFullScreen_onTheSecondScreen()
{
    Board board;
    PlaceBoard(board);
    AudienceDisplay display(*board, 0, LeftOut);
    AudienceWindow* window = display.Window();
    QVERIFY(window != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(display.Screen(), ScreenNamed(Projector));
    QCOMPARE(window->geometry(), QRect(1366, 0, 1920, 1080));
    QVERIFY(window->windowState() & Qt::WindowFullScreen);
    QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
    // The board keeps the keyboard.
    QVERIFY(board->isActiveWindow());
}

void TestAudience::afterAContest_showsTheBoardButTheFrame()
{
    Board board;
    BoardSettings.LEDSelected = 0x0000FF; // a red frame, 3 pixels wide
    BoardSettings.LEDSelectedWidth = 3;
    board->UpdateFormColors();
    AudienceDisplay display(*board, 0, LeftOut);
    QVERIFY(QTest::qWaitForWindowExposed(display.Window()));
    // The operator sizes the board after the audience display opened.
    PlaceBoard(board);
    // Compared at an eighth of the board's size: the edges of text and
    // digits, placed to the pixel at each size, smooth away; a lamp or one
    // segment of a digit does not.
    const QSize common(171, 96);
    const QImage atStart = Shown(board.form.get(), common);

    // A shido, a score, a typed contest length and one running second.
    board->ShidoHome(1);
    QVERIFY(FocusOn(board->tledPeriod));
    SetNumLock(true);
    QVERIFY(Tap(XK_KP_3));
    QVERIFY(Tap(XK_KP_Enter));
    QTRY_COMPARE(PeriodLength, Fixed4::FromSeconds(180));
    QVERIFY(Tap(XK_s));
    QTRY_VERIFY(board->tkPeriod->Running());
    board.Advance(1000);
    QCOMPARE(board->tledPeriod->DisplayText(), QStringLiteral("2:59"));
    // The score typed on the Home waza-ari display, which the frame now shows.
    QVERIFY(FocusOn(board->nledWHome));
    QVERIFY(Tap(XK_KP_1));
    QTRY_COMPARE(board->nledWHome->Value(), 1);
    QVERIFY(board->shpObjectSelected->isVisible());

    // The frame's area in the common size, a little larger for the smoothing.
    const QRectF frameOnBoard = board->shpObjectSelected->geometry();
    const double scale = double(common.width()) / board->width();
    const QRect frame = QRectF(frameOnBoard.topLeft() * scale, frameOnBoard.size() * scale)
                            .toAlignedRect()
                            .adjusted(-2, -2, 2, 2);
    Comparison comparison;
    const int allowed = 2;
    QTRY_VERIFY2_WITH_TIMEOUT(
        [&] {
            comparison = Compare(Shown(board.form.get(), common), Shown(display.Window(), common), frame);
            return comparison.outside <= allowed && comparison.inside > 0;
        }(),
        qPrintable(QStringLiteral("%1 pixels differ away from the frame (at most %2), %3 in it")
                       .arg(comparison.outside)
                       .arg(allowed)
                       .arg(comparison.inside)),
        3000);
    // An audience display left at the start of the contest would be seen.
    QVERIFY(Compare(atStart, Shown(display.Window(), common), frame).outside > 20);
    // The board does show its frame; the audience never does.
    const QImage audience = Shown(display.Window(), common);
    const QRgb red = qRgb(255, 0, 0);
    int redOnAudience = 0;
    for (int y = frame.top(); y <= frame.bottom(); ++y)
        for (int x = frame.left(); x <= frame.right(); ++x)
            redOnAudience += !Differs(audience.pixel(x, y), red);
    QCOMPARE(redOnAudience, 0);
}

void TestAudience::keyInAudience_actsOnTheBoard()
{
    Board board;
    PlaceBoard(board);
    AudienceDisplay display(*board, 0, LeftOut);
    QVERIFY(QTest::qWaitForWindowExposed(display.Window()));
    QVERIFY(Activate(display.Window()));
    QVERIFY(Tap(XK_s));
    QTRY_VERIFY(board->tkPeriod->Running());
    QVERIFY(Tap(XK_s));
    QTRY_VERIFY(!board->tkPeriod->Running());
}

void TestAudience::clicksAndCloseRequests_doNothing()
{
    Board board;
    PlaceBoard(board);
    AudienceDisplay display(*board, 0, LeftOut);
    AudienceWindow* window = display.Window();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    // A click where the Home shido panel shows gives no shido.
    QTest::mouseClick(window, Qt::LeftButton, {}, window->TargetRect(board->picHomeS).center());
    QCOMPARE(board->PenaltySH, qint16(0));
    QVERIFY(!window->close());
    QVERIFY(window->isVisible());
    QCOMPARE(display.Window(), window);
}

void TestAudience::acceptedColours_reachTheAudience()
{
    Board board;
    PlaceBoard(board);
    AudienceDisplay display(*board, 0, LeftOut);
    QVERIFY(QTest::qWaitForWindowExposed(display.Window()));
    // What the options dialog does on OK: new settings, the board refreshed.
    BoardSettings.FormBack = 0x004000; // dark green
    board->UpdateLabels();
    board->UpdateFormColors();
    const QSize full(1920, 1080);
    QTRY_COMPARE(Shown(display.Window(), full).pixel(4, 1075), qRgb(0, 0x40, 0));
}

void TestAudience::boardNotOnScreen_audienceStillFollows()
{
    Board board;
    PlaceBoard(board);
    AudienceDisplay display(*board, 0, LeftOut);
    AudienceWindow* window = display.Window();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QSize full(1920, 1080);
    const QRect score = window->TargetRect(board->nledWVisitor);
    const QImage before = Shown(window, full).copy(score);
    // As when the operator minimises the board: its window leaves the screen
    // and it paints nothing until it is back.
    XUnmapWindow(kv::test::QtDisplay(), board->winId());
    XFlush(kv::test::QtDisplay());
    QTRY_VERIFY(!board->windowHandle()->isExposed());
    ShowDigits(*board->nledWVisitor, QStringLiteral("7"), 0, 9);
    QTRY_VERIFY(Shown(window, full).copy(score) != before);
    XMapWindow(kv::test::QtDisplay(), board->winId());
    XFlush(kv::test::QtDisplay());
    QTRY_VERIFY(board->windowHandle()->isExposed());
}

void TestAudience::projectorUnplugged_closesAndComesBack()
{
    Board board;
    PlaceBoard(board);
    AudienceDisplay display(*board, 0, LeftOut);
    QVERIFY(QTest::qWaitForWindowExposed(display.Window()));
    QVERIFY(FocusOn(board->tledPeriod));
    QVERIFY(Tap(XK_s));
    QTRY_VERIFY(board->tkPeriod->Running());

    QVERIFY(UnplugProjector());
    QTRY_VERIFY(display.Window() == nullptr);
    QCOMPARE(QGuiApplication::screens().size(), 1);
    // The board carries on untouched.
    QVERIFY(board->isVisible());
    QVERIFY(board->tkPeriod->Running());
    QCOMPARE(board->size(), QSize(1366, 768));
    board.Advance(1000);
    QCOMPARE(board->tledPeriod->DisplayText(), QStringLiteral("1:59"));

    QVERIFY(PlugProjector());
    QTRY_VERIFY(display.Window() != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(display.Window()));
    QCOMPARE(display.Screen(), ScreenNamed(Projector));
    QCOMPARE(display.Window()->geometry(), QRect(1366, 0, 1920, 1080));
}

void TestAudience::oneScreen_ordinaryWindowMovesToTheProjector()
{
    QVERIFY(UnplugProjector());
    QTRY_COMPARE(QGuiApplication::screens().size(), 1);
    Board board;
    PlaceBoard(board);
    AudienceDisplay display(*board, 0, LeftOut);
    AudienceWindow* window = display.Window();
    QVERIFY(window != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(display.Screen(), board->screen());
    QVERIFY(!(window->windowState() & Qt::WindowFullScreen));
    QVERIFY(!(window->windowFlags() & Qt::FramelessWindowHint));

    QVERIFY(PlugProjector());
    QTRY_COMPARE(display.Screen(), ScreenNamed(Projector));
    QVERIFY(QTest::qWaitForWindowExposed(display.Window()));
    QCOMPARE(display.Window()->geometry(), QRect(1366, 0, 1920, 1080));
}

int main(int argc, char** argv)
{
    // One wide screen, split into two monitors before the application connects.
    kv::test::XvfbServer xvfb("3286x1080x24");
    xvfb.UseForApplication();
    if (xvfb.IsRunning()
        && (!Xrandr({ "--setmonitor", "A", "1366/361x768/203+0+0", "screen" }) || !PlugProjector())) {
        MissingXServer() = QStringLiteral("xrandr cannot split the screen (package x11-xserver-utils)");
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    TestAudience test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_audience.moc"
