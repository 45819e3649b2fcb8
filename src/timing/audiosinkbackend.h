#pragma once

#include "timing/audiobackend.h"
#include "timing/wavfile.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QByteArray>
#include <QObject>
#include <QTimer>

class QAudioSink;
class QIODevice;

namespace kv {

// Encodes the whole file in the given output format: sample format, channel
// count and rate are converted as needed (linear interpolation for the rate;
// mono is copied to every channel, extra channels are dropped or left silent).
QByteArray EncodeWav(const WavFile& file, const QAudioFormat& format);
// The output format that carries the file's samples unchanged (24-bit samples
// widen to 32 bits, the only conversion).
QAudioFormat NativeAudioFormat(const WavFormat& format);

// Plays the decoded file through a QAudioSink on the default output. The sink
// is fed in push mode from a short timer with a short buffer, so the sound
// starts quickly after Play. A sink drops what it still holds when it stops,
// so the sound is followed by silence longer than everything the stream and
// the device can hold, and the sink is stopped only when it has run dry after
// that: the whole sound is heard. A watchdog ends the playback if the device
// never goes idle, so a playback always finishes.
class AudioSinkBackend final : public QObject, public AudioBackend
{
    Q_OBJECT

public:
    static constexpr int DefaultBufferMilliseconds = 20;
    static constexpr int FeedIntervalMilliseconds = 5;
    static constexpr int TailMarginMilliseconds = 30;
    static constexpr int WatchdogMarginMilliseconds = 1500;

    // The sink buffer of playbacks started from now on (for tuning).
    static void SetBufferMilliseconds(int milliseconds);
    static int BufferMilliseconds() { return s_bufferMilliseconds; }

    explicit AudioSinkBackend(QObject* parent = nullptr);
    ~AudioSinkBackend() override;

    bool Open(const QString& fileName) override;
    bool Play() override;
    void Stop() override;
    void Rewind() override;
    void Close() override;
    void Warm() override;

    // The format the sound is held in for the device (valid after Open).
    QAudioFormat OutputFormat() const { return m_format; }

private:
    bool PrepareFor(const QAudioDevice& device);
    void SetOutputFormat(const QAudioFormat& format);
    qint64 TailBytes() const;
    void Feed();
    void OnSinkStateChanged(QAudioSink* sink);
    void Finish(bool completed);
    void ReleaseSink();
    void DisposeSpare();
    // Has the kept sink ready for the device and the current format.
    void EnsureSpare(const QAudioDevice& device);

    WavFile m_file;
    QAudioFormat m_format;
    QByteArray m_pcm; // the sound in m_format
    qint64 m_soundBytes = 0;
    qint64 m_position = 0; // byte offset into m_pcm where the next Play starts
    bool m_open = false;
    QAudioSink* m_sink = nullptr; // the playing sink, null when idle
    QAudioSink* m_spare = nullptr; // the sink kept for the open file
    QAudioDevice m_spareDevice;
    QIODevice* m_output = nullptr; // the sink's input in push mode
    qint64 m_fed = 0; // bytes of m_pcm given to the sink
    qint64 m_tailLeft = 0; // bytes of trailing silence still to give
    QTimer m_feeder;
    QTimer m_watchdog;
    quint64 m_generation = 0;

    static int s_bufferMilliseconds;
};

} // namespace kv
