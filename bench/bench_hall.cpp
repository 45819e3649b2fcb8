// The hall view through a real broker, on a private Xvfb server and a
// private Mosquitto broker on the loopback interface:
//
//   latency  a board (the built program, mat 1) gets a shido by a real
//            click; the time until the hall view (the built program,
//            --hall) shows the lamp on the screen, and until it shows it
//            gone again after the shido is taken back; median and maximum.
//   cpu      eight mats whose contest clocks run (their states published
//            every second, as boards publish them) shown by the hall view
//            at 1920 x 1080: the hall process's CPU time over a time span.
//
//   bench_hall [latency|cpu] [rounds or seconds]
//
// Prints figures only.

#include "../tests/e2e/screenreader.h"
#include "../tests/support/mosquittobroker.h"
#include "../tests/support/xtestkeys.h"
#include "../tests/support/xvfbserver.h"
#ifdef KORVELIN_HAVE_XVFB_SERVER
#include "../tests/support/xwindows.h"
#endif

#include "hall/matmessage.h"
#include "hall/mqttclient.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <unistd.h>
#include <vector>

using namespace kv;
using namespace kv::test;

namespace {

const QColor HoldColor = FromStoredColor(255);
const QColor FormBack = FromStoredColor(4210752);

QString Program()
{
    return QCoreApplication::applicationDirPath() + "/../korvelin";
}

struct Process
{
    QProcess process;
    explicit Process(const QString& home, const QStringList& arguments)
    {
        QDir().mkpath(home + "/.config/Korvelin");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home);
        environment.insert("XDG_CONFIG_HOME", home + "/.config");
        environment.insert("XDG_DATA_HOME", home + "/.local/share");
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedOutputChannel);
        process.setStandardErrorFile(QProcess::nullDevice());
        process.start(Program(), arguments);
        process.waitForStarted(10000);
    }
    ~Process()
    {
        process.terminate();
        if (!process.waitForFinished(5000))
            process.kill();
    }
    // Seconds of CPU time (user and system) so far.
    double CpuSeconds() const
    {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(process.processId()));
        if (!stat.open(QIODevice::ReadOnly))
            return -1;
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        return (fields.value(11).toDouble() + fields.value(12).toDouble()) / double(::sysconf(_SC_CLK_TCK));
    }
};

#ifdef KORVELIN_HAVE_XVFB_SERVER
long Pid(::Window window)
{
    const Atom atom = XInternAtom(QtDisplay(), "_NET_WM_PID", 1);
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(
            QtDisplay(), window, atom, 0, 1, 0, AnyPropertyType, &type, &format, &items, &after, &data)
            != 0
        || data == nullptr)
        return -1;
    const long pid = format == 32 && items == 1 ? *reinterpret_cast<const long*>(data) : -1;
    XFree(data);
    return pid;
}

::Window WindowOf(const QProcess& process)
{
    ::Window found = 0;
    static_cast<void>(QTest::qWaitFor(
        [&] {
            for (const ::Window window : ViewableTopLevelWindows(QtDisplay())) {
                if (Pid(window) == process.processId())
                    found = window;
            }
            return found != 0;
        },
        20000));
    return found;
}

void Place(::Window window, const QRect& rect)
{
    XMoveResizeWindow(
        QtDisplay(), window, rect.x(), rect.y(), unsigned(rect.width()), unsigned(rect.height()));
    XRaiseWindow(QtDisplay(), window);
    XSetInputFocus(QtDisplay(), window, RevertToParent, CurrentTime);
    XSync(QtDisplay(), 0);
    QTest::qWait(500);
}

QColor PixelAt(const QPoint& at)
{
    return QGuiApplication::primaryScreen()->grabWindow(0, at.x(), at.y(), 1, 1).toImage().pixelColor(0, 0);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

int Latency(const MosquittoBroker& broker, int rounds)
{
    QTemporaryDir homes;
    Process hall(homes.filePath("hall"), { "--hall", "--broker=" + broker.Address() });
    Process board(homes.filePath("board"), { "bypass", "--mat=1", "--broker=" + broker.Address() });
    const ::Window hallWindow = WindowOf(hall.process);
    const ::Window boardWindow = WindowOf(board.process);
    if (!hallWindow || !boardWindow) {
        std::fprintf(stderr, "the hall view or the board does not show\n");
        return 1;
    }
    // The board on the left at its design size, the hall beside it: one mat
    // in 1200 x 800 pixels takes the full width, 1176 x 363, centred.
    Place(hallWindow, QRect(660, 0, 1200, 800));
    Place(boardWindow, QRect(0, 0, 632, 453));
    const int margin = 8;
    const double ratio = (1200 - 2 * margin) / 9900.0;
    const int boardHeight = int(3060 * ratio);
    const QPoint hallTop(660 + margin, (800 - boardHeight) / 2);
    // The first shido lamp of Visitor on the hall's board of mat 1.
    const QPoint lamp = hallTop + QPoint(int((5280 + 120) * ratio), int((2250 + 180) * ratio));
    // Visitor's shido panel on the board: a left click gives a shido, a right
    // click takes it back.
    const QPoint panel(int((4860 + 2400) * 632 / 9480.0), int((5700 + 200) * 453 / 6795.0));
    QDeadlineTimer ready(20000);
    while (ColorDistance(PixelAt(lamp), FormBack) > 40 && !ready.hasExpired())
        QTest::qWait(20);
    if (ready.hasExpired()) {
        std::fprintf(stderr, "the hall view shows no board of mat 1\n");
        return 1;
    }
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        const bool give = round % 2 == 0;
        // Beyond the double-click interval, so each click counts alone.
        QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 100);
        QElapsedTimer clock;
        clock.start();
        Click(panel.x(), panel.y(), give ? 1 : 3);
        const QColor want = give ? HoldColor : FormBack;
        while (ColorDistance(PixelAt(lamp), want) > 60 && clock.elapsed() < 5000)
            QCoreApplication::processEvents();
        const double ms = clock.nsecsElapsed() / 1e6;
        if (clock.elapsed() >= 5000) {
            std::fprintf(stderr, "round %d: the hall view did not follow\n", round);
            return 1;
        }
        times.push_back(ms);
    }
    std::printf("board change -> hall view's pixels through the broker: median %.1f ms, max %.1f ms over %zu "
                "changes (target: median <= 100 ms)\n",
        Median(times), *std::max_element(times.begin(), times.end()), times.size());
    return 0;
}
#endif

// A state as a board publishes it, for a clock at `seconds`.
QByteArray State(int mat, int seconds, bool hold)
{
    return QStringLiteral(
        R"({"version":1,"rule_set":"Classic","title":"Mat %1","yuko_shown":true,)"
        R"("clock":{"shown":"%2:%3","seconds":%4,"running":true,"golden_score":false},)"
        R"("home":{"name":"Home %1","ippon":false,"waza_ari":1,"yuko":0,"shido":1,"medical":0,)"
        R"("winner":false,"hold":%5,"hold_running":%6},)"
        R"("visitor":{"name":"Visitor %1","ippon":false,"waza_ari":0,"yuko":1,"shido":2,)"
        R"("medical":0,"winner":false,"hold":0,"hold_running":false}})")
        .arg(mat)
        .arg(seconds / 60)
        .arg(seconds % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds)
        .arg(hold ? (240 - seconds) % 20 : 0)
        .arg(hold ? "true" : "false")
        .toUtf8();
}

int Cpu(const MosquittoBroker& broker, int seconds)
{
    QTemporaryDir homes;
    Process hall(homes.filePath("hall"), { "--hall", "--broker=" + broker.Address() });
#ifdef KORVELIN_HAVE_XVFB_SERVER
    const ::Window hallWindow = WindowOf(hall.process);
    if (hallWindow)
        Place(hallWindow, QRect(0, 0, 1920, 1080));
#endif
    std::vector<std::unique_ptr<MqttClient>> boards;
    for (int mat = 1; mat <= 8; ++mat) {
        MqttOptions options;
        options.Host = broker.Host();
        options.Port = broker.Port();
        options.PresenceTopic = MatTopic(mat, "online");
        boards.push_back(std::make_unique<MqttClient>(options));
        boards.back()->Start();
    }
    QDeadlineTimer connected(20000);
    while (!std::all_of(boards.begin(), boards.end(), [](const auto& b) { return b->IsConnected(); })
        && !connected.hasExpired())
        QTest::qWait(20);
    // Every board's clock shows its next second once a second; two mats have
    // a hold running as well.
    int clock = 240;
    const auto tick = [&] {
        for (int mat = 1; mat <= 8; ++mat)
            boards[std::size_t(mat - 1)]->PublishState(MatTopic(mat, "state"), State(mat, clock, mat <= 2));
        clock = clock > 0 ? clock - 1 : 240;
    };
    tick();
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, tick);
    timer.start(1000);
    QTest::qWait(3000);
    const double cpu0 = hall.CpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QTest::qWait(seconds * 1000);
    const double cpu = hall.CpuSeconds() - cpu0;
    const double span = wall.nsecsElapsed() / 1e9;
    if (hall.process.state() != QProcess::Running) {
        std::fprintf(stderr, "the hall view ended\n");
        return 1;
    }
    std::printf(
        "hall view, 8 mats with running clocks at 1920 x 1080: %.2f s CPU over %.1f s = %.2f %% of one core "
        "(target <= 2 %%)\n",
        cpu, span, 100 * cpu / span);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    XvfbServer xvfb("1920x1080x24");
    xvfb.UseForApplication();
    QGuiApplication app(argc, argv);
    if (!xvfb.IsRunning()) {
        std::fprintf(stderr, "no X server: %s\n", qPrintable(xvfb.Why()));
        return 1;
    }
    MosquittoBroker broker;
    QString why;
    if (!broker.Start(&why)) {
        std::fprintf(stderr, "no broker: %s\n", qPrintable(why));
        return 1;
    }
    const QString what = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const int amount = argc > 2 ? std::max(1, QString::fromLocal8Bit(argv[2]).toInt()) : 0;
    int status = 0;
#ifdef KORVELIN_HAVE_XVFB_SERVER
    if (what.isEmpty() || what == QLatin1String("latency"))
        status |= Latency(broker, amount ? amount : 40);
#endif
    if (what.isEmpty() || what == QLatin1String("cpu"))
        status |= Cpu(broker, amount ? amount : 30);
    return status;
}
