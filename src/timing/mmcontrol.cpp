#include "timing/mmcontrol.h"

#include "timing/audiobackend.h"

namespace kv {

MMControl::MMControl(QObject* parent)
    : QObject(parent)
{ }

MMControl::~MMControl() = default;

void MMControl::SetCommand(const QString& command)
{
    m_command = command;
    const QString verb = command.trimmed().toLower();
    if (verb == QLatin1String("open")) {
        Open();
    } else if (verb == QLatin1String("play")) {
        Play();
    } else if (verb == QLatin1String("stop")) {
        EndPlayback(NotifyAborted);
        if (m_backend)
            m_backend->Stop();
    } else if (verb == QLatin1String("prev")) {
        EndPlayback(NotifyAborted);
        if (m_backend)
            m_backend->Rewind();
    } else if (verb == QLatin1String("close")) {
        EndPlayback(NotifyAborted);
        if (m_backend)
            m_backend->Close();
        m_open = false;
    }
}

void MMControl::Open()
{
    EndPlayback(NotifyAborted);
    if (!m_backend) {
        m_backend = AudioBackend::Create();
        m_backend->SetFinishedHandler([this](bool completed) { OnBackendFinished(completed); });
    }
    m_backend->Close();
    m_open = !m_fileName.isEmpty() && m_backend->Open(m_fileName);
}

void MMControl::Warm()
{
    if (m_open && m_backend && !m_playing)
        m_backend->Warm();
}

void MMControl::Play()
{
    if (m_playing) {
        // The device goes on playing; the newer "Play" owns its end.
        PostDone(NotifySuperseded);
        return;
    }
    if (!m_open || !m_backend || !m_backend->Play()) {
        PostDone(NotifyFailure);
        return;
    }
    m_playing = true;
}

void MMControl::EndPlayback(qint16 notifyCode)
{
    if (!m_playing)
        return;
    m_playing = false;
    PostDone(notifyCode);
}

void MMControl::OnBackendFinished(bool completed)
{
    EndPlayback(completed ? NotifySuccessful : NotifyFailure);
}

void MMControl::PostDone(qint16 notifyCode)
{
    // Queued, so that Done never runs inside the command that caused it.
    QMetaObject::invokeMethod(
        this, [this, notifyCode] { emit Done(notifyCode); }, Qt::QueuedConnection);
}

} // namespace kv
