#include "fakewaveplayer.h"
#include "timing/mmcontrol.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace kv;
using kv::test::FakeWavePlayer;

namespace {

QList<int> DoneCodes(const QSignalSpy& spy)
{
    QList<int> codes;
    for (const QList<QVariant>& args : spy)
        codes << args.at(0).toInt();
    return codes;
}

// A few event-loop turns, enough for every queued Done to arrive.
void Drain()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

} // namespace

class TstMMControl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void members();
    void commandSequences_data();
    void commandSequences();
    void doneIsQueued_data();
    void doneIsQueued();
    void doneHandlerStopAndPrevRaiseNothing();
    void reopenAfterClose();
    void deletedWithDonePending();
    void realBackendWithoutAudio_data();
    void realBackendWithoutAudio();
    void realBackendCommandsInAnyOrder();

private:
    QTemporaryDir m_dir;
    QString m_wav;
    QString m_garbage;
};

void TstMMControl::initTestCase()
{
    // No sound from this test: point the audio client at a server that does
    // not exist, so the real output has no device.
    qputenv("PULSE_SERVER", "unix:/nonexistent/korvelin-no-audio");
    QVERIFY(m_dir.isValid());
    m_wav = m_dir.filePath("tone.wav");
    QFile wav(m_wav);
    QVERIFY(wav.open(QIODevice::WriteOnly));
    // 0.1 s of 8-bit mono silence at 8 kHz.
    QByteArray bytes(
        "RIFF\x44\x03\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x40\x1f\0\0\x01\0\x08\0data\x20\x03\0\0",
        44);
    bytes += QByteArray(800, '\x80');
    wav.write(bytes);
    wav.close();
    m_garbage = m_dir.filePath("garbage.wav");
    QFile garbage(m_garbage);
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write("RIFF-but-not-really-a-wave-file");
    garbage.close();
}

void TstMMControl::members()
{
    MMControl control;
    QCOMPARE(control.FileName(), QString());
    QCOMPARE(control.Command(), QString());
    const QMetaObject* meta = control.metaObject();
    QCOMPARE(QString::fromLatin1(meta->classInfo(meta->indexOfClassInfo("TypeName")).value()),
        QStringLiteral("MMControl"));

    // Reachable by name like the other controls' properties.
    FakeWavePlayer player;
    QVERIFY(control.setProperty("FileName", m_wav));
    QVERIFY(control.setProperty("Command", "Open"));
    QCOMPARE(control.property("FileName").toString(), m_wav);
    QCOMPARE(control.property("Command").toString(), QStringLiteral("Open"));
    QCOMPARE(player.OpenFile(), m_wav);
    control.SetCommand("Bogus");
    QCOMPARE(control.Command(), QStringLiteral("Bogus"));
    QCOMPARE(player.Calls(), (QStringList { "Close", "Open " + m_wav }));
}

void TstMMControl::commandSequences_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<int>>("done");
    QTest::addColumn<int>("plays");

    // "finish" ends the playback as the device would, "fail" as a device error.
    QTest::newRow("open play finish") << QStringList { "Open", "Play", "finish" } << QList<int> { 1 } << 1;
    QTest::newRow("scoreboard cycle twice")
        << QStringList { "Open", "Play", "finish", "Stop", "Prev", "Play", "finish", "Stop", "Prev" }
        << QList<int> { 1, 1 } << 2;
    QTest::newRow("play before open") << QStringList { "Play" } << QList<int> { 8 } << 0;
    QTest::newRow("play after close") << QStringList { "Open", "Close", "Play" } << QList<int> { 8 } << 0;
    QTest::newRow("play twice") << QStringList { "Open", "Play", "Play", "finish" } << QList<int> { 2, 1 }
                                << 1;
    QTest::newRow("stop while playing") << QStringList { "Open", "Play", "Stop" } << QList<int> { 4 } << 1;
    QTest::newRow("prev while playing") << QStringList { "Open", "Play", "Prev" } << QList<int> { 4 } << 1;
    QTest::newRow("close while playing") << QStringList { "Open", "Play", "Close" } << QList<int> { 4 } << 1;
    QTest::newRow("open while playing")
        << QStringList { "Open", "Play", "Open", "Play", "finish" } << QList<int> { 4, 1 } << 2;
    QTest::newRow("device error") << QStringList { "Open", "Play", "fail" } << QList<int> { 8 } << 1;
    QTest::newRow("finish after stop is ignored")
        << QStringList { "Open", "Play", "Stop", "finish" } << QList<int> { 4 } << 1;
    QTest::newRow("commands before open") << QStringList { "Prev", "Stop", "Close" } << QList<int> {} << 0;
    QTest::newRow("stop when idle") << QStringList { "Open", "Stop", "Prev" } << QList<int> {} << 0;
    QTest::newRow("lower case") << QStringList { "open", "play", "finish" } << QList<int> { 1 } << 1;
}

void TstMMControl::commandSequences()
{
    QFETCH(QStringList, steps);
    QFETCH(QList<int>, done);
    QFETCH(int, plays);

    FakeWavePlayer player;
    MMControl control;
    QSignalSpy spy(&control, &MMControl::Done);
    control.SetFileName(m_wav);
    for (const QString& step : steps) {
        if (step == "finish" || step == "fail")
            player.FinishPlayback(step == "finish");
        else
            control.SetCommand(step);
        Drain();
    }
    QCOMPARE(DoneCodes(spy), done);
    QCOMPARE(player.Plays(), plays);
}

void TstMMControl::doneIsQueued_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("failPlay");
    QTest::addColumn<bool>("finish");

    QTest::newRow("finished playback") << m_wav << false << true;
    QTest::newRow("missing file") << m_dir.filePath("missing.wav") << false << false;
    QTest::newRow("empty file name") << QString() << false << false;
    QTest::newRow("no audio device") << m_wav << true << false;
}

void TstMMControl::doneIsQueued()
{
    QFETCH(QString, file);
    QFETCH(bool, failPlay);
    QFETCH(bool, finish);

    FakeWavePlayer player;
    player.SetFailPlay(failPlay);
    MMControl control;
    QSignalSpy spy(&control, &MMControl::Done);
    control.SetFileName(file);
    control.SetCommand("Open");
    control.SetCommand("Play");
    if (finish)
        QVERIFY(player.FinishPlayback());
    QCOMPARE(spy.count(), 0); // not raised from inside the command or the device report
    QTRY_COMPARE(spy.count(), 1);
    Drain();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), finish ? 1 : 8);
}

void TstMMControl::doneHandlerStopAndPrevRaiseNothing()
{
    FakeWavePlayer player;
    MMControl control;
    int done = 0;
    connect(&control, &MMControl::Done, &control, [&] {
        ++done;
        control.SetCommand("Stop");
        control.SetCommand("Prev");
    });
    control.SetFileName(m_wav);
    control.SetCommand("Open");
    control.SetCommand("Play");
    QVERIFY(player.FinishPlayback());
    QTRY_COMPARE(done, 1);
    Drain();
    QCOMPARE(done, 1);
    QCOMPARE(player.Calls().mid(2), (QStringList { "Play", "Stop", "Prev" }));

    // The next "Play" starts a new playback with its own Done.
    control.SetCommand("Play");
    QCOMPARE(player.Plays(), 2);
    QVERIFY(player.FinishPlayback());
    QTRY_COMPARE(done, 2);
}

void TstMMControl::reopenAfterClose()
{
    FakeWavePlayer player;
    MMControl control;
    control.SetFileName(m_wav);
    control.SetCommand("Open");
    control.SetCommand("Close");
    QCOMPARE(player.OpenFile(), QString());
    QCOMPARE(control.FileName(), m_wav); // the name stays: it records the last file opened
    control.SetCommand("Open");
    QCOMPARE(player.OpenFile(), m_wav);
    QSignalSpy spy(&control, &MMControl::Done);
    control.SetCommand("Play");
    QVERIFY(player.FinishPlayback());
    QTRY_COMPARE(DoneCodes(spy), QList<int> { 1 });
}

void TstMMControl::deletedWithDonePending()
{
    FakeWavePlayer player;
    int done = 0;
    {
        MMControl control;
        connect(&control, &MMControl::Done, [&] { ++done; });
        control.SetCommand("Play"); // fails: Done is queued
        control.SetFileName(m_wav);
        control.SetCommand("Open");
        control.SetCommand("Play");
    }
    Drain();
    QCOMPARE(done, 0);
    QVERIFY(!player.IsPlaying());
}

void TstMMControl::realBackendWithoutAudio_data()
{
    QTest::addColumn<QString>("file");

    QTest::newRow("valid wave file") << m_wav;
    QTest::newRow("missing file") << m_dir.filePath("missing.wav");
    QTest::newRow("invalid file") << m_garbage;
    QTest::newRow("directory") << m_dir.path();
}

void TstMMControl::realBackendWithoutAudio()
{
    QFETCH(QString, file);

    MMControl control;
    QSignalSpy spy(&control, &MMControl::Done);
    control.SetFileName(file);
    control.SetCommand("Open");
    control.SetCommand("Play");
    QCOMPARE(spy.count(), 0);
    // Waits on the event, not on a fixed time: the watchdog bounds it.
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 15000);
    Drain();
    QCOMPARE(spy.count(), 1);
    QVERIFY(!control.IsPlaying());
}

void TstMMControl::realBackendCommandsInAnyOrder()
{
    MMControl control;
    QSignalSpy spy(&control, &MMControl::Done);
    const QStringList commands { "Prev", "Stop", "Close", "Play", "Open", "Play", "Play", "Close", "Close",
        "Open", "Stop", "Prev", "Play" };
    control.SetFileName(m_wav);
    int plays = 0;
    for (const QString& command : commands) {
        control.SetCommand(command);
        plays += command == "Play";
    }
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), plays, 15000);
    Drain();
    QCOMPARE(spy.count(), plays);
}

QTEST_MAIN(TstMMControl)
#include "tst_mmcontrol.moc"
