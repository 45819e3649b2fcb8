// Key press to screen: a real key (XTest on a private Xvfb server, xcb
// platform) typed on the focused Home yuko display of a full-HD board, timed
// from just before the key is sent to the paint event of the display that
// shows the new digit. Median and maximum over 50 presses.
//
// Prints figures only.

#include "../tests/support/xvfbserver.h"
#include "display/leds.h"
#include "scoreboard/frmscoreboard.h"
#include "settings/boardsettings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLibrary>
#include <QTimer>
#include <QtCore/qtestsupport_core.h>
#include <QtWidgets/qtestsupport_widgets.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "../tests/support/xtestkeys.h"

#ifdef KORVELIN_HAVE_XVFB_SERVER

namespace {

constexpr int Presses = 50;

using kv::test::FakeKeyEvent;
using kv::test::XTestFakeKey;

// Notes the time of the first paint of one widget after it is armed.
class PaintWatch final : public QObject
{
public:
    PaintWatch(QElapsedTimer& timer, const kv::NumberLED& display)
        : m_timer(timer)
        , m_display(display)
    { }
    // Waits for a paint that shows expected.
    void Arm(int expected)
    {
        m_expected = expected;
        m_paintedNs = -1;
    }
    qint64 PaintedNs() const { return m_paintedNs; }
    void QuitOnPaint(QEventLoop* loop) { m_loop = loop; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && m_paintedNs < 0 && m_display.Value() == m_expected) {
            m_paintedNs = m_timer.nsecsElapsed();
            if (m_loop != nullptr)
                m_loop->quit();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QElapsedTimer& m_timer;
    const kv::NumberLED& m_display;
    int m_expected = -1;
    QEventLoop* m_loop = nullptr;
    qint64 m_paintedNs = -1;
};

} // namespace

int main(int argc, char** argv)
{
    kv::test::XvfbServer xvfb("1920x1080x24");
    if (!xvfb.IsRunning()) {
        std::printf("bench_keypress skipped: %s\n", qPrintable(xvfb.Why()));
        return 0;
    }
    xvfb.UseForApplication();
    QApplication app(argc, argv);
    const FakeKeyEvent fakeKey = XTestFakeKey();
    Display* display = kv::test::QtDisplay();
    if (fakeKey == nullptr || display == nullptr) {
        std::printf("bench_keypress skipped: no XTest or no X display\n");
        return 0;
    }

    kv::BoardSettings = kv::DefaultBoardSettings();
    kv::frmScoreboard form;
    form.Load();
    form.show();
    form.resize(1920, 1080);
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form))
        std::printf("(the board window did not become active)\n");
    kv::NumberLED* yuko = form.nledYHome;
    yuko->setFocus(Qt::OtherFocusReason);
    if (!QTest::qWaitFor([yuko] { return yuko->hasFocus(); }, 5000))
        std::printf("(the yuko display did not take the focus)\n");
    QTest::qWait(200);

    QElapsedTimer clock;
    clock.start();
    PaintWatch watch(clock, *yuko);
    yuko->installEventFilter(&watch);

    std::vector<double> latencies;
    int lost = 0;
    for (int i = 0; i < Presses + 3; ++i) {
        // Digits 1..9 in turn, so every press changes what is shown.
        const int digit = 1 + i % 9;
        const unsigned int keycode = XKeysymToKeycode(display, KeySym(XK_0 + digit));
        watch.Arm(digit);
        const qint64 sentNs = clock.nsecsElapsed();
        fakeKey(display, keycode, 1, 0);
        XFlush(display);
        // A real event loop, left from the paint itself: polling would add
        // its own sleeps to the figure.
        QEventLoop loop;
        QTimer::singleShot(2000, &loop, &QEventLoop::quit);
        watch.QuitOnPaint(&loop);
        loop.exec();
        watch.QuitOnPaint(nullptr);
        const bool painted = watch.PaintedNs() >= 0;
        fakeKey(display, keycode, 0, 0);
        XFlush(display);
        QTest::qWait(20); // the release, and a gap between presses
        if (i < 3)
            continue; // warm-up presses
        if (!painted) {
            ++lost;
            continue;
        }
        latencies.push_back(double(watch.PaintedNs() - sentNs) / 1e6);
    }
    std::sort(latencies.begin(), latencies.end());
    if (latencies.empty()) {
        std::printf("no press reached the display\n");
        return 1;
    }
    std::printf("key press (XTest) to paint of the yuko display, board %dx%d on xcb/Xvfb, %d presses:\n",
        form.width(), form.height(), int(latencies.size()));
    std::printf("  median %.3f ms, max %.3f ms, min %.3f ms (target <= 16 ms)%s\n",
        latencies[latencies.size() / 2], latencies.back(), latencies.front(),
        lost > 0 ? qPrintable(QStringLiteral(", %1 lost").arg(lost)) : "");
    return 0;
}

#else

int main()
{
    std::printf("bench_keypress needs an X server; it runs on X11 builds only\n");
    return 0;
}

#endif
