// A change on the board to the changed DOM of the board page in a real
// browser: a served board (offscreen) in this process, headless Chromium
// showing / on loopback, and the operator's key on Home's shido panel ("+"
// then "-", alternately). The page records, with the wall clock, when it
// has drawn a new shido lamp; the latency is that moment minus the moment
// of the key. 60 changes, 300 ms apart.
//
//   build/bench/bench_webbrowser [changes]
//
// Needs chromium. Prints figures only.

#include "network/webservice.h"
#include "scoreboard/frmscoreboard.h"
#include "settings/boardsettings.h"

#include "display/controls.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QWebSocket>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

double NowMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(system_clock::now().time_since_epoch()).count();
}

class Cdp final
{
public:
    bool Open(const QString& url)
    {
        QObject::connect(&m_socket, &QWebSocket::textMessageReceived,
            [this](const QString& text) { m_replies << QJsonDocument::fromJson(text.toUtf8()).object(); });
        m_socket.open(QUrl(url));
        return QTest::qWaitFor([this] { return m_socket.state() == QAbstractSocket::ConnectedState; }, 10000);
    }
    QJsonValue Evaluate(const QString& expression)
    {
        const int id = ++m_id;
        m_socket.sendTextMessage(QString::fromUtf8(QJsonDocument(
            QJsonObject { { "id", id }, { "method", "Runtime.evaluate" },
                { "params", QJsonObject { { "expression", expression }, { "returnByValue", true } } } })
                                                       .toJson(QJsonDocument::Compact)));
        QJsonValue value;
        if (!QTest::qWaitFor(
                [&] {
                    for (qsizetype i = 0; i < m_replies.size(); ++i) {
                        if (m_replies[i].value("id").toInt() == id) {
                            value = m_replies[i].value("result").toObject().value("result").toObject().value(
                                "value");
                            m_replies.removeAt(i);
                            return true;
                        }
                    }
                    return false;
                },
                10000))
            std::printf("(no answer from the browser)\n");
        return value;
    }

private:
    QWebSocket m_socket;
    QList<QJsonObject> m_replies;
    int m_id = 0;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int changes = argc > 1 ? std::max(2, atoi(argv[1])) : 60;
    QTemporaryDir profile;

    kv::BoardSettings = kv::DefaultBoardSettings();
    kv::frmScoreboard board;
    board.Load();
    board.show();
    board.resize(1280, 720);
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    kv::BoardWebService web(board);
    if (!web.Serve(port)) {
        std::printf("the board cannot be served on %u\n", port);
        return 1;
    }

    QProcess chromium;
    chromium.setStandardOutputFile(QProcess::nullDevice());
    chromium.setStandardErrorFile(QProcess::nullDevice());
    chromium.start("chromium",
        { "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
            "--disable-background-networking", "--disable-component-update", "--disable-sync",
            "--user-data-dir=" + profile.path(), "--remote-debugging-address=127.0.0.1",
            "--remote-debugging-port=0", "--remote-allow-origins=*", "--window-size=1920,1080",
            "about:blank" });
    QFile active(profile.filePath("DevToolsActivePort"));
    if (!QTest::qWaitFor([&] { return active.exists() && active.size() > 0; }, 30000)
        || !active.open(QIODevice::ReadOnly)) {
        std::printf("chromium does not start\n");
        return 1;
    }
    const int debugPort = active.readLine().trimmed().toInt();
    QNetworkAccessManager manager;
    QNetworkReply* reply = manager.sendCustomRequest(
        QNetworkRequest(QUrl(
            QStringLiteral("http://127.0.0.1:%1/json/new?http://127.0.0.1:%2/").arg(debugPort).arg(port))),
        "PUT");
    if (!QTest::qWaitFor([reply] { return reply->isFinished(); }, 10000))
        return 1;
    Cdp page;
    if (!page.Open(
            QJsonDocument::fromJson(reply->readAll()).object().value("webSocketDebuggerUrl").toString()))
        return 1;
    // The page notes each drawing of a new first shido lamp, with the time.
    const QString lamp
        = "(document.querySelector('[data-id=\"shpHomeS(1)\"]') || {dataset: {}}).dataset.fill";
    if (!QTest::qWaitFor([&] { return !page.Evaluate(lamp).toString().isEmpty(); }, 20000)) {
        std::printf("the page does not show the board\n");
        return 1;
    }
    page.Evaluate("window.seen = []; window.last = " + lamp
        + "; new MutationObserver(() => { const f = " + lamp
        + "; if (f !== window.last) { window.last = f; window.seen.push(performance.timeOrigin + "
          "performance.now()); } })"
          ".observe(document.getElementById('board'), { childList: true }); true");

    board.picHomeS->setFocus();
    std::vector<double> latencies;
    for (int i = 0; i < changes; ++i) {
        QTest::qWait(300);
        const double before = NowMs();
        QTest::keyClick(board.picHomeS, i % 2 == 0 ? Qt::Key_Plus : Qt::Key_Minus);
        QJsonValue seen;
        if (!QTest::qWaitFor(
                [&] {
                    seen = page.Evaluate(
                        QStringLiteral("window.seen.length > %1 ? window.seen[%1] : null").arg(i));
                    return seen.isDouble();
                },
                5000)) {
            std::printf("change %d did not reach the page\n", i);
            continue;
        }
        latencies.push_back(seen.toDouble() - before);
    }
    chromium.terminate();
    chromium.waitForFinished(10000);
    if (latencies.empty())
        return 1;
    std::sort(latencies.begin(), latencies.end());
    std::printf("board change (shido key) to the browser's DOM, %zu changes: median %.1f ms, max %.1f ms, "
                "min %.1f ms (targets: median <= 50 ms, max <= 100 ms)\n",
        latencies.size(), latencies[latencies.size() / 2], latencies.back(), latencies.front());
    return 0;
}
