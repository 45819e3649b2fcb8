#include "timing/audiosinkbackend.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace kv {

namespace {

void WriteSample(char* out, QAudioFormat::SampleFormat format, float value)
{
    const float v = std::clamp(value, -1.0f, 1.0f);
    switch (format) {
    case QAudioFormat::UInt8: {
        const auto s = static_cast<unsigned char>(std::lround(std::min(v * 128.0f + 128.0f, 255.0f)));
        std::memcpy(out, &s, 1);
        break;
    }
    case QAudioFormat::Int16: {
        const auto s = static_cast<qint16>(std::lround(std::min(v * 32768.0f, 32767.0f)));
        std::memcpy(out, &s, 2);
        break;
    }
    case QAudioFormat::Int32: {
        const auto s = static_cast<qint32>(std::llround(std::min(double(v) * 2147483648.0, 2147483647.0)));
        std::memcpy(out, &s, 4);
        break;
    }
    case QAudioFormat::Float:
        std::memcpy(out, &v, 4);
        break;
    default:
        break;
    }
}

// Stopped sinks waiting to be used again. With Qt 6.4's PulseAudio client,
// destroying a QAudioSink while the program runs can corrupt the client's
// state (another sink crashed on its next call in our measurements), so
// sinks are never destroyed: they return here and are handed out again for
// the same device and format. The pool holds one sink per device and format
// combination in use, which stays small.
class SinkPool
{
public:
    static QAudioSink* Take(const QAudioDevice& device, const QAudioFormat& format)
    {
        auto& entries = Entries();
        for (auto it = entries.begin(); it != entries.end(); ++it) {
            if (it->device == device && it->sink->format() == format) {
                QAudioSink* sink = it->sink;
                entries.erase(it);
                return sink;
            }
        }
        return new QAudioSink(device, format);
    }
    static void Give(QAudioSink* sink, const QAudioDevice& device)
    {
        sink->setParent(nullptr);
        Entries().push_back({ sink, device });
    }

private:
    struct Entry
    {
        QAudioSink* sink;
        QAudioDevice device;
    };
    static std::vector<Entry>& Entries()
    {
        static std::vector<Entry> entries;
        return entries;
    }
};

} // namespace

QAudioFormat NativeAudioFormat(const WavFormat& format)
{
    QAudioFormat result;
    result.setSampleRate(format.sampleRate);
    result.setChannelCount(format.channelCount);
    switch (format.sampleFormat) {
    case WavSampleFormat::UInt8:
        result.setSampleFormat(QAudioFormat::UInt8);
        break;
    case WavSampleFormat::Int16:
        result.setSampleFormat(QAudioFormat::Int16);
        break;
    case WavSampleFormat::Int24:
    case WavSampleFormat::Int32:
        result.setSampleFormat(QAudioFormat::Int32);
        break;
    case WavSampleFormat::Float32:
        result.setSampleFormat(QAudioFormat::Float);
        break;
    }
    return result;
}

QByteArray EncodeWav(const WavFile& file, const QAudioFormat& format)
{
    const int outChannels = format.channelCount();
    const int outBytes = format.bytesPerSample();
    const qint64 inFrames = file.FrameCount();
    const int inChannels = file.Format().channelCount;
    if (!file.IsValid() || outChannels < 1 || outBytes < 1 || format.sampleRate() < 1 || inFrames == 0)
        return {};
    const double step = double(file.Format().sampleRate) / format.sampleRate();
    const auto outFrames = static_cast<qint64>(std::llround(double(inFrames) / step));

    QByteArray out(static_cast<qsizetype>(outFrames * outChannels * outBytes), Qt::Uninitialized);
    char* p = out.data();
    for (qint64 i = 0; i < outFrames; ++i) {
        const double t = double(i) * step;
        const qint64 f0 = std::min(static_cast<qint64>(t), inFrames - 1);
        const qint64 f1 = std::min(f0 + 1, inFrames - 1);
        const auto frac = static_cast<float>(t - double(f0));
        for (int c = 0; c < outChannels; ++c) {
            float value = 0.0f;
            if (inChannels == 1) {
                value = file.SampleAt(f0, 0) * (1.0f - frac) + file.SampleAt(f1, 0) * frac;
            } else if (outChannels == 1) {
                for (int k = 0; k < inChannels; ++k)
                    value += file.SampleAt(f0, k) * (1.0f - frac) + file.SampleAt(f1, k) * frac;
                value /= float(inChannels);
            } else if (c < inChannels) {
                value = file.SampleAt(f0, c) * (1.0f - frac) + file.SampleAt(f1, c) * frac;
            }
            WriteSample(p, format.sampleFormat(), value);
            p += outBytes;
        }
    }
    return out;
}

AudioSinkBackend::AudioSinkBackend(QObject* parent)
    : QObject(parent)
{
    m_watchdog.setSingleShot(true);
    connect(&m_watchdog, &QTimer::timeout, this, [this] {
        if (m_sink)
            Finish(false);
    });
    m_feeder.setTimerType(Qt::PreciseTimer);
    connect(&m_feeder, &QTimer::timeout, this, &AudioSinkBackend::Feed);
}

AudioSinkBackend::~AudioSinkBackend()
{
    DisposeSpare();
}

int AudioSinkBackend::s_bufferMilliseconds = AudioSinkBackend::DefaultBufferMilliseconds;

void AudioSinkBackend::SetBufferMilliseconds(int milliseconds)
{
    s_bufferMilliseconds = std::clamp(milliseconds, 5, 1000);
}

bool AudioSinkBackend::Open(const QString& fileName)
{
    Close();
    m_file = WavFile::Load(fileName);
    if (!m_file.IsValid())
        return false;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    const QAudioFormat native = NativeAudioFormat(m_file.Format());
    SetOutputFormat(device.isNull() || device.isFormatSupported(native) ? native : device.preferredFormat());
    m_open = m_format.isValid();
    return m_open;
}

void AudioSinkBackend::SetOutputFormat(const QAudioFormat& format)
{
    const qint64 oldSoundBytes = m_soundBytes;
    m_format = format;
    m_pcm = EncodeWav(m_file, format);
    m_soundBytes = m_pcm.size();
    const int frameBytes = std::max(1, format.bytesPerFrame());
    if (oldSoundBytes > 0 && m_position > 0) {
        // Keep the position at the same share of the sound.
        const auto scaled
            = static_cast<qint64>(double(m_position) / double(oldSoundBytes) * double(m_soundBytes));
        m_position = std::min(scaled - scaled % frameBytes, m_soundBytes);
    } else {
        m_position = 0;
    }
}

qint64 AudioSinkBackend::TailBytes() const
{
    // Twice the sink's buffer (what the stream and the device may still hold
    // when the source runs dry) and a margin.
    const qint64 buffered
        = m_sink ? m_sink->bufferSize() : m_format.bytesForDuration(s_bufferMilliseconds * 1000);
    const qint64 bytes = 2 * buffered + m_format.bytesForDuration(TailMarginMilliseconds * 1000);
    const int frameBytes = std::max(1, m_format.bytesPerFrame());
    return bytes - bytes % frameBytes;
}

bool AudioSinkBackend::PrepareFor(const QAudioDevice& device)
{
    if (device.isNull())
        return false;
    if (!device.isFormatSupported(m_format)) {
        const QAudioFormat preferred = device.preferredFormat();
        if (!preferred.isValid())
            return false;
        SetOutputFormat(preferred);
    }
    return m_format.isValid();
}

void AudioSinkBackend::EnsureSpare(const QAudioDevice& device)
{
    // One sink is kept and restarted for every playback of the open file.
    if (m_spare && (m_spare->format() != m_format || m_spareDevice != device))
        DisposeSpare();
    if (!m_spare) {
        m_spare = SinkPool::Take(device, m_format);
        m_spareDevice = device;
        m_spare->setBufferSize(
            std::max<qsizetype>(m_format.bytesForDuration(s_bufferMilliseconds * 1000), 256));
        QAudioSink* sink = m_spare;
        // The sink reports states from inside its own calls; stopping it
        // there would pull the stream away under it, so they are handled later.
        connect(sink, &QAudioSink::stateChanged, this, [this, sink] {
            QMetaObject::invokeMethod(
                this,
                [this, sink, generation = m_generation] {
                    if (generation == m_generation && sink == m_sink)
                        OnSinkStateChanged(sink);
                },
                Qt::QueuedConnection);
        });
    }
}

bool AudioSinkBackend::Play()
{
    if (!m_open)
        return false;
    if (m_sink)
        return true; // already playing: go on
    const quint64 generation = ++m_generation;
    if (m_position >= m_soundBytes) {
        // Nothing left to play: the playback ends at once, reported later.
        QMetaObject::invokeMethod(
            this,
            [this, generation] {
                if (generation == m_generation)
                    NotifyFinished(true);
            },
            Qt::QueuedConnection);
        return true;
    }
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (!PrepareFor(device))
        return false;
    EnsureSpare(device);
    m_sink = m_spare;
    m_fed = m_position;
    m_tailLeft = TailBytes();
    m_output = m_sink->start();
    if (!m_output || m_sink->error() != QAudio::NoError || m_sink->state() == QAudio::StoppedState) {
        ReleaseSink();
        return false;
    }
    m_tailLeft = TailBytes(); // now that the sink's real buffer size is known
    Feed();
    m_feeder.start(FeedIntervalMilliseconds);
    const qint64 remainingUs
        = m_format.durationForBytes(static_cast<qint32>(m_soundBytes - m_position + m_tailLeft));
    m_watchdog.start(static_cast<int>(remainingUs / 1000) + WatchdogMarginMilliseconds);
    return true;
}

void AudioSinkBackend::Feed()
{
    if (!m_sink || !m_output)
        return;
    const int frameBytes = std::max(1, m_format.bytesPerFrame());
    qint64 room = m_sink->bytesFree();
    room -= room % frameBytes;
    if (room <= 0)
        return;
    if (m_fed < m_soundBytes) {
        const qint64 n = std::min(room, m_soundBytes - m_fed);
        const qint64 written = m_output->write(m_pcm.constData() + m_fed, n);
        if (written > 0) {
            m_fed += written;
            room -= written;
        }
        if (written < n)
            return;
    }
    if (m_fed >= m_soundBytes && m_tailLeft > 0 && room > 0) {
        const char silence = m_format.sampleFormat() == QAudioFormat::UInt8 ? char(0x80) : char(0);
        const QByteArray quiet(static_cast<qsizetype>(std::min(room, m_tailLeft)), silence);
        const qint64 written = m_output->write(quiet);
        if (written > 0)
            m_tailLeft -= written;
    }
    if (m_fed >= m_soundBytes && m_tailLeft <= 0)
        m_feeder.stop(); // all given: the sink goes idle once it has played it
}

void AudioSinkBackend::OnSinkStateChanged(QAudioSink* sink)
{
    switch (sink->state()) {
    case QAudio::IdleState:
        // Idle after the silent tail was given means the sound itself has
        // been played out; an idle sink before that is an underrun.
        if (m_fed >= m_soundBytes && m_tailLeft <= 0)
            Finish(true);
        else
            Feed();
        break;
    case QAudio::StoppedState:
        if (sink->error() != QAudio::NoError)
            Finish(false);
        break;
    default:
        break;
    }
}

void AudioSinkBackend::Finish(bool completed)
{
    if (completed) {
        m_position = m_soundBytes;
    } else if (m_sink) {
        const qint64 held = std::max<qint64>(0, m_sink->bufferSize() - m_sink->bytesFree());
        const int frameBytes = std::max(1, m_format.bytesPerFrame());
        const qint64 played = std::clamp<qint64>(m_fed - held, 0, m_soundBytes);
        m_position = played - played % frameBytes;
    }
    ReleaseSink();
    NotifyFinished(completed);
}

void AudioSinkBackend::ReleaseSink()
{
    ++m_generation;
    m_watchdog.stop();
    m_feeder.stop();
    m_output = nullptr; // owned by the sink
    if (!m_sink)
        return;
    QAudioSink* sink = m_sink;
    m_sink = nullptr;
    sink->stop();
}

void AudioSinkBackend::DisposeSpare()
{
    ReleaseSink();
    if (!m_spare)
        return;
    QAudioSink* sink = m_spare;
    const QAudioDevice device = m_spareDevice;
    m_spare = nullptr;
    m_spareDevice = QAudioDevice();
    disconnect(sink, nullptr, this, nullptr);
    sink->stop();
    SinkPool::Give(sink, device);
}

void AudioSinkBackend::Stop()
{
    if (m_sink) {
        const qint64 held = std::max<qint64>(0, m_sink->bufferSize() - m_sink->bytesFree());
        const int frameBytes = std::max(1, m_format.bytesPerFrame());
        const qint64 played = std::clamp<qint64>(m_fed - held, 0, m_soundBytes);
        m_position = played - played % frameBytes;
    }
    ReleaseSink();
}

void AudioSinkBackend::Rewind()
{
    ReleaseSink();
    m_position = 0;
}

void AudioSinkBackend::Warm()
{
    if (!m_open || m_sink)
        return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (!PrepareFor(device))
        return;
    EnsureSpare(device);
    // One start and stop of the kept sink, with nothing written: the sound
    // system's client side (its connection, its first stream) is set up now
    // rather than when the first buzzer is due.
    ++m_generation;
    m_spare->start();
    m_spare->stop();
}

void AudioSinkBackend::Close()
{
    DisposeSpare();
    m_open = false;
    m_file = WavFile();
    m_pcm.clear();
    m_soundBytes = 0;
    m_position = 0;
}

} // namespace kv
