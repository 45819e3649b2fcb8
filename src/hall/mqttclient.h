#pragma once

// The one way the program speaks to a message broker: Eclipse Mosquitto's
// client library, run on a thread of its own. The thread that publishes
// never waits for the network; what arrives is handed to the thread that
// owns the client through queued signals.

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <future>
#include <memory>
#include <thread>

namespace kv {

struct MqttOptions
{
    QString Host;
    quint16 Port = 1883;
    // TLS with the system's certificate authorities, or with CaFile.
    bool Tls = false;
    QString CaFile;
    QString User;
    QString Password;
    // Empty: one is made up for the connection.
    QString ClientId;
    // False keeps the client's session (its subscriptions, and the QoS 1
    // messages for it while it is away) at the broker between connections;
    // it needs a ClientId.
    bool CleanSession = true;
    int KeepAliveSeconds = 5;
    // The client's presence: "true" (retained) on every connection, and
    // "false" when it closes or, by the broker's last will, when it
    // disappears without closing. Empty: no presence.
    QByteArray PresenceTopic;
    // Topic filters to receive (QoS 1), renewed on every connection.
    QList<QByteArray> Subscriptions;
    // Where results wait for the broker; empty keeps them in memory only.
    QString OutboxFolder;
    // States waiting beyond this many are dropped, the oldest first.
    int MaxQueuedMessages = 32;
    // Messages received and not yet taken by the owning thread; beyond
    // this, more are dropped (each with a line on standard error).
    int MaxWaitingMessages = 256;
    // Received messages larger than this are dropped with a line on
    // standard error, unread.
    qsizetype MaxIncomingBytes = 64 * 1024;
    // The wait before a new connection attempt doubles from the first to
    // the last.
    int ReconnectFirstMs = 500;
    int ReconnectLastMs = 8000;
};

class MqttClient final : public QObject
{
    Q_OBJECT

public:
    explicit MqttClient(MqttOptions options, QObject* parent = nullptr);
    // Says goodbye to the broker (presence "false") and ends the thread,
    // waiting for that at most a second or two.
    ~MqttClient() override;

    // Starts the network thread: it connects, and connects again with
    // back-off whenever the broker goes away.
    void Start();

    // Both return at once; the network thread sends when it can.
    // A state: retained, the newest per topic is what counts.
    void PublishState(const QByteArray& topic, const QByteArray& payload);
    // A result: acknowledged (QoS 1); written to the outbox first, sent and
    // sent again until the broker acknowledges it. id is an outbox id
    // (ResultOutbox::NewId()).
    void PublishResult(const QString& id, const QByteArray& topic, const QByteArray& payload);

    bool IsConnected() const { return m_connected; }
    const MqttOptions& Options() const { return m_options; }
    // States dropped so far to keep the queue bounded.
    std::size_t DroppedStates() const;

signals:
    void ConnectedChanged(bool connected);
    void MessageReceived(const QByteArray& topic, const QByteArray& payload);
    // The broker has acknowledged the result; its outbox file is gone.
    void ResultDelivered(const QString& id);

private:
    struct Shared;
    class Loop;

    MqttOptions m_options;
    std::shared_ptr<Shared> m_shared;
    std::shared_ptr<Loop> m_loop;
    std::thread m_thread;
    std::future<void> m_finished;
    bool m_connected = false;
};

} // namespace kv
