// A board on the hall's broker: which broker and mat it takes, that it
// publishes the same state as the served /state, its title while the broker
// is away, and its move when the options change the network settings. A
// real Mosquitto broker on the loopback interface.

#include "boardfixture.h"
#include "display/controls.h"
#include "mosquittobroker.h"

#include "hall/matservice.h"
#include "network/boardstate.h"
#include "settings/boardsettings.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QTest>

using namespace kv;
using namespace kv::test;

namespace {

constexpr int WaitMs = 20000;

struct Listener
{
    std::unique_ptr<MqttClient> client;
    QList<std::pair<QByteArray, QByteArray>> messages;

    QByteArray Last(const QByteArray& topic) const
    {
        for (auto it = messages.crbegin(); it != messages.crend(); ++it) {
            if (it->first == topic)
                return it->second;
        }
        return {};
    }
};

std::unique_ptr<Listener> Listen(const MosquittoBroker& broker)
{
    auto listener = std::make_unique<Listener>();
    MqttOptions options;
    options.Host = broker.Host();
    options.Port = broker.Port();
    options.Subscriptions = { "korvelin/mat/#" };
    listener->client = std::make_unique<MqttClient>(options);
    Listener* raw = listener.get();
    QObject::connect(raw->client.get(), &MqttClient::MessageReceived,
        [raw](const QByteArray& topic, const QByteArray& payload) {
            raw->messages.append({ topic, payload });
        });
    raw->client->Start();
    return listener;
}

// What `korvelin --mat=N --broker=<the broker>` asks for.
BrokerChoice Asked(const MosquittoBroker& broker, int mat)
{
    BrokerChoice choice;
    choice.Broker = broker.Address();
    choice.Mat = mat;
    return choice;
}

} // namespace

class TestMatService : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { UseTestSettingsStore(); }
    void chooseBroker_data();
    void chooseBroker();
    void board_publishesTheServedState();
    void title_saysBrokerOfflineWhileItIsAway();
    void options_moveTheBoardToAnotherMat();
    void closedBoard_endsItsService();
};

void TestMatService::chooseBroker_data()
{
    QTest::addColumn<QString>("asked");
    QTest::addColumn<int>("askedMat");
    QTest::addColumn<bool>("off");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("storedTls");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("mat");
    QTest::addColumn<QString>("why");
    QTest::newRow("none") << "" << 0 << false << "" << false << "" << 0 << 2 << "";
    QTest::newRow("the settings'") << "" << 0 << false << "hallpc" << false << "hallpc" << 1883 << 2 << "";
    QTest::newRow("the settings' with TLS")
        << "" << 0 << false << "hallpc" << true << "hallpc" << 8883 << 2 << "";
    QTest::newRow("the command line's for this run")
        << "127.0.0.1:1999" << 7 << false << "hallpc" << false << "127.0.0.1" << 1999 << 7 << "";
    QTest::newRow("a wrong option: none at all")
        << "" << 0 << true << "hallpc" << false << "" << 0 << 2 << "";
    QTest::newRow("a damaged setting")
        << "" << 0 << false << "hall pc" << false << "" << 0 << 2
        << "The broker \"hall pc\" is not used: \"hall pc\" is not a host name.";
}

void TestMatService::chooseBroker()
{
    QFETCH(QString, asked);
    QFETCH(int, askedMat);
    QFETCH(bool, off);
    QFETCH(QString, stored);
    QFETCH(bool, storedTls);
    QFETCH(QString, host);
    QFETCH(int, port);
    QFETCH(int, mat);
    QFETCH(QString, why);
    BoardSettingsRecord settings = DefaultBoardSettings();
    settings.Broker = stored;
    settings.BrokerTls = storedTls;
    settings.Mat = 2;
    settings.BrokerUser = "mat two";
    settings.BrokerPassword = "secret";
    BrokerChoice choice;
    choice.Broker = asked;
    choice.Mat = askedMat;
    choice.Off = off;
    QString reason;
    const std::optional<MqttOptions> options = ChooseBroker(choice, settings, &reason);
    QCOMPARE(options.has_value(), !host.isEmpty());
    QCOMPARE(reason, why);
    QCOMPARE(ChooseMat(choice, settings), mat);
    if (!options)
        return;
    QCOMPARE(options->Host, host);
    QCOMPARE(int(options->Port), port);
    QCOMPARE(options->Tls, storedTls);
    QCOMPARE(options->User, QStringLiteral("mat two"));
    QCOMPARE(options->Password, QStringLiteral("secret"));
}

void TestMatService::board_publishesTheServedState()
{
    MosquittoBroker broker;
    QString why;
    if (!broker.Start(&why))
        QSKIP(qPrintable(why));
    Board board;
    auto hall = Listen(broker);
    MatService service(*board);
    service.Start(Asked(broker, 4));
    QVERIFY(service.Publisher());
    QTRY_COMPARE_WITH_TIMEOUT(hall->Last("korvelin/mat/4/online"), QByteArray("true"), WaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(
        hall->Last("korvelin/mat/4/state"), BoardStateJson(ReadBoardState(*board)), WaitMs);
    // A shido for Visitor, as the operator gives it: a click on its panel.
    QTest::mouseClick(board->picVisitorS, Qt::LeftButton);
    QCOMPARE(board->PenaltySV, qint16(1));
    QTRY_VERIFY_WITH_TIMEOUT(hall->Last("korvelin/mat/4/state").contains("\"shido\":1"), WaitMs);
    QCOMPARE(hall->Last("korvelin/mat/4/state"), BoardStateJson(ReadBoardState(*board)));
    QCOMPARE(
        QJsonDocument::fromJson(hall->Last("korvelin/mat/4/state")).object().value("version").toInt(), 1);
    // The board's results go out as records with an id and the mat.
    const QString id = service.Publisher()->PublishResult({ { "Winner", "Home" } });
    QTRY_VERIFY_WITH_TIMEOUT(!hall->Last("korvelin/mat/4/result").isEmpty(), WaitMs);
    QCOMPARE(hall->Last("korvelin/mat/4/result"),
        QByteArray("{\"Id\":\"") + id.toUtf8() + "\",\"Mat\":4,\"Winner\":\"Home\"}");
    // Stopping says goodbye.
    service.Stop();
    QTRY_COMPARE_WITH_TIMEOUT(hall->Last("korvelin/mat/4/online"), QByteArray("false"), WaitMs);
}

void TestMatService::title_saysBrokerOfflineWhileItIsAway()
{
    MosquittoBroker broker;
    QString why;
    if (!broker.Start(&why))
        QSKIP(qPrintable(why));
    Board board;
    MatService service(*board);
    service.Start(Asked(broker, 1));
    QTRY_VERIFY_WITH_TIMEOUT(service.Publisher()->Client().IsConnected(), WaitMs);
    QCOMPARE(board->windowTitle(), QStringLiteral("Korvelin"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("broker 127.0.0.1:[0-9]+ went away"));
    broker.Kill();
    QTRY_COMPARE_WITH_TIMEOUT(board->windowTitle(), QStringLiteral("Korvelin - broker offline"), WaitMs);
    // The board goes on meanwhile.
    board->ShidoHome(1);
    QCOMPARE(board->PenaltySH, qint16(1));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("broker 127.0.0.1:[0-9]+ is reachable again"));
    QVERIFY2(broker.Restart(&why), qPrintable(why));
    QTRY_COMPARE_WITH_TIMEOUT(board->windowTitle(), QStringLiteral("Korvelin"), WaitMs);
}

void TestMatService::options_moveTheBoardToAnotherMat()
{
    MosquittoBroker broker;
    QString why;
    if (!broker.Start(&why))
        QSKIP(qPrintable(why));
    Board board;
    auto hall = Listen(broker);
    BoardSettings.Broker = broker.Address();
    BoardSettings.Mat = 5;
    MatService service(*board);
    service.Start({});
    QTRY_COMPARE_WITH_TIMEOUT(hall->Last("korvelin/mat/5/online"), QByteArray("true"), WaitMs);
    // Another change of the options leaves it where it is.
    BoardSettings.TitleText = "Mat five";
    emit board->OptionsClosed();
    QCOMPARE(service.Publisher()->Mat(), 5);
    // A new mat number moves it.
    BoardSettings.Mat = 6;
    emit board->OptionsClosed();
    QCOMPARE(service.Publisher()->Mat(), 6);
    QTRY_COMPARE_WITH_TIMEOUT(hall->Last("korvelin/mat/5/online"), QByteArray("false"), WaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(hall->Last("korvelin/mat/6/online"), QByteArray("true"), WaitMs);
    // No broker any more: off it.
    BoardSettings.Broker.clear();
    emit board->OptionsClosed();
    QVERIFY(!service.Publisher());
    QTRY_COMPARE_WITH_TIMEOUT(hall->Last("korvelin/mat/6/online"), QByteArray("false"), WaitMs);
}

void TestMatService::closedBoard_endsItsService()
{
    // As the board's web service: gone with the board, without reaching into
    // what is left of it.
    Board board(false);
    const QPointer<MatService> service = new MatService(*board);
    board.form.reset();
    QVERIFY(service.isNull());
}

QTEST_MAIN(TestMatService)
#include "tst_matservice.moc"
