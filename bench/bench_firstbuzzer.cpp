// The first buzzer after start-up, as the operator hears it: `korvelin
// bypass` starts on a private Xvfb with a private PulseAudio server (null
// sink); 300 ms after the board's first painted frame the buzzer key (B) is
// pressed through XTest, and the time to the first loud sample on the sink's
// monitor is taken (recorded by parec, stamped on arrival, so an upper bound
// with the recorder's own delay). A second press 2 s later gives the figure
// of a later buzzer for comparison. Several programs are run interleaved
// (program 1, program 2, program 1, ...), so a before and an after build
// meet the same load.
//
//     bench_firstbuzzer [runs] [program ...]
//
// Prints figures only.

#include "../tests/support/pulseserver.h"
#include "../tests/support/xvfbserver.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

#ifdef KORVELIN_HAVE_XVFB_SERVER
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "../tests/support/xwindows.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Rate = 44100;
constexpr int Threshold = 1600; // about -26 dBFS
constexpr unsigned long BoardBackground = 0x404040;

class Recorder
{
public:
    bool Start(const QString& parec)
    {
        const QByteArray command = QFile::encodeName(parec)
            + " --format=s16le --rate=44100 --channels=1 --latency-msec=1 -d "
            + kv::test::PulseServer::MonitorName().toLocal8Bit();
        m_pipe = popen(command.constData(), "r");
        if (!m_pipe)
            return false;
        m_thread = std::thread([this] {
            char buffer[4096];
            ssize_t n;
            while ((n = read(fileno(m_pipe), buffer, sizeof buffer)) > 0) {
                const auto now = Clock::now();
                std::lock_guard lock(m_mutex);
                m_bytes.insert(m_bytes.end(), buffer, buffer + n);
                m_chunks.push_back({ now, qint64(m_bytes.size() / 2) });
            }
        });
        return true;
    }
    void Stop()
    {
        if (m_thread.joinable())
            m_thread.join();
        if (m_pipe)
            pclose(m_pipe);
        m_pipe = nullptr;
    }
    qint64 Samples()
    {
        std::lock_guard lock(m_mutex);
        return qint64(m_bytes.size() / 2);
    }
    // Capture time of the first loud sample at or after `from`.
    bool Onset(Clock::time_point from, Clock::time_point* onset)
    {
        std::lock_guard lock(m_mutex);
        qint64 chunkStart = 0;
        for (const Chunk& chunk : m_chunks) {
            for (qint64 i = chunkStart; i < chunk.endSample; ++i) {
                const auto captured
                    = chunk.arrival - std::chrono::microseconds((chunk.endSample - i) * 1'000'000 / Rate);
                if (captured < from)
                    continue;
                const auto lo = static_cast<unsigned char>(m_bytes[size_t(2 * i)]);
                const auto hi = static_cast<unsigned char>(m_bytes[size_t(2 * i + 1)]);
                if (std::abs(int(static_cast<qint16>(lo | (hi << 8)))) > Threshold) {
                    *onset = captured;
                    return true;
                }
            }
            chunkStart = chunk.endSample;
        }
        return false;
    }

private:
    struct Chunk
    {
        Clock::time_point arrival;
        qint64 endSample;
    };
    FILE* m_pipe = nullptr;
    std::thread m_thread;
    std::mutex m_mutex;
    std::vector<char> m_bytes;
    std::vector<Chunk> m_chunks;
};

using FakeKeyEvent = int (*)(Display*, unsigned int, int, unsigned long);

Window FindBoardWindow(Display* display)
{
    for (const Window window : kv::test::ViewableTopLevelWindows(display)) {
        char* name = nullptr;
        if (XFetchName(display, window, &name) != 0 && name != nullptr) {
            const bool board = QByteArray(name) == "Korvelin";
            XFree(name);
            if (board)
                return window;
        }
    }
    return 0;
}

bool ShowsBackground(Display* display, Window window)
{
    XWindowAttributes attributes {};
    if (XGetWindowAttributes(display, window, &attributes) == 0 || attributes.map_state != IsViewable)
        return false;
    const int w = attributes.width;
    const int h = attributes.height;
    const int probes[][2]
        = { { w / 2, h / 2 }, { 3, h - 4 }, { w - 4, h - 4 }, { w / 2, h - 4 }, { w / 4, h / 2 } };
    for (const auto& probe : probes) {
        XImage* image = XGetImage(display, window, probe[0], probe[1], 1, 1, AllPlanes, ZPixmap);
        if (image == nullptr)
            continue;
        const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
        XDestroyImage(image);
        if (pixel == BoardBackground)
            return true;
    }
    return false;
}

// Presses B on the board; returns the moment just before the press.
Clock::time_point PressB(Display* display, Window window, FakeKeyEvent fake)
{
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    XSync(display, False);
    const unsigned int keycode = XKeysymToKeycode(display, XK_b);
    const Clock::time_point at = Clock::now();
    fake(display, keycode, 1, 0);
    fake(display, keycode, 0, 0);
    XFlush(display);
    return at;
}

void Wait(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

struct Run
{
    double first = -1;
    double later = -1;
    double ussMiB = -1; // private memory once both buzzers have sounded
};

double UniqueMiB(pid_t pid)
{
    QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (!rollup.open(QIODevice::ReadOnly))
        return -1;
    long kb = 0;
    for (const QByteArray& line : rollup.readAll().split('\n')) {
        if (line.startsWith("Private_Clean:") || line.startsWith("Private_Dirty:"))
            kb += line.mid(line.indexOf(':') + 1).trimmed().split(' ').value(0).toLong();
    }
    return double(kb) / 1024.0;
}

Run OneRun(const QByteArray& program, Display* display, Recorder& recorder, FakeKeyEvent fake)
{
    Run run;
    const char* arguments[] = { program.constData(), "bypass", nullptr };
    pid_t pid = -1;
    if (::posix_spawn(
            &pid, program.constData(), nullptr, nullptr, const_cast<char* const*>(arguments), environ)
        != 0)
        return run;
    const Clock::time_point start = Clock::now();
    Window window = 0;
    while (Clock::now() - start < std::chrono::seconds(20)) {
        window = FindBoardWindow(display);
        if (window != 0 && ShowsBackground(display, window))
            break;
        window = 0;
        ::usleep(1000);
    }
    if (window != 0) {
        Wait(300);
        const Clock::time_point first = PressB(display, window, fake);
        Wait(2000);
        const Clock::time_point later = PressB(display, window, fake);
        Wait(1500);
        run.ussMiB = UniqueMiB(pid);
        Clock::time_point onset;
        if (recorder.Onset(first, &onset) && onset < later)
            run.first = std::chrono::duration<double, std::milli>(onset - first).count();
        if (recorder.Onset(later, &onset))
            run.later = std::chrono::duration<double, std::milli>(onset - later).count();
    }
    ::kill(pid, SIGTERM);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return run;
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::vector<QByteArray> programs;
    for (int i = 2; i < argc; ++i)
        programs.emplace_back(argv[i]);
    if (programs.empty())
        programs.push_back(
            QFile::encodeName(QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../korvelin")));

    QLibrary xtst(QStringLiteral("Xtst"), 6);
    const auto fake = reinterpret_cast<FakeKeyEvent>(xtst.resolve("XTestFakeKeyEvent"));
    if (!fake) {
        std::printf("bench_firstbuzzer: libXtst is not available\n");
        return 1;
    }
    kv::test::PulseServer pulse;
    QString why;
    if (!pulse.Start(&why)) {
        std::printf("bench_firstbuzzer: %s\n", qPrintable(why));
        return 1;
    }
    kv::test::XvfbServer xvfb("1920x1080x24");
    if (!xvfb.IsRunning()) {
        std::printf("bench_firstbuzzer: %s\n", qPrintable(xvfb.Why()));
        return 1;
    }
    QTemporaryDir home;
    xvfb.UseForApplication();
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    Display* display = XOpenDisplay(xvfb.DisplayName().constData());
    if (display == nullptr)
        return 1;
    Recorder recorder;
    recorder.Start(pulse.Parec());
    while (recorder.Samples() < Rate / 5)
        Wait(10);

    std::printf("key B 300 ms after the first painted board -> first loud sample; %d runs per program, "
                "interleaved\n",
        runs);
    std::vector<std::vector<double>> firsts(programs.size());
    std::vector<std::vector<double>> laters(programs.size());
    for (int r = 0; r < runs; ++r) {
        for (size_t p = 0; p < programs.size(); ++p) {
            const Run run = OneRun(programs[p], display, recorder, fake);
            std::printf("  run %d %s: first buzzer %7.1f ms, a later one %7.1f ms, USS then %.2f MiB\n",
                r + 1, programs[p].constData(), run.first, run.later, run.ussMiB);
            std::fflush(stdout);
            if (run.first >= 0)
                firsts[p].push_back(run.first);
            if (run.later >= 0)
                laters[p].push_back(run.later);
        }
    }
    for (size_t p = 0; p < programs.size(); ++p) {
        std::printf(
            "median %s: first buzzer %.1f ms (target <= 30 ms), a later one %.1f ms (%zu of %d heard)\n",
            programs[p].constData(), Median(firsts[p]), Median(laters[p]), firsts[p].size(), runs);
    }
    XCloseDisplay(display);
    pulse.Stop();
    recorder.Stop();
    return 0;
}

#else

int main()
{
    std::printf("bench_firstbuzzer needs an X server build\n");
    return 0;
}

#endif
