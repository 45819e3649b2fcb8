// Korvelin as a club runs it: the built program in its own process, on a
// private Xvfb server, with a home and settings folder of its own and a
// private PulseAudio server for the buzzer. It is driven only by real X input
// (XTest keys and mouse clicks, as the operator's keyboard and mouse) and
// read only from the screen: digits decoded from the seven-segment displays,
// colours sampled at the board's design positions, the buzzer heard on the
// sound server. Time is never slept away: short contest lengths are typed,
// and every wait is for a condition, with a limit.

#include "screenreader.h"
#include "xtestkeys.h"
#include "xvfbserver.h"
#include "xwindows.h"

#include "display/sevensegment.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTest>

#ifdef KORVELIN_HAVE_XVFB_SERVER
#include "pulseserver.h"

#include <X11/Xatom.h>
#undef None
#endif

using namespace kv::test;

namespace {

// The colours of the default settings (0x00BBGGRR).
const QColor TimeColor = FromStoredColor(33023);
const QColor HoldColor = FromStoredColor(255);
const QColor ScoreColor = FromStoredColor(49152);
const QColor FormBack = FromStoredColor(4210752);
const QColor LedBack = FromStoredColor(0);
const QColor VisitorNameBack = FromStoredColor(0xFF9900);
const QColor White(255, 255, 255);

constexpr int WaitMs = 10000;

QString& MissingServer()
{
    static QString why;
    return why;
}

QString ProgramPath()
{
    const QString chosen = qEnvironmentVariable("KORVELIN_PROGRAM");
    if (!chosen.isEmpty())
        return chosen;
    const QString binaryDir
        = qEnvironmentVariable("KORVELIN_BINARY_DIR", QCoreApplication::applicationDirPath() + "/..");
    return binaryDir + "/korvelin";
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

// True when a running contest clock's reading shows it has counted down to
// `first` (its first second after the start): `first` itself or, where one
// reading of the screen takes longer than a second (the sanitizers on a
// loaded machine), a few seconds beyond it, never a time before `first`.
bool CountedDownTo(const QString& reading, const QString& first)
{
    const int shown = ClockSeconds(reading);
    const int expected = ClockSeconds(first);
    return shown >= 0 && shown <= expected && shown > expected - 10;
}

#ifdef KORVELIN_HAVE_XVFB_SERVER

// A window of the program, as the X server knows it.
struct XWindow
{
    unsigned long id = 0;
    QRect rect;
    bool IsValid() const { return id != 0; }
};

QByteArray WindowTitle(Display* display, ::Window window)
{
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", 0);
    for (const Atom property : { netName, Atom(XA_WM_NAME) }) {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(
                display, window, property, 0, 1024, 0, AnyPropertyType, &type, &format, &count, &after, &data)
                == 0
            && data != nullptr) {
            const QByteArray title(reinterpret_cast<const char*>(data), int(count));
            XFree(data);
            if (!title.isEmpty())
                return title;
        }
    }
    return {};
}

struct ShownWindow
{
    ::Window id = 0;
    QRect rect;
    QByteArray title;
};

// The shown top-level windows, in stacking order.
QList<ShownWindow> ShownWindows()
{
    Display* display = QtDisplay();
    ::Window root = DefaultRootWindow(display);
    ::Window parent = 0;
    ::Window* children = nullptr;
    unsigned int count = 0;
    QList<ShownWindow> shown;
    if (XQueryTree(display, root, &root, &parent, &children, &count) == 0)
        return shown;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes {};
        if (XGetWindowAttributes(display, children[i], &attributes) != 0
            && attributes.map_state == IsViewable)
            shown.append(
                { children[i], QRect(attributes.x, attributes.y, attributes.width, attributes.height),
                    WindowTitle(display, children[i]) });
    }
    if (children != nullptr)
        XFree(children);
    return shown;
}

// The shown top-level window titled `title`, or an invalid one.
XWindow FindWindow(const QByteArray& title)
{
    XWindow found;
    for (const ShownWindow& window : ShownWindows()) {
        if (window.rect.width() >= 50 && window.title == title) {
            found.id = window.id;
            found.rect = window.rect;
        }
    }
    return found;
}

// The titles of the windows on screen, for a failure's message.
QString ViewableTitles()
{
    QStringList titles;
    for (const ShownWindow& window : ShownWindows())
        titles << QStringLiteral("\"%1\" %2x%3")
                      .arg(QString::fromUtf8(window.title))
                      .arg(window.rect.width())
                      .arg(window.rect.height());
    return titles.join(QStringLiteral(", "));
}

XWindow WaitForWindow(const QByteArray& title, int timeoutMs = WaitMs)
{
    XWindow window;
    static_cast<void>(QTest::qWaitFor(
        [&] {
            window = FindWindow(title);
            return window.IsValid();
        },
        timeoutMs));
    return window;
}

// What a window manager does when the operator clicks into a window: it comes
// to the front and the keyboard goes to it. No window manager runs on the
// private server. True once the window is in front with the keyboard; until
// then the click is repeated, as an operator would, because a window the
// program is still opening (slowly, under the sanitizers) may take the front
// and the keyboard back when its own activation arrives.
[[nodiscard]] bool GiveFocus(const XWindow& window)
{
    Display* display = QtDisplay();
    return QTest::qWaitFor(
        [&] {
            if (InFrontWithKeyboard(display, window.id))
                return true;
            XRaiseWindow(display, window.id);
            XSetInputFocus(display, window.id, RevertToParent, CurrentTime);
            XSync(display, 0);
            return false;
        },
        WaitMs);
}

// A window the program opens and activates itself (help, options), once the
// program has finished opening it: shown, in front and holding the keyboard.
// Only then can the operator's next click go elsewhere without the window's
// late activation taking it back.
XWindow WaitForActiveWindow(const QByteArray& title)
{
    XWindow window;
    static_cast<void>(QTest::qWaitFor(
        [&] {
            window = FindWindow(title);
            return window.IsValid() && InFrontWithKeyboard(QtDisplay(), window.id);
        },
        WaitMs));
    return window;
}

// The close box: the window manager's request to close the window.
void RequestClose(const XWindow& window)
{
    Display* display = QtDisplay();
    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window.id;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", 0);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", 0));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window.id, 0, NoEventMask, &event);
    XFlush(display);
}

void Resize(const XWindow& window, int width, int height)
{
    Display* display = QtDisplay();
    XMoveResizeWindow(
        display, window.id, window.rect.x(), window.rect.y(), unsigned(width), unsigned(height));
    XFlush(display);
}

KeySym KeyFor(QChar character)
{
    if (character == QLatin1Char('.'))
        return XK_period;
    if (character.isDigit())
        return XK_0 + (character.unicode() - '0');
    return XK_space;
}

// Lower-case letters and blanks, as typed on the keyboard.
bool TypeLetters(const QString& text)
{
    for (const QChar character : text) {
        const KeySym key
            = character == QLatin1Char(' ') ? KeySym(XK_space) : KeySym(XK_a + (character.unicode() - 'a'));
        if (!Tap(key))
            return false;
    }
    return true;
}

// The operator's next click comes later than the double-click interval after
// the last one showed its effect, so it is a click of its own and not the
// second half of a double-click.
void LetDoubleClickPass()
{
    QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 100);
}

bool Type(const QString& text)
{
    for (const QChar character : text) {
        if (!Tap(KeyFor(character)))
            return false;
    }
    return true;
}

// Records everything the program plays on the private sound server.
class Listener final
{
public:
    explicit Listener(const PulseServer& server)
    {
        QObject::connect(&m_recorder, &QProcess::readyReadStandardOutput,
            [this] { m_recorded += m_recorder.readAllStandardOutput(); });
        m_recorder.start(server.Parec(),
            { "--format=s16le", "--rate=44100", "--channels=1", "--latency-msec=10", "-d",
                PulseServer::MonitorName() });
    }
    ~Listener()
    {
        m_recorder.terminate();
        m_recorder.waitForFinished(5000);
    }
    bool Started()
    {
        return m_recorder.waitForStarted(5000)
            && QTest::qWaitFor([this] { return m_recorded.size() >= 44100 / 10 * 2; }, WaitMs);
    }
    // A position in the recording, to ask later whether anything was heard since.
    qsizetype Mark() const { return m_recorded.size(); }
    bool HeardSince(qsizetype mark) const
    {
        for (qsizetype i = mark - mark % 2; i + 1 < m_recorded.size(); i += 2) {
            const auto low = static_cast<unsigned char>(m_recorded[i]);
            const auto high = static_cast<unsigned char>(m_recorded[i + 1]);
            if (std::abs(int(static_cast<qint16>(low | (high << 8)))) > 3000)
                return true;
        }
        return false;
    }

private:
    QProcess m_recorder;
    QByteArray m_recorded;
};

// One run of the program with its own home folder.
class Korvelin final
{
public:
    explicit Korvelin(const QString& home)
        : m_home(home)
    { }
    ~Korvelin() { Stop(); }

    QString SettingsFile() const { return m_home + "/.config/Korvelin/Korvelin.ini"; }

    bool Start(const QStringList& arguments)
    {
        QDir().mkpath(m_home + "/.config/Korvelin");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", m_home);
        environment.insert("XDG_CONFIG_HOME", m_home + "/.config");
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.remove("WAYLAND_DISPLAY");
        environment.remove("XAUTHORITY");
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::ForwardedChannels);
        m_process.start(ProgramPath(), arguments);
        return m_process.waitForStarted(WaitMs);
    }

    // Starts straight to the board and hands it the keyboard.
    bool StartBoard()
    {
        if (!Start({ QStringLiteral("bypass") })) {
            qWarning("the program did not start");
            return false;
        }
        m_board = WaitForWindow("Korvelin");
        if (!m_board.IsValid()) {
            qWarning("no board window; windows: %s, program %s", qPrintable(ViewableTitles()),
                m_process.state() == QProcess::Running ? "running" : "ended");
            return false;
        }
        if (!GiveFocus(m_board)) {
            qWarning("the board did not take the keyboard");
            return false;
        }
        // The board is ready once its clock shows.
        if (!QTest::qWaitFor([this] { return Clock() == QLatin1String("2:00"); }, WaitMs)) {
            qWarning("the board's clock reads \"%s\", not 2:00", qPrintable(Clock()));
            return false;
        }
        return true;
    }

    void AdoptBoard(const XWindow& board) { m_board = board; }
    XWindow& Board() { return m_board; }
    BoardGeometry Geometry() const { return BoardGeometry { m_board.rect }; }

    QString Clock() const
    {
        return ReadSevenSegments(
            ScreenImage(), Geometry().Area(3398, 1500, 2685, 1140), m_timeColor, LedBack);
    }
    QString Hold(bool home) const
    {
        return ReadSevenSegments(
            ScreenImage(), Geometry().Area(home ? 1080 : 7440, 1800, 1215, 975), HoldColor, LedBack);
    }
    // Waza-ari (W) or yuko (Y) of a side.
    QString Score(bool home, char which) const
    {
        const double left = (home ? 1260 : 6000) + (which == 'Y' ? 1080 : 0);
        return ReadSevenSegments(ScreenImage(), Geometry().Area(left, 3840, 735, 1125), ScoreColor, LedBack);
    }
    // The shido lamps of a side, 1 to 4, read as "1100" (lit, lit, off, off).
    QString Shido(bool home) const
    {
        const QImage screen = ScreenImage();
        QString lamps;
        for (const double markLeft : { 4080.0, 2880.0, 1680.0, 480.0 }) {
            const QPoint centre = Geometry().At((home ? 60 : 4860) + markLeft + 127, 5700 + 60 + 187);
            const QColor colour = screen.pixelColor(centre);
            lamps += ColorDistance(colour, HoldColor) < 60 ? QLatin1Char('1')
                : ColorDistance(colour, FormBack) < 60     ? QLatin1Char('0')
                                                           : QLatin1Char('?');
        }
        return lamps;
    }
    // The ippon mark of a side is lit when its "<" / ">" shows in the hold colour.
    bool Ippon(bool home) const
    {
        return CountColor(
                   ScreenImage(), Geometry().Area(home ? 480 : 5085, home ? 4170 : 4260, 495, 495), HoldColor)
            > 4;
    }
    QPoint At(double left, double top) const { return Geometry().At(left, top); }
    void SetTimeColor(const QColor& colour) { m_timeColor = colour; }

    bool IsRunning() const { return m_process.state() != QProcess::NotRunning; }
    // Closes the board with its close box; true when the program then ended.
    bool Close()
    {
        RequestClose(m_board);
        return m_process.waitForFinished(WaitMs);
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

private:
    QString m_home;
    QProcess m_process;
    XWindow m_board;
    QColor m_timeColor = TimeColor;
};

#endif

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void reader_decodesPaintedDigits_data();
    void reader_decodesPaintedDigits();

    void splashClick_opensTheBoard();
    void fullContest_throughExpiryAndReset();
    void ijf2025Contest_throughGoldenScore();
    void typedLength_data();
    void typedLength();
    void resize_toFullHdAndBack();
    void restart_keepsTheSettings();
    void options_okThenCancel();
    void help_f1OpensTheHelpWindow();

private:
    QTemporaryDir* m_home = nullptr;
#ifdef KORVELIN_HAVE_XVFB_SERVER
    PulseServer m_sound;
    QString m_soundMissing;
#endif
};

#ifdef KORVELIN_HAVE_XVFB_SERVER
#define REQUIRE_SERVER()                                                                                     \
    do {                                                                                                     \
        if (!MissingServer().isEmpty())                                                                      \
            QSKIP(qPrintable(MissingServer()));                                                              \
    } while (false)
#else
#define REQUIRE_SERVER() QSKIP("The end-to-end scenarios need an X server (Xvfb).")
#endif

void TestEndToEnd::initTestCase()
{
#ifdef KORVELIN_HAVE_XVFB_SERVER
    if (!MissingServer().isEmpty())
        return;
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QVERIFY2(XTestFakeKey() != nullptr && XTestFakeButton() != nullptr, "libXtst.so.6 cannot be loaded");
    QVERIFY2(QFile::exists(ProgramPath()), qPrintable(ProgramPath() + " is not built"));
    // The program's sound goes to a private server this test listens to; the
    // server's settings reach the program through the environment.
    if (!m_sound.Start(&m_soundMissing))
        qWarning("no sound server, the buzzer is not listened to: %s", qPrintable(m_soundMissing));
#endif
}

void TestEndToEnd::init()
{
    m_home = new QTemporaryDir;
    QVERIFY(m_home->isValid());
}

void TestEndToEnd::cleanup()
{
    delete m_home;
    m_home = nullptr;
}

void TestEndToEnd::reader_decodesPaintedDigits_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("read");
    QTest::addColumn<int>("style");
    // The reader must tell every digit apart, blanks included, in the board's
    // default digit style (lines).
    QTest::newRow("all digits, lines") << "0123456789"
                                       << "0123456789" << int(kv::LedStyle::Lines);
    QTest::newRow("clock with colon") << "2:00"
                                      << "2:00" << int(kv::LedStyle::Lines);
    QTest::newRow("leading blank dropped") << " 7"
                                           << "7" << int(kv::LedStyle::Lines);
    QTest::newRow("eight and zero") << "80"
                                    << "80" << int(kv::LedStyle::Lines);
}

void TestEndToEnd::reader_decodesPaintedDigits()
{
    QFETCH(QString, shown);
    QFETCH(QString, read);
    QFETCH(int, style);
    const QSizeF cellSize(40, 70);
    QImage image(20 + int(shown.size() * 60), 100, QImage::Format_RGB32);
    image.fill(LedBack);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        double left = 10;
        for (const QChar character : shown) {
            if (character == QLatin1Char(':')) {
                kv::PaintColon(painter, QRectF(QPointF(left, 15), QSizeF(12, 70)), TimeColor);
                left += 30;
                continue;
            }
            kv::PaintDigit(painter, QRectF(QPointF(left, 15), cellSize), kv::CharacterSegments(character),
                kv::LedStyle(style), TimeColor, kv::UnlitColor(TimeColor, LedBack));
            left += 60;
        }
    }
    QCOMPARE(ReadSevenSegments(image, image.rect(), TimeColor, LedBack), read);
}

#ifdef KORVELIN_HAVE_XVFB_SERVER

void TestEndToEnd::splashClick_opensTheBoard()
{
    REQUIRE_SERVER();
    Korvelin program(m_home->path());
    QVERIFY(program.Start({}));
    const XWindow splash = WaitForWindow("Form1");
    QVERIFY2(splash.IsValid(), "the splash screen does not appear");
    QVERIFY(!FindWindow("Korvelin").IsValid());
    // The splash is 6240 twips wide, 3240 high: 416 x 216 pixels.
    QCOMPARE(splash.rect.size(), QSize(416, 216));
    // The logo's green mat at its design place (frame 120 + 240, top 900),
    // a little inside its corner.
    const QPoint logo = splash.rect.topLeft() + QPoint((120 + 240) / 15 + 30, 900 / 15 + 30);
    QTRY_VERIFY2_WITH_TIMEOUT(ColorDistance(ScreenImage().pixelColor(logo), QColor(0x3f, 0x8f, 0x5a)) < 40,
        qPrintable(ScreenImage().pixelColor(logo).name()), WaitMs);

    // A click on "Click to continue." (frame 120 + 2520, 1080).
    QVERIFY(Click(splash.rect.x() + (120 + 2520 + 300) / 15, splash.rect.y() + (1080 + 120) / 15));
    const XWindow board = WaitForWindow("Korvelin");
    QVERIFY2(board.IsValid(), "the board does not appear after the click");
    QTRY_VERIFY_WITH_TIMEOUT(!FindWindow("Form1").IsValid(), WaitMs);
    program.AdoptBoard(board);
    QTRY_COMPARE_WITH_TIMEOUT(program.Clock(), QStringLiteral("2:00"), WaitMs);
    QCOMPARE(program.Hold(true), QStringLiteral("0"));
    QCOMPARE(program.Shido(false), QStringLiteral("0000"));
}

void TestEndToEnd::fullContest_throughExpiryAndReset()
{
    REQUIRE_SERVER();
    std::unique_ptr<Listener> listener;
    if (m_soundMissing.isEmpty()) {
        listener = std::make_unique<Listener>(m_sound);
        QVERIFY2(listener->Started(), "parec records nothing");
    }
    Korvelin program(m_home->path());
    QVERIFY(program.StartBoard());

    // Start: the clock counts down.
    QVERIFY(Tap(XK_s));
    QTRY_VERIFY2_WITH_TIMEOUT(
        CountedDownTo(program.Clock(), QStringLiteral("1:59")), qPrintable(program.Clock()), WaitMs);

    // Osaekomi for Home, then toketa: the hold clock stops while the contest
    // clock goes on.
    QVERIFY(Tap(XK_Left));
    QTRY_VERIFY_WITH_TIMEOUT(program.Hold(true).toInt() >= 1, WaitMs);
    QVERIFY(Tap(XK_Up));
    const QString clockAtToketa = program.Clock();
    QTRY_VERIFY_WITH_TIMEOUT(program.Clock() != clockAtToketa, WaitMs);
    const QString held = program.Hold(true);
    const QString clockLater = program.Clock();
    QTRY_VERIFY_WITH_TIMEOUT(program.Clock() != clockLater, WaitMs);
    QCOMPARE(program.Hold(true), held);
    QCOMPARE(program.Hold(false), QStringLiteral("0"));

    // Four shido for Visitor, each a left click on Visitor's shido panel
    // (between its marks), one after the other as an operator gives them:
    // the second gives Home a yuko, the third turns it into a waza-ari, the
    // fourth gives Home ippon and ends the match.
    const QPoint visitorPanel = program.At(4860 + 2400, 5700 + 200);
    const QStringList lamps { "1000", "1100", "1110", "1111" };
    for (int shido = 1; shido <= 4; ++shido) {
        if (shido > 1)
            LetDoubleClickPass();
        QVERIFY(Click(visitorPanel.x(), visitorPanel.y()));
        QTRY_COMPARE_WITH_TIMEOUT(program.Shido(false), lamps.at(shido - 1), WaitMs);
        if (shido == 2) {
            QTRY_COMPARE_WITH_TIMEOUT(program.Score(true, 'Y'), QStringLiteral("1"), WaitMs);
            QCOMPARE(program.Score(true, 'W'), QStringLiteral("0"));
        }
        if (shido == 3) {
            QTRY_COMPARE_WITH_TIMEOUT(program.Score(true, 'W'), QStringLiteral("1"), WaitMs);
            QCOMPARE(program.Score(true, 'Y'), QStringLiteral("0"));
        }
    }
    QTRY_VERIFY_WITH_TIMEOUT(program.Ippon(true), WaitMs);
    QVERIFY(!program.Ippon(false));
    QCOMPARE(program.Shido(true), QStringLiteral("0000"));
    // Ippon stopped the clock: S now starts it again (on a running clock it
    // would stop it, and the clock would not move).
    const QString atIppon = program.Clock();
    QVERIFY(Tap(XK_s));
    QTRY_VERIFY_WITH_TIMEOUT(program.Clock() != atIppon, WaitMs);

    // Reset, then a three-second contest typed on the clock.
    QVERIFY(Tap(XK_r));
    QTRY_COMPARE_WITH_TIMEOUT(program.Clock(), QStringLiteral("2:00"), WaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(program.Shido(false), QStringLiteral("0000"), WaitMs);
    QVERIFY(!program.Ippon(true));
    QCOMPARE(program.Score(true, 'W'), QStringLiteral("0"));
    const QPoint clock = program.At(3398 + 1342, 1500 + 570);
    QVERIFY(Click(clock.x(), clock.y()));
    QVERIFY(Type(QStringLiteral("0.03")));
    QVERIFY(Tap(XK_Return));
    QTRY_COMPARE_WITH_TIMEOUT(program.Clock(), QStringLiteral("0:03"), WaitMs);

    // Expiry during a hold: the clock stops at 0:00, the hold goes on and the
    // buzzer is held back until the next arrow.
    const qsizetype beforeStart = listener ? listener->Mark() : 0;
    QVERIFY(Tap(XK_s));
    QVERIFY(Tap(XK_Left));
    QTRY_COMPARE_WITH_TIMEOUT(program.Clock(), QStringLiteral("0:00"), WaitMs);
    const int holdAtExpiry = program.Hold(true).toInt();
    QVERIFY(holdAtExpiry >= 2);
    QTRY_VERIFY_WITH_TIMEOUT(program.Hold(true).toInt() >= holdAtExpiry + 1, WaitMs);
    QCOMPARE(program.Clock(), QStringLiteral("0:00"));
    if (listener)
        QVERIFY2(!listener->HeardSince(beforeStart), "the buzzer sounded during the hold");
    const qsizetype beforeArrow = listener ? listener->Mark() : 0;
    QVERIFY(Tap(XK_Up));
    if (listener)
        QTRY_VERIFY_WITH_TIMEOUT(listener->HeardSince(beforeArrow), WaitMs);
    else
        qWarning("buzzer not listened to: %s", qPrintable(m_soundMissing));
    const QString heldAfter = program.Hold(true);
    QVERIFY(heldAfter.toInt() >= holdAtExpiry + 1);

    // Reset: the typed length comes back, the holds go to zero.
    QVERIFY(Tap(XK_r));
    QTRY_COMPARE_WITH_TIMEOUT(program.Clock(), QStringLiteral("0:03"), WaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(program.Hold(true), QStringLiteral("0"), WaitMs);
    QVERIFY(program.IsRunning());
}

void TestEndToEnd::ijf2025Contest_throughGoldenScore()
{
    REQUIRE_SERVER();
    std::unique_ptr<Listener> listener;
    if (m_soundMissing.isEmpty()) {
        listener = std::make_unique<Listener>(m_sound);
        QVERIFY2(listener->Started(), "parec records nothing");
    }
    Korvelin program(m_home->path());
    QDir().mkpath(QFileInfo(program.SettingsFile()).path());
    {
        QFile file(program.SettingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[RuleSettings]\nRuleSet=IJF 2025\n");
    }
    QVERIFY(program.StartBoard());
    const auto caption = [&program] {
        // The caption over the contest clock, as white pixels.
        return ScreenImage().copy(program.Geometry().Area(2873, 1020, 3735, 495));
    };
    const auto winnerCaption = [&program](bool home) {
        return CountColor(ScreenImage(), program.Geometry().Area(home ? 1680 : 6720, 3120, 1900, 615), White);
    };
    const auto winnerLit = [&program](bool home) {
        const QPoint lamp = program.At((home ? 3960 : 8760) + 120 + 127, 3240 + 187);
        return ColorDistance(ScreenImage().pixelColor(lamp), ScoreColor) < 60;
    };
    const QImage contestTime = caption();
    QCOMPARE(winnerCaption(true), 0);
    QCOMPARE(winnerCaption(false), 0);

    // A two-second contest, a waza-ari each: level when time runs out.
    const QPoint clock = program.At(3398 + 1342, 1500 + 570);
    QVERIFY(Click(clock.x(), clock.y()));
    QVERIFY(Type(QStringLiteral("0.02")));
    QVERIFY(Tap(XK_Return));
    QTRY_COMPARE_WITH_TIMEOUT(program.Clock(), QStringLiteral("0:02"), WaitMs);
    for (const bool home : { true, false }) {
        LetDoubleClickPass();
        const QPoint wazaAri = program.At((home ? 1260 : 6000) + 367, 3840 + 562);
        QVERIFY(Click(wazaAri.x(), wazaAri.y()));
        QVERIFY(Type(QStringLiteral("1")));
        QTRY_COMPARE_WITH_TIMEOUT(program.Score(home, 'W'), QStringLiteral("1"), WaitMs);
    }
    const qsizetype beforeEnd = listener ? listener->Mark() : 0;
    QVERIFY(Tap(XK_s));
    QTRY_COMPARE_WITH_TIMEOUT(program.Clock(), QStringLiteral("0:00"), WaitMs);
    // Golden score: the caption changes, the buzzer sounds, nobody wins yet.
    QTRY_VERIFY_WITH_TIMEOUT(caption() != contestTime, WaitMs);
    if (listener)
        QTRY_VERIFY_WITH_TIMEOUT(listener->HeardSince(beforeEnd), WaitMs);
    QVERIFY(!winnerLit(true));
    QVERIFY(!winnerLit(false));

    // The next start runs the clock up from 0:00.
    QVERIFY(Tap(XK_s));
    QTRY_COMPARE_WITH_TIMEOUT(program.Clock(), QStringLiteral("0:01"), WaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(program.Clock(), QStringLiteral("0:02"), WaitMs);

    // A yuko for Visitor is the first score: Visitor wins, the clock stops.
    LetDoubleClickPass();
    const qsizetype beforeYuko = listener ? listener->Mark() : 0;
    const QPoint yuko = program.At(7080 + 367, 3840 + 562);
    QVERIFY(Click(yuko.x(), yuko.y()));
    QVERIFY(Type(QStringLiteral("1")));
    QTRY_COMPARE_WITH_TIMEOUT(program.Score(false, 'Y'), QStringLiteral("1"), WaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(winnerLit(false), WaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(winnerCaption(false) > 50, WaitMs);
    QVERIFY(!winnerLit(true));
    QCOMPARE(winnerCaption(true), 0);
    const QString atDecision = program.Clock();
    if (listener)
        QTRY_VERIFY_WITH_TIMEOUT(listener->HeardSince(beforeYuko), WaitMs);
    else
        qWarning("buzzer not listened to: %s", qPrintable(m_soundMissing));
    QCOMPARE(program.Clock(), atDecision);

    // The reset key clears it all: the typed length, no winner, the old caption.
    QVERIFY(Tap(XK_r));
    QTRY_COMPARE_WITH_TIMEOUT(program.Clock(), QStringLiteral("0:02"), WaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(!winnerLit(false), WaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(caption() == contestTime, WaitMs);
    QCOMPARE(program.Score(false, 'Y'), QStringLiteral("0"));
}

void TestEndToEnd::typedLength_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    // After S the clock runs from what the entry left; counting down to this
    // second (or a little beyond it) proves the entry's keys were all
    // handled before S.
    QTest::addColumn<QString>("running");
    QTest::newRow("minutes: 3") << "3"
                                << "3:00"
                                << "2:59";
    QTest::newRow("minutes.seconds: 1.5 is 1:05") << "1.5"
                                                  << "1:05"
                                                  << "1:04";
    QTest::newRow("two second digits: 1.50") << "1.50"
                                             << "1:50"
                                             << "1:49";
    QTest::newRow("longest: 9.59") << "9.59"
                                   << "9:59"
                                   << "9:58";
    QTest::newRow("tenths shown rounded up: 0.305") << "0.305"
                                                    << "0:31"
                                                    << "0:30";
    QTest::newRow("zero typed: 0:00 on purpose, a start leaves it") << "0"
                                                                    << "0:00"
                                                                    << "0:00";
    QTest::newRow("nothing typed: a stray Enter keeps 2:00") << ""
                                                             << "2:00"
                                                             << "1:59";
    QTest::newRow("refused: 9.60 over 9:59") << "9.60"
                                             << "2:00"
                                             << "1:59";
    QTest::newRow("refused: 10 minutes") << "10"
                                         << "2:00"
                                         << "1:59";
    QTest::newRow("refused: two points") << "5.0.1"
                                         << "2:00"
                                         << "1:59";
}

void TestEndToEnd::typedLength()
{
    REQUIRE_SERVER();
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, running);
    Korvelin program(m_home->path());
    QVERIFY(program.StartBoard());
    const QPoint clock = program.At(3398 + 1342, 1500 + 570);
    QVERIFY(Click(clock.x(), clock.y()));
    QVERIFY(Type(typed));
    QVERIFY(Tap(XK_Return));
    QTRY_COMPARE_WITH_TIMEOUT(program.Clock(), shown, WaitMs);
    QVERIFY(Tap(XK_s));
    QTRY_VERIFY2_WITH_TIMEOUT(CountedDownTo(program.Clock(), running), qPrintable(program.Clock()), WaitMs);
}

void TestEndToEnd::resize_toFullHdAndBack()
{
    REQUIRE_SERVER();
    Korvelin program(m_home->path());
    QVERIFY(program.StartBoard());
    const QSize designSize = program.Board().rect.size();
    QCOMPARE(designSize, QSize(632, 453));
    for (const QSize size : { QSize(1920, 1080), designSize }) {
        Resize(program.Board(), size.width(), size.height());
        QTRY_COMPARE_WITH_TIMEOUT(FindWindow("Korvelin").rect.size(), size, WaitMs);
        program.AdoptBoard(FindWindow("Korvelin"));
        QTRY_COMPARE_WITH_TIMEOUT(program.Clock(), QStringLiteral("2:00"), WaitMs);
        QCOMPARE(program.Hold(true), QStringLiteral("0"));
        QCOMPARE(program.Score(false, 'W'), QStringLiteral("0"));
        QCOMPARE(program.Shido(true), QStringLiteral("0000"));
        // The side-name labels keep their colours where the design puts them,
        // near their outer ends (the names are centred).
        const QImage screen = ScreenImage();
        QVERIFY(ColorDistance(screen.pixelColor(program.At(100, 1360)), White) < 30);
        QVERIFY(ColorDistance(screen.pixelColor(program.At(9380, 1360)), VisitorNameBack) < 30);
        // The board's background between the two halves' shido panels.
        QVERIFY(ColorDistance(screen.pixelColor(program.At(30, 3500)), FormBack) < 30);
    }
    // Keys still work after the round trip.
    QVERIFY(Tap(XK_s));
    QTRY_VERIFY2_WITH_TIMEOUT(
        CountedDownTo(program.Clock(), QStringLiteral("1:59")), qPrintable(program.Clock()), WaitMs);
}

void TestEndToEnd::restart_keepsTheSettings()
{
    REQUIRE_SERVER();
    Korvelin program(m_home->path());
    QDir().mkpath(QFileInfo(program.SettingsFile()).path());
    // Settings an earlier run left: a green contest clock and a board name.
    const QByteArray stored = "[ColorSettings]\nTimeColor=65280\n[TextSettings]\nTitleText=Dojo Cup\n";
    {
        QFile file(program.SettingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(stored);
    }
    const QColor green(0, 255, 0);
    program.SetTimeColor(green);
    for (int run = 1; run <= 2; ++run) {
        QVERIFY2(program.StartBoard(), qPrintable(QStringLiteral("run %1: no green 2:00").arg(run)));
        // Nothing of the default orange is left on the clock.
        QCOMPARE(CountColor(ScreenImage(), program.Geometry().Area(3398, 1500, 2685, 1140), TimeColor), 0);
        QVERIFY(program.Close());
        QFile file(program.SettingsFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), stored);
    }
}

void TestEndToEnd::options_okThenCancel()
{
    REQUIRE_SERVER();
    Korvelin program(m_home->path());
    QDir().mkpath(QFileInfo(program.SettingsFile()).path());
    {
        QFile file(program.SettingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[ColorSettings]\nTimeColor=65280\n[TextSettings]\nTitleText=Dojo Cup\n");
    }
    program.SetTimeColor(QColor(0, 255, 0));
    QVERIFY(program.StartBoard());

    // F2 opens "Options" with the focus on OK. Tab goes on to Cancel, then to
    // the tab strip, where Right twice shows "Text Controls"; Tab then enters
    // its first field, the board name, with its text selected, so typing
    // replaces it. Enter presses OK, the default button, and OK writes every
    // setting, the new name included.
    QVERIFY(Tap(XK_F2));
    XWindow options = WaitForActiveWindow("Options");
    QVERIFY2(options.IsValid(), "F2 does not open the options dialog with the keyboard");
    const auto toBoardName
        = [] { return Tap(XK_Tab) && Tap(XK_Tab) && Tap(XK_Right) && Tap(XK_Right) && Tap(XK_Tab); };
    QVERIFY(toBoardName());
    QVERIFY(TypeLetters("club open"));
    QVERIFY(Tap(XK_Return));
    QTRY_VERIFY_WITH_TIMEOUT(!FindWindow("Options").IsValid(), WaitMs);
    QSettings afterOk(program.SettingsFile(), QSettings::IniFormat);
    QCOMPARE(afterOk.value("KeySettings/IsKeyCode").toString(), QStringLiteral("Yes"));
    QCOMPARE(afterOk.value("ColorSettings/TimeColor").toString(), QStringLiteral("65280"));
    QCOMPARE(afterOk.value("ColorSettings/HoldColor").toString(), QStringLiteral("255"));
    QCOMPARE(afterOk.value("KeySettings/StartStopPeriodClockKey").toString(), QStringLiteral("83"));
    QCOMPARE(afterOk.value("TextSettings/TitleText").toString(), QStringLiteral("club open"));
    QTRY_COMPARE_WITH_TIMEOUT(program.Clock(), QStringLiteral("2:00"), WaitMs);
    QFile file(program.SettingsFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    file.close();

    // The same change again, then Escape: nothing is written, the board stays.
    QVERIFY(GiveFocus(program.Board()));
    QVERIFY(Tap(XK_F2));
    options = WaitForActiveWindow("Options");
    QVERIFY2(options.IsValid(), "the options dialog does not open a second time with the keyboard");
    QVERIFY(toBoardName());
    QVERIFY(TypeLetters("other name"));
    QVERIFY(Tap(XK_Escape));
    QTRY_VERIFY_WITH_TIMEOUT(!FindWindow("Options").IsValid(), WaitMs);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), written);
    QVERIFY(GiveFocus(program.Board()));
    QVERIFY(Tap(XK_s));
    QTRY_VERIFY2_WITH_TIMEOUT(
        CountedDownTo(program.Clock(), QStringLiteral("1:59")), qPrintable(program.Clock()), WaitMs);
}

void TestEndToEnd::help_f1OpensTheHelpWindow()
{
    REQUIRE_SERVER();
    Korvelin program(m_home->path());
    QVERIFY(program.StartBoard());
    QVERIFY(Tap(XK_F1));
    const XWindow help = WaitForActiveWindow("Korvelin Help");
    QVERIFY2(help.IsValid(), "F1 does not open the help window in front with the keyboard");
    // The help window is modeless. It opens over the board; the operator
    // brings the board to the front, and the board goes on taking keys.
    QVERIFY(GiveFocus(program.Board()));
    QVERIFY(Tap(XK_s));
    QTRY_VERIFY2_WITH_TIMEOUT(
        CountedDownTo(program.Clock(), QStringLiteral("1:59")), qPrintable(program.Clock()), WaitMs);
    QVERIFY(FindWindow("Korvelin Help").IsValid());
}

#else

void TestEndToEnd::splashClick_opensTheBoard()
{
    REQUIRE_SERVER();
}
void TestEndToEnd::fullContest_throughExpiryAndReset()
{
    REQUIRE_SERVER();
}
void TestEndToEnd::ijf2025Contest_throughGoldenScore()
{
    REQUIRE_SERVER();
}
void TestEndToEnd::typedLength_data() { }
void TestEndToEnd::typedLength()
{
    REQUIRE_SERVER();
}
void TestEndToEnd::resize_toFullHdAndBack()
{
    REQUIRE_SERVER();
}
void TestEndToEnd::restart_keepsTheSettings()
{
    REQUIRE_SERVER();
}
void TestEndToEnd::options_okThenCancel()
{
    REQUIRE_SERVER();
}
void TestEndToEnd::help_f1OpensTheHelpWindow()
{
    REQUIRE_SERVER();
}

#endif

int main(int argc, char** argv)
{
    // A screen big enough for the board at 1920 x 1080.
    kv::test::XvfbServer xvfb("1920x1200x24");
    if (xvfb.IsRunning()) {
        qputenv("DISPLAY", xvfb.DisplayName());
        qputenv("QT_QPA_PLATFORM", "xcb");
        qunsetenv("XAUTHORITY");
        qunsetenv("WAYLAND_DISPLAY");
    } else {
        MissingServer() = xvfb.Why();
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    TestEndToEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_endtoend.moc"
