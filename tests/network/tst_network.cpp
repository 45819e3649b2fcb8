// The network parts without a browser: the request screen, the state and
// its JSON, the board page's picture of the board, and the server dropping
// a viewer that takes nothing. Offscreen, on loopback only.

#include "boardfixture.h"

#include "network/boardpublisher.h"
#include "network/boardserver.h"
#include "network/boardstate.h"
#include "network/boardview.h"
#include "network/requestscreen.h"
#include "network/webservice.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QWebSocket>

using namespace kv;
using kv::test::Board;

namespace {

QJsonObject Item(const QByteArray& view, const QString& id)
{
    const QJsonArray items = QJsonDocument::fromJson(view).object()["board"].toObject()["items"].toArray();
    for (const QJsonValue& item : items) {
        if (item.toObject()["id"].toString() == id)
            return item.toObject();
    }
    return {};
}

} // namespace

class TestNetwork : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { kv::test::UseTestSettingsStore(); }
    void screen_data();
    void screen();
    void state_ofAFreshBoard();
    void state_followsScoresShidoAndClocks();
    void state_carriesTheRuleSetAndGoldenScore();
    void view_leavesOutTheSelectionAndSeesChanges();
    void server_dropsAViewerThatTakesNothing();
    void portInUse_isReportedAndTheBoardRunsOn();
    void closedBoard_endsItsServiceServing();
};

void TestNetwork::screen_data()
{
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<int>("verdict");
    const auto row = [](const char* name, const QByteArray& head, ScreenVerdict verdict) {
        QTest::newRow(name) << head << int(verdict);
    };
    row("GET", "GET / HTTP/1.1\r\nHost: board\r\n\r\n", ScreenVerdict::Pass);
    row("HEAD, HTTP/1.0", "HEAD /state HTTP/1.0\r\n\r\n", ScreenVerdict::Pass);
    row("WebSocket upgrade",
        "GET /ws HTTP/1.1\r\nUpgrade: websocket\r\nConnection: Upgrade\r\nSec-WebSocket-Version: 13\r\n\r\n",
        ScreenVerdict::Pass);
    row("Content-Length 0", "GET / HTTP/1.1\r\nContent-Length: 0\r\n\r\n", ScreenVerdict::Pass);
    row("half a line", "GET /sta", ScreenVerdict::Incomplete);
    row("no end of head", "GET / HTTP/1.1\r\nHost: b\r\n", ScreenVerdict::Incomplete);
    row("line of 2048", "GET /" + QByteArray(2048 - 14, 'a') + " HTTP/1.1\r\n\r\n", ScreenVerdict::Pass);
    row("line of 2049", "GET /" + QByteArray(2049 - 14, 'a') + " HTTP/1.1\r\n\r\n", ScreenVerdict::TooLarge);
    row("endless line", QByteArray(3000, 'a'), ScreenVerdict::TooLarge);
    row("head over 8192", "GET / HTTP/1.1\r\nX: " + QByteArray(8200, 'b') + "\r\n\r\n",
        ScreenVerdict::TooLarge);
    row("endless head", "GET / HTTP/1.1\r\nX: " + QByteArray(9000, 'b'), ScreenVerdict::TooLarge);
    row("a body", "GET / HTTP/1.1\r\nContent-Length: 5\r\n\r\nhello", ScreenVerdict::TooLarge);
    row("chunked", "GET / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n", ScreenVerdict::TooLarge);
    row("POST", "POST /state HTTP/1.1\r\n\r\n", ScreenVerdict::MethodNotAllowed);
    row("OPTIONS", "OPTIONS * HTTP/1.1\r\n\r\n", ScreenVerdict::BadRequest);
    row("PUT", "PUT / HTTP/1.1\r\n\r\n", ScreenVerdict::MethodNotAllowed);
    row("target without slash", "GET http://x/ HTTP/1.1\r\n\r\n", ScreenVerdict::BadRequest);
    row("two spaces", "GET  / HTTP/1.1\r\n\r\n", ScreenVerdict::BadRequest);
    row("HTTP/2.0", "GET / HTTP/2.0\r\n\r\n", ScreenVerdict::BadRequest);
    row("no version", "GET /\r\n\r\n", ScreenVerdict::BadRequest);
    row("control in target", "GET /\x01 HTTP/1.1\r\n\r\n", ScreenVerdict::BadRequest);
    row("field without colon", "GET / HTTP/1.1\r\nHost board\r\n\r\n", ScreenVerdict::BadRequest);
    row("field name with space", "GET / HTTP/1.1\r\nHo st: b\r\n\r\n", ScreenVerdict::BadRequest);
    row("control in value", "GET / HTTP/1.1\r\nHost: b\x01\r\n\r\n", ScreenVerdict::BadRequest);
    row("negative length", "GET / HTTP/1.1\r\nContent-Length: -1\r\n\r\n", ScreenVerdict::BadRequest);
    row("binary", QByteArray("\x16\x03\x01\x02\x00\r\n\r\n", 9), ScreenVerdict::BadRequest);
}

void TestNetwork::screen()
{
    QFETCH(QByteArray, head);
    QFETCH(int, verdict);
    QCOMPARE(int(ScreenRequestHead(head)), verdict);
}

void TestNetwork::state_ofAFreshBoard()
{
    Board board(false);
    QCOMPARE(BoardStateJson(ReadBoardState(*board)),
        QByteArray(
            R"({"clock":{"golden_score":false,"running":false,"seconds":120,"shown":"2:00"},)"
            R"("home":{"hold":0,"hold_running":false,"ippon":false,"medical":0,"name":"Home","shido":0,)"
            R"("waza_ari":0,"winner":false,"yuko":0},"rule_set":"Classic","title":"Home","version":1,)"
            R"("visitor":{"hold":0,"hold_running":false,"ippon":false,"medical":0,"name":"Visitor",)"
            R"("shido":0,"waza_ari":0,"winner":false,"yuko":0},"yuko_shown":true})"));
}

void TestNetwork::state_followsScoresShidoAndClocks()
{
    Board board(false);
    board->ShidoVisitor(1);
    board->ShidoVisitor(1); // the second gives Home a yuko
    board->nledWVisitor->SetValue(1);
    board->MedHome = 2;
    board->AllKeyCode(BoardSettings.StartStopPeriodClockKey);
    board->AllKeyCode(39); // Visitor's osaekomi
    board.Advance(3500);
    BoardState s = ReadBoardState(*board);
    QCOMPARE(s.ClockShown, QStringLiteral("1:57"));
    QCOMPARE(s.ClockSeconds, 117);
    QVERIFY(s.ClockRunning);
    QCOMPARE(s.Home.Yuko, 1);
    QCOMPARE(s.Home.Medical, 2);
    QCOMPARE(s.Visitor.Shido, 2);
    QCOMPARE(s.Visitor.WazaAri, 1);
    QCOMPARE(s.Visitor.Hold, 3);
    QVERIFY(s.Visitor.HoldRunning);
    QVERIFY(!s.Home.HoldRunning);
    // Ippon for Home: the clocks stop.
    board->IpponToggle(1);
    board.Advance(50);
    s = ReadBoardState(*board);
    QVERIFY(s.Home.Ippon && !s.Visitor.Ippon && !s.ClockRunning && !s.Visitor.HoldRunning);
    // A cleared display counts 0, and the board's own texts are served.
    board->nledYHome->SetValue(-1);
    BoardSettings.HomeText = QStringLiteral("Kodokan \"B\"");
    board->UpdateLabels();
    s = ReadBoardState(*board);
    QCOMPARE(s.Home.Yuko, 0);
    QCOMPARE(s.Home.Name, QStringLiteral("Kodokan \"B\""));
    const QJsonObject json = QJsonDocument::fromJson(BoardStateJson(s)).object();
    QCOMPARE(json["home"].toObject()["name"].toString(), QStringLiteral("Kodokan \"B\""));
    QCOMPARE(json["home"].toObject()["ippon"].toBool(), true);
    // A hidden yuko display is served as hidden.
    board->nledYHome->SetVisible(false);
    QCOMPARE(ReadBoardState(*board).YukoShown, false);
}

void TestNetwork::state_carriesTheRuleSetAndGoldenScore()
{
    Board board(false);
    BoardSettings.RuleSet = QStringLiteral("IJF 2018");
    board->UpdateLabels();
    board->StartGoldenScore();
    BoardState s = ReadBoardState(*board);
    QCOMPARE(s.RuleSet, QStringLiteral("IJF 2018"));
    QVERIFY(s.GoldenScore);
    QVERIFY(!s.YukoShown);
    const QJsonObject json = QJsonDocument::fromJson(BoardStateJson(s)).object();
    QCOMPARE(json["rule_set"].toString(), QStringLiteral("IJF 2018"));
    QCOMPARE(json["clock"].toObject()["golden_score"].toBool(), true);
}

void TestNetwork::view_leavesOutTheSelectionAndSeesChanges()
{
    Board board(false);
    BoardView view(*board, { QStringLiteral("shpObjectSelected") });
    QByteArray json = view.ViewJson();
    QVERIFY(Item(json, "shpObjectSelected").isEmpty());
    QCOMPARE(Item(json, "lblHomeName")["lines"].toArray().first().toString(), QStringLiteral("Home"));
    QCOMPARE(Item(json, "tledPeriod")["text"].toString(), QStringLiteral("2:00"));
    QCOMPARE(Item(json, "tledPeriod")["lit"].toString(), QStringLiteral("#ff8000"));
    QCOMPARE(Item(json, "shpHomeS(1)")["fill"].toString(), QStringLiteral("#404040"));
    QCOMPARE(Item(json, "picWinnerHome")["v"].toBool(), false);
    QVERIFY(!view.ReadLive()); // nothing changed
    board->ShidoHome(1);
    QVERIFY(view.ReadLive());
    QVERIFY(!view.ReadLive());
    json = view.ViewJson();
    QCOMPARE(Item(json, "shpHomeS(1)")["fill"].toString(), QStringLiteral("#ff0000"));
    QCOMPARE(Item(json, "shpHomeS(2)")["fill"].toString(), QStringLiteral("#404040"));
    // The digit style reaches the page.
    BoardSettings.LEDType = 1;
    board->UpdateLabels();
    QVERIFY(view.ReadLive());
    QCOMPARE(Item(view.ViewJson(), "nledWHome")["style"].toInt(), 1);
    // What the board hides, the page hides.
    board->nledYVisitor->SetVisible(false);
    QVERIFY(view.ReadLive());
    QCOMPARE(Item(view.ViewJson(), "nledYVisitor")["v"].toBool(), false);
}

void TestNetwork::server_dropsAViewerThatTakesNothing()
{
    ServerLimits limits;
    limits.MaxQueuedBytes = 64 * 1024;
    BoardServer server(limits);
    QVERIFY2(server.Listen(QHostAddress::LocalHost, 0), qPrintable(server.Error()));
    // A viewer that completes the handshake and then reads nothing more.
    QTcpSocket stalled;
    stalled.setReadBufferSize(4096);
    stalled.connectToHost(QHostAddress::LocalHost, server.Port());
    QVERIFY(stalled.waitForConnected(5000));
    stalled.write("GET /ws HTTP/1.1\r\nHost: 127.0.0.1\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                  "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n\r\n");
    QTRY_COMPARE_WITH_TIMEOUT(server.Viewers(), 1, 10000);
    // A viewer that reads keeps up.
    QWebSocket reader;
    int received = 0;
    connect(&reader, &QWebSocket::textMessageReceived, this, [&received] { ++received; });
    reader.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/ws").arg(server.Port())));
    QTRY_COMPARE_WITH_TIMEOUT(server.Viewers(), 2, 10000);
    const QByteArray big = "{\"pad\":\"" + QByteArray(256 * 1024, 'x') + "\"}";
    int sent = 0;
    for (; sent < 200 && server.Viewers() == 2; ++sent) {
        server.PublishState(big);
        QTest::qWait(20);
    }
    QTRY_COMPARE_WITH_TIMEOUT(server.Viewers(), 1, 10000);
    QCOMPARE(reader.state(), QAbstractSocket::ConnectedState);
    QTRY_VERIFY_WITH_TIMEOUT(received >= sent, 20000);
}

void TestNetwork::portInUse_isReportedAndTheBoardRunsOn()
{
    QTcpServer taken;
    QVERIFY(taken.listen(QHostAddress::Any, 0));
    QStringList reports;
    BoardWebService::SetFailureReporter([&reports](const QString& text) { reports << text; });
    Board board(false);
    BoardWebService web(*board);
    QVERIFY(!web.Serve(taken.serverPort()));
    QCOMPARE(reports.size(), 1);
    QVERIFY2(reports.first().contains(QStringLiteral("port %1 cannot be opened").arg(taken.serverPort())),
        qPrintable(reports.first()));
    QVERIFY(!web.Serving());
    QCOMPARE(board->windowTitle(), QStringLiteral("Korvelin"));
    // The board keeps time.
    board->AllKeyCode(BoardSettings.StartStopPeriodClockKey);
    board.Advance(1000);
    QCOMPARE(ReadBoardState(*board).ClockShown, QStringLiteral("1:59"));
    // Another port serves, and the title shows where.
    QVERIFY(web.Serve(0));
    QVERIFY(board->windowTitle().startsWith(QStringLiteral("Korvelin - http://")));
    QVERIFY(board->windowTitle().endsWith(QStringLiteral(":%1").arg(web.Port())));
    web.StopServing();
    QCOMPARE(board->windowTitle(), QStringLiteral("Korvelin"));
    BoardWebService::SetFailureReporter({});
}

void TestNetwork::closedBoard_endsItsServiceServing()
{
    // The service goes with its board, and leaves what is left of the board
    // alone: the sanitizers' run sees any reach into it.
    Board board(false);
    const QPointer<BoardWebService> web = new BoardWebService(*board);
    QVERIFY(web->Serve(0));
    QVERIFY(board->windowTitle().startsWith(QStringLiteral("Korvelin - http://")));
    board.form.reset();
    QVERIFY(web.isNull());
}

QTEST_MAIN(TestNetwork)
#include "tst_network.moc"
