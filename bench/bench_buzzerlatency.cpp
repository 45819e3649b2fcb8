// Measures the time from the buzzer's "Play" to its first audible sample.
// A private PulseAudio server with a null sink takes the sound; parec records
// the sink's monitor continuously in a reader thread that stamps every chunk
// with the steady clock on arrival. A sample's capture time is its chunk's
// arrival time less the samples after it in the chunk, so the figure includes
// the recorder's own transport delay and is an upper bound.
//
// Usage: bench_buzzerlatency [buzzer.wav]

#include "../tests/support/pulseserver.h"
#include "timing/audiosinkbackend.h"
#include "timing/mmcontrol.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>

#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

#ifdef Q_OS_UNIX
#include <stdio.h>
#include <unistd.h>
#endif

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Rate = 44100;
constexpr int Plays = 20;
constexpr int Threshold = 1600; // about -26 dBFS

struct Chunk
{
    Clock::time_point arrival;
    qint64 endSample; // samples recorded up to and including this chunk
};

void RunEventLoop(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

#ifdef Q_OS_UNIX
class Recorder
{
public:
    bool Start(const QString& parec)
    {
        const QByteArray command = QFile::encodeName(parec)
            + " --format=s16le --rate=44100 --channels=1 --latency-msec=1 -d "
            + kv::test::PulseServer::MonitorName().toLocal8Bit();
        m_pipe = popen(command.constData(), "r");
        if (!m_pipe)
            return false;
        m_thread = std::thread([this] {
            char buffer[4096];
            ssize_t n;
            // Unbuffered reads, so each chunk is stamped when parec hands it over.
            while ((n = read(fileno(m_pipe), buffer, sizeof buffer)) > 0) {
                const auto now = Clock::now();
                std::lock_guard lock(m_mutex);
                m_bytes.insert(m_bytes.end(), buffer, buffer + n);
                m_chunks.push_back({ now, qint64(m_bytes.size() / 2) });
            }
        });
        return true;
    }
    // parec ends when its server goes away.
    void Stop()
    {
        if (m_thread.joinable())
            m_thread.join();
        if (m_pipe)
            pclose(m_pipe);
        m_pipe = nullptr;
    }
    qint64 Samples()
    {
        std::lock_guard lock(m_mutex);
        return qint64(m_bytes.size() / 2);
    }
    // Capture time of the first sample at or after `from` louder than the
    // threshold; false if none.
    bool Onset(Clock::time_point from, Clock::time_point* onset)
    {
        std::lock_guard lock(m_mutex);
        qint64 chunkStart = 0;
        for (const Chunk& chunk : m_chunks) {
            for (qint64 i = chunkStart; i < chunk.endSample; ++i) {
                const auto captured
                    = chunk.arrival - std::chrono::microseconds((chunk.endSample - i) * 1'000'000 / Rate);
                if (captured < from)
                    continue;
                const auto lo = static_cast<unsigned char>(m_bytes[size_t(2 * i)]);
                const auto hi = static_cast<unsigned char>(m_bytes[size_t(2 * i + 1)]);
                if (std::abs(int(static_cast<qint16>(lo | (hi << 8)))) > Threshold) {
                    *onset = captured;
                    return true;
                }
            }
            chunkStart = chunk.endSample;
        }
        return false;
    }
    double MedianChunkMs()
    {
        std::lock_guard lock(m_mutex);
        std::vector<double> sizes;
        qint64 previous = 0;
        for (const Chunk& chunk : m_chunks) {
            sizes.push_back(double(chunk.endSample - previous) * 1000.0 / Rate);
            previous = chunk.endSample;
        }
        if (sizes.empty())
            return 0;
        std::sort(sizes.begin(), sizes.end());
        return sizes[sizes.size() / 2];
    }

private:
    FILE* m_pipe = nullptr;
    std::thread m_thread;
    std::mutex m_mutex;
    std::vector<char> m_bytes;
    std::vector<Chunk> m_chunks;
};
#endif

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
#ifndef Q_OS_UNIX
    std::printf("bench_buzzerlatency: needs PulseAudio; not available on this platform\n");
    return 0;
#else
    const QString buzzer = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                    : QDir(QCoreApplication::applicationDirPath()).filePath("../buzzer.wav");
    kv::test::PulseServer server;
    QString why;
    if (!server.Start(&why)) {
        std::printf("bench_buzzerlatency: %s\n", qPrintable(why));
        return 1;
    }
    const QString parec = server.Parec();

    Recorder recorder;
    recorder.Start(parec);
    while (recorder.Samples() < Rate / 5)
        RunEventLoop(10);

    std::printf("Play -> first sound on the null sink's monitor, %d plays each (upper bound: includes the "
                "recorder)\n",
        Plays);
    std::printf("recorder chunk (median): %.2f ms\n", recorder.MedianChunkMs());
    int status = 0;
    for (int bufferMs : { 20, 30, 40, 60, 100 }) {
        kv::AudioSinkBackend::SetBufferMilliseconds(bufferMs);
        kv::MMControl control;
        control.SetFileName(buzzer);
        control.SetCommand("Open");
        std::vector<double> latencies;
        std::vector<Clock::time_point> starts;
        for (int i = 0; i < Plays; ++i) {
            QEventLoop loop;
            QObject::connect(&control, &kv::MMControl::Done, &loop, &QEventLoop::quit);
            QTimer::singleShot(10000, &loop, &QEventLoop::quit);
            starts.push_back(Clock::now());
            control.SetCommand("Play");
            loop.exec();
            control.SetCommand("Stop");
            control.SetCommand("Prev");
            RunEventLoop(150);
        }
        RunEventLoop(100);
        for (const auto& start : starts) {
            Clock::time_point onset;
            if (recorder.Onset(start, &onset))
                latencies.push_back(std::chrono::duration<double, std::milli>(onset - start).count());
        }
        control.SetCommand("Close");
        if (latencies.empty()) {
            std::printf("buffer %3d ms: no sound recorded\n", bufferMs);
            status = 1;
            continue;
        }
        std::sort(latencies.begin(), latencies.end());
        std::printf("buffer %3d ms: median %6.2f ms  min %6.2f ms  max %6.2f ms  (%zu of %d plays heard)\n",
            bufferMs, latencies[latencies.size() / 2], latencies.front(), latencies.back(), latencies.size(),
            Plays);
    }

    server.Stop();
    recorder.Stop();
    return status;
#endif
}
