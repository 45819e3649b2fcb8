#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace kv {

// The sound output behind the wave player. MMControl drives one backend per
// control; the default plays through the system's audio output, tests install
// a fake through SetFactory.
class AudioBackend
{
public:
    // Called on the user-interface thread when a playback started by Play
    // ends by itself: true when the whole sound was played, false when the
    // device failed. Not called for playbacks ended by Stop, Rewind or Close.
    using FinishedHandler = std::function<void(bool completed)>;
    using Factory = std::function<std::unique_ptr<AudioBackend>()>;

    virtual ~AudioBackend() = default;

    // Loads the wave file; false when it cannot be read or is not a playable
    // wave file. The position is at the start afterwards.
    virtual bool Open(const QString& fileName) = 0;
    // Starts playing from the current position without waiting for the sound;
    // false when playback cannot start (no device, nothing open). A playback
    // at the end of the sound finishes at once through the handler.
    virtual bool Play() = 0;
    // Stops playing and keeps the position.
    virtual void Stop() = 0;
    // Stops playing and moves the position to the start.
    virtual void Rewind() = 0;
    // Stops playing and releases the file and the device.
    virtual void Close() = 0;
    // Readies the output for the open file, so that the first Play starts as
    // quickly as later ones. Plays nothing; does nothing when nothing is open.
    virtual void Warm() { }

    void SetFinishedHandler(FinishedHandler handler) { m_finished = std::move(handler); }

    // Creates a backend through the installed factory, or the default one.
    static std::unique_ptr<AudioBackend> Create();
    // Installs the factory used by controls created from now on; an empty
    // factory restores the default.
    static void SetFactory(Factory factory);

protected:
    void NotifyFinished(bool completed)
    {
        if (m_finished)
            m_finished(completed);
    }

private:
    FinishedHandler m_finished;
};

// The system's audio output, as the program is built: defined with the
// program's services (linked in, or loaded from their module).
std::unique_ptr<AudioBackend> DefaultAudioBackend();

} // namespace kv
