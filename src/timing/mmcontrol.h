#pragma once

#include <QObject>
#include <QString>

#include <memory>

namespace kv {

class AudioBackend;

// The wave player: plays one wave file on command. Commands return at once;
// the end of every playback started by "Play" is reported by exactly one
// Done, always delivered later from the event loop, never from inside
// SetCommand. Done also comes when the playback cannot happen (no file open,
// unreadable file, no audio device, device failure), so a caller waiting for
// it is never left waiting.
class MMControl final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("TypeName", "MMControl")
    Q_PROPERTY(QString FileName READ FileName WRITE SetFileName)
    Q_PROPERTY(QString Command READ Command WRITE SetCommand)

public:
    // Notify codes carried by Done.
    enum NotifyCode : qint16
    {
        NotifySuccessful = 1, // the sound was played to its end
        NotifySuperseded = 2, // another "Play" took over the running playback
        NotifyAborted = 4, // "Stop", "Prev" or "Close" ended the playback
        NotifyFailure = 8, // the playback could not start or the device failed
    };
    Q_ENUM(NotifyCode)

    explicit MMControl(QObject* parent = nullptr);
    ~MMControl() override;

    QString FileName() const { return m_fileName; }
    void SetFileName(const QString& fileName) { m_fileName = fileName; }

    QString Command() const { return m_command; }
    // "Open", "Play", "Stop", "Prev" (back to the start) or "Close", letter
    // case ignored; other texts are remembered and do nothing.
    void SetCommand(const QString& command);

    // Readies the sound output for the open file, so that the first "Play"
    // sounds as quickly as later ones. Plays nothing; nothing is open, or a
    // playback runs, it does nothing.
    void Warm();

    // True from a "Play" until its Done is due.
    bool IsPlaying() const { return m_playing; }

signals:
    void Done(qint16 notifyCode);

private:
    void Open();
    void Play();
    void EndPlayback(qint16 notifyCode);
    void PostDone(qint16 notifyCode);
    void OnBackendFinished(bool completed);

    QString m_fileName;
    QString m_command;
    std::unique_ptr<AudioBackend> m_backend;
    bool m_open = false;
    bool m_playing = false;
};

} // namespace kv
