// The hall view without a broker: the compact board of a mat shows what its
// board published, in the colours of the settings, greyed while the board
// is gone, scaled as a whole; the hall view lays the mats out in order and
// shrugs off bad messages with one line each.

#include "display/controls.h"
#include "display/leds.h"
#include "hall/hallweb.h"
#include "hall/hallwindow.h"
#include "hall/matboard.h"
#include "settings/boardsettings.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTest>
#include <QWebSocket>

using namespace kv;

namespace {

// Default settings' colours (0x00BBGGRR).
constexpr int HoldColor = 255;
constexpr int ScoreColor = 49152;
constexpr int TimeColor = 33023;
constexpr int FormBack = 4210752;

const QByteArray StateOf3 = R"({"version":1,"rule_set":"IJF 2025",
"clock":{"shown":"3:54","seconds":234,"running":true,"golden_score":false},
"home":{"name":"Tanaka","ippon":false,"waza_ari":1,"yuko":0,"shido":2,"medical":0,"winner":false,"hold":12,"hold_running":true},
"visitor":{"name":"Müller","ippon":false,"waza_ari":0,"yuko":1,"shido":0,"medical":0,"winner":false,"hold":0,"hold_running":false}})";

const QByteArray GoldenWon = R"({"version":1,"rule_set":"IJF 2025","yuko_shown":false,
"clock":{"shown":"0:41","seconds":41,"running":false,"golden_score":true},
"home":{"name":"A","ippon":true,"waza_ari":0,"yuko":0,"shido":4,"medical":0,"winner":true,"hold":0,"hold_running":false},
"visitor":{"name":"B","ippon":false,"waza_ari":0,"yuko":0,"shido":0,"medical":0,"winner":false,"hold":0,"hold_running":false}})";

MatState Parsed(const QByteArray& payload)
{
    return ParseMatMessage("korvelin/mat/3/state", payload).State;
}

MqttOptions NoBroker()
{
    MqttOptions options;
    options.Host = QStringLiteral("127.0.0.1");
    options.Port = 1;
    return options;
}

} // namespace

class TestHallView : public QObject
{
    Q_OBJECT

private slots:
    void init() { BoardSettings = DefaultBoardSettings(); }
    void matBoard_showsTheState();
    void matBoard_goldenScoreIpponWinner();
    void matBoard_offlineIsGreyed();
    void matBoard_scalesAsAWhole();
    void hall_matsAppearInOrder();
    void hall_badMessages_data();
    void hall_badMessages();
    void hall_deletedStateRetiresTheMat();
    void hall_servedAtHall();
};

void TestHallView::matBoard_showsTheState()
{
    MatBoard board(3);
    QCOMPARE(board.lblMat->Caption(), QStringLiteral("MAT 3"));
    board.Show(Parsed(StateOf3));
    QCOMPARE(board.tledPeriod->DisplayText(), QStringLiteral("3:54"));
    QCOMPARE(board.lblHomeName->Caption(), QStringLiteral("Tanaka"));
    QCOMPARE(board.lblVisitorName->Caption(), QStringLiteral("Müller"));
    QCOMPARE(board.nledWHome->Value(), 1);
    QCOMPARE(board.nledYVisitor->Value(), 1);
    QCOMPARE(board.shpHomeS[1]->FillColor(), HoldColor);
    QCOMPARE(board.shpHomeS[2]->FillColor(), HoldColor);
    QCOMPARE(board.shpHomeS[3]->FillColor(), FormBack);
    QCOMPARE(board.shpVisitorS[1]->FillColor(), FormBack);
    // The running hold: its seconds and the dot; none on the other side.
    QVERIFY(!board.nledHoldHome->isHidden());
    QCOMPARE(board.nledHoldHome->Value(), 12);
    QVERIFY(!board.shpHoldHome->isHidden());
    QVERIFY(board.nledHoldVisitor->isHidden());
    QVERIFY(board.shpWinnerHome->isHidden());
    QVERIFY(board.lblGoldenScore->isHidden());
    QVERIFY(board.lblOffline->isHidden());
    QCOMPARE(board.lblIpponHome->ForeColor(), FormBack);
    QCOMPARE(board.tledPeriod->LitColor(), TimeColor);
    QCOMPARE(board.nledWHome->LitColor(), ScoreColor);
}

void TestHallView::matBoard_goldenScoreIpponWinner()
{
    MatBoard board(3);
    board.Show(Parsed(GoldenWon));
    QVERIFY(!board.lblGoldenScore->isHidden());
    QCOMPARE(board.lblGoldenScore->Caption(), QStringLiteral("GOLDEN SCORE"));
    QCOMPARE(board.tledPeriod->DisplayText(), QStringLiteral("0:41"));
    QCOMPARE(board.lblIpponHome->ForeColor(), HoldColor);
    QCOMPARE(board.lblIpponVisitor->ForeColor(), FormBack);
    QVERIFY(!board.shpWinnerHome->isHidden());
    QVERIFY(board.shpWinnerVisitor->isHidden());
    QCOMPARE(board.shpHomeS[4]->FillColor(), HoldColor);
    // A rule set without yuko: no yuko column.
    QVERIFY(board.nledYHome->isHidden());
    QVERIFY(board.lblCaptionY->isHidden());
    // The hold that ended shows no more once the board cleared it.
    QVERIFY(board.nledHoldHome->isHidden());
}

void TestHallView::matBoard_offlineIsGreyed()
{
    MatBoard board(3);
    board.Show(Parsed(StateOf3));
    board.SetOnline(false);
    QVERIFY(!board.lblOffline->isHidden());
    QCOMPARE(board.lblOffline->Caption(), QStringLiteral("offline"));
    // The last state stays, in greys.
    QCOMPARE(board.tledPeriod->DisplayText(), QStringLiteral("3:54"));
    for (const int colour : { board.tledPeriod->LitColor(), board.nledWHome->LitColor(),
             board.shpHomeS[1]->FillColor(), board.lblVisitorName->BackColor() }) {
        const int r = colour & 0xFF, g = (colour >> 8) & 0xFF, b = (colour >> 16) & 0xFF;
        QVERIFY2(r == g && g == b, qPrintable(QString::number(colour, 16)));
    }
    board.SetOnline(true);
    QVERIFY(board.lblOffline->isHidden());
    QCOMPARE(board.tledPeriod->LitColor(), TimeColor);
    QCOMPARE(board.shpHomeS[1]->FillColor(), HoldColor);
}

void TestHallView::matBoard_scalesAsAWhole()
{
    MatBoard board(1);
    // The design is 9900 x 3060 twips, 660 x 204 pixels: 1.5 times that.
    board.FitInto(QSize(990, 400));
    QCOMPARE(board.size(), QSize(990, 306));
    QCOMPARE(board.lblHomeName->FontSize(), 30.0);
    QCOMPARE(board.lblHomeName->Left(), 180.0);
    QCOMPARE(board.tledPeriod->Size(), 84.0);
    QCOMPARE(board.tledPeriod->Left(), 11580.0);
    QCOMPARE(board.nledWVisitor->Top(), 2947.5);
    QCOMPARE(board.shpHomeS[1]->BorderWidth(), 3);
    // Down to a quarter and back: nothing is lost on the way.
    board.FitInto(QSize(165, 51));
    QCOMPARE(board.lblHomeName->FontSize(), 5.0);
    board.FitInto(QSize(660, 204));
    QCOMPARE(board.lblHomeName->FontSize(), 20.0);
    QCOMPARE(board.tledPeriod->Size(), 56.0);
}

void TestHallView::hall_matsAppearInOrder()
{
    HallWindow hall(NoBroker());
    hall.resize(1600, 900);
    QVERIFY(hall.Mats().isEmpty());
    hall.Take("korvelin/mat/12/state", StateOf3);
    hall.Take("korvelin/mat/3/online", "true");
    hall.Take("korvelin/mat/7/state", StateOf3);
    hall.Take("korvelin/mat/1/online", "false");
    QCOMPARE(hall.Mats(), (QList<int> { 1, 3, 7, 12 }));
    QVERIFY(!hall.Mat(1)->Online());
    QVERIFY(!hall.Mat(1)->State());
    QVERIFY(hall.Mat(7)->Online());
    // Four mats in a wide window: two rows of two, in mat order.
    const QPoint m1 = hall.Mat(1)->pos(), m3 = hall.Mat(3)->pos(), m7 = hall.Mat(7)->pos(),
                 m12 = hall.Mat(12)->pos();
    QCOMPARE(m1.y(), m3.y());
    QVERIFY(m1.x() < m3.x());
    QCOMPARE(m7.y(), m12.y());
    QVERIFY(m7.y() > m1.y());
    QVERIFY(hall.Mat(1)->width() > 700);
    QVERIFY(hall.Mat(12)->geometry().bottom() < hall.height());
}

void TestHallView::hall_badMessages_data()
{
    QTest::addColumn<QByteArray>("topic");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("line");
    QTest::newRow("not JSON")
        << QByteArray("korvelin/mat/3/state") << QByteArray("<html>")
        << "Korvelin hall: ignored a message on korvelin/mat/3/state: not the documented JSON";
    QTest::newRow("future version")
        << QByteArray("korvelin/mat/3/state")
        << QByteArray(StateOf3).replace("\"version\":1", "\"version\":7")
        << "Korvelin hall: ignored a message on korvelin/mat/3/state: of format version 7";
    QTest::newRow("over 64 KiB")
        << QByteArray("korvelin/mat/3/state") << QByteArray(70000, ' ')
        << "Korvelin hall: ignored a message on korvelin/mat/3/state: 70000 bytes, over 64 KiB";
    QTest::newRow("mat 100")
        << QByteArray("korvelin/mat/100/state") << StateOf3
        << "Korvelin hall: ignored a message on korvelin/mat/100/state: not a mat from 1 to 99";
    QTest::newRow("line break in the topic")
        << QByteArray("korvelin/mat/3\n/state") << StateOf3
        << "Korvelin hall: ignored a message on korvelin/mat/3?/state: not a mat's state or presence";
}

void TestHallView::hall_badMessages()
{
    QFETCH(QByteArray, topic);
    QFETCH(QByteArray, payload);
    QFETCH(QString, line);
    HallWindow hall(NoBroker());
    hall.Take("korvelin/mat/3/state", StateOf3);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^" + QRegularExpression::escape(line)));
    hall.Take(topic, payload);
    // The mat shows what it showed, and still takes good messages.
    QCOMPARE(hall.Mats(), QList<int> { 3 });
    QCOMPARE(hall.Mat(3)->tledPeriod->DisplayText(), QStringLiteral("3:54"));
    hall.Take("korvelin/mat/3/state", GoldenWon);
    QCOMPARE(hall.Mat(3)->tledPeriod->DisplayText(), QStringLiteral("0:41"));
}

void TestHallView::hall_deletedStateRetiresTheMat()
{
    HallWindow hall(NoBroker());
    hall.Take("korvelin/mat/3/state", StateOf3);
    hall.Take("korvelin/mat/4/state", StateOf3);
    hall.Take("korvelin/mat/3/state", QByteArray());
    QCOMPARE(hall.Mats(), QList<int> { 4 });
    QCOMPARE(hall.findChildren<MatBoard*>().size(), 1);
}

void TestHallView::hall_servedAtHall()
{
    HallWindow hall(NoBroker());
    hall.Take("korvelin/mat/3/state", StateOf3);
    hall.Take("korvelin/mat/5/online", "false");
    const quint16 port = ServeHall(hall, 0);
    QVERIFY(port != 0);
    QVERIFY2(
        hall.windowTitle().endsWith(QStringLiteral(":%1/hall").arg(port)), qPrintable(hall.windowTitle()));
    QNetworkAccessManager manager;
    const auto get = [&](const QString& path) {
        QNetworkReply* reply
            = manager.get(QNetworkRequest(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(path))));
        QSignalSpy done(reply, &QNetworkReply::finished);
        if (!reply->isFinished())
            done.wait(10000);
        reply->deleteLater();
        return std::pair { reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
            reply->readAll() };
    };
    const auto [pageStatus, page] = get("/hall");
    QCOMPARE(pageStatus, 200);
    QVERIFY(page.contains("<title>Korvelin hall</title>"));
    // The mats as JSON, each state as its board sent it.
    QTRY_VERIFY_WITH_TIMEOUT(get("/hall/state").second.contains("\"mat\":5"), 10000);
    const QJsonObject mats = QJsonDocument::fromJson(get("/hall/state").second).object();
    QCOMPARE(mats.value("version").toInt(), 1);
    QCOMPARE(mats.value("broker_online").toBool(), false);
    const QJsonArray list = mats.value("mats").toArray();
    QCOMPARE(list.size(), 2);
    QCOMPARE(list[0].toObject().value("mat").toInt(), 3);
    QCOMPARE(list[0].toObject().value("online").toBool(), true);
    QCOMPARE(list[0].toObject().value("state").toObject().value("clock").toObject().value("shown").toString(),
        QStringLiteral("3:54"));
    QCOMPARE(list[1].toObject().value("mat").toInt(), 5);
    QCOMPARE(list[1].toObject().value("online").toBool(), false);
    QVERIFY(list[1].toObject().value("state").isNull());
    // The state for other programs holds the mats alone.
    QVERIFY(!mats.contains("words"));
    QVERIFY(!mats.contains("lost"));

    // A page that joins hears the page's words first, then the mats.
    QWebSocket viewer;
    QList<QJsonObject> heard;
    connect(&viewer, &QWebSocket::textMessageReceived, this,
        [&heard](const QString& text) { heard << QJsonDocument::fromJson(text.toUtf8()).object(); });
    viewer.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/ws/hall").arg(port)));
    QTRY_VERIFY_WITH_TIMEOUT(heard.size() >= 2, 10000);
    QCOMPARE(heard[0].value("lost").toString(), QStringLiteral("Connection lost"));
    const QJsonObject words = heard[0].value("words").toObject();
    QCOMPARE(words.value("mat").toString(), QStringLiteral("MAT %1"));
    QCOMPARE(words.value("offline").toString(), QStringLiteral("offline"));
    QCOMPARE(words.value("golden_score").toString(), QStringLiteral("GOLDEN SCORE"));
    QCOMPARE(words.value("broker_offline").toString(), QStringLiteral("broker offline"));
    QCOMPARE(words.value("waiting").toString(), QStringLiteral("Waiting for the mats"));
    QCOMPARE(heard[1].value("mats").toArray().size(), 2);
    viewer.close();
}

QTEST_MAIN(TestHallView)
#include "tst_hallview.moc"
