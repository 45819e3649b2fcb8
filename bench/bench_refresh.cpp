// The refresh cycle while the contest clock runs: a shown board at 1920x1080
// (offscreen), clock running, RefreshTime followed by processing the paints
// it caused, 1000 times. Time moves 50 ms per tick on a stepping clock, as
// the 50 ms timer sees it, so every 20th tick changes the shown seconds and
// repaints the contest clock; the others change nothing.
//
// The same again under the IJF 2025 rule set, whose refresh also checks the
// running hold against the rule set's thresholds (the hold is set back to 0
// every 15 s, so it never reaches ippon and the contest runs all the ticks).
//
// Prints figures only.

#include "display/controls.h"
#include "display/leds.h"
#include "network/boardpublisher.h"
#include "network/boardserver.h"
#include "scoreboard/frmscoreboard.h"
#include "settings/boardsettings.h"
#include "timing/clocksource.h"
#include "timing/timekeeper.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWebSocket>
#include <QtCore/qtestsupport_core.h>
#include <QtWidgets/qtestsupport_widgets.h>
#include <memory>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Ticks = 1000;
constexpr qint64 TickNs = 50'000'000;

// Real time stands still between ticks; each tick moves it 50 ms on.
class SteppingClock final : public kv::ClockSource
{
public:
    qint64 NowNanoseconds() const override { return m_now; }
    void Step() { m_now += TickNs; }

private:
    qint64 m_now = 1'000'000'000'000;
};

// served: the board is served with one board page viewer and one state
// viewer connected (loopback), and every tick also runs the publisher's look
// at the board, as the 50 ms timer does when the board is served.
void Measure(const char* label, bool withHold, const char* ruleSet = "Classic", bool served = false)
{
    SteppingClock clock;
    kv::ClockSource::SetDefault(&clock);
    {
        kv::BoardSettings = kv::DefaultBoardSettings();
        kv::BoardSettings.RuleSet = QString::fromLatin1(ruleSet);
        kv::frmScoreboard form;
        form.Load();
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            std::printf("(the board window was not exposed)\n");
        form.resize(1920, 1080);
        QTest::qWait(100);
        form.tmrClock1->SetEnabled(false); // only the measured calls refresh
        std::unique_ptr<kv::BoardServer> server;
        std::unique_ptr<kv::BoardPublisher> publisher;
        // The viewers read on a thread of their own, as browsers do elsewhere.
        QThread viewerThread;
        viewerThread.start();
        QList<QWebSocket*> viewers;
        if (served) {
            server = std::make_unique<kv::BoardServer>();
            if (!server->Listen(QHostAddress::LocalHost, 0))
                std::printf("(the server does not listen: %s)\n", qPrintable(server->Error()));
            publisher = std::make_unique<kv::BoardPublisher>(form, *server);
            for (const char* path : { "/ws/board", "/ws" }) {
                auto* viewer = new QWebSocket;
                viewer->moveToThread(&viewerThread);
                const QUrl url(QStringLiteral("ws://127.0.0.1:%1%2").arg(server->Port()).arg(path));
                QMetaObject::invokeMethod(viewer, [viewer, url] { viewer->open(url); });
                viewers << viewer;
            }
            if (!QTest::qWaitFor([&] { return server->Viewers() == 2; }, 5000))
                std::printf("(the viewers did not connect)\n");
            QTest::qWait(100);
        }
        form.tkPeriod->SetTime(kv::Fixed4::FromSeconds(599));
        form.AllKeyCode(kv::BoardSettings.StartStopPeriodClockKey);
        if (withHold)
            form.AllKeyCode(37); // Left: Home's osaekomi runs too
        QCoreApplication::processEvents();

        std::vector<double> changed;
        std::vector<double> unchanged;
        QElapsedTimer total;
        QElapsedTimer one;
        total.start();
        for (int i = 0; i < Ticks; ++i) {
            clock.Step();
            if (withHold && kv::BoardSettings.RuleSet != QLatin1String("Classic") && i % 300 == 299)
                form.AllKeyCode(40); // Down: the hold starts again from 0
            const float shown = form.tledPeriod->Caption();
            one.start();
            form.RefreshTime();
            if (publisher)
                publisher->Check();
            QCoreApplication::processEvents(); // the repaints of the changed displays
            const double us = double(one.nsecsElapsed()) / 1000.0;
            (form.tledPeriod->Caption() != shown ? changed : unchanged).push_back(us);
        }
        for (QWebSocket* viewer : viewers)
            QMetaObject::invokeMethod(
                viewer, [viewer] { delete viewer; }, Qt::BlockingQueuedConnection);
        viewerThread.quit();
        viewerThread.wait();
        const double perTick = double(total.nsecsElapsed()) / 1000.0 / Ticks;
        const auto mean = [](const std::vector<double>& v) {
            double sum = 0;
            for (const double x : v)
                sum += x;
            return v.empty() ? 0.0 : sum / double(v.size());
        };
        const auto worst = [](const std::vector<double>& v) {
            return v.empty() ? 0.0 : *std::max_element(v.begin(), v.end());
        };
        std::printf("%-22s board %dx%d: %.1f us per tick over %d ticks (target <= 500 us)\n", label,
            form.width(), form.height(), perTick, Ticks);
        std::printf(
            "%-22s   seconds changed: %3d ticks, mean %.1f us, max %.1f us; unchanged: %3d ticks, mean %.1f "
            "us, max %.1f us\n",
            "", int(changed.size()), mean(changed), worst(changed), int(unchanged.size()), mean(unchanged),
            worst(unchanged));
    }
    kv::ClockSource::SetDefault(nullptr);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Measure("contest clock", false);
    Measure("contest clock + hold", true);
    Measure("IJF 2025 clock", false, "IJF 2025");
    Measure("IJF 2025 clock + hold", true, "IJF 2025");
    Measure("served, 2 viewers", false, "Classic", true);
    Measure("served + hold", true, "Classic", true);
    return 0;
}
