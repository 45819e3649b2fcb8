// Start-up time and memory of the real program: `korvelin bypass` is started
// on a private Xvfb server and watched from outside, as the audience would
// see it. Time runs from just before the process is spawned to the first
// moment the scoreboard window shows its background colour; the resident
// and the private memory (USS) are read once the board has been up for half
// a second. The CPU time the program has used when its board first shows
// is read as well (all its threads, from the scheduler's own count): unlike
// the time on the clock, it hardly changes with the load other programs put
// on the machine, so it tells a change's effect where the clock time is too
// noisy. Of the private memory, the written part (Private_Dirty: heap,
// stacks, the libraries' relocated data) is shown beside it: the clean rest
// is library pages that merely no other running process maps at that
// moment, which varies with what else runs. A private PulseAudio server
// (null sink) is started when pulseaudio is installed, so that the sound
// output is opened after the first paint as on a machine with sound.
// The bare Qt widget window beside the bench (barewindow: one
// painted text, the same background) is timed the same way as the limit to
// compare with, and further programs (a build from before a change) can be
// given: all are launched interleaved, one after the other in each round, so
// that they meet the same load of the machine.
//
// The board is started once in English and once in another language
// (Japanese unless --language= names one), chosen in the settings store, in
// every round.
//
//     bench_startup [path/to/korvelin] [runs] [--language=CODE] [other programs...]
//
// Prints figures only.

#include "../tests/support/pulseserver.h"
#include "../tests/support/xvfbserver.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#ifdef KORVELIN_HAVE_XVFB_SERVER
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "../tests/support/xwindows.h"

namespace {

using Clock = std::chrono::steady_clock;

// The scoreboard's default background, 0x404040 on screen.
constexpr unsigned long BoardBackground = 0x404040;

struct Run
{
    double firstPaintMs = -1;
    double cpuMs = -1;
    long rssKb = -1;
    long ussKb = -1;
    long dirtyKb = -1;
};

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

// True when one of a few probe points of the window shows the background.
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

long ResidentKb(pid_t pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Private memory: the pages of the process no other process shares
// (Private_Clean and Private_Dirty), or only its written part.
long UniqueKb(pid_t pid, bool writtenOnly = false)
{
    QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (!rollup.open(QIODevice::ReadOnly))
        return -1;
    long kb = 0;
    for (const QByteArray& line : rollup.readAll().split('\n')) {
        if ((!writtenOnly && line.startsWith("Private_Clean:")) || line.startsWith("Private_Dirty:"))
            kb += line.mid(line.indexOf(':') + 1).trimmed().split(' ').value(0).toLong();
    }
    return kb;
}

// The CPU time all threads of the process have had so far, in milliseconds
// (the first field of each thread's schedstat, in nanoseconds).
double CpuMs(pid_t pid)
{
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    double ns = 0;
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile schedstat(tasks.filePath(task + QStringLiteral("/schedstat")));
        if (schedstat.open(QIODevice::ReadOnly))
            ns += schedstat.readAll().split(' ').value(0).toDouble();
    }
    return ns / 1e6;
}

Run StartOnce(const QByteArray& program, Display* display)
{
    Run run;
    const char* arguments[] = { program.constData(), "bypass", nullptr };
    const Clock::time_point start = Clock::now();
    pid_t pid = -1;
    if (::posix_spawn(
            &pid, program.constData(), nullptr, nullptr, const_cast<char* const*>(arguments), environ)
        != 0) {
        std::fprintf(stderr, "cannot start %s\n", program.constData());
        return run;
    }
    // Poll the server every millisecond, for at most 20 s.
    while (Clock::now() - start < std::chrono::seconds(20)) {
        const Window window = FindBoardWindow(display);
        if (window != 0 && ShowsBackground(display, window)) {
            run.firstPaintMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            run.cpuMs = CpuMs(pid);
            break;
        }
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "the program ended before it painted\n");
            return run;
        }
        ::usleep(1000);
    }
    if (run.firstPaintMs >= 0) {
        ::usleep(500'000);
        run.rssKb = ResidentKb(pid);
        run.ussKb = UniqueKb(pid);
        run.dirtyKb = UniqueKb(pid, true);
    }
    ::kill(pid, SIGTERM);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return run;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n == 0 ? -1 : (n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2);
}

} // namespace

int main(int argc, char** argv)
{
    QByteArray program = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (program.isEmpty()) {
        // The bench sits in <build>/bench, the program in <build>.
        const QByteArray self = QFile::encodeName(QFile::symLinkTarget(QStringLiteral("/proc/self/exe")));
        program = QFile::encodeName(QDir(QFile::decodeName(self)).filePath(QStringLiteral("../../korvelin")));
        program = QFile::encodeName(QDir::cleanPath(QFile::decodeName(program)));
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 9;
    // What is launched: the board in English and in the other language, any
    // further programs, then the reference.
    struct Launch
    {
        QByteArray Program;
        QByteArray Language;
    };
    QByteArray language("ja");
    std::vector<QByteArray> others;
    for (int i = 3; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument.startsWith("--language="))
            language = argument.mid(11);
        else
            others.push_back(argument);
    }
    std::vector<Launch> launches { { program, "en" }, { program, language } };
    for (const QByteArray& other : others)
        launches.push_back({ other, "en" });
    // The reference: the bare window built beside this bench.
    const QByteArray selfPath = QFile::encodeName(QFile::symLinkTarget(QStringLiteral("/proc/self/exe")));
    const QByteArray reference = QFile::encodeName(
        QDir(QFileInfo(QFile::decodeName(selfPath)).path()).filePath(QStringLiteral("barewindow")));
    const bool haveReference = ::access(reference.constData(), X_OK) == 0;
    if (haveReference)
        launches.push_back({ reference, "en" });
    for (const Launch& launch : launches) {
        if (::access(launch.Program.constData(), X_OK) != 0) {
            std::fprintf(
                stderr, "no program at %s (build target korvelin-app)\n", launch.Program.constData());
            return 1;
        }
    }

    kv::test::PulseServer pulse;
    QString noSound;
    const bool sound = pulse.Start(&noSound);
    kv::test::XvfbServer xvfb("1920x1080x24");
    if (!xvfb.IsRunning()) {
        std::fprintf(stderr, "%s\n", qPrintable(xvfb.Why()));
        return 1;
    }
    // The program gets the server, the xcb platform and an empty settings
    // store, so it starts with the default settings.
    QTemporaryDir home;
    xvfb.UseForApplication();
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    qputenv("HOME", home.path().toLocal8Bit());
    Display* display = XOpenDisplay(xvfb.DisplayName().constData());
    if (display == nullptr) {
        std::fprintf(stderr, "cannot connect to %s\n", xvfb.DisplayName().constData());
        return 1;
    }

    std::printf("bypass on Xvfb %s (1920x1080), %s, %d rounds, programs launched interleaved\n",
        xvfb.DisplayName().constData(),
        sound ? "private PulseAudio server" : qPrintable("no sound server: " + noSound), runs);
    // The settings store the programs read: only the language in it.
    const QString storeFolder = home.filePath(QStringLiteral("Korvelin"));
    QDir().mkpath(storeFolder);
    const auto chooseLanguage = [&storeFolder](const QByteArray& code) {
        QFile store(storeFolder + QStringLiteral("/Korvelin.ini"));
        if (store.open(QIODevice::WriteOnly | QIODevice::Truncate))
            store.write("[TextSettings]\nLanguage=" + code + "\n");
    };
    std::vector<std::vector<double>> paints(launches.size());
    std::vector<std::vector<double>> cpus(launches.size());
    std::vector<std::vector<double>> dirty(launches.size());
    std::vector<std::vector<double>> rss(launches.size());
    std::vector<std::vector<double>> uss(launches.size());
    bool complete = true;
    for (int i = 0; i < runs; ++i) {
        for (size_t p = 0; p < launches.size(); ++p) {
            chooseLanguage(launches[p].Language);
            const Run run = StartOnce(launches[p].Program, display);
            std::printf(
                "  round %2d %-44s %-3s first painted %7.1f ms  CPU %6.1f ms  VmRSS %5.1f MiB  USS %5.2f "
                "MiB (written %5.2f)\n",
                i + 1, launches[p].Program.constData(), launches[p].Language.constData(), run.firstPaintMs,
                run.cpuMs, double(run.rssKb) / 1024.0, double(run.ussKb) / 1024.0,
                double(run.dirtyKb) / 1024.0);
            std::fflush(stdout);
            if (run.firstPaintMs >= 0)
                paints[p].push_back(run.firstPaintMs);
            else
                complete = false;
            if (run.rssKb >= 0)
                rss[p].push_back(double(run.rssKb) / 1024.0);
            if (run.ussKb >= 0)
                uss[p].push_back(double(run.ussKb) / 1024.0);
            if (run.dirtyKb >= 0)
                dirty[p].push_back(double(run.dirtyKb) / 1024.0);
            if (run.cpuMs >= 0)
                cpus[p].push_back(run.cpuMs);
        }
    }
    XCloseDisplay(display);
    const double referenceMs = haveReference ? Median(paints.back()) : -1;
    const double referenceCpu = haveReference ? Median(cpus.back()) : -1;
    for (size_t p = 0; p < launches.size(); ++p) {
        const double ms = Median(paints[p]);
        const auto [low, high] = std::minmax_element(paints[p].begin(), paints[p].end());
        std::printf("median %s %s: first painted %.1f ms (%.1f-%.1f)", launches[p].Program.constData(),
            launches[p].Language.constData(), ms, paints[p].empty() ? -1 : *low,
            paints[p].empty() ? -1 : *high);
        if (referenceMs > 0)
            std::printf(" = %.2fx the bare window (target <= 1.15x)", ms / referenceMs);
        const double cpu = Median(cpus[p]);
        std::printf("; CPU to it %.1f ms", cpu);
        if (referenceCpu > 0)
            std::printf(" = %.2fx", cpu / referenceCpu);
        std::printf("; VmRSS %.1f MiB, USS %.2f MiB (target <= 5 MiB), written %.2f MiB\n", Median(rss[p]),
            Median(uss[p]), Median(dirty[p]));
    }
    std::printf("%s start-up minus English: %+.1f ms (target within 5 ms)\n", language.constData(),
        Median(paints[1]) - Median(paints[0]));
    return complete ? 0 : 1;
}

#else

int main()
{
    std::printf("bench_startup watches an X server; it runs on X11 builds only\n");
    return 0;
}

#endif
