// The board in a real browser: the built program on a private Xvfb server,
// served with --serve, driven by real X input (xdotool), and headless
// Chromium showing / and /overlay. The pages are read through Chromium's
// DevTools protocol and compared with what the board itself serves and with
// the values the operator's keys must give. Then a table of hostile requests
// against the same program, which must keep time and answer throughout.
// Every wait is for a condition, with a limit; all traffic stays on loopback.

#include "xvfbserver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QWebSocket>

#include <memory>

using kv::test::MissingXServer;

namespace {

constexpr int WaitMs = 15000;

quint16 FreePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

QJsonValue Field(const QJsonObject& object, const char* group, const char* name)
{
    return object.value(QLatin1String(group)).toObject().value(QLatin1String(name));
}

// One HTTP exchange with a limit: the status line and the body.
struct Answer
{
    int Status = 0;
    QByteArray Body;
};

Answer Request(const QUrl& url, const QByteArray& verb = "GET")
{
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setTransferTimeout(5000);
    QNetworkReply* reply = manager.sendCustomRequest(request, verb);
    static_cast<void>(QTest::qWaitFor([reply] { return reply->isFinished(); }, WaitMs));
    Answer answer { reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), reply->readAll() };
    delete reply;
    return answer;
}

// Sends raw bytes and gives the first line that comes back ("" when the
// connection closes without one).
QByteArray RawStatusLine(quint16 port, const QByteArray& bytes)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(5000))
        return "no connection";
    socket.write(bytes);
    static_cast<void>(QTest::qWaitFor(
        [&] { return socket.canReadLine() || socket.state() != QAbstractSocket::ConnectedState; }, WaitMs));
    return socket.readLine().trimmed();
}

// A page of the headless browser, reached through the DevTools protocol.
class Page final
{
public:
    bool Open(const QString& debuggerUrl)
    {
        m_socket.open(QUrl(debuggerUrl));
        QObject::connect(&m_socket, &QWebSocket::textMessageReceived,
            [this](const QString& text) { m_replies << QJsonDocument::fromJson(text.toUtf8()).object(); });
        return QTest::qWaitFor(
            [this] { return m_socket.state() == QAbstractSocket::ConnectedState; }, WaitMs);
    }

    // The value of a JavaScript expression, as JSON text of the value.
    QJsonValue Evaluate(const QString& expression)
    {
        const int id = ++m_id;
        const QJsonObject call { { "id", id }, { "method", "Runtime.evaluate" },
            { "params", QJsonObject { { "expression", expression }, { "returnByValue", true } } } };
        m_socket.sendTextMessage(QString::fromUtf8(QJsonDocument(call).toJson(QJsonDocument::Compact)));
        QJsonValue value;
        static_cast<void>(QTest::qWaitFor(
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
            WaitMs));
        return value;
    }

    QString Attribute(const QString& id, const QString& name)
    {
        return Evaluate(QStringLiteral("(() => { const e = document.querySelector('[data-id=\"%1\"]'); "
                                       "return e ? e.dataset.%2 || '' : null; })()")
                            .arg(id, name))
            .toString();
    }

private:
    QWebSocket m_socket;
    QList<QJsonObject> m_replies;
    int m_id = 0;
};

} // namespace

class TestWebBoard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void pagesFollowTheBoard();
    void hostileRequests_data();
    void hostileRequests();
    void halfOpenSockets_areClosedAndTheBoardAnswers();
    void sixtyFifthViewer_isRefused();
    void boardGoesAway_pageSaysSoAndComesBack();

private:
    bool StartProgram(const QString& binary);
    QUrl Url(const QString& path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path));
    }
    QJsonObject State() const { return QJsonDocument::fromJson(Request(Url("/state")).Body).object(); }
    bool XDo(const QStringList& arguments, QString* output = nullptr);
    std::unique_ptr<Page> OpenPage(const QString& path);
    bool StartBrowser();
    void StopBrowser();

    QTemporaryDir m_home;
    QProcess m_program;
    QProcess m_browser;
    QString m_window;
    quint16 m_port = 0;
    quint16 m_debugPort = 0;
};

bool TestWebBoard::XDo(const QStringList& arguments, QString* output)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), arguments);
    if (!xdotool.waitForFinished(WaitMs) || xdotool.exitCode() != 0)
        return false;
    if (output)
        *output = QString::fromLocal8Bit(xdotool.readAllStandardOutput()).trimmed();
    return true;
}

void TestWebBoard::initTestCase()
{
    if (!MissingXServer().isEmpty())
        QSKIP(qPrintable(MissingXServer()));
    if (QStandardPaths::findExecutable("xdotool").isEmpty()
        || QStandardPaths::findExecutable("chromium").isEmpty())
        QSKIP("xdotool or chromium is not installed (scripts/install-deps.sh installs them)");
    QVERIFY(m_home.isValid());
    const QString binary
        = QDir(QString::fromLocal8Bit(qgetenv("KORVELIN_BINARY_DIR"))).filePath(QStringLiteral("korvelin"));
    QVERIFY2(QFileInfo(binary).isExecutable(), qPrintable(binary));
    m_port = FreePort();
    QVERIFY(StartProgram(binary));
}

bool TestWebBoard::StartProgram(const QString& binary)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", m_home.path());
    environment.insert("XDG_DATA_HOME", m_home.filePath("data"));
    environment.insert("XDG_CONFIG_HOME", m_home.filePath("config"));
    m_program.setProcessEnvironment(environment);
    m_program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_program.start(binary, { "bypass", QStringLiteral("--serve=%1").arg(m_port) });
    if (!m_program.waitForStarted(WaitMs))
        return false;
    if (!XDo({ "search", "--sync", "--onlyvisible", "--pid", QString::number(m_program.processId()), "--name",
                 "^Korvelin" },
            &m_window))
        return false;
    m_window = m_window.section('\n', 0, 0);
    if (!QTest::qWaitFor([this] { return Request(Url("/state")).Status == 200; }, WaitMs))
        return false;
    // The address to type is in the title (after the journal's note, if any).
    QString title;
    if (!XDo({ "getwindowname", m_window }, &title)
        || !(title.startsWith("Korvelin - ") && title.contains(" - http://")
            && title.endsWith(QStringLiteral(":%1").arg(m_port)))) {
        qWarning("title: %s", qPrintable(title));
        return false;
    }
    return XDo({ "windowfocus", "--sync", m_window });
}

void TestWebBoard::cleanupTestCase()
{
    StopBrowser();
    if (m_program.state() != QProcess::NotRunning) {
        m_program.kill();
        m_program.waitForFinished(WaitMs);
    }
}

bool TestWebBoard::StartBrowser()
{
    const QString profile = m_home.filePath("chromium");
    QFile::remove(profile + "/DevToolsActivePort"); // the browser before left one
    m_browser.setProcessChannelMode(QProcess::MergedChannels);
    m_browser.setStandardOutputFile(QProcess::nullDevice());
    m_browser.start(QStringLiteral("chromium"),
        { "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
            "--disable-background-networking", "--disable-component-update", "--disable-sync",
            "--user-data-dir=" + profile, "--remote-debugging-address=127.0.0.1", "--remote-debugging-port=0",
            "--remote-allow-origins=*", "--window-size=1280,900", "about:blank" });
    if (!m_browser.waitForStarted(WaitMs))
        return false;
    QFile active(profile + "/DevToolsActivePort");
    if (!QTest::qWaitFor([&] { return active.exists() && active.size() > 0; }, 30000))
        return false;
    if (!active.open(QIODevice::ReadOnly))
        return false;
    m_debugPort = active.readLine().trimmed().toUShort();
    return m_debugPort != 0;
}

void TestWebBoard::StopBrowser()
{
    if (m_browser.state() != QProcess::NotRunning) {
        m_browser.terminate();
        if (!m_browser.waitForFinished(WaitMs)) {
            m_browser.kill();
            m_browser.waitForFinished(WaitMs);
        }
    }
}

std::unique_ptr<Page> TestWebBoard::OpenPage(const QString& path)
{
    const QUrl target(
        QStringLiteral("http://127.0.0.1:%1/json/new?%2").arg(m_debugPort).arg(Url(path).toString()));
    const Answer answer = Request(target, "PUT");
    const QString debugger
        = QJsonDocument::fromJson(answer.Body).object().value("webSocketDebuggerUrl").toString();
    auto page = std::make_unique<Page>();
    if (debugger.isEmpty() || !page->Open(debugger))
        return nullptr;
    return page;
}

void TestWebBoard::pagesFollowTheBoard()
{
    QVERIFY2(StartBrowser(), "headless Chromium does not start");
    const std::unique_ptr<Page> board = OpenPage("/");
    const std::unique_ptr<Page> overlay = OpenPage("/overlay");
    QVERIFY(board && overlay);
    QTRY_COMPARE_WITH_TIMEOUT(board->Attribute("tledPeriod", "text"), QStringLiteral("2:00"), WaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(
        overlay->Evaluate("document.querySelector('[data-id=clock]').textContent").toString(),
        QStringLiteral("2:00"), WaitMs);
    // The selection frame is the operator's: the page never shows it.
    QCOMPARE(board->Attribute("shpObjectSelected", "id").isNull(), true);
    QCOMPARE(board->Attribute("lblHomeName", "text"), QStringLiteral("Home"));

    // A typed contest length: 3, Enter on the contest clock.
    QVERIFY(XDo({ "key", "--window", m_window, "3", "Return" }));
    QTRY_COMPARE_WITH_TIMEOUT(board->Attribute("tledPeriod", "text"), QStringLiteral("3:00"), WaitMs);
    QCOMPARE(Field(State(), "clock", "shown").toString(), QStringLiteral("3:00"));
    QTRY_COMPARE_WITH_TIMEOUT(
        overlay->Evaluate("document.querySelector('[data-id=clock]').textContent").toString(),
        QStringLiteral("3:00"), WaitMs);

    // A shido for Home: a click on Home's shido panel (design 60, 5700 of
    // the 9480 x 6795 twips board, 632 x 453 pixels at its design size).
    QVERIFY(XDo({ "mousemove", "--window", m_window, "150", "410", "click", "1" }));
    QTRY_COMPARE_WITH_TIMEOUT(board->Attribute("shpHomeS(1)", "fill"), QStringLiteral("#ff0000"), WaitMs);
    QCOMPARE(board->Attribute("shpHomeS(2)", "fill"), QStringLiteral("#404040"));
    QCOMPARE(Field(State(), "home", "shido").toInt(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(overlay->Attribute("homeShido", "shido"), QStringLiteral("1"), WaitMs);

    // A running second: S starts the clock; the page shows 2:59 as the board does.
    QVERIFY(XDo({ "key", "--window", m_window, "s" }));
    QTRY_COMPARE_WITH_TIMEOUT(board->Attribute("tledPeriod", "text"), QStringLiteral("2:59"), WaitMs);
    const QJsonObject state = State();
    QVERIFY(Field(state, "clock", "running").toBool());
    QVERIFY2(Field(state, "clock", "seconds").toInt() <= 179, qPrintable(QJsonDocument(state).toJson()));
    QVERIFY(XDo({ "key", "--window", m_window, "s" }));
    QTRY_VERIFY_WITH_TIMEOUT(!Field(State(), "clock", "running").toBool(), WaitMs);
    // Stopped, the page and the board agree to the second.
    QTRY_COMPARE_WITH_TIMEOUT(
        board->Attribute("tledPeriod", "text"), Field(State(), "clock", "shown").toString(), WaitMs);

    StopBrowser();
}

void TestWebBoard::hostileRequests_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("status");
    const QByteArray longName(5000, 'a');
    const QByteArray bigHeader(9000, 'b');
    QTest::newRow("long URL") << "GET /" + longName + " HTTP/1.1\r\nHost: x\r\n\r\n" << QByteArray("413");
    QTest::newRow("huge header") << "GET /state HTTP/1.1\r\nX-Big: " + bigHeader + "\r\n\r\n"
                                 << QByteArray("413");
    QTest::newRow("POST") << QByteArray("POST /state HTTP/1.1\r\nContent-Length: 3\r\n\r\nabc")
                          << QByteArray("405");
    QTest::newRow("DELETE") << QByteArray("DELETE / HTTP/1.1\r\n\r\n") << QByteArray("405");
    QTest::newRow("GET with a body") << QByteArray("GET /state HTTP/1.1\r\nContent-Length: 100\r\n\r\n")
                                     << QByteArray("413");
    QTest::newRow("path traversal") << QByteArray("GET /../../etc/passwd HTTP/1.1\r\n\r\n")
                                    << QByteArray("404");
    QTest::newRow("encoded traversal")
        << QByteArray("GET /%2e%2e/%2e%2e/etc/passwd HTTP/1.1\r\n\r\n") << QByteArray("404");
    QTest::newRow("traversal after a page")
        << QByteArray("GET /korvelin.js/../../x HTTP/1.1\r\n\r\n") << QByteArray("404");
    QTest::newRow("not HTTP") << QByteArray("GARBAGE\r\n\r\n") << QByteArray("400");
    QTest::newRow("unknown version") << QByteArray("GET / HTTP/9.9\r\n\r\n") << QByteArray("400");
    QTest::newRow("header without colon")
        << QByteArray("GET / HTTP/1.1\r\nnonsense\r\n\r\n") << QByteArray("400");
    QTest::newRow("other path") << QByteArray("GET /settings HTTP/1.1\r\n\r\n") << QByteArray("404");
    QTest::newRow("state") << QByteArray("GET /state HTTP/1.1\r\nHost: x\r\n\r\n") << QByteArray("200");
}

void TestWebBoard::hostileRequests()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, status);
    if (m_program.state() != QProcess::Running)
        QSKIP("the program is not running");
    QVERIFY(XDo({ "key", "--window", m_window, "s" })); // the clock runs through every request
    QTRY_VERIFY_WITH_TIMEOUT(Field(State(), "clock", "running").toBool(), WaitMs);
    const int before = Field(State(), "clock", "seconds").toInt();
    const QByteArray line = RawStatusLine(m_port, request);
    QVERIFY2(line.startsWith("HTTP/1.1 " + status), line.constData());
    // The board still answers and keeps time.
    QTRY_VERIFY_WITH_TIMEOUT(Field(State(), "clock", "seconds").toInt() < before, WaitMs);
    QVERIFY(XDo({ "key", "--window", m_window, "s" }));
    QTRY_VERIFY_WITH_TIMEOUT(!Field(State(), "clock", "running").toBool(), WaitMs);
}

void TestWebBoard::halfOpenSockets_areClosedAndTheBoardAnswers()
{
    if (m_program.state() != QProcess::Running)
        QSKIP("the program is not running");
    constexpr int Count = 20;
    std::vector<std::unique_ptr<QTcpSocket>> sockets;
    for (int i = 0; i < Count; ++i) {
        auto socket = std::make_unique<QTcpSocket>();
        socket->connectToHost(QHostAddress::LocalHost, m_port);
        QVERIFY(socket->waitForConnected(5000));
        socket->write("GET /sta"); // and never the rest
        socket->flush();
        sockets.push_back(std::move(socket));
    }
    QCOMPARE(Request(Url("/state")).Status, 200);
    // Each is answered with 408 and closed once its time is up.
    QTRY_VERIFY_WITH_TIMEOUT(
        std::all_of(sockets.begin(), sockets.end(),
            [](const auto& s) { return s->state() == QAbstractSocket::UnconnectedState; }),
        WaitMs);
    QVERIFY(sockets.front()->readAll().startsWith("HTTP/1.1 408"));
    QCOMPARE(Request(Url("/state")).Status, 200);
}

void TestWebBoard::sixtyFifthViewer_isRefused()
{
    if (m_program.state() != QProcess::Running)
        QSKIP("the program is not running");
    std::vector<std::unique_ptr<QWebSocket>> viewers;
    int states = 0;
    for (int i = 0; i < 64; ++i) {
        auto viewer = std::make_unique<QWebSocket>();
        QObject::connect(viewer.get(), &QWebSocket::textMessageReceived, [&states] { ++states; });
        viewer->open(QUrl(QStringLiteral("ws://127.0.0.1:%1/ws").arg(m_port)));
        viewers.push_back(std::move(viewer));
    }
    QTRY_VERIFY_WITH_TIMEOUT(std::all_of(viewers.begin(), viewers.end(),
                                 [](const auto& v) { return v->state() == QAbstractSocket::ConnectedState; }),
        WaitMs);
    // Every viewer has the state the moment it comes.
    QTRY_VERIFY_WITH_TIMEOUT(states >= 64, WaitMs);
    const QByteArray upgrade
        = "GET /ws HTTP/1.1\r\nHost: 127.0.0.1\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
          "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n\r\n";
    QCOMPARE(RawStatusLine(m_port, upgrade), QByteArray("HTTP/1.1 503 Service Unavailable"));
    // The board answers others meanwhile, and pushes a change to every viewer.
    QCOMPARE(Request(Url("/state")).Status, 200);
    states = 0;
    QVERIFY(XDo({ "key", "--window", m_window, "s" }));
    QTRY_VERIFY_WITH_TIMEOUT(states >= 64, WaitMs);
    QVERIFY(XDo({ "key", "--window", m_window, "s" }));
    // One leaves: the next one comes in.
    viewers.back()->close();
    viewers.pop_back();
    QWebSocket next;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            if (next.state() == QAbstractSocket::UnconnectedState)
                next.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/ws").arg(m_port)));
            return next.state() == QAbstractSocket::ConnectedState;
        }(),
        WaitMs);
}

void TestWebBoard::boardGoesAway_pageSaysSoAndComesBack()
{
    if (m_program.state() != QProcess::Running)
        QSKIP("the program is not running");
    QVERIFY2(StartBrowser(), "headless Chromium does not start");
    const std::unique_ptr<Page> board = OpenPage("/");
    QVERIFY(board);
    QTRY_COMPARE_WITH_TIMEOUT(board->Attribute("tledPeriod", "text").isEmpty(), false, WaitMs);
    const QString banner = "(() => { const b = document.getElementById('connection'); "
                           "return b && !b.hidden ? b.textContent : ''; })()";
    QCOMPARE(board->Evaluate(banner).toString(), QString());
    const QString binary = m_program.program();
    m_program.kill();
    QVERIFY(m_program.waitForFinished(WaitMs));
    QTRY_COMPARE_WITH_TIMEOUT(board->Evaluate(banner).toString(), QStringLiteral("Connection lost"), WaitMs);
    QVERIFY(StartProgram(binary));
    QTRY_COMPARE_WITH_TIMEOUT(board->Evaluate(banner).toString(), QString(), WaitMs);
    // The new board brought back the contest the killed one kept.
    QTRY_COMPARE_WITH_TIMEOUT(
        board->Attribute("tledPeriod", "text"), Field(State(), "clock", "shown").toString(), WaitMs);
    StopBrowser();
}

int main(int argc, char** argv)
{
    kv::test::XvfbServer xvfb;
    xvfb.UseForApplication();
    QCoreApplication application(argc, argv);
    TestWebBoard test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_webboard.moc"
