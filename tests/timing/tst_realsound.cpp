// Plays the generated buzzer through MMControl into a private PulseAudio
// null sink and records the sink's monitor, to check that the whole sound is
// really heard, its last part included.

#include "timing/mmcontrol.h"
#include "timing/wavfile.h"

#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

using namespace kv;

namespace {

constexpr int RecordRate = 44100;
constexpr int WindowFrames = RecordRate / 100; // 10 ms
constexpr double Threshold = 0.05;

double WindowRms(const QVector<float>& samples, qsizetype start, qsizetype length)
{
    double sum = 0;
    for (qsizetype i = start; i < start + length; ++i)
        sum += double(samples[i]) * samples[i];
    return std::sqrt(sum / double(length));
}

} // namespace

class TstRealSound : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void wholeBuzzerIsHeard();

private:
    bool StartServer(QString* why);
    void StopServer();

    QTemporaryDir m_dir;
    QProcess m_server;
    QString m_pactl;
    QString m_parec;
};

bool TstRealSound::StartServer(QString* why)
{
    const QString pulseaudio = QStandardPaths::findExecutable("pulseaudio");
    m_pactl = QStandardPaths::findExecutable("pactl");
    m_parec = QStandardPaths::findExecutable("parec");
    if (pulseaudio.isEmpty() || m_pactl.isEmpty() || m_parec.isEmpty()) {
        *why = "pulseaudio, pactl or parec is not installed";
        return false;
    }
    if (!m_dir.isValid()) {
        *why = "no temporary directory";
        return false;
    }
    // Everything of the private server lives in the temporary directory; the
    // clients (this process and parec) reach it through PULSE_SERVER only.
    const QString socket = m_dir.filePath("native");
    for (const char* name : { "XDG_RUNTIME_DIR", "PULSE_RUNTIME_PATH", "PULSE_STATE_PATH", "HOME" })
        qputenv(name, m_dir.path().toLocal8Bit());
    qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
    qputenv("PULSE_SINK", "korvelintest");

#ifdef Q_OS_LINUX
    // The server must not outlive this process, even if it crashes.
    m_server.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif
    m_server.setProcessChannelMode(QProcess::MergedChannels);
    m_server.start(pulseaudio,
        { "--daemonize=no", "--system=false", "--exit-idle-time=-1", "-n", "--disable-shm=yes",
            "--log-target=stderr", "--load=module-null-sink sink_name=korvelintest rate=44100",
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
        pactl.start(m_pactl, { "info" });
        if (pactl.waitForFinished(2000) && pactl.exitCode() == 0)
            return true;
        m_server.waitForFinished(100); // a pause that ends early if the server dies
    }
    *why = "the PulseAudio server did not come up: " + QString::fromLocal8Bit(m_server.readAll()).right(600);
    StopServer();
    return false;
}

void TstRealSound::StopServer()
{
    if (m_server.state() == QProcess::NotRunning)
        return;
    m_server.terminate();
    if (!m_server.waitForFinished(5000)) {
        m_server.kill();
        m_server.waitForFinished(5000);
    }
}

void TstRealSound::initTestCase()
{
#ifndef Q_OS_UNIX
    QSKIP("The recorded-sound test needs a PulseAudio server, which is not available on this platform.");
#else
    QString why;
    if (!StartServer(&why))
        QSKIP(qPrintable("No audio server can be started here: " + why));
#endif
}

void TstRealSound::cleanupTestCase()
{
    StopServer();
}

void TstRealSound::wholeBuzzerIsHeard()
{
    const QString binaryDir
        = qEnvironmentVariable("KORVELIN_BINARY_DIR", QCoreApplication::applicationDirPath() + "/..");
    const QString buzzerPath = binaryDir + "/buzzer.wav";
    const WavFile buzzer = WavFile::Load(buzzerPath);
    QVERIFY2(buzzer.IsValid(), qPrintable(buzzerPath + ": " + buzzer.ErrorText()));
    const qint64 fileFrames = buzzer.DurationMicroseconds() * RecordRate / 1'000'000;

    QByteArray recorded; // outlives the recorder, which may still report data while it is destroyed
    QProcess recorder;
    connect(&recorder, &QProcess::readyReadStandardOutput, this,
        [&] { recorded += recorder.readAllStandardOutput(); });
    recorder.start(m_parec,
        { "--format=s16le", "--rate=44100", "--channels=1", "--latency-msec=10", "-d",
            "korvelintest.monitor" });
    QVERIFY2(recorder.waitForStarted(5000), qPrintable(recorder.errorString()));
    // Recording runs once the first tenth of a second of silence has arrived.
    QTRY_VERIFY_WITH_TIMEOUT(recorded.size() >= RecordRate / 10 * 2, 10000);

    MMControl control;
    QSignalSpy done(&control, &MMControl::Done);
    control.SetFileName(buzzerPath);
    control.SetCommand("Open");
    control.SetCommand("Play");
    QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 15000);
    QCOMPARE(done.at(0).at(0).toInt(), int(MMControl::NotifySuccessful));
    // The scoreboard's cycle: rewind on Done, play again later.
    control.SetCommand("Stop");
    control.SetCommand("Prev");
    const qsizetype atFirstDone = recorded.size();
    QTRY_VERIFY_WITH_TIMEOUT(recorded.size() >= atFirstDone + RecordRate / 10 * 2, 10000);
    const qsizetype secondStart = recorded.size();
    control.SetCommand("Play");
    QTRY_COMPARE_WITH_TIMEOUT(done.count(), 2, 15000);
    QCOMPARE(done.at(1).at(0).toInt(), int(MMControl::NotifySuccessful));
    // Go on recording a little past Done, so everything played is captured.
    const qsizetype atDone = recorded.size();
    QTRY_VERIFY_WITH_TIMEOUT(recorded.size() >= atDone + RecordRate / 4 * 2, 10000);
    control.SetCommand("Stop");
    control.SetCommand("Close");
    recorder.terminate();
    recorder.waitForFinished(5000);
    recorded += recorder.readAllStandardOutput();
    recorded.truncate(secondStart); // the first playback, with the silence after it

    QVector<float> samples(recorded.size() / 2);
    for (qsizetype i = 0; i < samples.size(); ++i) {
        const auto lo = static_cast<unsigned char>(recorded[2 * i]);
        const auto hi = static_cast<unsigned char>(recorded[2 * i + 1]);
        samples[i] = static_cast<qint16>(lo | (hi << 8)) / 32768.0f;
    }
    qsizetype onset = -1;
    qsizetype last = -1;
    for (qsizetype i = 0; i < samples.size(); ++i) {
        if (std::abs(samples[i]) > Threshold) {
            if (onset < 0)
                onset = i;
            last = i;
        }
    }
    QVERIFY2(onset >= 0, "nothing was heard");
    // The same threshold applied to the file itself gives the span to expect:
    // the fades at both ends keep a few samples under it.
    qsizetype fileOnset = -1;
    qsizetype fileLast = -1;
    for (qint64 f = 0; f < buzzer.FrameCount(); ++f) {
        if (std::abs(buzzer.SampleAt(f, 0)) > Threshold) {
            if (fileOnset < 0)
                fileOnset = f;
            fileLast = f;
        }
    }
    const double heardMs = double(last - onset) * 1000.0 / RecordRate;
    const double fileMs = double(fileLast - fileOnset) * 1000.0 / RecordRate;
    qInfo("heard %.1f ms of the %.1f ms sound", heardMs, fileMs);
    onset -= fileOnset;
    QVERIFY2(onset + fileFrames <= samples.size(), "the recording ends before the sound could have ended");

    // Every 10 ms of the sound carries energy, the fades at both ends aside,
    // and so do the last 100 ms.
    for (qsizetype start = onset + WindowFrames; start + 2 * WindowFrames <= onset + fileFrames;
         start += WindowFrames) {
        const double rms = WindowRms(samples, start, WindowFrames);
        QVERIFY2(rms > 0.2,
            qPrintable(QString("silence at %1 ms of the sound (rms %2)")
                           .arg(double(start - onset) * 1000.0 / RecordRate)
                           .arg(rms)));
    }
    const qsizetype tailStart = onset + fileFrames - RecordRate / 10;
    QVERIFY(WindowRms(samples, tailStart, RecordRate / 10 - WindowFrames) > 0.3);
    QVERIFY2(
        heardMs >= fileMs - 10.0, qPrintable(QString("only %1 of %2 ms heard").arg(heardMs).arg(fileMs)));
    // Nothing much more than the sound itself either.
    QVERIFY2(heardMs <= fileMs + 10.0,
        qPrintable(QString("%1 ms heard for a %2 ms sound").arg(heardMs).arg(fileMs)));
}

QTEST_GUILESS_MAIN(TstRealSound)
#include "tst_realsound.moc"
