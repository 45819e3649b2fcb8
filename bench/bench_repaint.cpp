// One full repaint of the scoreboard at 1920x1080: the loaded board with the
// default settings is shown, sized to full HD and repainted many times.
// Runs on the offscreen platform and then, in a second process, on xcb under
// a private Xvfb server (skipped when Xvfb is missing).
//
//     bench_repaint            both platforms
//     bench_repaint --xcb      the xcb part alone (it starts its own Xvfb)
//
// Prints figures only.

#include "../tests/support/xvfbserver.h"
#include "scoreboard/frmscoreboard.h"
#include "settings/boardsettings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QtCore/qtestsupport_core.h>
#include <QtWidgets/qtestsupport_widgets.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int Repaints = 300;

int Measure()
{
    kv::BoardSettings = kv::DefaultBoardSettings();
    kv::frmScoreboard form;
    form.Load();
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        std::printf("  (the board window was not exposed)\n");
    form.resize(1920, 1080);
    QTest::qWait(200); // let the resize and its layout settle
    for (int i = 0; i < 10; ++i)
        form.repaint(); // first-use costs out of the figures

    std::vector<double> times;
    times.reserve(Repaints);
    QElapsedTimer timer;
    for (int i = 0; i < Repaints; ++i) {
        timer.start();
        form.repaint();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    double sum = 0;
    for (const double t : times)
        sum += t;
    std::sort(times.begin(), times.end());
    std::printf("%-9s board %4d x %4d px: repaint() mean %.3f ms, median %.3f ms, max %.3f ms over %d "
                "(target <= 4 ms)\n",
        qPrintable(QGuiApplication::platformName()), form.width(), form.height(), sum / Repaints,
        times[times.size() / 2], times.back(), Repaints);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const bool xcb = argc > 1 && std::strcmp(argv[1], "--xcb") == 0;
    if (xcb) {
        kv::test::XvfbServer xvfb("1920x1080x24");
        if (!xvfb.IsRunning()) {
            std::printf("xcb       skipped: %s\n", qPrintable(xvfb.Why()));
            return 0;
        }
        xvfb.UseForApplication();
        QApplication app(argc, argv);
        return Measure();
    }

    qputenv("QT_QPA_PLATFORM", "offscreen");
    int result = 0;
    {
        QApplication app(argc, argv);
        result = Measure();
    }
    std::fflush(stdout);
    // The xcb figures come from a fresh process: the platform is chosen once.
    const int child = QProcess::execute(QString::fromLocal8Bit(argv[0]), { QStringLiteral("--xcb") });
    return result != 0 ? result : child;
}
