#pragma once

// A private PulseAudio server with one null sink ("korvelintest"), for the
// tests and benchmarks that listen to what the program really plays. All of
// it lives in a temporary folder; this process and parec reach it through
// PULSE_SERVER. The server goes with this object, and with the process if
// that dies first.

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

namespace kv::test {

class PulseServer final
{
public:
    static constexpr const char* SinkName = "korvelintest";

    PulseServer() = default;
    ~PulseServer() { Stop(); }
    PulseServer(const PulseServer&) = delete;
    PulseServer& operator=(const PulseServer&) = delete;

    // Starts the server and waits until it answers; on failure says why.
    bool Start(QString* why)
    {
        const QString pulseaudio = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        m_pactl = QStandardPaths::findExecutable(QStringLiteral("pactl"));
        m_parec = QStandardPaths::findExecutable(QStringLiteral("parec"));
        if (pulseaudio.isEmpty() || m_pactl.isEmpty() || m_parec.isEmpty()) {
            *why = QStringLiteral("pulseaudio, pactl or parec is not installed");
            return false;
        }
        if (!m_dir.isValid()) {
            *why = QStringLiteral("no temporary directory");
            return false;
        }
        const QString socket = m_dir.filePath(QStringLiteral("native"));
        for (const char* name : { "XDG_RUNTIME_DIR", "PULSE_RUNTIME_PATH", "PULSE_STATE_PATH", "HOME" })
            qputenv(name, m_dir.path().toLocal8Bit());
        qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
        qputenv("PULSE_SINK", SinkName);
#ifdef Q_OS_LINUX
        m_server.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif
        m_server.setProcessChannelMode(QProcess::MergedChannels);
        m_server.start(pulseaudio,
            { "--daemonize=no", "--system=false", "--exit-idle-time=-1", "-n", "--disable-shm=yes",
                "--log-target=stderr",
                QStringLiteral("--load=module-null-sink sink_name=%1 rate=44100").arg(SinkName),
                "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket });
        if (!m_server.waitForStarted(5000)) {
            *why = "pulseaudio does not start: " + m_server.errorString();
            return false;
        }
        // The server is ready once pactl can talk to it.
        for (int attempt = 0; attempt < 100; ++attempt) {
            if (m_server.state() != QProcess::Running)
                break;
            QProcess pactl;
            pactl.start(m_pactl, { QStringLiteral("info") });
            if (pactl.waitForFinished(2000) && pactl.exitCode() == 0)
                return true;
            m_server.waitForFinished(100); // a pause that ends early if the server dies
        }
        *why = "the PulseAudio server did not come up: "
            + QString::fromLocal8Bit(m_server.readAll()).right(600);
        Stop();
        return false;
    }

    void Stop()
    {
        if (m_server.state() == QProcess::NotRunning)
            return;
        m_server.terminate();
        if (!m_server.waitForFinished(5000)) {
            m_server.kill();
            m_server.waitForFinished(5000);
        }
    }

    QString Parec() const
    {
        return m_parec;
    }
    // The null sink's monitor, the source parec records.
    static QString MonitorName()
    {
        return QStringLiteral("%1.monitor").arg(SinkName);
    }

private:
    QTemporaryDir m_dir;
    QProcess m_server;
    QString m_pactl;
    QString m_parec;
};

} // namespace kv::test
