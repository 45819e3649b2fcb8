#pragma once

// A private virtual X server for tests and benchmarks that need real X input
// or a real X window system. Header-only; X11 builds only (elsewhere the
// server never starts and Why() says so).
//
//     kv::test::XvfbServer xvfb;            // before QApplication
//     if (!xvfb.IsRunning()) skip(xvfb.Why());
//     xvfb.UseForApplication();
//
// A test program whose cases skip without the server calls, in its main():
//
//     kv::test::XvfbServer xvfb;
//     xvfb.UseForApplication();             // or offscreen, and says why
//     QApplication app(argc, argv);
//     ...  in the cases: if (!MissingXServer().isEmpty()) QSKIP(...)
//
// The server picks a free display number itself (-displayfd), listens on the
// local socket only and runs without authorisation, so no cookie file is
// needed. It is killed and reaped when the object goes.

#include <QByteArray>
#include <QList>
#include <QString>

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS) && __has_include(<X11/Xlib.h>)
#define KORVELIN_HAVE_XVFB_SERVER 1

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

// The two Xlib calls the start-up check needs, declared here so that the
// Xlib macros (None, Bool, KeyPress...) stay out of the files including this.
extern "C" {
struct _XDisplay;
_XDisplay* XOpenDisplay(const char* name);
int XCloseDisplay(_XDisplay* display);
}
#endif

namespace kv::test {

// Why a test program's private X server is missing; empty when it runs.
inline QString& MissingXServer()
{
    static QString why;
    return why;
}

class XvfbServer final
{
public:
    // screen is Xvfb's "WIDTHxHEIGHTxDEPTH".
    explicit XvfbServer(const char* screen = "1280x1024x24", int startTimeoutMs = 10000)
    {
#ifdef KORVELIN_HAVE_XVFB_SERVER
        Start(screen, startTimeoutMs);
#else
        Q_UNUSED(screen);
        Q_UNUSED(startTimeoutMs);
        m_why = QStringLiteral("Xvfb needs an X11 build");
#endif
    }
    ~XvfbServer()
    {
        Stop();
    }
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    bool IsRunning() const
    {
        return m_display >= 0;
    }
    // Why the server is not running, for a skip message.
    QString Why() const
    {
        return m_why;
    }
    // ":N", for DISPLAY.
    QByteArray DisplayName() const
    {
        return ":" + QByteArray::number(m_display);
    }
    int DisplayNumber() const
    {
        return m_display;
    }

    // Before QApplication: sends the application, and the programs it
    // starts, to this server (DISPLAY, the xcb platform, no cookie file, no
    // Wayland). When the server is not running, the application gets the
    // offscreen platform instead and MissingXServer() says why.
    void UseForApplication() const
    {
        if (!IsRunning()) {
            MissingXServer() = m_why;
            qputenv("QT_QPA_PLATFORM", "offscreen");
            return;
        }
        qputenv("DISPLAY", DisplayName());
        qputenv("QT_QPA_PLATFORM", "xcb");
        qunsetenv("XAUTHORITY");
        qunsetenv("WAYLAND_DISPLAY");
    }

    void Stop()
    {
#ifdef KORVELIN_HAVE_XVFB_SERVER
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            int status = 0;
            // Xvfb exits at once on SIGTERM; do not hang on one that does not.
            for (int i = 0; i < 200 && ::waitpid(m_pid, &status, WNOHANG) == 0; ++i)
                Nap(10);
            if (::waitpid(m_pid, &status, WNOHANG) == 0) {
                ::kill(m_pid, SIGKILL);
                ::waitpid(m_pid, &status, 0);
            }
        }
        m_pid = -1;
#endif
        m_display = -1;
    }

private:
#ifdef KORVELIN_HAVE_XVFB_SERVER
    static void Nap(int milliseconds)
    {
        timespec pause { 0, long(milliseconds) * 1'000'000L };
        while (::nanosleep(&pause, &pause) != 0 && errno == EINTR) { }
    }

    static QByteArray FindXvfb()
    {
        const QByteArray path = qgetenv("PATH");
        for (const QByteArray& folder : path.split(':')) {
            const QByteArray candidate = (folder.isEmpty() ? QByteArray(".") : folder) + "/Xvfb";
            if (::access(candidate.constData(), X_OK) == 0)
                return candidate;
        }
        return {};
    }

    void Start(const char* screen, int timeoutMs)
    {
        const QByteArray program = FindXvfb();
        if (program.isEmpty()) {
            m_why = QStringLiteral("Xvfb is not installed (Debian package xvfb)");
            return;
        }
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0) {
            m_why = QStringLiteral("no pipe for Xvfb");
            return;
        }
        // The write end must survive exec; the child gets a copy without CLOEXEC.
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], 3);
        const int devNull = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (devNull >= 0) {
            posix_spawn_file_actions_adddup2(&actions, devNull, 1);
            posix_spawn_file_actions_adddup2(&actions, devNull, 2);
        }
        QByteArray screenArgument(screen);
        const char* arguments[] = { program.constData(), "-displayfd", "3", "-noreset", "-nolisten", "tcp",
            "-ac", "-screen", "0", screenArgument.constData(), nullptr };
        pid_t pid = -1;
        const int spawned = ::posix_spawn(
            &pid, program.constData(), &actions, nullptr, const_cast<char* const*>(arguments), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (devNull >= 0)
            ::close(devNull);
        ::close(fds[1]);
        if (spawned != 0) {
            ::close(fds[0]);
            m_why = QStringLiteral("Xvfb does not start");
            return;
        }
        m_pid = pid;

        // Xvfb writes the display number it chose once it is listening.
        QByteArray number;
        timespec begin {};
        ::clock_gettime(CLOCK_MONOTONIC, &begin);
        const auto elapsedMs = [&begin] {
            timespec now {};
            ::clock_gettime(CLOCK_MONOTONIC, &now);
            return (now.tv_sec - begin.tv_sec) * 1000 + (now.tv_nsec - begin.tv_nsec) / 1'000'000;
        };
        while (!number.endsWith('\n') && elapsedMs() < timeoutMs) {
            pollfd readable { fds[0], POLLIN, 0 };
            if (::poll(&readable, 1, 50) <= 0)
                continue;
            char buffer[16];
            const ssize_t got = ::read(fds[0], buffer, sizeof buffer);
            if (got <= 0)
                break; // Xvfb ended without a display
            number.append(buffer, got);
        }
        ::close(fds[0]);
        bool ok = false;
        const int display = number.trimmed().toInt(&ok);
        if (!ok) {
            Stop();
            m_why = QStringLiteral("Xvfb did not report a display within %1 ms").arg(timeoutMs);
            return;
        }

        // Wait until it really accepts a client.
        const QByteArray name = ":" + QByteArray::number(display);
        while (elapsedMs() < timeoutMs) {
            if (_XDisplay* client = XOpenDisplay(name.constData())) {
                XCloseDisplay(client);
                m_display = display;
                return;
            }
            Nap(10);
        }
        Stop();
        m_why = QStringLiteral("Xvfb on %1 accepts no connection").arg(QString::fromLatin1(name));
    }

    pid_t m_pid = -1;
#endif
    int m_display = -1;
    QString m_why;
};

} // namespace kv::test
