// Writes the scoreboard's own buzzer sound: a harsh hall buzzer of 1.2 s,
// 44.1 kHz, 16-bit mono PCM. The output is the same on every run and machine
// (integer phase arithmetic, no random numbers).
//
// Usage: genbuzzer <output.wav>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr std::uint32_t SampleRate = 44100;
constexpr std::uint32_t DurationMs = 1200;
constexpr std::uint32_t FadeMs = 5;
constexpr std::uint32_t FrameCount = SampleRate * DurationMs / 1000;
constexpr std::uint32_t FadeFrames = SampleRate * FadeMs / 1000;

// Phase of a tone at the given frame, in 1/SampleRate cycles, kept exact.
double Phase(std::uint32_t frame, std::uint32_t hz)
{
    return static_cast<double>((static_cast<std::uint64_t>(frame) * hz) % SampleRate) / SampleRate;
}

double Square(double phase)
{
    return phase < 0.5 ? 1.0 : -1.0;
}
double Saw(double phase)
{
    return 2.0 * phase - 1.0;
}

double BuzzerSample(std::uint32_t frame)
{
    // Two slightly detuned square/saw voices around 400 Hz beat against each
    // other, with a few odd harmonics for the rasp of an old hall buzzer.
    double v = 0.40 * Square(Phase(frame, 400)) + 0.30 * Saw(Phase(frame, 403))
        + 0.12 * Square(Phase(frame, 1200)) + 0.08 * Saw(Phase(frame, 2000))
        + 0.06 * Square(Phase(frame, 2800));
    // A 50 Hz amplitude rattle, as mains-driven buzzers have.
    v *= 0.85 + 0.15 * Square(Phase(frame, 50));
    // Soft clipping keeps it loud without wrapping around.
    return std::tanh(1.6 * v) / std::tanh(1.6);
}

void PutU16(std::vector<unsigned char>& out, std::uint32_t v)
{
    out.push_back(static_cast<unsigned char>(v & 0xFF));
    out.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
}

void PutU32(std::vector<unsigned char>& out, std::uint32_t v)
{
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

void PutId(std::vector<unsigned char>& out, const char* id)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<unsigned char>(id[i]));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: genbuzzer <output.wav>\n");
        return 2;
    }

    constexpr std::uint32_t dataBytes = FrameCount * 2;
    std::vector<unsigned char> out;
    out.reserve(44 + dataBytes);
    PutId(out, "RIFF");
    PutU32(out, 36 + dataBytes);
    PutId(out, "WAVE");
    PutId(out, "fmt ");
    PutU32(out, 16);
    PutU16(out, 1); // PCM
    PutU16(out, 1); // mono
    PutU32(out, SampleRate);
    PutU32(out, SampleRate * 2); // bytes per second
    PutU16(out, 2); // block align
    PutU16(out, 16); // bits per sample
    PutId(out, "data");
    PutU32(out, dataBytes);

    for (std::uint32_t i = 0; i < FrameCount; ++i) {
        double gain = 0.9;
        if (i < FadeFrames)
            gain *= static_cast<double>(i) / FadeFrames;
        else if (i >= FrameCount - FadeFrames)
            gain *= static_cast<double>(FrameCount - 1 - i) / FadeFrames;
        const long s = std::lround(BuzzerSample(i) * gain * 32767.0);
        PutU16(out, static_cast<std::uint32_t>(static_cast<std::uint16_t>(static_cast<std::int16_t>(s))));
    }

    std::FILE* f = std::fopen(argv[1], "wb");
    if (!f) {
        std::perror(argv[1]);
        return 1;
    }
    const bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    if (std::fclose(f) != 0 || !ok) {
        std::fprintf(stderr, "genbuzzer: cannot write %s\n", argv[1]);
        std::remove(argv[1]);
        return 1;
    }
    return 0;
}
