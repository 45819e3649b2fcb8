// Plays the generated buzzer through MMControl into a private PulseAudio
// null sink and records the sink's monitor, to check that the whole sound is
// really heard, its last part included.

#include "pulseserver.h"
#include "timing/mmcontrol.h"
#include "timing/wavfile.h"

#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

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
    kv::test::PulseServer m_server;
};

void TstRealSound::initTestCase()
{
#ifndef Q_OS_UNIX
    QSKIP("The recorded-sound test needs a PulseAudio server, which is not available on this platform.");
#else
    QString why;
    if (!m_server.Start(&why))
        QSKIP(qPrintable("No audio server can be started here: " + why));
#endif
}

void TstRealSound::cleanupTestCase()
{
    m_server.Stop();
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
    recorder.start(m_server.Parec(),
        { "--format=s16le", "--rate=44100", "--channels=1", "--latency-msec=10", "-d",
            kv::test::PulseServer::MonitorName() });
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
