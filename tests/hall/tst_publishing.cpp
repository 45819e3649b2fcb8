// Publishing to the hall's broker: the bounded queue, the results' outbox,
// and the client against a real Mosquitto broker on the loopback
// interface, killed and started again.

#include "mosquittobroker.h"

#include "hall/matmessage.h"
#include "hall/mqttclient.h"
#include "hall/publishqueue.h"
#include "hall/resultoutbox.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace kv;
using namespace kv::test;

namespace {

constexpr int WaitMs = 20000;

OutgoingMessage State(const char* topic, const char* payload)
{
    return { topic, payload, {} };
}

OutgoingMessage Result(const char* id)
{
    return { "korvelin/mat/1/result", QByteArray("{\"id\":\"") + id + "\"}", QString::fromLatin1(id) };
}

// What a listener of the broker has received, in order.
struct Listener
{
    std::unique_ptr<MqttClient> client;
    QList<std::pair<QByteArray, QByteArray>> messages;

    int Count(const QByteArray& topic, const QByteArray& payload = {}) const
    {
        int n = 0;
        for (const auto& [t, p] : messages)
            n += t == topic && (payload.isNull() || p == payload) ? 1 : 0;
        return n;
    }
    QByteArray Last(const QByteArray& topic) const
    {
        for (auto it = messages.crbegin(); it != messages.crend(); ++it) {
            if (it->first == topic)
                return it->second;
        }
        return {};
    }
};

MqttOptions BrokerAt(const MosquittoBroker& broker)
{
    MqttOptions options;
    options.Host = broker.Host();
    options.Port = broker.Port();
    options.ReconnectFirstMs = 100;
    options.ReconnectLastMs = 400;
    return options;
}

std::unique_ptr<Listener> Listen(
    const MosquittoBroker& broker, QList<QByteArray> filters, const QString& session = {})
{
    auto listener = std::make_unique<Listener>();
    MqttOptions options = BrokerAt(broker);
    options.Subscriptions = std::move(filters);
    if (!session.isEmpty()) {
        options.ClientId = session;
        options.CleanSession = false;
    }
    listener->client = std::make_unique<MqttClient>(options);
    Listener* raw = listener.get();
    QObject::connect(raw->client.get(), &MqttClient::MessageReceived,
        [raw](const QByteArray& topic, const QByteArray& payload) {
            raw->messages.append({ topic, payload });
        });
    raw->client->Start();
    return listener;
}

} // namespace

class TestPublishing : public QObject
{
    Q_OBJECT

private slots:
    void queue_dropsOldestStatesOnly();
    void queue_newConnectionGetsNewestStates();
    void outbox_keepsEntriesAcrossRestart();
    void outbox_damagedEntryMovedAside();
    void client_stateRetainedAndPresence();
    void client_resultWaitsForTheBroker();
    void client_brokerKilledAndRestarted();
    void client_oversizedMessageIgnored();

private:
    bool StartBroker(MosquittoBroker& broker);
};

void TestPublishing::queue_dropsOldestStatesOnly()
{
    PublishQueue queue(4);
    queue.Push(State("s", "1"));
    queue.Push(Result("r1"));
    queue.Push(State("s", "2"));
    queue.Push(State("s", "3"));
    queue.Push(State("s", "4")); // over the bound: "1" goes
    QCOMPARE(queue.Size(), std::size_t(4));
    QCOMPARE(queue.Dropped(), std::size_t(1));
    queue.Push(Result("r2")); // "2" goes
    queue.Push(Result("r3")); // "3" goes
    queue.Push(Result("r4")); // "4" goes
    queue.Push(Result("r5")); // only results: all stay
    QCOMPARE(queue.Dropped(), std::size_t(4));
    QCOMPARE(queue.Size(), std::size_t(5));
    for (const char* id : { "r1", "r2", "r3", "r4", "r5" })
        QCOMPARE(queue.Pop()->ResultId, QString::fromLatin1(id));
    QVERIFY(!queue.Pop());
}

void TestPublishing::queue_newConnectionGetsNewestStates()
{
    PublishQueue queue(8);
    queue.Push(State("korvelin/mat/2/state", "a"));
    queue.Push(Result("r1"));
    queue.Push(State("korvelin/mat/1/state", "b"));
    queue.Push(State("korvelin/mat/2/state", "c"));
    const std::vector<OutgoingMessage> states = queue.StatesForNewConnection();
    QCOMPARE(states.size(), std::size_t(2));
    QCOMPARE(states[0], State("korvelin/mat/1/state", "b"));
    QCOMPARE(states[1], State("korvelin/mat/2/state", "c"));
    // The waiting states were replaced by those; the result still waits.
    QCOMPARE(queue.Size(), std::size_t(1));
    QCOMPARE(queue.TakeResults().front().ResultId, QStringLiteral("r1"));
    // A state already sent is still the newest for the next connection.
    QCOMPARE(queue.StatesForNewConnection().size(), std::size_t(2));
}

void TestPublishing::outbox_keepsEntriesAcrossRestart()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("outbox");
    const QString first = ResultOutbox::NewId();
    QVERIFY(ResultOutbox::IsId(first));
    QVERIFY(!ResultOutbox::IsId("../../etc/passwd"));
    const QByteArray payload = "{\"winner\":\"Müller, \\\"B\\\"\"}\n\r\x01";
    {
        ResultOutbox outbox(folder);
        QVERIFY(outbox.Add({ "20250614T101512000Z-00000000000b", "korvelin/mat/3/result", payload }));
        QVERIFY(outbox.Add({ "20250614T101511999Z-00000000000a", "korvelin/mat/3/result", "{}" }));
        QVERIFY(!outbox.Add({ "not an id", "t", "{}" }));
    }
    // A temporary file left by a write cut short is no entry.
    QFile stray(folder + "/20250614T101513000Z-00000000000c.msg.Ab12Cd");
    QVERIFY(stray.open(QIODevice::WriteOnly));
    stray.close();

    ResultOutbox again(folder);
    const std::vector<ResultOutbox::Entry> pending = again.Pending();
    QCOMPARE(pending.size(), std::size_t(2));
    QCOMPARE(pending[0].Id, QStringLiteral("20250614T101511999Z-00000000000a"));
    QCOMPARE(pending[1].Topic, QByteArray("korvelin/mat/3/result"));
    QCOMPARE(pending[1].Payload, payload);
    QVERIFY(again.Remove(pending[0].Id));
    QVERIFY(again.Remove(pending[0].Id)); // gone already: fine
    QCOMPARE(again.Pending().size(), std::size_t(1));
}

void TestPublishing::outbox_damagedEntryMovedAside()
{
    QTemporaryDir dir;
    ResultOutbox outbox(dir.path());
    QVERIFY(outbox.Add({ "20250614T101512000Z-00000000000b", "korvelin/mat/3/result", "{}" }));
    QFile damaged(dir.filePath("20250614T101500000Z-00000000000a.msg"));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("korvelin-outb");
    damaged.close();
    QTest::ignoreMessage(
        QtWarningMsg, QRegularExpression("outbox entry 20250614T101500000Z-00000000000a.msg is damaged"));
    const std::vector<ResultOutbox::Entry> pending = outbox.Pending();
    QCOMPARE(pending.size(), std::size_t(1));
    QCOMPARE(pending[0].Id, QStringLiteral("20250614T101512000Z-00000000000b"));
    QVERIFY(QFile::exists(dir.filePath("20250614T101500000Z-00000000000a.msg.bad")));
}

bool TestPublishing::StartBroker(MosquittoBroker& broker)
{
    QString why;
    if (!broker.Start(&why)) {
        qWarning("%s", qPrintable(why));
        return false;
    }
    return true;
}

void TestPublishing::client_stateRetainedAndPresence()
{
    MosquittoBroker broker;
    if (!StartBroker(broker))
        QSKIP("no broker");
    MqttOptions options = BrokerAt(broker);
    options.PresenceTopic = "korvelin/mat/5/online";
    auto board = std::make_unique<MqttClient>(options);
    QSignalSpy connected(board.get(), &MqttClient::ConnectedChanged);
    board->Start();
    QVERIFY(connected.wait(WaitMs));
    QCOMPARE(connected.first().first().toBool(), true);
    board->PublishState("korvelin/mat/5/state", "one");
    board->PublishState("korvelin/mat/5/state", "two");

    // A listener that comes later gets the newest state (retained) and the presence.
    auto hall = Listen(broker, { "korvelin/mat/+/state", "korvelin/mat/+/online" });
    QTRY_VERIFY_WITH_TIMEOUT(hall->Last("korvelin/mat/5/state") == "two", WaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(hall->Last("korvelin/mat/5/online") == "true", WaitMs);
    board->PublishState("korvelin/mat/5/state", "three");
    QTRY_VERIFY_WITH_TIMEOUT(hall->Last("korvelin/mat/5/state") == "three", WaitMs);

    // Closing says goodbye.
    board.reset();
    QTRY_VERIFY_WITH_TIMEOUT(hall->Last("korvelin/mat/5/online") == "false", WaitMs);
}

void TestPublishing::client_resultWaitsForTheBroker()
{
    MosquittoBroker broker;
    if (!StartBroker(broker))
        QSKIP("no broker");
    broker.Kill();
    QTemporaryDir data;
    MqttOptions options = BrokerAt(broker);
    options.OutboxFolder = data.filePath("outbox");
    QString id;
    {
        // The board publishes while the broker is away, and closes.
        MqttClient board(options);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("broker 127.0.0.1:[0-9]+ cannot be reached"));
        board.Start();
        id = ResultOutbox::NewId();
        board.PublishResult(id, "korvelin/mat/1/result", "{\"contest\":1}");
        QTRY_COMPARE_WITH_TIMEOUT(QDir(options.OutboxFolder).entryList(QDir::Files).size(), 1, WaitMs);
    }
    // The result outlives the program; the next run sends it.
    QString why;
    QVERIFY2(broker.Restart(&why), qPrintable(why));
    auto hall = Listen(broker, { "korvelin/mat/+/result" });
    QTRY_VERIFY_WITH_TIMEOUT(hall->client->IsConnected(), WaitMs);
    MqttClient board(options);
    QSignalSpy delivered(&board, &MqttClient::ResultDelivered);
    board.Start();
    QVERIFY(delivered.wait(WaitMs));
    QCOMPARE(delivered.first().first().toString(), id);
    QCOMPARE(QDir(options.OutboxFolder).entryList(QDir::Files).size(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(hall->Count("korvelin/mat/1/result"), 1, WaitMs);
}

void TestPublishing::client_brokerKilledAndRestarted()
{
    MosquittoBroker broker;
    if (!StartBroker(broker))
        QSKIP("no broker");
    QTemporaryDir data;
    MqttOptions options = BrokerAt(broker);
    options.OutboxFolder = data.filePath("outbox");
    options.PresenceTopic = "korvelin/mat/1/online";
    MqttClient board(options);
    QSignalSpy connected(&board, &MqttClient::ConnectedChanged);
    QSignalSpy delivered(&board, &MqttClient::ResultDelivered);
    board.Start();
    // A hall tool with a session of its own at the broker: it misses no result.
    auto hall = Listen(
        broker, { "korvelin/mat/+/result", "korvelin/mat/+/state", "korvelin/test/+" }, "results-desk");
    QTRY_VERIFY_WITH_TIMEOUT(board.IsConnected() && hall->client->IsConnected(), WaitMs);
    board.PublishState("korvelin/mat/1/state", "before");
    QTRY_VERIFY_WITH_TIMEOUT(hall->Last("korvelin/mat/1/state") == "before", WaitMs);

    // The broker dies in the middle of the contest; the contest ends while it is away.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("broker 127.0.0.1:[0-9]+ went away"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("broker 127.0.0.1:[0-9]+ went away"));
    broker.Kill();
    QTRY_VERIFY_WITH_TIMEOUT(!board.IsConnected(), WaitMs);
    board.PublishState("korvelin/mat/1/state", "during");
    const QString id = ResultOutbox::NewId();
    board.PublishResult(id, "korvelin/mat/1/result", "{\"id\":\"" + id.toUtf8() + "\"}");
    QTRY_COMPARE_WITH_TIMEOUT(QDir(options.OutboxFolder).entryList(QDir::Files).size(), 1, WaitMs);
    QCOMPARE(delivered.size(), 0);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("broker 127.0.0.1:[0-9]+ is reachable again"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("broker 127.0.0.1:[0-9]+ is reachable again"));
    QString why;
    QVERIFY2(broker.Restart(&why), qPrintable(why));
    QVERIFY(delivered.wait(WaitMs));
    QCOMPARE(QDir(options.OutboxFolder).entryList(QDir::Files).size(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(hall->Last("korvelin/mat/1/state") == "during", WaitMs);
    // Everything before a later message has arrived once that one has:
    // the result came exactly once.
    MqttClient marker(BrokerAt(broker));
    marker.Start();
    QTRY_VERIFY_WITH_TIMEOUT(marker.IsConnected(), WaitMs);
    marker.PublishState("korvelin/test/marker", "end");
    QTRY_VERIFY_WITH_TIMEOUT(hall->Count("korvelin/test/marker") > 0, WaitMs);
    QCOMPARE(hall->Count("korvelin/mat/1/result"), 1);
    QVERIFY(connected.size() >= 3); // up, down, up
}

void TestPublishing::client_oversizedMessageIgnored()
{
    MosquittoBroker broker;
    if (!StartBroker(broker))
        QSKIP("no broker");
    MqttOptions options = BrokerAt(broker);
    options.MaxIncomingBytes = 64 * 1024;
    auto hall = Listen(broker, { "korvelin/mat/+/state" });
    QTRY_VERIFY_WITH_TIMEOUT(hall->client->IsConnected(), WaitMs);
    MqttClient board(options);
    board.Start();
    QTest::ignoreMessage(QtWarningMsg,
        QRegularExpression("ignored a message on korvelin/mat/2/state: 65537 bytes, over 64 KiB"));
    board.PublishState("korvelin/mat/2/state", QByteArray(65537, '{'));
    board.PublishState("korvelin/mat/3/state", QByteArray(65536, '{'));
    QTRY_COMPARE_WITH_TIMEOUT(hall->Count("korvelin/mat/3/state"), 1, WaitMs);
    QCOMPARE(hall->Count("korvelin/mat/2/state"), 0);
}

QTEST_GUILESS_MAIN(TestPublishing)
#include "tst_publishing.moc"
