// What the hall view reads from the broker, and where the boards find it:
// the mat messages table (every way a message can be wrong) and broker
// addresses.

#include "hall/brokeraddress.h"
#include "hall/matmessage.h"

#include <QTest>

using namespace kv;

namespace {

// A state as a board publishes it.
const QByteArray GoodState = R"({"version":1,"rule_set":"IJF 2025","title":"Mat 3",
"clock":{"shown":"3:54","seconds":234,"running":true,"golden_score":false},
"home":{"name":"Tanaka, K.","ippon":false,"waza_ari":1,"yuko":0,"shido":2,"medical":0,
"winner":false,"hold":12,"hold_running":true},
"visitor":{"name":"Müller B.","ippon":false,"waza_ari":0,"yuko":1,"shido":0,"medical":1,
"winner":false,"hold":0,"hold_running":false}})";

QByteArray Replaced(const QByteArray& from, const QByteArray& to)
{
    QByteArray text = GoodState;
    const qsizetype at = text.indexOf(from);
    Q_ASSERT(at >= 0);
    return text.replace(at, from.size(), to);
}

} // namespace

class TestHallMessages : public QObject
{
    Q_OBJECT

private slots:
    void goodState_readWhole();
    void message_data();
    void message();
    void topics();
    void brokerAddress_data();
    void brokerAddress();
};

void TestHallMessages::goodState_readWhole()
{
    const MatMessage m = ParseMatMessage("korvelin/mat/3/state", GoodState);
    QCOMPARE(m.What, MatMessage::Kind::State);
    QCOMPARE(m.Mat, 3);
    QCOMPARE(m.State.RuleSet, QStringLiteral("IJF 2025"));
    QCOMPARE(m.State.Title, QStringLiteral("Mat 3"));
    QCOMPARE(m.State.ClockShown, QStringLiteral("3:54"));
    QCOMPARE(m.State.ClockSeconds, 234);
    QVERIFY(m.State.ClockRunning);
    QVERIFY(!m.State.GoldenScore);
    QVERIFY(m.State.YukoShown); // absent: shown
    QCOMPARE(m.State.Home.Name, QStringLiteral("Tanaka, K."));
    QCOMPARE(m.State.Home.WazaAri, 1);
    QCOMPARE(m.State.Home.Shido, 2);
    QCOMPARE(m.State.Home.Hold, 12);
    QVERIFY(m.State.Home.HoldRunning);
    QCOMPARE(m.State.Visitor.Name, QStringLiteral("Müller B."));
    QCOMPARE(m.State.Visitor.Yuko, 1);
    QCOMPARE(m.State.Visitor.Medical, 1);
    QVERIFY(!m.State.Visitor.HoldRunning);
}

void TestHallMessages::message_data()
{
    QTest::addColumn<QByteArray>("topic");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("mat");
    QTest::addColumn<QString>("why");
    const int state = int(MatMessage::Kind::State);
    const int presence = int(MatMessage::Kind::Presence);
    const int cleared = int(MatMessage::Kind::Cleared);
    const int ignored = int(MatMessage::Kind::Ignored);
    const QByteArray topic = "korvelin/mat/7/state";

    QTest::newRow("mat 1") << QByteArray("korvelin/mat/1/state") << GoodState << state << 1 << "";
    QTest::newRow("mat 99") << QByteArray("korvelin/mat/99/state") << GoodState << state << 99 << "";
    QTest::newRow("online true") << QByteArray("korvelin/mat/4/online") << QByteArray("true") << presence << 4
                                 << "";
    QTest::newRow("online false") << QByteArray("korvelin/mat/4/online") << QByteArray("false") << presence
                                  << 4 << "";
    QTest::newRow("state deleted") << topic << QByteArray() << cleared << 7 << "";
    QTest::newRow("unknown field kept out")
        << topic << Replaced(R"("version":1,)", R"("version":1,"wind":"north",)") << state << 7 << "";
    QTest::newRow("golden score, no yuko")
        << topic << Replaced(R"("title":"Mat 3",)", R"("title":"Mat 3","yuko_shown":false,)") << state << 7
        << "";

    // Mats and topics.
    QTest::newRow("mat 0") << QByteArray("korvelin/mat/0/state") << GoodState << ignored << 0
                           << "not a mat from 1 to 99";
    QTest::newRow("mat 100") << QByteArray("korvelin/mat/100/state") << GoodState << ignored << 0
                             << "not a mat from 1 to 99";
    QTest::newRow("mat 07") << QByteArray("korvelin/mat/07/state") << GoodState << ignored << 0
                            << "not a mat from 1 to 99";
    QTest::newRow("mat -1") << QByteArray("korvelin/mat/-1/state") << GoodState << ignored << 0
                            << "not a mat's state or presence";
    QTest::newRow("huge mat number") << QByteArray("korvelin/mat/99999999999999999999/state") << GoodState
                                     << ignored << 0 << "not a mat's state or presence";
    QTest::newRow("result is not for the view") << QByteArray("korvelin/mat/7/result") << GoodState << ignored
                                                << 0 << "not a mat's state or presence";
    QTest::newRow("deeper topic") << QByteArray("korvelin/mat/7/state/x") << GoodState << ignored << 0
                                  << "not a mat's state or presence";

    // Sizes.
    QTest::newRow("64 KiB and one byte")
        << topic << Replaced(R"("title":"Mat 3")", R"("title":")" + QByteArray(65536, 'x') + '"') << ignored
        << 7 << "over 64 KiB";
    QTest::newRow("a name too long") << topic << Replaced(R"("Tanaka, K.")", '"' + QByteArray(300, 'n') + '"')
                                     << ignored << 7 << "home.name is not a text of at most 256 characters";

    // Not the documented JSON.
    QTest::newRow("not JSON") << topic << QByteArray("3:54 1-0") << ignored << 7 << "not the documented JSON";
    QTest::newRow("cut short") << topic << GoodState.left(100) << ignored << 7 << "not the documented JSON";
    QTest::newRow("an array") << topic << QByteArray("[1,2]") << ignored << 7
                              << "not the documented JSON (no object)";
    QTest::newRow("binary") << topic << QByteArray("\x00\xff\xfe{", 4) << ignored << 7
                            << "not the documented JSON";
    QTest::newRow("no version") << topic << Replaced(R"("version":1,)", "") << ignored << 7
                                << "not the documented JSON (no format version)";
    QTest::newRow("version as text") << topic << Replaced(R"("version":1)", R"("version":"1")") << ignored
                                     << 7 << "not the documented JSON (no format version)";
    QTest::newRow("version 1.5") << topic << Replaced(R"("version":1)", R"("version":1.5)") << ignored << 7
                                 << "not the documented JSON (no format version)";
    QTest::newRow("future version") << topic << Replaced(R"("version":1)", R"("version":2)") << ignored << 7
                                    << "of format version 2, later than 1";
    QTest::newRow("no clock")
        << topic
        << Replaced(R"("clock":{"shown":"3:54","seconds":234,"running":true,"golden_score":false},)", "")
        << ignored << 7 << "clock is not an object";
    QTest::newRow("seconds as text") << topic << Replaced(R"("seconds":234)", R"("seconds":"234")") << ignored
                                     << 7 << "clock.seconds is not a whole number from 0 to 5999";
    QTest::newRow("negative shido") << topic << Replaced(R"("shido":2)", R"("shido":-1)") << ignored << 7
                                    << "home.shido is not a whole number from 0 to 9";
    QTest::newRow("fractional waza-ari")
        << topic << Replaced(R"("waza_ari":1)", R"("waza_ari":0.5)") << ignored << 7
        << "home.waza_ari is not a whole number from 0 to 99";
    QTest::newRow("ippon as number") << topic
                                     << Replaced(R"("ippon":false,"waza_ari":0)", R"("ippon":0,"waza_ari":0)")
                                     << ignored << 7 << "visitor.ippon is not true or false";
    QTest::newRow("visitor missing") << topic << Replaced(R"("visitor":)", R"("guest":)") << ignored << 7
                                     << "visitor is not an object";
    QTest::newRow("presence yes") << QByteArray("korvelin/mat/4/online") << QByteArray("yes") << ignored << 4
                                  << "presence is neither \"true\" nor \"false\"";
}

void TestHallMessages::message()
{
    QFETCH(QByteArray, topic);
    QFETCH(QByteArray, payload);
    QFETCH(int, kind);
    QFETCH(int, mat);
    QFETCH(QString, why);
    const MatMessage m = ParseMatMessage(topic, payload);
    QCOMPARE(int(m.What), kind);
    QCOMPARE(m.Mat, mat);
    QVERIFY2(why.isEmpty() ? m.Why.isEmpty() : m.Why.contains(why), qPrintable(m.Why));
    QVERIFY(!m.Why.contains(u'\n'));
}

void TestHallMessages::topics()
{
    QCOMPARE(MatTopic(3, "state"), QByteArray("korvelin/mat/3/state"));
    QCOMPARE(MatTopic(12, "online"), QByteArray("korvelin/mat/12/online"));
    QCOMPARE(MatTopic(99, "result"), QByteArray("korvelin/mat/99/result"));
}

void TestHallMessages::brokerAddress_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("tls");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("error");
    QTest::newRow("name") << "hallbroker" << false << "hallbroker" << 1883 << "";
    QTest::newRow("name, TLS") << "hallbroker" << true << "hallbroker" << 8883 << "";
    QTest::newRow("name:port") << "broker.local:1884" << false << "broker.local" << 1884 << "";
    QTest::newRow("IPv4:port") << "127.0.0.1:8883" << true << "127.0.0.1" << 8883 << "";
    QTest::newRow("blanks around") << "  127.0.0.1  " << false << "127.0.0.1" << 1883 << "";
    QTest::newRow("[v6]:port") << "[::1]:1885" << false << "::1" << 1885 << "";
    QTest::newRow("bare v6") << "::1" << false << "::1" << 1883 << "";
    QTest::newRow("empty") << "" << false << "" << 0 << "names no host";
    QTest::newRow("only a port") << ":1883" << false << "" << 0 << "names no host";
    QTest::newRow("colon, no port") << "broker:" << false << "broker" << 0 << "has no port after the colon";
    QTest::newRow("port 0") << "broker:0" << false << "broker" << 0 << "\"0\" is not a port number";
    QTest::newRow("port 65536") << "broker:65536" << false << "broker" << 0
                                << "\"65536\" is not a port number";
    QTest::newRow("port +80") << "broker:+80" << false << "broker" << 0 << "\"+80\" is not a port number";
    QTest::newRow("URL") << "mqtt://broker" << false << "mqtt" << 0 << "\"//broker\" is not a port number";
    QTest::newRow("blank inside") << "hall broker" << false << "hall broker" << 0 << "is not a host name";
    QTest::newRow("[v6 unclosed") << "[::1:1883" << false << "" << 0 << "has no closing ]";
    QTest::newRow("[v6]junk") << "[::1]x" << false << "::1" << 0 << "is not HOST[:PORT]";
}

void TestHallMessages::brokerAddress()
{
    QFETCH(QString, text);
    QFETCH(bool, tls);
    QFETCH(QString, host);
    QFETCH(int, port);
    QFETCH(QString, error);
    const BrokerAddress address = ParseBrokerAddress(text, tls);
    QVERIFY2(address.Error.contains(error), qPrintable(address.Error));
    QCOMPARE(address.IsValid(), error.isEmpty());
    QCOMPARE(address.Host, host);
    QCOMPARE(int(address.Port), port);
    if (error.isEmpty())
        QCOMPARE(BrokerAddressText(address),
            (host.contains(u':') ? "[" + host + "]" : host) + ":" + QString::number(port));
}

QTEST_GUILESS_MAIN(TestHallMessages)
#include "tst_hallmessages.moc"
