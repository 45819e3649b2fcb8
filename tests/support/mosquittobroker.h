#pragma once

// A private Mosquitto broker for tests and benchmarks: Debian's mosquitto on
// a free port of the loopback interface, anonymous, with its database in a
// temporary folder (saved on every change, so a broker killed with -9 comes
// back with its sessions and retained messages). It can be killed and
// started again on the same port. It goes with this object, and with the
// process if that dies first.

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <QThread>

#ifdef Q_OS_UNIX
#include <arpa/inet.h>
#include <csignal>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif

namespace kv::test {

class MosquittoBroker final
{
public:
    MosquittoBroker() = default;
    ~MosquittoBroker() { Kill(); }
    MosquittoBroker(const MosquittoBroker&) = delete;
    MosquittoBroker& operator=(const MosquittoBroker&) = delete;

    static QString Program()
    {
        return QStandardPaths::findExecutable(QStringLiteral("mosquitto"),
            { QStringLiteral("/usr/sbin"), QStringLiteral("/usr/local/sbin"), QStringLiteral("/usr/bin") });
    }

    // Starts the broker on a free port and waits until it takes
    // connections; on failure says why.
    bool Start(QString* why)
    {
        if (Program().isEmpty()) {
            *why = QStringLiteral("mosquitto is not installed (Debian package mosquitto)");
            return false;
        }
        if (!m_dir.isValid()) {
            *why = QStringLiteral("no temporary folder");
            return false;
        }
        // A port another run takes between our look and the broker's start
        // makes the broker end at once: then another port.
        for (int attempt = 0; attempt < 5; ++attempt) {
            m_port = FreePort();
            if (m_port != 0 && Launch(why))
                return true;
        }
        return false;
    }

    // Starts the broker again on its port, after Kill().
    bool Restart(QString* why) { return Launch(why); }

    // Kills the broker at once (SIGKILL) and waits until it is gone.
    void Kill()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.kill();
        m_process.waitForFinished(5000);
    }

    bool IsRunning() const { return m_process.state() == QProcess::Running; }
    quint16 Port() const { return m_port; }
    QString Host() const { return QStringLiteral("127.0.0.1"); }
    QString Address() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }
    // What the broker wrote (its log goes to its standard error).
    QByteArray Output() { return m_process.readAll(); }

    // True when something takes connections on the port.
    static bool Accepts(quint16 port)
    {
#ifdef Q_OS_UNIX
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        if (fd < 0)
            return false;
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        ::close(fd);
        return ok;
#else
        Q_UNUSED(port);
        return false;
#endif
    }

private:
    static quint16 FreePort()
    {
#ifdef Q_OS_UNIX
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        if (fd < 0)
            return 0;
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        quint16 port = 0;
        if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0
            && ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
            port = ntohs(address.sin_port);
        ::close(fd);
        return port;
#else
        return 0;
#endif
    }

    bool Launch(QString* why)
    {
        const QString config = m_dir.filePath(QStringLiteral("mosquitto.conf"));
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly)) {
            *why = QStringLiteral("cannot write %1").arg(config);
            return false;
        }
        // Started by root, mosquitto would become the user "mosquitto",
        // who cannot write the database here: it stays who we are.
        QString user;
#ifdef Q_OS_UNIX
        if (const passwd* entry = ::getpwuid(::getuid()))
            user = QStringLiteral("user %1\n").arg(QString::fromLocal8Bit(entry->pw_name));
#endif
        file.write(QStringLiteral("listener %1 127.0.0.1\n"
                                  "allow_anonymous true\n"
                                  "persistence true\n"
                                  "persistence_location %2/\n"
                                  "autosave_on_changes true\n"
                                  "autosave_interval 1\n"
                                  "log_dest stderr\n"
                                  "log_type error\n"
                                  "log_type warning\n")
                       .arg(m_port)
                       .arg(m_dir.path())
                       .toUtf8()
            + user.toUtf8());
        file.close();
#ifdef Q_OS_LINUX
        m_process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
#endif
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(Program(), { QStringLiteral("-c"), config });
        if (!m_process.waitForStarted(5000)) {
            *why = QStringLiteral("mosquitto does not start: %1").arg(m_process.errorString());
            return false;
        }
        QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired()) {
            if (m_process.state() != QProcess::Running) {
                *why = QStringLiteral("mosquitto ended: %1").arg(QString::fromLocal8Bit(m_process.readAll()));
                return false;
            }
            if (Accepts(m_port))
                return true;
            QThread::msleep(10);
        }
        *why = QStringLiteral("mosquitto takes no connection on port %1").arg(m_port);
        Kill();
        return false;
    }

    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
};

} // namespace kv::test
