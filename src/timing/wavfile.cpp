#include "timing/wavfile.h"

#include <QFile>

#include <cstring>

namespace kv {

namespace {

constexpr quint16 FormatPcm = 0x0001;
constexpr quint16 FormatFloat = 0x0003;
constexpr quint16 FormatExtensible = 0xFFFE;
constexpr int MaxChannels = 8;
constexpr int MaxSampleRate = 1'536'000;

quint16 ReadU16(const char* p)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return static_cast<quint16>(u[0] | (u[1] << 8));
}

quint32 ReadU32(const char* p)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return static_cast<quint32>(u[0]) | (static_cast<quint32>(u[1]) << 8) | (static_cast<quint32>(u[2]) << 16)
        | (static_cast<quint32>(u[3]) << 24);
}

bool IdIs(const char* p, const char (&id)[5])
{
    return std::memcmp(p, id, 4) == 0;
}

} // namespace

int WavFormat::BytesPerSample() const
{
    switch (sampleFormat) {
    case WavSampleFormat::UInt8:
        return 1;
    case WavSampleFormat::Int16:
        return 2;
    case WavSampleFormat::Int24:
        return 3;
    case WavSampleFormat::Int32:
    case WavSampleFormat::Float32:
        return 4;
    }
    return 0;
}

WavFile WavFile::FromBytes(QByteArrayView bytes)
{
    const char* const base = bytes.data();
    const qint64 size = bytes.size();
    if (size < 12 || !IdIs(base, "RIFF"))
        return WavFile(Error::NotRiff);
    if (!IdIs(base + 8, "WAVE"))
        return WavFile(Error::NotWave);

    // The RIFF length is often wrong in files written by streaming tools, so
    // the chunks are walked up to the real end of the bytes instead.
    bool haveFormat = false;
    WavFormat format;
    qint64 offset = 12;
    while (offset + 8 <= size) {
        const char* header = base + offset;
        const qint64 chunkSize = ReadU32(header + 4);
        const qint64 bodyOffset = offset + 8;
        const qint64 available = size - bodyOffset;

        if (IdIs(header, "fmt ")) {
            if (chunkSize < 16 || chunkSize > available)
                return WavFile(chunkSize > available ? Error::BadChunk : Error::BadFormat);
            const char* fmt = base + bodyOffset;
            quint16 tag = ReadU16(fmt);
            const int channels = ReadU16(fmt + 2);
            const quint32 rate = ReadU32(fmt + 4);
            const int blockAlign = ReadU16(fmt + 12);
            const int bits = ReadU16(fmt + 14);
            if (tag == FormatExtensible) {
                // WAVEFORMATEXTENSIBLE: cbSize, valid bits, channel mask, sub-format GUID.
                if (chunkSize < 40 || ReadU16(fmt + 16) < 22)
                    return WavFile(Error::BadFormat);
                tag = ReadU16(fmt + 24);
            }
            if (channels < 1 || channels > MaxChannels || rate < 1 || rate > MaxSampleRate)
                return WavFile(Error::BadFormat);
            if (tag == FormatPcm) {
                switch (bits) {
                case 8:
                    format.sampleFormat = WavSampleFormat::UInt8;
                    break;
                case 16:
                    format.sampleFormat = WavSampleFormat::Int16;
                    break;
                case 24:
                    format.sampleFormat = WavSampleFormat::Int24;
                    break;
                case 32:
                    format.sampleFormat = WavSampleFormat::Int32;
                    break;
                default:
                    return WavFile(bits == 0 ? Error::BadFormat : Error::Unsupported);
                }
            } else if (tag == FormatFloat) {
                if (bits != 32)
                    return WavFile(Error::Unsupported);
                format.sampleFormat = WavSampleFormat::Float32;
            } else {
                return WavFile(Error::Unsupported);
            }
            format.channelCount = channels;
            format.sampleRate = static_cast<int>(rate);
            if (blockAlign != format.BytesPerFrame())
                return WavFile(Error::BadFormat);
            haveFormat = true;
        } else if (IdIs(header, "data")) {
            if (!haveFormat)
                return WavFile(Error::NoFormat);
            if (chunkSize > available)
                return WavFile(Error::Truncated);
            const qint64 frameBytes = format.BytesPerFrame();
            const qint64 usable = chunkSize - chunkSize % frameBytes;
            WavFile file(Error::None);
            file.m_format = format;
            file.m_data = QByteArray(base + bodyOffset, static_cast<qsizetype>(usable));
            return file;
        } else if (chunkSize > available) {
            return WavFile(Error::BadChunk);
        }
        // Chunks of odd length are followed by one pad byte.
        offset = bodyOffset + chunkSize + (chunkSize & 1);
    }
    return WavFile(haveFormat ? Error::NoData : Error::NoFormat);
}

WavFile WavFile::Load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return WavFile(Error::Unreadable);
    if (file.size() > MaxFileBytes)
        return WavFile(Error::TooLarge);
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return WavFile(Error::Unreadable);
    if (bytes.size() > MaxFileBytes)
        return WavFile(Error::TooLarge);
    return FromBytes(bytes);
}

QString WavFile::ErrorText() const
{
    switch (m_error) {
    case Error::None:
        return {};
    case Error::Unreadable:
        return QStringLiteral("The file cannot be read.");
    case Error::TooLarge:
        return QStringLiteral("The file is too large.");
    case Error::NotRiff:
        return QStringLiteral("The file is not a RIFF file.");
    case Error::NotWave:
        return QStringLiteral("The file is not a wave file.");
    case Error::BadChunk:
        return QStringLiteral("A chunk runs past the end of the file.");
    case Error::NoFormat:
        return QStringLiteral("The file has no format description before its sound data.");
    case Error::BadFormat:
        return QStringLiteral("The format description is invalid.");
    case Error::Unsupported:
        return QStringLiteral("The sound encoding is not supported.");
    case Error::NoData:
        return QStringLiteral("The file holds no sound data.");
    case Error::Truncated:
        return QStringLiteral("The sound data is truncated.");
    }
    return {};
}

qint64 WavFile::FrameCount() const
{
    const int frameBytes = m_format.BytesPerFrame();
    return frameBytes > 0 ? m_data.size() / frameBytes : 0;
}

qint64 WavFile::DurationMicroseconds() const
{
    if (m_format.sampleRate <= 0)
        return 0;
    const qint64 rate = m_format.sampleRate;
    return (FrameCount() * 1'000'000 + rate / 2) / rate;
}

float WavFile::SampleAt(qint64 frame, int channel) const
{
    const int bytes = m_format.BytesPerSample();
    const char* p = m_data.constData() + frame * m_format.BytesPerFrame() + qint64(channel) * bytes;
    switch (m_format.sampleFormat) {
    case WavSampleFormat::UInt8:
        return (static_cast<int>(static_cast<unsigned char>(*p)) - 128) / 128.0f;
    case WavSampleFormat::Int16:
        return static_cast<qint16>(ReadU16(p)) / 32768.0f;
    case WavSampleFormat::Int24: {
        const auto* u = reinterpret_cast<const unsigned char*>(p);
        qint32 v = static_cast<qint32>(u[0] | (u[1] << 8) | (u[2] << 16));
        if (v & 0x800000)
            v -= 0x1000000;
        return static_cast<float>(v) / 8388608.0f;
    }
    case WavSampleFormat::Int32:
        return static_cast<float>(static_cast<double>(static_cast<qint32>(ReadU32(p))) / 2147483648.0);
    case WavSampleFormat::Float32: {
        const quint32 bits32 = ReadU32(p);
        float value;
        std::memcpy(&value, &bits32, sizeof value);
        return value;
    }
    }
    return 0.0f;
}

} // namespace kv
