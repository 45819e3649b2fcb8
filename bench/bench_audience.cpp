// The audience display beside a running board on a private Xvfb split into
// two monitors (a 1366 x 768 laptop, a 1920 x 1080 projector):
// - from a change on the board (a score, a clock second) to the changed
//   pixels of the audience window on the X server (target <= 16 ms);
// - one full repaint of the audience window at 1920 x 1080, the cost of the
//   whole-window update it makes while the board is minimised.
// The CPU of the whole program over a running contest is measured by
// bench/cpu_audience.sh. Prints figures only.

#include "../tests/support/xvfbserver.h"
#include "display/audiencedisplay.h"
#include "display/audiencewindow.h"
#include "display/leds.h"
#include "scoreboard/frmscoreboard.h"
#include "scoreboard/modshowdigits.h"
#include "settings/boardsettings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QScreen>
#include <QtCore/qtestsupport_core.h>
#include <QtWidgets/qtestsupport_widgets.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Changes = 60;

QImage Pixels(QWidget* window, const QRect& area)
{
    QScreen* screen = window->screen();
    const QRect onScreen = area.translated(window->geometry().topLeft() - screen->geometry().topLeft());
    return screen->grabWindow(0, onScreen.x(), onScreen.y(), onScreen.width(), onScreen.height()).toImage();
}

void Report(const char* what, std::vector<double> times, const char* target)
{
    double sum = 0;
    for (const double t : times)
        sum += t;
    std::sort(times.begin(), times.end());
    std::printf("%s: mean %.2f ms, median %.2f ms, max %.2f ms over %zu (%s)\n", what, sum / times.size(),
        times[times.size() / 2], times.back(), times.size(), target);
}

// Changes the board and waits until the audience window shows it on the X server.
template <typename Change>
std::vector<double> Latency(kv::AudienceWindow* audience, QWidget* control, Change change)
{
    const QRect area = audience->TargetRect(control);
    std::vector<double> times;
    QElapsedTimer timer;
    for (int i = 1; i <= Changes; ++i) {
        QCoreApplication::processEvents();
        const QImage before = Pixels(audience, area);
        timer.start();
        change(i);
        while (Pixels(audience, area) == before && timer.elapsed() < 1000)
            QCoreApplication::processEvents();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return times;
}

} // namespace

int main(int argc, char** argv)
{
    kv::test::XvfbServer xvfb("3286x1080x24");
    if (!xvfb.IsRunning()) {
        std::printf("skipped: %s\n", qPrintable(xvfb.Why()));
        return 0;
    }
    xvfb.UseForApplication();
    if (QProcess::execute("xrandr", { "--setmonitor", "laptop", "1366/361x768/203+0+0", "screen" }) != 0
        || QProcess::execute("xrandr", { "--setmonitor", "projector", "1920/508x1080/286+1366+0", "none" })
            != 0) {
        std::printf("skipped: xrandr cannot split the screen (package x11-xserver-utils)\n");
        return 0;
    }
    QApplication app(argc, argv);
    kv::BoardSettings = kv::DefaultBoardSettings();
    kv::frmScoreboard board;
    board.Load();
    board.setGeometry(0, 0, 1366, 768);
    board.show();
    if (!QTest::qWaitForWindowExposed(&board))
        std::printf("  (the board window was not exposed)\n");
    kv::AudienceDisplay display(board, 0, { QStringLiteral("shpObjectSelected") });
    kv::AudienceWindow* audience = display.Window();
    if (!audience || !QTest::qWaitForWindowExposed(audience)) {
        std::printf("skipped: no audience window on the second monitor\n");
        return 0;
    }
    QTest::qWait(300);
    std::printf("board %d x %d, audience %d x %d on %s\n", board.width(), board.height(), audience->width(),
        audience->height(), qPrintable(audience->screen()->name()));

    Report("board score -> audience pixels",
        Latency(audience, board.nledWVisitor,
            [&board](int i) { kv::ShowDigits(*board.nledWVisitor, QString::number(i % 10), 0, 9); }),
        "target <= 16 ms");
    Report("board clock second -> audience pixels",
        Latency(
            audience, board.tledPeriod, [&board](int i) { board.tledPeriod->SetCaption(float(120 - i)); }),
        "target <= 16 ms");

    std::vector<double> full;
    QElapsedTimer timer;
    for (int i = 0; i < 30; ++i) {
        timer.start();
        audience->repaint();
        full.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    Report("full audience repaint 1920 x 1080", full, "figure only");
    return 0;
}
