// Start-up time and memory of the real program: `korvelin bypass` is started
// on a private Xvfb server and watched from outside, as the audience would
// see it. Time runs from just before the process is spawned to the first
// moment the scoreboard window shows its background colour; the resident
// memory is read once the board has been up for half a second.
//
// Each round starts the program once in English and once in another
// language (Japanese unless named), chosen in the settings store, taking
// turns so that the machine's drift falls on both alike.
//
//     bench_startup [path/to/korvelin] [runs] [language]
//
// Prints figures only.

#include "../tests/support/xvfbserver.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
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
    long rssKb = -1;
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
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
    const QByteArray language = argc > 3 ? QByteArray(argv[3]) : QByteArray("ja");
    if (::access(program.constData(), X_OK) != 0) {
        std::fprintf(stderr, "no program at %s (build target korvelin-app)\n", program.constData());
        return 1;
    }

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
    qputenv("HOME", home.path().toLocal8Bit());
    Display* display = XOpenDisplay(xvfb.DisplayName().constData());
    if (display == nullptr) {
        std::fprintf(stderr, "cannot connect to %s\n", xvfb.DisplayName().constData());
        return 1;
    }

    std::printf("%s bypass on Xvfb %s (1920x1080), %d runs in English and %d in \"%s\"\n",
        program.constData(), xvfb.DisplayName().constData(), runs, runs, language.constData());
    // The settings store the program reads: only the language in it.
    const QString storeFolder = home.filePath(QStringLiteral("Korvelin"));
    QDir().mkpath(storeFolder);
    const auto chooseLanguage = [&storeFolder](const QByteArray& code) {
        QFile store(storeFolder + QStringLiteral("/Korvelin.ini"));
        if (store.open(QIODevice::WriteOnly | QIODevice::Truncate))
            store.write("[TextSettings]\nLanguage=" + code + "\n");
    };
    std::vector<double> paints[2];
    std::vector<double> rss[2];
    const QByteArray codes[2] = { QByteArray("en"), language };
    for (int i = 0; i < runs; ++i) {
        for (int which = 0; which < 2; ++which) {
            chooseLanguage(codes[which]);
            const Run run = StartOnce(program, display);
            std::printf("  run %2d %-6s: first painted board %7.1f ms   VmRSS %6.1f MB\n", i + 1,
                codes[which].constData(), run.firstPaintMs, double(run.rssKb) / 1024.0);
            if (run.firstPaintMs >= 0)
                paints[which].push_back(run.firstPaintMs);
            if (run.rssKb >= 0)
                rss[which].push_back(double(run.rssKb) / 1024.0);
        }
    }
    XCloseDisplay(display);
    for (int which = 0; which < 2; ++which) {
        std::printf("median %-6s: process start to first painted board %.1f ms (target <= 250 ms), "
                    "resident memory %.1f MB (target <= 60 MB)\n",
            codes[which].constData(), Median(paints[which]), Median(rss[which]));
    }
    std::printf("%s start-up minus English: %+.1f ms (target within 5 ms)\n", language.constData(),
        Median(paints[1]) - Median(paints[0]));
    return paints[0].size() == size_t(runs) && paints[1].size() == size_t(runs) ? 0 : 1;
}

#else

int main()
{
    std::printf("bench_startup watches an X server; it runs on X11 builds only\n");
    return 0;
}

#endif
