#include "timing/audiosinkbackend.h"
#include "timing/wavfile.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

using namespace kv;

namespace {

void PutU16(QByteArray& out, quint32 v)
{
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}

void PutU32(QByteArray& out, quint32 v)
{
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

QByteArray Chunk(const char* id, const QByteArray& body, bool pad = true)
{
    QByteArray out(id, 4);
    PutU32(out, quint32(body.size()));
    out += body;
    if (pad && body.size() % 2)
        out.append('\0');
    return out;
}

QByteArray FmtBody(quint16 tag, quint16 channels, quint32 rate, quint16 bits, int blockAlign = -1)
{
    const quint16 align = blockAlign >= 0 ? quint16(blockAlign) : quint16(channels * bits / 8);
    QByteArray b;
    PutU16(b, tag);
    PutU16(b, channels);
    PutU32(b, rate);
    PutU32(b, rate * align);
    PutU16(b, align);
    PutU16(b, bits);
    return b;
}

QByteArray ExtensibleFmtBody(quint16 subTag, quint16 channels, quint32 rate, quint16 bits)
{
    QByteArray b = FmtBody(0xFFFE, channels, rate, bits);
    PutU16(b, 22); // cbSize
    PutU16(b, bits); // valid bits
    PutU32(b, channels == 1 ? 0x4 : 0x3); // channel mask
    PutU16(b, subTag);
    b += QByteArray::fromHex("000000001000800000aa00389b71"); // rest of the sub-format GUID
    return b;
}

QByteArray Riff(const QByteArray& chunks, int riffSize = -1)
{
    QByteArray out("RIFF");
    PutU32(out, riffSize >= 0 ? quint32(riffSize) : quint32(4 + chunks.size()));
    out += "WAVE";
    out += chunks;
    return out;
}

QByteArray Wav(quint16 tag, quint16 channels, quint32 rate, quint16 bits, const QByteArray& data)
{
    return Riff(Chunk("fmt ", FmtBody(tag, channels, rate, bits)) + Chunk("data", data));
}

// A byte string literal with its embedded zero bytes.
template <qsizetype N> QByteArray Bytes(const char (&literal)[N])
{
    return QByteArray(literal, N - 1);
}

QByteArray Zeros(int n)
{
    return QByteArray(n, '\0');
}

QByteArray RawHeader(const char* id, quint32 declaredSize)
{
    QByteArray out(id, 4);
    PutU32(out, declaredSize);
    return out;
}

} // namespace

class TstWavFile : public QObject
{
    Q_OBJECT

private slots:
    void validFormats_data();
    void validFormats();
    void refusedFiles_data();
    void refusedFiles();
    void everyTruncationIsRefused();
    void garbageNeverReadsOutside();
    void oddChunkIsPadded();
    void duration_data();
    void duration();
    void sampleValues_data();
    void sampleValues();
    void loadsFromDisk();
    void generatedBuzzer();
    void encodeConverts_data();
    void encodeConverts();
};

void TstWavFile::validFormats_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("sampleFormat");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::addColumn<qint64>("frames");

    const auto u8 = int(WavSampleFormat::UInt8);
    const auto s16 = int(WavSampleFormat::Int16);
    const auto s24 = int(WavSampleFormat::Int24);
    const auto s32 = int(WavSampleFormat::Int32);
    const auto f32 = int(WavSampleFormat::Float32);
    QTest::newRow("8-bit mono") << Wav(1, 1, 8000, 8, Zeros(10)) << u8 << 1 << 8000 << qint64(10);
    QTest::newRow("16-bit mono") << Wav(1, 1, 44100, 16, Zeros(20)) << s16 << 1 << 44100 << qint64(10);
    QTest::newRow("16-bit stereo") << Wav(1, 2, 48000, 16, Zeros(40)) << s16 << 2 << 48000 << qint64(10);
    QTest::newRow("24-bit stereo") << Wav(1, 2, 96000, 24, Zeros(60)) << s24 << 2 << 96000 << qint64(10);
    QTest::newRow("32-bit int mono") << Wav(1, 1, 22050, 32, Zeros(40)) << s32 << 1 << 22050 << qint64(10);
    QTest::newRow("32-bit float stereo")
        << Wav(3, 2, 44100, 32, Zeros(80)) << f32 << 2 << 44100 << qint64(10);
    QTest::newRow("odd sample rate") << Wav(1, 1, 11025, 16, Zeros(2)) << s16 << 1 << 11025 << qint64(1);
    QTest::newRow("extensible PCM 24")
        << Riff(Chunk("fmt ", ExtensibleFmtBody(1, 2, 48000, 24)) + Chunk("data", Zeros(12))) << s24 << 2
        << 48000 << qint64(2);
    QTest::newRow("extensible float")
        << Riff(Chunk("fmt ", ExtensibleFmtBody(3, 1, 48000, 32)) + Chunk("data", Zeros(8))) << f32 << 1
        << 48000 << qint64(2);
    QTest::newRow("empty data") << Wav(1, 1, 44100, 16, {}) << s16 << 1 << 44100 << qint64(0);
    QTest::newRow("partial last frame dropped")
        << Wav(1, 2, 44100, 16, Zeros(7)) << s16 << 2 << 44100 << qint64(1);
    QTest::newRow("chunks before fmt skipped") << Riff(Chunk("LIST", "INFOxxxx")
        + Chunk("fmt ", FmtBody(1, 1, 44100, 16)) + Chunk("fact", Zeros(4)) + Chunk("data", Zeros(4)))
                                               << s16 << 1 << 44100 << qint64(2);
    QTest::newRow("fmt chunk with extra bytes")
        << Riff(Chunk("fmt ", FmtBody(1, 1, 44100, 16) + Zeros(2)) + Chunk("data", Zeros(4))) << s16 << 1
        << 44100 << qint64(2);
    QTest::newRow("RIFF size too small is ignored")
        << Riff(Chunk("fmt ", FmtBody(1, 1, 44100, 16)) + Chunk("data", Zeros(4)), 4) << s16 << 1 << 44100
        << qint64(2);
    QTest::newRow("RIFF size huge is ignored")
        << Riff(Chunk("fmt ", FmtBody(1, 1, 44100, 16)) + Chunk("data", Zeros(4)), 0x7FFFFFF0) << s16 << 1
        << 44100 << qint64(2);
    QTest::newRow("trailing chunk after data")
        << Riff(Chunk("fmt ", FmtBody(1, 1, 8000, 8)) + Chunk("data", Zeros(3)) + Chunk("LIST", Zeros(6)))
        << u8 << 1 << 8000 << qint64(3);
}

void TstWavFile::validFormats()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, sampleFormat);
    QFETCH(int, channels);
    QFETCH(int, rate);
    QFETCH(qint64, frames);

    const WavFile file = WavFile::FromBytes(bytes);
    QVERIFY2(file.IsValid(), qPrintable(file.ErrorText()));
    QCOMPARE(int(file.Format().sampleFormat), sampleFormat);
    QCOMPARE(file.Format().channelCount, channels);
    QCOMPARE(file.Format().sampleRate, rate);
    QCOMPARE(file.FrameCount(), frames);
    QCOMPARE(file.Data().size(), frames * file.Format().BytesPerFrame());
}

void TstWavFile::refusedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("error");

    using E = WavFile::Error;
    const QByteArray fmt16 = Chunk("fmt ", FmtBody(1, 1, 44100, 16));
    QTest::newRow("empty") << QByteArray() << int(E::NotRiff);
    QTest::newRow("shorter than the header") << Bytes("RIFF\4\0\0\0WAV") << int(E::NotRiff);
    QTest::newRow("big-endian RIFX") << Bytes("RIFX\4\0\0\0WAVE") << int(E::NotRiff);
    QTest::newRow("text file") << QByteArray("This is not a sound file at all.") << int(E::NotRiff);
    QTest::newRow("AVI form") << Bytes("RIFF\4\0\0\0AVI ") << int(E::NotWave);
    QTest::newRow("no chunks") << Riff({}) << int(E::NoFormat);
    QTest::newRow("only fmt") << Riff(fmt16) << int(E::NoData);
    QTest::newRow("data before fmt") << Riff(Chunk("data", Zeros(4)) + fmt16) << int(E::NoFormat);
    QTest::newRow("zero channels") << Wav(1, 0, 44100, 16, Zeros(4)) << int(E::BadFormat);
    QTest::newRow("nine channels") << Wav(1, 9, 44100, 8, Zeros(9)) << int(E::BadFormat);
    QTest::newRow("zero sample rate") << Wav(1, 1, 0, 16, Zeros(4)) << int(E::BadFormat);
    QTest::newRow("huge sample rate") << Wav(1, 1, 0xFFFFFFFF, 16, Zeros(4)) << int(E::BadFormat);
    QTest::newRow("zero bits") << Wav(1, 1, 44100, 0, Zeros(4)) << int(E::BadFormat);
    QTest::newRow("block align wrong")
        << Riff(Chunk("fmt ", FmtBody(1, 2, 44100, 16, 2)) + Chunk("data", Zeros(8))) << int(E::BadFormat);
    QTest::newRow("fmt chunk too short")
        << Riff(Chunk("fmt ", FmtBody(1, 1, 44100, 16).left(14)) + Chunk("data", Zeros(4)))
        << int(E::BadFormat);
    QTest::newRow("extensible without extension")
        << Riff(Chunk("fmt ", FmtBody(0xFFFE, 1, 44100, 16)) + Chunk("data", Zeros(4))) << int(E::BadFormat);
    QTest::newRow("12-bit PCM") << Wav(1, 1, 44100, 12, Zeros(4)) << int(E::Unsupported);
    QTest::newRow("64-bit float") << Wav(3, 1, 44100, 64, Zeros(16)) << int(E::Unsupported);
    QTest::newRow("MS ADPCM") << Wav(2, 1, 44100, 4, Zeros(16)) << int(E::Unsupported);
    QTest::newRow("mu-law") << Wav(7, 1, 8000, 8, Zeros(16)) << int(E::Unsupported);
    QTest::newRow("extensible ADPCM")
        << Riff(Chunk("fmt ", ExtensibleFmtBody(2, 1, 44100, 16)) + Chunk("data", Zeros(4)))
        << int(E::Unsupported);
    QTest::newRow("data size huge") << Riff(fmt16 + RawHeader("data", 0xFFFFFFFF) + Zeros(100))
                                    << int(E::Truncated);
    QTest::newRow("data one byte short")
        << Riff(fmt16 + RawHeader("data", 10) + Zeros(9)) << int(E::Truncated);
    QTest::newRow("fmt size huge") << Riff(RawHeader("fmt ", 0xFFFFFFF0) + FmtBody(1, 1, 44100, 16))
                                   << int(E::BadChunk);
    QTest::newRow("unknown chunk size huge")
        << Riff(fmt16 + RawHeader("LIST", 0x80000000) + Chunk("data", Zeros(4))) << int(E::BadChunk);
    QTest::newRow("chunk header cut") << Riff(fmt16 + QByteArray("dat")) << int(E::NoData);
}

void TstWavFile::refusedFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, error);

    const WavFile file = WavFile::FromBytes(bytes);
    QVERIFY(!file.IsValid());
    QCOMPARE(int(file.LastError()), error);
    QVERIFY(!file.ErrorText().isEmpty());
    QCOMPARE(file.FrameCount(), 0);
    QCOMPARE(file.DurationMicroseconds(), 0);
}

void TstWavFile::everyTruncationIsRefused()
{
    const QByteArray full = Riff(Chunk("LIST", "INFOabc") + Chunk("fmt ", FmtBody(1, 2, 44100, 16))
        + Chunk("data", QByteArray(400, '\x11')));
    QVERIFY(WavFile::FromBytes(full).IsValid());
    for (qsizetype n = 0; n < full.size(); ++n) {
        // A copy of exactly n bytes, so a read past the end is caught by sanitizers.
        const QByteArray prefix = full.left(n);
        const WavFile file = WavFile::FromBytes(prefix);
        QVERIFY2(!file.IsValid(), qPrintable(QStringLiteral("prefix of %1 bytes accepted").arg(n)));
    }
}

void TstWavFile::garbageNeverReadsOutside()
{
    const QByteArray valid = Wav(1, 2, 44100, 16, QByteArray(64, '\x22'));
    QRandomGenerator random(20240611);
    int accepted = 0;
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes = valid;
        const int flips = 1 + int(random.bounded(6));
        for (int i = 0; i < flips; ++i)
            bytes[int(random.bounded(bytes.size()))] = char(random.bounded(256));
        bytes.truncate(int(random.bounded(bytes.size() + 1)));
        const WavFile file = WavFile::FromBytes(bytes);
        if (file.IsValid()) {
            ++accepted;
            QVERIFY(file.Data().size() <= bytes.size());
            QCOMPARE(file.Data().size() % file.Format().BytesPerFrame(), 0);
            for (qint64 f = 0; f < file.FrameCount(); ++f)
                for (int c = 0; c < file.Format().channelCount; ++c)
                    QVERIFY(qAbs(file.SampleAt(f, c)) <= 1.0f
                        || file.Format().sampleFormat == WavSampleFormat::Float32);
        }
    }
    QVERIFY(accepted < 3000);
}

void TstWavFile::oddChunkIsPadded()
{
    // A 3-byte chunk is followed by one pad byte; the next chunk starts after it.
    const QByteArray bytes
        = Riff(Chunk("junk", "abc") + Chunk("fmt ", FmtBody(1, 1, 8000, 8)) + Chunk("data", "\x01\x02\x03"));
    const WavFile file = WavFile::FromBytes(bytes);
    QVERIFY2(file.IsValid(), qPrintable(file.ErrorText()));
    QCOMPARE(file.Data(), QByteArray("\x01\x02\x03"));

    // Without the pad byte the chunk walk lands one byte early and finds no format.
    const QByteArray unpadded
        = Riff(Chunk("junk", "abc", false) + Chunk("fmt ", FmtBody(1, 1, 8000, 8)) + Chunk("data", "\x01"));
    QVERIFY(!WavFile::FromBytes(unpadded).IsValid());

    // An odd data chunk at the very end needs no pad byte.
    const QByteArray lastOdd = Riff(Chunk("fmt ", FmtBody(1, 1, 8000, 8)) + Chunk("data", "\x05", false));
    QCOMPARE(WavFile::FromBytes(lastOdd).FrameCount(), 1);
}

void TstWavFile::duration_data()
{
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("frames");
    QTest::addColumn<qint64>("micros");

    QTest::newRow("one second") << 44100 << 1 << 44100 << qint64(1'000'000);
    QTest::newRow("stereo counts frames") << 48000 << 2 << 24000 << qint64(500'000);
    QTest::newRow("one frame rounds") << 44100 << 1 << 1 << qint64(23); // 22.68 us
    QTest::newRow("buzzer length") << 44100 << 1 << 52920 << qint64(1'200'000);
    QTest::newRow("odd rate") << 11025 << 1 << 3 << qint64(272); // 272.1 us
    QTest::newRow("empty") << 8000 << 1 << 0 << qint64(0);
}

void TstWavFile::duration()
{
    QFETCH(int, rate);
    QFETCH(int, channels);
    QFETCH(int, frames);
    QFETCH(qint64, micros);

    const WavFile file
        = WavFile::FromBytes(Wav(1, quint16(channels), quint32(rate), 16, Zeros(frames * channels * 2)));
    QVERIFY(file.IsValid());
    QCOMPARE(file.DurationMicroseconds(), micros);
}

void TstWavFile::sampleValues_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<float>("first");
    QTest::addColumn<float>("second");

    QTest::newRow("8-bit") << Wav(1, 1, 8000, 8, QByteArray("\x00\xff", 2)) << -1.0f << 127.0f / 128.0f;
    QTest::newRow("8-bit silence") << Wav(1, 1, 8000, 8, QByteArray("\x80\xc0", 2)) << 0.0f << 0.5f;
    QTest::newRow("16-bit") << Wav(1, 1, 8000, 16, QByteArray("\x00\x80\x00\x40", 4)) << -1.0f << 0.5f;
    QTest::newRow("24-bit") << Wav(1, 1, 8000, 24, QByteArray("\x00\x00\x80\x00\x00\xc0", 6)) << -1.0f
                            << -0.5f;
    QTest::newRow("32-bit") << Wav(1, 1, 8000, 32, QByteArray("\x00\x00\x00\x80\x00\x00\x00\x20", 8)) << -1.0f
                            << 0.25f;
    float values[2] = { 0.75f, -0.125f };
    QTest::newRow("float") << Wav(3, 1, 8000, 32, QByteArray(reinterpret_cast<const char*>(values), 8))
                           << 0.75f << -0.125f;
}

void TstWavFile::sampleValues()
{
    QFETCH(QByteArray, bytes);
    QFETCH(float, first);
    QFETCH(float, second);

    const WavFile file = WavFile::FromBytes(bytes);
    QVERIFY2(file.IsValid(), qPrintable(file.ErrorText()));
    QCOMPARE(file.SampleAt(0, 0), first);
    QCOMPARE(file.SampleAt(1, 0), second);
}

void TstWavFile::loadsFromDisk()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QCOMPARE(WavFile::Load(dir.filePath("missing.wav")).LastError(), WavFile::Error::Unreadable);
    QCOMPARE(WavFile::Load(dir.path()).IsValid(), false);

    QFile out(dir.filePath("tone.wav"));
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(Wav(1, 1, 8000, 16, Zeros(16000)));
    out.close();
    const WavFile file = WavFile::Load(out.fileName());
    QVERIFY(file.IsValid());
    QCOMPARE(file.DurationMicroseconds(), 1'000'000);
}

void TstWavFile::generatedBuzzer()
{
    const QString binaryDir
        = qEnvironmentVariable("KORVELIN_BINARY_DIR", QCoreApplication::applicationDirPath() + "/..");
    const WavFile file = WavFile::Load(binaryDir + "/buzzer.wav");
    QVERIFY2(file.IsValid(), qPrintable(binaryDir + ": " + file.ErrorText()));
    QCOMPARE(file.Format(), (WavFormat { WavSampleFormat::Int16, 1, 44100 }));
    QCOMPARE(file.DurationMicroseconds(), 1'200'000);

    // Loud over its whole length except the short fades at both ends.
    const qint64 frames = file.FrameCount();
    const qint64 window = 441; // 10 ms
    for (qint64 start = window; start + window < frames - window; start += window) {
        double sum = 0;
        for (qint64 f = start; f < start + window; ++f)
            sum += double(file.SampleAt(f, 0)) * file.SampleAt(f, 0);
        QVERIFY2(std::sqrt(sum / window) > 0.3, qPrintable(QString::number(start)));
    }
    QCOMPARE(file.SampleAt(0, 0), 0.0f);
    QCOMPARE(file.SampleAt(frames - 1, 0), 0.0f);
}

void TstWavFile::encodeConverts_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("sampleFormat");
    QTest::addColumn<QByteArray>("expected");

    // 24-bit widens to 32-bit with the low byte zero.
    QTest::newRow("24 to 32 bit") << Wav(1, 1, 8000, 24, QByteArray("\x01\x02\x03\xff\xff\xff", 6)) << 8000
                                  << 1 << int(QAudioFormat::Int32)
                                  << QByteArray("\x00\x01\x02\x03\x00\xff\xff\xff", 8);
    QTest::newRow("mono to stereo") << Wav(1, 1, 8000, 16, QByteArray("\x00\x40", 2)) << 8000 << 2
                                    << int(QAudioFormat::Int16) << QByteArray("\x00\x40\x00\x40", 4);
    QTest::newRow("stereo to mono averages") << Wav(1, 2, 8000, 16, QByteArray("\x00\x40\x00\x00", 4)) << 8000
                                             << 1 << int(QAudioFormat::Int16) << QByteArray("\x00\x20", 2);
    QTest::newRow("16 bit to 8 bit") << Wav(1, 1, 8000, 16, QByteArray("\x00\x00\x00\x80", 4)) << 8000 << 1
                                     << int(QAudioFormat::UInt8) << QByteArray("\x80\x00", 2);
    QTest::newRow("halved rate") << Wav(1, 1, 8000, 8, QByteArray("\x80\x90\xa0\xb0", 4)) << 4000 << 1
                                 << int(QAudioFormat::UInt8) << QByteArray("\x80\xa0", 2);
    QTest::newRow("doubled rate interpolates")
        << Wav(1, 1, 4000, 8, QByteArray("\x80\xa0", 2)) << 8000 << 1 << int(QAudioFormat::UInt8)
        << QByteArray("\x80\x90\xa0\xa0", 4);
}

void TstWavFile::encodeConverts()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, rate);
    QFETCH(int, channels);
    QFETCH(int, sampleFormat);
    QFETCH(QByteArray, expected);

    const WavFile file = WavFile::FromBytes(bytes);
    QVERIFY(file.IsValid());
    QAudioFormat format;
    format.setSampleRate(rate);
    format.setChannelCount(channels);
    format.setSampleFormat(QAudioFormat::SampleFormat(sampleFormat));
    QCOMPARE(EncodeWav(file, format).toHex(' '), expected.toHex(' '));
}

QTEST_GUILESS_MAIN(TstWavFile)
#include "tst_wavfile.moc"
