#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace kv {

// Sample encodings a wave file can carry that the buzzer plays.
enum class WavSampleFormat
{
    UInt8, // unsigned, silence at 0x80
    Int16,
    Int24, // three bytes, little-endian
    Int32,
    Float32,
};

struct WavFormat
{
    WavSampleFormat sampleFormat = WavSampleFormat::Int16;
    int channelCount = 0;
    int sampleRate = 0;

    int BytesPerSample() const;
    int BytesPerFrame() const { return BytesPerSample() * channelCount; }
    bool operator==(const WavFormat&) const = default;
};

// A RIFF/WAVE file decoded into memory: PCM integer samples of 8, 16, 24 or
// 32 bits or 32-bit IEEE float, any channel count from 1 to 8 and any sample
// rate. A file that is truncated, malformed or of another encoding is refused
// with an error; nothing outside the given bytes is ever read.
class WavFile
{
public:
    enum class Error
    {
        None,
        Unreadable, // the file cannot be opened or read
        TooLarge, // the file exceeds MaxFileBytes
        NotRiff, // no "RIFF" magic
        NotWave, // RIFF, but not of form "WAVE"
        BadChunk, // a chunk header or size runs past the end of the file
        NoFormat, // no "fmt " chunk before the data
        BadFormat, // a format chunk with impossible values
        Unsupported, // a valid format this reader does not decode (ADPCM, A-law, ...)
        NoData, // no "data" chunk
        Truncated, // the data chunk declares more bytes than the file holds
    };

    // Files above this size are refused rather than read into memory.
    static constexpr qint64 MaxFileBytes = 64LL * 1024 * 1024;

    WavFile() = default;

    static WavFile FromBytes(QByteArrayView bytes);
    static WavFile Load(const QString& path);

    bool IsValid() const { return m_error == Error::None; }
    Error LastError() const { return m_error; }
    QString ErrorText() const;

    const WavFormat& Format() const { return m_format; }
    // Sample bytes exactly as stored (little-endian), whole frames only.
    const QByteArray& Data() const { return m_data; }
    qint64 FrameCount() const;
    // Playing time of the whole file, rounded to the nearest microsecond.
    qint64 DurationMicroseconds() const;

    // One sample scaled to -1.0 .. 1.0; frame and channel must be in range.
    float SampleAt(qint64 frame, int channel) const;

private:
    explicit WavFile(Error error)
        : m_error(error)
    { }

    Error m_error = Error::Unreadable;
    WavFormat m_format;
    QByteArray m_data;
};

} // namespace kv
