#include "hall/mqttclient.h"

#include "hall/publishqueue.h"
#include "hall/resultoutbox.h"

#include <QMetaObject>
#include <QUuid>

#include <mosquitto.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

#ifdef Q_OS_WIN
#include <winsock2.h>
#else
#include <fcntl.h>
#include <sys/select.h>
#include <unistd.h>
#endif

namespace kv {

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::milliseconds;

// A connection that has not been accepted by then is given up and tried again.
constexpr Milliseconds ConnectTimeout(10000);
// How long closing waits for the broker to take the goodbye.
constexpr Milliseconds GoodbyeTimeout(1000);
// How long the owner's end waits for the network thread to finish.
constexpr Milliseconds FinishTimeout(3000);

void InitLibrary()
{
    static std::once_flag once;
    std::call_once(once, [] { mosquitto_lib_init(); });
}

QString ErrorText(int rc)
{
    if (rc == MOSQ_ERR_ERRNO) {
        const int error = errno;
        return QString::fromLocal8Bit(std::strerror(error));
    }
    return QString::fromUtf8(mosquitto_strerror(rc));
}

} // namespace

// What the owner's thread and the network thread share, under the mutex
// where it is not atomic.
struct MqttClient::Shared
{
    explicit Shared(std::size_t maxMessages)
        : queue(maxMessages)
    {
#ifndef Q_OS_WIN
        int fds[2] = { -1, -1 };
        if (::pipe(fds) == 0) {
            for (const int fd : fds) {
                ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
                ::fcntl(fd, F_SETFD, FD_CLOEXEC);
            }
            wakeRead = fds[0];
            wakeWrite = fds[1];
        }
#endif
    }
    ~Shared()
    {
#ifndef Q_OS_WIN
        if (wakeRead >= 0)
            ::close(wakeRead);
        if (wakeWrite >= 0)
            ::close(wakeWrite);
#endif
    }

    // Wakes the network thread; one wake-up covers any number of calls
    // until the thread has looked.
    void Wake()
    {
#ifndef Q_OS_WIN
        if (!wakePending.exchange(true) && wakeWrite >= 0) {
            const char byte = 'w';
            [[maybe_unused]] const auto written = ::write(wakeWrite, &byte, 1);
        }
#endif
    }

    // Runs call(owner) on the owner's thread, unless the owner is going.
    template <typename Call> void Post(Call call)
    {
        const std::lock_guard<std::mutex> lock(mutex);
        if (owner)
            QMetaObject::invokeMethod(
                owner, [owner = owner, call = std::move(call)] { call(owner); }, Qt::QueuedConnection);
    }

    std::mutex mutex;
    PublishQueue queue;
    MqttClient* owner = nullptr;
    bool stop = false;
    std::atomic<bool> wakePending { false };
    std::atomic<int> waiting { 0 };
    int wakeRead = -1;
    int wakeWrite = -1;
};

// The network thread: every call into the library happens here. Each
// connection gets a fresh library client, so nothing of an old connection
// lingers in it; what must survive a connection (the results not yet
// acknowledged, the newest states) is kept here and sent again.
class MqttClient::Loop final
{
public:
    Loop(MqttOptions options, std::shared_ptr<Shared> shared)
        : m_options(std::move(options))
        , m_shared(std::move(shared))
        , m_outbox(m_options.OutboxFolder)
        , m_broker(QStringLiteral("%1:%2").arg(m_options.Host).arg(m_options.Port))
    { }

    void Run();

private:
    struct Result
    {
        OutgoingMessage Message;
        int Mid = -1; // the library's id while it is on its way
    };

    bool Connect();
    void Drop(const QString& why);
    void Destroy();
    void TakeResults();
    void SendResults();
    void Pump();
    void Goodbye();
    // Waits until the socket (when there is one) or a wake-up asks for
    // attention, at most timeoutMs.
    void Wait(int timeoutMs);
    bool Stopping();
    void Trouble(const QString& text);
    Milliseconds NextDelay();

    static void OnConnect(mosquitto*, void* self, int rc);
    static void OnDisconnect(mosquitto*, void* self, int rc);
    static void OnPublish(mosquitto*, void* self, int mid);
    static void OnMessage(mosquitto*, void* self, const mosquitto_message* message);

    MqttOptions m_options;
    std::shared_ptr<Shared> m_shared;
    ResultOutbox m_outbox;
    QString m_broker;
    mosquitto* m_mosq = nullptr;
    bool m_connected = false;
    int m_refused = 0; // the broker's refusal of the connection, 0 for none
    Clock::time_point m_connectDeadline;
    int m_attempt = 0;
    bool m_troubleShown = false;
    bool m_outboxTroubleShown = false;
    std::vector<Result> m_results;
    int m_goodbyeMid = -1;
    bool m_goodbyeTaken = false;
};

void MqttClient::Loop::Run()
{
    InitLibrary();
    // Results of an earlier run that the broker never acknowledged.
    for (ResultOutbox::Entry& entry : m_outbox.Pending())
        m_results.push_back({ { std::move(entry.Topic), std::move(entry.Payload), entry.Id }, -1 });

    Clock::time_point nextTry = Clock::now();
    while (!Stopping()) {
        TakeResults();
        if (!m_mosq) {
            if (Clock::now() >= nextTry && !Connect())
                nextTry = Clock::now() + NextDelay();
            if (!m_mosq) {
                const auto wait = std::chrono::duration_cast<Milliseconds>(nextTry - Clock::now()).count();
                Wait(static_cast<int>(std::clamp<qint64>(wait, 1, 1000)));
                continue;
            }
        }
        if (m_connected)
            Pump();
        Wait(m_connected ? 1000 : 100);
        const int rc = mosquitto_loop(m_mosq, 0, 1);
        if (m_refused != 0) {
            Drop(QStringLiteral("refused: %1").arg(QString::fromUtf8(mosquitto_connack_string(m_refused))));
        } else if (rc != MOSQ_ERR_SUCCESS || mosquitto_socket(m_mosq) < 0) {
            Drop(ErrorText(rc == MOSQ_ERR_SUCCESS ? MOSQ_ERR_CONN_LOST : rc));
        } else if (!m_connected && Clock::now() > m_connectDeadline) {
            Drop(QStringLiteral("no answer"));
        } else {
            continue;
        }
        nextTry = Clock::now() + NextDelay();
    }
    Goodbye();
    Destroy();
}

bool MqttClient::Loop::Stopping()
{
    const std::lock_guard<std::mutex> lock(m_shared->mutex);
    return m_shared->stop;
}

Milliseconds MqttClient::Loop::NextDelay()
{
    const int shift = std::min(m_attempt++, 16);
    return Milliseconds(
        std::min<qint64>(qint64(m_options.ReconnectFirstMs) << shift, m_options.ReconnectLastMs));
}

void MqttClient::Loop::Trouble(const QString& text)
{
    // Once per outage: a broker that stays away does not fill the log.
    if (m_troubleShown)
        return;
    m_troubleShown = true;
    qWarning(
        "Korvelin: the broker %s %s; trying again in the background", qPrintable(m_broker), qPrintable(text));
}

bool MqttClient::Loop::Connect()
{
    const QByteArray clientId = (m_options.ClientId.isEmpty()
            ? QStringLiteral("korvelin-") + QUuid::createUuid().toString(QUuid::Id128).left(16)
            : m_options.ClientId)
                                    .toUtf8();
    m_mosq
        = mosquitto_new(clientId.constData(), m_options.CleanSession || m_options.ClientId.isEmpty(), this);
    if (!m_mosq) {
        Trouble(QStringLiteral("cannot be used (no client: %1)").arg(ErrorText(MOSQ_ERR_ERRNO)));
        return false;
    }
    m_refused = 0;
    m_goodbyeMid = -1;
    mosquitto_int_option(m_mosq, MOSQ_OPT_TCP_NODELAY, 1);
    mosquitto_connect_callback_set(m_mosq, &Loop::OnConnect);
    mosquitto_disconnect_callback_set(m_mosq, &Loop::OnDisconnect);
    mosquitto_publish_callback_set(m_mosq, &Loop::OnPublish);
    mosquitto_message_callback_set(m_mosq, &Loop::OnMessage);
    if (!m_options.PresenceTopic.isEmpty())
        mosquitto_will_set(m_mosq, m_options.PresenceTopic.constData(), 5, "false", 1, true);
    if (!m_options.User.isEmpty()) {
        const QByteArray user = m_options.User.toUtf8();
        const QByteArray password = m_options.Password.toUtf8();
        mosquitto_username_pw_set(
            m_mosq, user.constData(), m_options.Password.isEmpty() ? nullptr : password.constData());
    }
    if (m_options.Tls) {
        int rc = mosquitto_int_option(m_mosq, MOSQ_OPT_TLS_USE_OS_CERTS, 1);
        if (rc == MOSQ_ERR_SUCCESS && !m_options.CaFile.isEmpty()) {
            const QByteArray caFile = m_options.CaFile.toLocal8Bit();
            rc = mosquitto_tls_set(m_mosq, caFile.constData(), nullptr, nullptr, nullptr, nullptr);
        }
        if (rc != MOSQ_ERR_SUCCESS) {
            Trouble(QStringLiteral("cannot be reached with TLS (%1)").arg(ErrorText(rc)));
            Destroy();
            return false;
        }
    }
    const QByteArray host = m_options.Host.toUtf8();
    const int rc
        = mosquitto_connect_async(m_mosq, host.constData(), m_options.Port, m_options.KeepAliveSeconds);
    if (rc != MOSQ_ERR_SUCCESS || mosquitto_socket(m_mosq) < 0) {
        Trouble(QStringLiteral("cannot be reached (%1)")
                    .arg(ErrorText(rc == MOSQ_ERR_SUCCESS ? MOSQ_ERR_NO_CONN : rc)));
        Destroy();
        return false;
    }
    m_connectDeadline = Clock::now() + ConnectTimeout;
    return true;
}

void MqttClient::Loop::Drop(const QString& why)
{
    if (m_connected) {
        m_connected = false;
        m_shared->Post([](MqttClient* owner) {
            owner->m_connected = false;
            emit owner->ConnectedChanged(false);
        });
        Trouble(QStringLiteral("went away (%1)").arg(why));
    } else {
        Trouble(QStringLiteral("cannot be reached (%1)").arg(why));
    }
    Destroy();
}

void MqttClient::Loop::Destroy()
{
    if (m_mosq)
        mosquitto_destroy(m_mosq);
    m_mosq = nullptr;
    m_connected = false;
    // Whatever was on its way goes again with the next connection.
    for (Result& result : m_results)
        result.Mid = -1;
}

void MqttClient::Loop::TakeResults()
{
    std::vector<OutgoingMessage> taken;
    {
        const std::lock_guard<std::mutex> lock(m_shared->mutex);
        taken = m_shared->queue.TakeResults();
    }
    for (OutgoingMessage& message : taken) {
        if (!m_outbox.Add({ message.ResultId, message.Topic, message.Payload }) && !m_outboxTroubleShown) {
            // It is still sent while the program runs; only a restart before
            // the broker has it would lose it.
            m_outboxTroubleShown = true;
            qWarning("Korvelin: a result cannot be kept in the outbox %s: %s", qPrintable(m_outbox.Folder()),
                qPrintable(m_outbox.LastError()));
        }
        m_results.push_back({ std::move(message), -1 });
    }
    if (!taken.empty() && m_connected)
        SendResults();
}

void MqttClient::Loop::SendResults()
{
    for (Result& result : m_results) {
        if (result.Mid >= 0)
            continue;
        int mid = -1;
        const OutgoingMessage& m = result.Message;
        if (mosquitto_publish(
                m_mosq, &mid, m.Topic.constData(), int(m.Payload.size()), m.Payload.constData(), 1, false)
            == MOSQ_ERR_SUCCESS)
            result.Mid = mid;
    }
}

void MqttClient::Loop::Pump()
{
    // Only while the socket takes everything at once: when it backs up, the
    // states wait in the bounded queue, where newer ones push out older ones.
    while (m_connected && !mosquitto_want_write(m_mosq)) {
        std::optional<OutgoingMessage> message;
        {
            const std::lock_guard<std::mutex> lock(m_shared->mutex);
            message = m_shared->queue.Pop();
        }
        if (!message)
            return;
        if (message->IsResult()) {
            // Handed over between TakeResults and now.
            m_outbox.Add({ message->ResultId, message->Topic, message->Payload });
            m_results.push_back({ std::move(*message), -1 });
            SendResults();
            continue;
        }
        mosquitto_publish(m_mosq, nullptr, message->Topic.constData(), int(message->Payload.size()),
            message->Payload.constData(), 0, true);
    }
}

void MqttClient::Loop::Goodbye()
{
    if (!m_mosq || !m_connected)
        return;
    TakeResults();
    Pump();
    const auto deadline = Clock::now() + GoodbyeTimeout;
    if (!m_options.PresenceTopic.isEmpty()) {
        m_goodbyeTaken = false;
        if (mosquitto_publish(m_mosq, &m_goodbyeMid, m_options.PresenceTopic.constData(), 5, "false", 1, true)
            == MOSQ_ERR_SUCCESS) {
            while (!m_goodbyeTaken && m_connected && Clock::now() < deadline) {
                Wait(20);
                if (mosquitto_loop(m_mosq, 0, 1) != MOSQ_ERR_SUCCESS)
                    break;
            }
        }
    }
    if (mosquitto_disconnect(m_mosq) == MOSQ_ERR_SUCCESS) {
        while (mosquitto_socket(m_mosq) >= 0 && Clock::now() < deadline + GoodbyeTimeout) {
            Wait(20);
            if (mosquitto_loop(m_mosq, 0, 1) != MOSQ_ERR_SUCCESS)
                break;
        }
    }
}

void MqttClient::Loop::Wait(int timeoutMs)
{
#ifndef Q_OS_WIN
    fd_set readable;
    fd_set writable;
    FD_ZERO(&readable);
    FD_ZERO(&writable);
    int highest = -1;
    if (m_shared->wakeRead >= 0) {
        FD_SET(m_shared->wakeRead, &readable);
        highest = m_shared->wakeRead;
    }
    const int socket = m_mosq ? mosquitto_socket(m_mosq) : -1;
    if (socket >= 0 && socket < FD_SETSIZE) {
        FD_SET(socket, &readable);
        if (mosquitto_want_write(m_mosq))
            FD_SET(socket, &writable);
        highest = std::max(highest, socket);
    }
    timeval timeout { timeoutMs / 1000, (timeoutMs % 1000) * 1000 };
    if (::select(highest + 1, &readable, &writable, nullptr, &timeout) > 0 && m_shared->wakeRead >= 0
        && FD_ISSET(m_shared->wakeRead, &readable)) {
        // Cleared before the queue is looked at, so no wake-up is lost.
        m_shared->wakePending = false;
        char bytes[64];
        while (::read(m_shared->wakeRead, bytes, sizeof bytes) > 0) { }
    }
#else
    // No wake-up pipe here: the thread looks every 20 ms.
    const int socket = m_mosq ? mosquitto_socket(m_mosq) : -1;
    const int slice = std::min(timeoutMs, 20);
    if (socket >= 0) {
        fd_set readable;
        fd_set writable;
        FD_ZERO(&readable);
        FD_ZERO(&writable);
        FD_SET(SOCKET(socket), &readable);
        if (mosquitto_want_write(m_mosq))
            FD_SET(SOCKET(socket), &writable);
        timeval timeout { 0, slice * 1000 };
        ::select(0, &readable, &writable, nullptr, &timeout);
    } else {
        std::this_thread::sleep_for(Milliseconds(slice));
    }
#endif
}

void MqttClient::Loop::OnConnect(mosquitto* mosq, void* self, int rc)
{
    auto* loop = static_cast<Loop*>(self);
    if (rc != 0) {
        loop->m_refused = rc;
        return;
    }
    const bool wasShown = loop->m_troubleShown;
    loop->m_connected = true;
    loop->m_attempt = 0;
    loop->m_troubleShown = false;
    if (wasShown)
        qWarning("Korvelin: the broker %s is reachable again", qPrintable(loop->m_broker));
    loop->m_shared->Post([](MqttClient* owner) {
        owner->m_connected = true;
        emit owner->ConnectedChanged(true);
    });
    const MqttOptions& options = loop->m_options;
    if (!options.PresenceTopic.isEmpty())
        mosquitto_publish(mosq, nullptr, options.PresenceTopic.constData(), 4, "true", 1, true);
    for (const QByteArray& filter : options.Subscriptions)
        mosquitto_subscribe(mosq, nullptr, filter.constData(), 1);
    // A broker that restarted may have lost the retained states: they go again.
    std::vector<OutgoingMessage> states;
    {
        const std::lock_guard<std::mutex> lock(loop->m_shared->mutex);
        states = loop->m_shared->queue.StatesForNewConnection();
    }
    for (const OutgoingMessage& m : states)
        mosquitto_publish(
            mosq, nullptr, m.Topic.constData(), int(m.Payload.size()), m.Payload.constData(), 0, true);
    loop->SendResults();
}

void MqttClient::Loop::OnDisconnect(mosquitto*, void*, int)
{
    // The loop sees the closed socket and starts again with a new client.
}

void MqttClient::Loop::OnPublish(mosquitto*, void* self, int mid)
{
    auto* loop = static_cast<Loop*>(self);
    if (mid == loop->m_goodbyeMid) {
        loop->m_goodbyeTaken = true;
        return;
    }
    const auto it = std::find_if(
        loop->m_results.begin(), loop->m_results.end(), [mid](const Result& r) { return r.Mid == mid; });
    if (it == loop->m_results.end())
        return;
    const QString id = it->Message.ResultId;
    if (!loop->m_outbox.Remove(id))
        qWarning("Korvelin: the delivered result %s stays in the outbox: %s", qPrintable(id),
            qPrintable(loop->m_outbox.LastError()));
    loop->m_results.erase(it);
    loop->m_shared->Post([id](MqttClient* owner) { emit owner->ResultDelivered(id); });
}

void MqttClient::Loop::OnMessage(mosquitto*, void* self, const mosquitto_message* message)
{
    auto* loop = static_cast<Loop*>(self);
    if (!message || !message->topic)
        return;
    if (message->payloadlen > loop->m_options.MaxIncomingBytes) {
        qWarning("Korvelin: ignored a message on %s: %d bytes, over %lld KiB", message->topic,
            message->payloadlen, static_cast<long long>(loop->m_options.MaxIncomingBytes / 1024));
        return;
    }
    if (loop->m_shared->waiting.load() >= loop->m_options.MaxWaitingMessages) {
        qWarning("Korvelin: ignored a message on %s: too many are waiting to be shown", message->topic);
        return;
    }
    ++loop->m_shared->waiting;
    QByteArray topic(message->topic);
    QByteArray payload(static_cast<const char*>(message->payload), message->payloadlen);
    loop->m_shared->Post([topic = std::move(topic), payload = std::move(payload)](MqttClient* owner) {
        --owner->m_shared->waiting;
        emit owner->MessageReceived(topic, payload);
    });
}

// ---------------------------------------------------------------- the client

MqttClient::MqttClient(MqttOptions options, QObject* parent)
    : QObject(parent)
    , m_options(std::move(options))
    , m_shared(std::make_shared<Shared>(std::size_t(std::max(1, m_options.MaxQueuedMessages))))
{
    m_shared->owner = this;
}

MqttClient::~MqttClient()
{
    {
        const std::lock_guard<std::mutex> lock(m_shared->mutex);
        m_shared->owner = nullptr;
        m_shared->stop = true;
    }
    m_shared->Wake();
    if (!m_loop)
        return;
    // The thread owns its loop; one that does not finish in time (a name
    // lookup that hangs) is left to end with the program.
    if (m_finished.wait_for(FinishTimeout) == std::future_status::ready)
        m_thread.join();
    else
        m_thread.detach();
}

void MqttClient::Start()
{
    if (m_loop)
        return;
    m_loop = std::make_shared<Loop>(m_options, m_shared);
    std::promise<void> finished;
    m_finished = finished.get_future();
    m_thread = std::thread([loop = m_loop, finished = std::move(finished)]() mutable {
        loop->Run();
        finished.set_value();
    });
}

void MqttClient::PublishState(const QByteArray& topic, const QByteArray& payload)
{
    {
        const std::lock_guard<std::mutex> lock(m_shared->mutex);
        m_shared->queue.Push({ topic, payload, {} });
    }
    m_shared->Wake();
}

void MqttClient::PublishResult(const QString& id, const QByteArray& topic, const QByteArray& payload)
{
    {
        const std::lock_guard<std::mutex> lock(m_shared->mutex);
        m_shared->queue.Push({ topic, payload, id });
    }
    m_shared->Wake();
}

std::size_t MqttClient::DroppedStates() const
{
    const std::lock_guard<std::mutex> lock(m_shared->mutex);
    return m_shared->queue.Dropped();
}

} // namespace kv
