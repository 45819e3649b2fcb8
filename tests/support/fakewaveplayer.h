#pragma once

#include "timing/audiobackend.h"

#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <memory>

namespace kv::test {

// What the fake players did, shared by every fake a FakeWavePlayer creates.
struct FakeWavePlayerLog
{
    int opens = 0;
    int plays = 0; // playbacks actually started
    int stops = 0;
    int rewinds = 0;
    int closes = 0;
    QString openFile; // the file the last Open succeeded on, empty when closed
    QStringList calls; // "Open <file>", "Play", "Stop", "Prev", "Close" in order
    bool playing = false;
    class FakeAudioBackend* current = nullptr;
};

// A sound output that plays nothing: Open succeeds for files that exist (or
// for every file with SetOpenAnyFile), Play "plays" until the test calls
// Finish, and every call is logged.
class FakeAudioBackend final : public AudioBackend
{
public:
    FakeAudioBackend(std::shared_ptr<FakeWavePlayerLog> log, bool openAnyFile, bool failPlay)
        : m_log(std::move(log))
        , m_openAnyFile(openAnyFile)
        , m_failPlay(failPlay)
    {
        m_log->current = this;
    }
    ~FakeAudioBackend() override
    {
        if (m_log->current == this) {
            m_log->current = nullptr;
            m_log->playing = false;
        }
    }

    bool Open(const QString& fileName) override
    {
        m_log->calls << QStringLiteral("Open ") + fileName;
        ++m_log->opens;
        m_log->playing = false;
        m_open = m_openAnyFile || QFileInfo(fileName).isFile();
        m_log->openFile = m_open ? fileName : QString();
        return m_open;
    }
    bool Play() override
    {
        m_log->calls << QStringLiteral("Play");
        if (!m_open || m_failPlay)
            return false;
        if (!m_log->playing)
            ++m_log->plays;
        m_log->playing = true;
        return true;
    }
    void Stop() override
    {
        m_log->calls << QStringLiteral("Stop");
        ++m_log->stops;
        m_log->playing = false;
    }
    void Rewind() override
    {
        m_log->calls << QStringLiteral("Prev");
        ++m_log->rewinds;
        m_log->playing = false;
    }
    void Close() override
    {
        m_log->calls << QStringLiteral("Close");
        ++m_log->closes;
        m_log->playing = false;
        m_open = false;
        m_log->openFile.clear();
    }

    // Ends the running playback as the device would; false if none runs.
    bool Finish(bool completed)
    {
        if (!m_log->playing)
            return false;
        m_log->playing = false;
        NotifyFinished(completed);
        return true;
    }

private:
    std::shared_ptr<FakeWavePlayerLog> m_log;
    bool m_open = false;
    bool m_openAnyFile;
    bool m_failPlay;
};

// Installs the fake as the sound output of every MMControl that opens a file
// while this object lives (RAII); the default output is restored afterwards.
//
//     FakeWavePlayer player;
//     board.Buzzer(path);            // sends "Open", "Play"
//     QCOMPARE(player.Plays(), 1);
//     player.FinishPlayback();       // leads to Done on the next event-loop turn
class FakeWavePlayer final
{
public:
    FakeWavePlayer()
    {
        AudioBackend::SetFactory([log = m_log, this]() -> std::unique_ptr<AudioBackend> {
            return std::make_unique<FakeAudioBackend>(log, m_openAnyFile, m_failPlay);
        });
    }
    ~FakeWavePlayer() { AudioBackend::SetFactory({}); }
    FakeWavePlayer(const FakeWavePlayer&) = delete;
    FakeWavePlayer& operator=(const FakeWavePlayer&) = delete;

    // Open succeeds even for files that do not exist (set before the Open).
    void SetOpenAnyFile(bool on) { m_openAnyFile = on; }
    // Play fails as without an audio device (set before the control opens).
    void SetFailPlay(bool on) { m_failPlay = on; }

    int Opens() const { return m_log->opens; }
    int Plays() const { return m_log->plays; }
    int Stops() const { return m_log->stops; }
    int Rewinds() const { return m_log->rewinds; }
    int Closes() const { return m_log->closes; }
    bool IsPlaying() const { return m_log->playing; }
    QString OpenFile() const { return m_log->openFile; }
    QStringList Calls() const { return m_log->calls; }

    // Ends the running playback; true if one was running. The control then
    // raises Done on a later event-loop turn.
    bool FinishPlayback(bool completed = true) { return m_log->current && m_log->current->Finish(completed); }

private:
    std::shared_ptr<FakeWavePlayerLog> m_log = std::make_shared<FakeWavePlayerLog>();
    bool m_openAnyFile = false;
    bool m_failPlay = false;
};

} // namespace kv::test
