// A tournament hall as it runs: a real Mosquitto broker on the loopback
// interface, two boards (mats 1 and 2) and a hall view, each the built
// program in a process of its own with its own home, on a private Xvfb
// server. The boards are driven by real key presses and clicks; the hall is
// read only from the screen (digits decoded from its LED displays, colours
// at the places of the mats' compact boards). The broker is killed and
// started again in the middle of a contest, a board is killed with -9, and
// bad messages are thrown at the hall. Every wait is for a condition, with a
// limit.

#include "../e2e/screenreader.h"
#include "mosquittobroker.h"
#include "xtestkeys.h"
#include "xvfbserver.h"
#ifdef KORVELIN_HAVE_XVFB_SERVER
#include "xwindows.h"
#endif

#include "hall/mqttclient.h"

#include <QDirIterator>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScreen>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <memory>

using namespace kv;
using namespace kv::test;

namespace {

constexpr int WaitMs = 30000;

// The colours of the default settings (0x00BBGGRR), and the grey the hall
// gives the contest clock of a board that is gone.
const QColor TimeColor = FromStoredColor(33023);
const QColor HoldColor = FromStoredColor(255);
const QColor FormBack = FromStoredColor(4210752);
const QColor LedBack = FromStoredColor(0);
const QColor GreyedTime(110, 110, 110);

QString ProgramPath()
{
    return qEnvironmentVariable("KORVELIN_BINARY_DIR", QCoreApplication::applicationDirPath() + "/..")
        + "/korvelin";
}

QImage ScreenImage()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
}

// The seconds of a clock reading "m:ss"; -1 for anything else.
int ClockSeconds(const QString& shown)
{
    const QStringList parts = shown.split(QLatin1Char(':'));
    bool minutesOk = false;
    bool secondsOk = false;
    const int minutes = parts.size() == 2 ? parts[0].toInt(&minutesOk) : 0;
    const int seconds = parts.size() == 2 && parts[1].size() == 2 ? parts[1].toInt(&secondsOk) : 0;
    return minutesOk && secondsOk && seconds < 60 ? minutes * 60 + seconds : -1;
}

// Where the hall view puts the board of the index-th of `count` mats in a
// window of `size` pixels, as a person measuring the screen finds it: the
// boards (9900 x 3060 twips, 15 twips to the pixel) keep their proportions,
// as large as the columns that suit them best allow, in mat order row by
// row, centred in equal cells with a margin of a hundredth of the window.
QRect MatRect(const QSize& size, int count, int index)
{
    const int margin = std::max(2, std::min(size.width(), size.height()) / 100);
    const QSize area(size.width() - 2 * margin, size.height() - 2 * margin);
    const auto fit = [](const QSize& cell) {
        const double ratio = std::min(cell.width() * 15.0 / 9900, cell.height() * 15.0 / 3060);
        return QSize(int(9900 * ratio / 15), int(3060 * ratio / 15));
    };
    const auto cellFor = [&](int columns) {
        const int rows = (count + columns - 1) / columns;
        return QSize(std::max(1, (area.width() - (columns - 1) * margin) / columns),
            std::max(1, (area.height() - (rows - 1) * margin) / rows));
    };
    int best = 1;
    for (int columns = 2; columns <= count; ++columns) {
        if (fit(cellFor(columns)).width() > fit(cellFor(best)).width())
            best = columns;
    }
    const QSize cell = cellFor(best);
    const QSize board = fit(cell);
    const QPoint cellTopLeft(margin + (index % best) * (cell.width() + margin),
        margin + (index / best) * (cell.height() + margin));
    return QRect(
        cellTopLeft + QPoint((cell.width() - board.width()) / 2, (cell.height() - board.height()) / 2),
        board);
}

// One mat's compact board on the screen, read at its design places (twips).
struct MatReader
{
    QRect board;

    QPoint At(double left, double top) const
    {
        return board.topLeft() + QPoint(int(left * board.width() / 9900), int(top * board.height() / 3060));
    }
    QRect Area(double left, double top, double width, double height) const
    {
        return QRect(At(left, top), At(left + width, top + height) - QPoint(1, 1));
    }
    QString Clock(const QColor& lit = TimeColor) const
    {
        return ReadSevenSegments(ScreenImage(), Area(7720, 1330, 2080, 1000), lit, LedBack);
    }
    QString Hold(bool home) const
    {
        return ReadSevenSegments(ScreenImage(), Area(6750, home ? 870 : 2070, 840, 720), HoldColor, LedBack);
    }
    // The shido lamps of a side, 1 to 4, as "1000" (lit, off, off, off).
    QString Shido(bool home) const
    {
        const QImage screen = ScreenImage();
        QString lamps;
        for (int i = 0; i < 4; ++i) {
            const QColor colour = screen.pixelColor(At(5280 + 120 + i * 300, (home ? 1050 : 2250) + 180));
            lamps += ColorDistance(colour, HoldColor) < 60 ? QLatin1Char('1')
                : ColorDistance(colour, FormBack) < 60     ? QLatin1Char('0')
                                                           : QLatin1Char('?');
        }
        return lamps;
    }
};

#ifdef KORVELIN_HAVE_XVFB_SERVER

template <typename T, typename Use>
T ReadProperty(::Window window, const char* name, long length, T fallback, Use use)
{
    Display* display = QtDisplay();
    const Atom atom = XInternAtom(display, name, 1);
    Atom type = 0;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (atom == 0
        || XGetWindowProperty(
               display, window, atom, 0, length, 0, AnyPropertyType, &type, &format, &items, &after, &data)
            != 0
        || data == nullptr)
        return fallback;
    T result = use(format, items, data);
    XFree(data);
    return result;
}

QString Title(::Window window)
{
    return ReadProperty(window, "_NET_WM_NAME", 1024, QString(),
        [](int format, unsigned long items, const unsigned char* data) {
            return format == 8 ? QString::fromUtf8(reinterpret_cast<const char*>(data), int(items))
                               : QString();
        });
}

long Pid(::Window window)
{
    return ReadProperty(
        window, "_NET_WM_PID", 1, -1L, [](int format, unsigned long items, const unsigned char* data) {
            return format == 32 && items == 1 ? *reinterpret_cast<const long*>(data) : -1L;
        });
}

QRect Geometry(::Window window)
{
    XWindowAttributes attributes {};
    XGetWindowAttributes(QtDisplay(), window, &attributes);
    return QRect(attributes.x, attributes.y, attributes.width, attributes.height);
}

#endif

// One run of the program with a home, settings and data folder of its own.
class Program final
{
public:
    explicit Program(const QString& home)
        : m_home(home)
    {
        QObject::connect(&m_process, &QProcess::readyReadStandardError, [this] {
            const QByteArray text = m_process.readAllStandardError();
            m_errors += text;
            std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
        });
    }
    ~Program() { Stop(); }

    bool Start(const QStringList& arguments)
    {
        QDir().mkpath(m_home + "/.config/Korvelin");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", m_home);
        environment.insert("XDG_CONFIG_HOME", m_home + "/.config");
        environment.insert("XDG_DATA_HOME", m_home + "/.local/share");
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.remove("WAYLAND_DISPLAY");
        environment.remove("XAUTHORITY");
        m_process.setProcessEnvironment(environment);
        m_process.start(ProgramPath(), arguments);
        return m_process.waitForStarted(WaitMs);
    }

    qint64 ProcessId() const { return m_process.processId(); }
    bool IsRunning() const { return m_process.state() != QProcess::NotRunning; }
    // Lines on standard error that contain `text`.
    int ErrorLines(const QByteArray& text) const
    {
        int n = 0;
        for (const QByteArray& line : m_errors.split('\n'))
            n += line.contains(text) ? 1 : 0;
        return n;
    }
    // The results waiting in the outbox of the program's data folder.
    int OutboxEntries() const
    {
        int n = 0;
        QDirIterator it(m_home + "/.local/share", { "*.msg" }, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            n += it.next().contains("/outbox/") ? 1 : 0;
        return n;
    }
    // Killed at once, as a pulled plug.
    void Kill()
    {
        m_process.kill();
        m_process.waitForFinished(WaitMs);
    }
    void Stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

#ifdef KORVELIN_HAVE_XVFB_SERVER
    // The program's shown window whose title starts with `title` (and, with
    // `not`, does not start with that).
    ::Window Window(const QString& title, const QString& unlike = {}) const
    {
        for (const ::Window window : ViewableTopLevelWindows(QtDisplay())) {
            const QString name = Title(window);
            if (Pid(window) == ProcessId() && name.startsWith(title)
                && (unlike.isEmpty() || !name.startsWith(unlike)))
                return window;
        }
        return 0;
    }
#endif

private:
    QString m_home;
    QProcess m_process;
    QByteArray m_errors;
};

} // namespace

class TestHall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void twoMats_readFromTheHall();
    void brokerKilledMidContest_resultAfterwardsOnce();
    void boardKilled_offlineByTheLastWill();
    void badMessages_eachALineAndTheHallGoesOn();

private:
#ifdef KORVELIN_HAVE_XVFB_SERVER
    MatReader Mat(int index) const;
    bool Focus(::Window window);
    void Place(::Window window, const QRect& rect);
    QPoint OnBoard(::Window board, double left, double top) const;
#endif

    QTemporaryDir m_homes;
    MosquittoBroker m_broker;
    std::unique_ptr<Program> m_hall;
    std::unique_ptr<Program> m_mat1;
    std::unique_ptr<Program> m_mat2;
    // A results desk with a session of its own at the broker, and a voice
    // for messages of the test's own.
    std::unique_ptr<MqttClient> m_desk;
    std::unique_ptr<MqttClient> m_voice;
    QList<std::pair<QByteArray, QByteArray>> m_received;
    unsigned long m_hallWindow = 0;
    unsigned long m_board1 = 0;
    unsigned long m_board2 = 0;
    QString m_skip;
};

#define REQUIRE_HALL()                                                                                       \
    do {                                                                                                     \
        if (!m_skip.isEmpty())                                                                               \
            QSKIP(qPrintable(m_skip));                                                                       \
    } while (false)

void TestHall::initTestCase()
{
#ifndef KORVELIN_HAVE_XVFB_SERVER
    m_skip = QStringLiteral("The hall scenarios need an X server (Xvfb).");
#else
    if (!MissingXServer().isEmpty()) {
        m_skip = MissingXServer();
        return;
    }
    QVERIFY2(XTestFakeKey() != nullptr && XTestFakeButton() != nullptr, "libXtst.so.6 cannot be loaded");
    QVERIFY2(QFile::exists(ProgramPath()), qPrintable(ProgramPath() + " is not built"));
    QString why;
    if (!m_broker.Start(&why)) {
        m_skip = why;
        return;
    }
    const QString broker = "--broker=" + m_broker.Address();

    MqttOptions desk;
    desk.Host = m_broker.Host();
    desk.Port = m_broker.Port();
    desk.ReconnectFirstMs = 100;
    desk.ReconnectLastMs = 400;
    MqttOptions voice = desk;
    desk.ClientId = QStringLiteral("results-desk");
    desk.CleanSession = false;
    desk.Subscriptions = { "korvelin/mat/+/result", "korvelin/test/+" };
    m_desk = std::make_unique<MqttClient>(desk);
    connect(m_desk.get(), &MqttClient::MessageReceived, this,
        [this](const QByteArray& topic, const QByteArray& payload) {
            m_received.append({ topic, payload });
        });
    m_desk->Start();
    m_voice = std::make_unique<MqttClient>(voice);
    m_voice->Start();
    QTRY_VERIFY_WITH_TIMEOUT(m_desk->IsConnected() && m_voice->IsConnected(), WaitMs);

    // The hall first: the mats appear in it by themselves.
    m_hall = std::make_unique<Program>(m_homes.filePath("hall"));
    QVERIFY(m_hall->Start({ "--hall", broker }));
    QTRY_VERIFY_WITH_TIMEOUT((m_hallWindow = m_hall->Window("Korvelin hall")) != 0, WaitMs);
    Place(m_hallWindow, QRect(660, 0, 1200, 820));
    m_mat1 = std::make_unique<Program>(m_homes.filePath("mat1"));
    m_mat2 = std::make_unique<Program>(m_homes.filePath("mat2"));
    QVERIFY(m_mat1->Start({ "bypass", "--mat=1", broker }));
    QTRY_VERIFY_WITH_TIMEOUT((m_board1 = m_mat1->Window("Korvelin")) != 0, WaitMs);
    Place(m_board1, QRect(0, 0, 632, 453));
    QVERIFY(m_mat2->Start({ "bypass", "--mat=2", broker }));
    QTRY_VERIFY_WITH_TIMEOUT((m_board2 = m_mat2->Window("Korvelin")) != 0, WaitMs);
    Place(m_board2, QRect(0, 520, 632, 453));
#endif
}

void TestHall::cleanupTestCase()
{
    m_mat1.reset();
    m_mat2.reset();
    m_hall.reset();
    m_desk.reset();
    m_voice.reset();
}

#ifdef KORVELIN_HAVE_XVFB_SERVER

void TestHall::Place(::Window window, const QRect& rect)
{
    XMoveResizeWindow(
        QtDisplay(), window, rect.x(), rect.y(), unsigned(rect.width()), unsigned(rect.height()));
    XFlush(QtDisplay());
    QTRY_VERIFY_WITH_TIMEOUT(Geometry(window) == rect, WaitMs);
}

bool TestHall::Focus(::Window window)
{
    Display* display = QtDisplay();
    return QTest::qWaitFor(
        [&] {
            if (InFrontWithKeyboard(display, window))
                return true;
            XRaiseWindow(display, window);
            XSetInputFocus(display, window, RevertToParent, CurrentTime);
            XSync(display, 0);
            return false;
        },
        WaitMs);
}

MatReader TestHall::Mat(int index) const
{
    const QRect window = Geometry(m_hallWindow);
    return { MatRect(window.size(), 2, index).translated(window.topLeft()) };
}

QPoint TestHall::OnBoard(::Window board, double left, double top) const
{
    // The board's design is 9480 x 6795 twips, scaled to its window.
    const QRect rect = Geometry(board);
    return rect.topLeft() + QPoint(int(left * rect.width() / 9480), int(top * rect.height() / 6795));
}

void TestHall::twoMats_readFromTheHall()
{
    REQUIRE_HALL();
    const MatReader mat1 = Mat(0);
    const MatReader mat2 = Mat(1);
    QTRY_COMPARE_WITH_TIMEOUT(mat1.Clock(), QStringLiteral("2:00"), WaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(mat2.Clock(), QStringLiteral("2:00"), WaitMs);
    QCOMPARE(mat1.Shido(false), QStringLiteral("0000"));

    // Mat 1: the clock runs, then a hold-down for Home.
    QVERIFY(Focus(m_board1));
    QVERIFY(Tap(XK_s));
    QTRY_VERIFY2_WITH_TIMEOUT(ClockSeconds(mat1.Clock()) >= 100 && ClockSeconds(mat1.Clock()) <= 119,
        qPrintable(mat1.Clock()), WaitMs);
    QVERIFY(Tap(XK_Left));
    QTRY_VERIFY_WITH_TIMEOUT(mat1.Hold(true).toInt() >= 1, WaitMs);
    QCOMPARE(mat1.Hold(false), QString());

    // Mat 2: a shido for Visitor (a click on its shido panel); its clock stays.
    QVERIFY(Focus(m_board2));
    const QPoint panel = OnBoard(m_board2, 4860 + 2400, 5700 + 200);
    QVERIFY(Click(panel.x(), panel.y()));
    QTRY_COMPARE_WITH_TIMEOUT(mat2.Shido(false), QStringLiteral("1000"), WaitMs);
    QCOMPARE(mat2.Shido(true), QStringLiteral("0000"));
    QCOMPARE(mat2.Clock(), QStringLiteral("2:00"));
    // Mat 1 goes on by itself meanwhile.
    const int before = ClockSeconds(mat1.Clock());
    QTRY_VERIFY_WITH_TIMEOUT(ClockSeconds(mat1.Clock()) >= 0 && ClockSeconds(mat1.Clock()) < before, WaitMs);
}

void TestHall::brokerKilledMidContest_resultAfterwardsOnce()
{
    REQUIRE_HALL();
    const MatReader mat1 = Mat(0);
    // A waza-ari for Home on mat 1 while its clock runs.
    QVERIFY(Focus(m_board1));
    QVERIFY(Tap(XK_Up)); // toketa
    const QPoint wazaAri = OnBoard(m_board1, 1260 + 367, 3840 + 562);
    QVERIFY(Click(wazaAri.x(), wazaAri.y()));
    QVERIFY(Tap(XK_1));

    // The broker dies in the middle of the contest.
    m_broker.Kill();
    QTRY_VERIFY2_WITH_TIMEOUT(
        Title(m_board1).endsWith(" - broker offline"), qPrintable(Title(m_board1)), WaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(Title(m_hallWindow), QStringLiteral("Korvelin hall - broker offline"), WaitMs);
    // The board goes on exactly as before.
    const QPoint clock = OnBoard(m_board1, 3398, 1500);
    const auto boardClock = [&] {
        const QRect rect = Geometry(m_board1);
        return ReadSevenSegments(ScreenImage(),
            QRect(clock, QSize(int(2685.0 * rect.width() / 9480), int(1140.0 * rect.height() / 6795))),
            TimeColor, LedBack);
    };
    const QString running = boardClock();
    QTRY_VERIFY_WITH_TIMEOUT(boardClock() != running, WaitMs);

    // The contest ends while the broker is away: the reset key after a
    // score writes its result, which waits in the outbox.
    QVERIFY(Focus(m_board1));
    QVERIFY(Tap(XK_r));
    QTRY_COMPARE_WITH_TIMEOUT(m_mat1->OutboxEntries(), 1, WaitMs);

    QString why;
    QVERIFY2(m_broker.Restart(&why), qPrintable(why));
    QTRY_COMPARE_WITH_TIMEOUT(Title(m_board1), QStringLiteral("Korvelin"), WaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(Title(m_hallWindow), QStringLiteral("Korvelin hall"), WaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(m_mat1->OutboxEntries(), 0, WaitMs);
    // The hall follows the board again: the reset contest.
    QTRY_COMPARE_WITH_TIMEOUT(mat1.Clock(), QStringLiteral("2:00"), WaitMs);

    // Everything sent before a later message has arrived when that one has:
    // the result came exactly once.
    QTRY_VERIFY_WITH_TIMEOUT(m_voice->IsConnected(), WaitMs);
    m_voice->PublishState("korvelin/test/marker", "after the result");
    int results = 0;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            results = 0;
            bool marker = false;
            for (const auto& [topic, payload] : m_received) {
                results += topic == "korvelin/mat/1/result" ? 1 : 0;
                marker = marker || topic == "korvelin/test/marker";
            }
            return marker;
        }(),
        WaitMs);
    QCOMPARE(results, 1);
    QByteArray result;
    for (const auto& [topic, payload] : m_received) {
        if (topic == "korvelin/mat/1/result")
            result = payload;
    }
    const QJsonObject record = QJsonDocument::fromJson(result).object();
    QCOMPARE(record.value("Mat").toInt(), 1);
    QVERIFY(!record.value("Id").toString().isEmpty());
    QCOMPARE(record.value("HomeWazaAri").toInt(), 1);
}

void TestHall::boardKilled_offlineByTheLastWill()
{
    REQUIRE_HALL();
    QString why;
    if (!m_broker.IsRunning())
        QVERIFY2(m_broker.Restart(&why), qPrintable(why));
    const MatReader mat2 = Mat(1);
    QTRY_COMPARE_WITH_TIMEOUT(mat2.Clock(), QStringLiteral("2:00"), WaitMs);
    // Pulled plug: no goodbye; the broker's last will speaks for it.
    m_mat2->Kill();
    QTRY_COMPARE_WITH_TIMEOUT(mat2.Clock(GreyedTime), QStringLiteral("2:00"), WaitMs);
    QCOMPARE(CountColor(ScreenImage(), mat2.Area(7720, 1330, 2080, 1000), TimeColor), 0);
    // Its last state stays, greyed: the shido it had, in grey.
    const QColor lamp = ScreenImage().pixelColor(mat2.At(5280 + 120, 2250 + 180));
    QVERIFY2(ColorDistance(lamp, QColor(89, 89, 89)) < 40, qPrintable(lamp.name()));
    // Mat 1 is untouched: its clock in its own colour.
    QVERIFY2(ClockSeconds(Mat(0).Clock()) >= 0, qPrintable(Mat(0).Clock()));
}

void TestHall::badMessages_eachALineAndTheHallGoesOn()
{
    REQUIRE_HALL();
    QString why;
    if (!m_broker.IsRunning())
        QVERIFY2(m_broker.Restart(&why), qPrintable(why));
    const QByteArray good = R"({"version":1,"rule_set":"Classic",
"clock":{"shown":"1:00","seconds":60,"running":false,"golden_score":false},
"home":{"name":"A","ippon":false,"waza_ari":0,"yuko":0,"shido":0,"medical":0,"winner":false,"hold":0,"hold_running":false},
"visitor":{"name":"B","ippon":false,"waza_ari":0,"yuko":0,"shido":0,"medical":0,"winner":false,"hold":0,"hold_running":false}})";
    const QList<std::pair<QByteArray, QByteArray>> bad {
        { "korvelin/mat/3/state", "<html>not JSON</html>" },
        { "korvelin/mat/3/state", QByteArray(good).replace("\"version\":1", "\"version\":2") },
        { "korvelin/mat/3/state",
            QByteArray(good).replace("\"name\":\"A\"", "\"name\":\"" + QByteArray(70000, 'A') + '"') },
        { "korvelin/mat/0/state", good },
        { "korvelin/mat/100/state", good },
        { "korvelin/mat/3/online", "maybe" },
    };
    const int before = m_hall->ErrorLines("ignored a message on");
    for (const auto& [topic, payload] : bad)
        m_voice->PublishState(topic, payload);
    QTRY_COMPARE_WITH_TIMEOUT(m_hall->ErrorLines("ignored a message on") - before, int(bad.size()), WaitMs);
    QVERIFY(m_hall->IsRunning());
    // No mat 3 came of it (the two mats keep their places), and the hall
    // still follows mat 1: a shido for Home there.
    const MatReader mat1 = Mat(0);
    QCOMPARE(mat1.Shido(true), QStringLiteral("0000"));
    QVERIFY(Focus(m_board1));
    const QPoint panel = OnBoard(m_board1, 60 + 2400, 5700 + 200);
    QVERIFY(Click(panel.x(), panel.y()));
    QTRY_COMPARE_WITH_TIMEOUT(mat1.Shido(true), QStringLiteral("1000"), WaitMs);
}

#else

void TestHall::twoMats_readFromTheHall()
{
    REQUIRE_HALL();
}
void TestHall::brokerKilledMidContest_resultAfterwardsOnce()
{
    REQUIRE_HALL();
}
void TestHall::boardKilled_offlineByTheLastWill()
{
    REQUIRE_HALL();
}
void TestHall::badMessages_eachALineAndTheHallGoesOn()
{
    REQUIRE_HALL();
    QString why;
    if (!m_broker.IsRunning())
        QVERIFY2(m_broker.Restart(&why), qPrintable(why));
}

#endif

int main(int argc, char** argv)
{
    // A screen for two boards beside a hall view.
    XvfbServer xvfb("1920x1080x24");
    xvfb.UseForApplication();
    QGuiApplication app(argc, argv);
    TestHall test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hall.moc"
