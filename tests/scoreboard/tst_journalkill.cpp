// The contest survives a kill: the built program runs on a private Xvfb with
// private data, settings and home folders, gets a contest through real key
// presses, is killed with SIGKILL and started again; the restarted board must
// look exactly as the killed one did.

#include "scoreboard/contestjournal.h"
#include "xtestkeys.h"
#include "xvfbserver.h"
#ifdef KORVELIN_HAVE_XVFB_SERVER
#include "xwindows.h"
#endif

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

using namespace kv;
using kv::test::MissingXServer;
using kv::test::Tap;

namespace {

#ifdef KORVELIN_HAVE_XVFB_SERVER
using XWindow = ::Window;

// Reads a window property and gives what use makes of its items (format,
// count, data), or fallback when the window has no such property.
template <typename T, typename Use>
T ReadProperty(Display* display, XWindow window, const char* name, long length, T fallback, Use use)
{
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

// A window property of 8-bit items (a title) as bytes.
QByteArray TextProperty(Display* display, XWindow window, const char* name)
{
    return ReadProperty(display, window, name, 1024, QByteArray(),
        [](int format, unsigned long items, const unsigned char* data) {
            return format == 8 ? QByteArray(reinterpret_cast<const char*>(data), int(items)) : QByteArray();
        });
}

long PidProperty(Display* display, XWindow window)
{
    return ReadProperty(display, window, "_NET_WM_PID", 1, -1L,
        [](int format, unsigned long items, const unsigned char* data) {
            return (format == 32 && items == 1) ? *reinterpret_cast<const long*>(data) : -1L;
        });
}

// The viewable top-level window of the process whose title starts "Korvelin".
XWindow BoardWindow(qint64 pid)
{
    Display* display = kv::test::QtDisplay();
    for (const XWindow window : kv::test::ViewableTopLevelWindows(display)) {
        if (PidProperty(display, window) == pid
            && TextProperty(display, window, "_NET_WM_NAME").startsWith("Korvelin"))
            return window;
    }
    return 0;
}

[[maybe_unused]] QString Title(XWindow window)
{
    return QString::fromUtf8(TextProperty(kv::test::QtDisplay(), window, "_NET_WM_NAME"));
}

void Focus(XWindow window)
{
    Display* display = kv::test::QtDisplay();
    XSetInputFocus(display, window, RevertToPointerRoot, CurrentTime);
    XFlush(display);
}
#else
using XWindow = unsigned long;
XWindow BoardWindow(qint64)
{
    return 0;
}
[[maybe_unused]] QString Title(XWindow)
{
    return {};
}
void Focus(XWindow) { }
#endif

QImage Grab(XWindow window)
{
    return QGuiApplication::primaryScreen()
        ->grabWindow(WId(window))
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// The board once it has stopped changing: two grabs in a row alike.
QImage SettledGrab(XWindow window)
{
    QImage last = Grab(window);
    for (int i = 0; i < 50; ++i) {
        QTest::qWait(100);
        QImage next = Grab(window);
        if (next == last && !next.isNull())
            return next;
        last = next;
    }
    return {};
}

[[maybe_unused]] int DifferentPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return -1;
    int different = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            different += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return different;
}

[[maybe_unused]] std::optional<ContestSnapshot> Journalled(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const JournalReading reading = ParseJournal(file.readAll());
    if (reading.What != JournalReading::Kind::Contest)
        return std::nullopt;
    return reading.Snapshot;
}

} // namespace

class TestJournalKill : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void killedMidContest_restartShowsTheSameBoard();

private:
    bool Start(QProcess& program);
    XWindow m_window = 0;
    QTemporaryDir m_home;
};

void TestJournalKill::initTestCase()
{
    if (!MissingXServer().isEmpty())
        QSKIP(qPrintable(MissingXServer()));
    QVERIFY2(kv::test::XTestFakeKey() != nullptr, "libXtst.so.6 cannot be loaded");
    QVERIFY(m_home.isValid());
}

bool TestJournalKill::Start(QProcess& program)
{
    const QString binary
        = QDir(QString::fromLocal8Bit(qgetenv("KORVELIN_BINARY_DIR"))).filePath(QStringLiteral("korvelin"));
    if (!QFileInfo(binary).isExecutable()) {
        qWarning("no program at %s", qPrintable(binary));
        return false;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("DISPLAY"), QString::fromLocal8Bit(qgetenv("DISPLAY")));
    environment.insert(QStringLiteral("HOME"), m_home.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), m_home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
    environment.remove(QStringLiteral("XAUTHORITY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    program.setProcessEnvironment(environment);
    program.start(binary, { QStringLiteral("bypass") });
    if (!program.waitForStarted(10'000))
        return false;
    const qint64 pid = program.processId();
    if (!QTest::qWaitFor([&] { return (m_window = BoardWindow(pid)) != 0; }, 20'000))
        return false;
    Focus(m_window);
    return !SettledGrab(m_window).isNull();
}

void TestJournalKill::killedMidContest_restartShowsTheSameBoard()
{
#ifndef KORVELIN_HAVE_XVFB_SERVER
    QSKIP("needs an X11 build");
#else
    const QString journal = m_home.filePath(QStringLiteral("data/Korvelin/Korvelin/contest.json"));
    const auto tap = [](std::initializer_list<KeySym> keys) {
        for (const KeySym key : keys)
            QVERIFY(Tap(key));
    };
    // From the contest clock, the tab stops up to Visitor's shido panel.
    constexpr int TabsToVisitorShido = 12;

    QProcess first;
    QVERIFY(Start(first));
    QCOMPARE(Title(m_window), QStringLiteral("Korvelin"));

    // A contest of 1:37, running, with a hold for Home.
    tap({ XK_1, XK_period, XK_3, XK_7, XK_Return, XK_s, XK_Left });
    QTRY_VERIFY_WITH_TIMEOUT(Journalled(journal) && Journalled(journal)->HoldHomeRunning, 10'000);
    QCOMPARE(Journalled(journal)->PeriodLength, Fixed4::FromSeconds(97));
    // The running clock is journalled as it passes each second.
    QTRY_VERIFY_WITH_TIMEOUT(
        Journalled(journal) && Journalled(journal)->PeriodTime < Fixed4::FromSeconds(96), 10'000);

    // While it runs: a medical mark, scores and shido, through the tab stops.
    tap({ XK_Tab, XK_Tab, XK_Tab, XK_KP_Add }); // Home medical mark
    tap({ XK_Tab, XK_Tab, XK_Tab, XK_1 }); // Home waza-ari 1
    tap({ XK_Tab, XK_Tab, XK_Tab, XK_3 }); // Visitor yuko 3
    tap({ XK_Tab, XK_Tab, XK_KP_Add, XK_KP_Add }); // two shido for Home: a yuko for Visitor
    tap({ XK_Tab, XK_KP_Add, XK_s }); // one shido for Visitor; the clock stops
    QTRY_VERIFY_WITH_TIMEOUT(Journalled(journal) && !Journalled(journal)->PeriodRunning, 10'000);
    const ContestSnapshot before = *Journalled(journal);
    QCOMPARE(before.MedHome, qint16(1));
    QCOMPARE(before.WHome, qint16(1));
    QCOMPARE(before.YVisitor, qint16(4));
    QCOMPARE(before.PenaltySH, qint16(2));
    QCOMPARE(before.PenaltySV, qint16(1));
    QCOMPARE(before.TimePin, 37);
    QVERIFY(before.PeriodTime < Fixed4::FromSeconds(96));
    QVERIFY(before.HoldHomeTime > Fixed4::FromSeconds(1));
    const QImage shown = SettledGrab(m_window);
    QVERIFY(!shown.isNull());
    QFile journalFile(journal);
    QVERIFY(journalFile.open(QIODevice::ReadOnly));
    qInfo("before the kill: title \"%s\", journal:\n%s", qPrintable(Title(m_window)),
        journalFile.readAll().constData());

    first.kill(); // SIGKILL: no close event, no clean-up
    QVERIFY(first.waitForFinished(10'000));
    QCOMPARE(first.exitStatus(), QProcess::CrashExit);

    QProcess second;
    QVERIFY(Start(second));
    QCOMPARE(Title(m_window), JournalKeeper::RestoredTitle);
    // The same focus as before, so the selection frame sits where it did.
    for (int i = 0; i < TabsToVisitorShido; ++i)
        QVERIFY(Tap(XK_Tab));
    QTRY_COMPARE_WITH_TIMEOUT(Title(m_window), QStringLiteral("Korvelin"), 10'000);
    const QImage restored = SettledGrab(m_window);
    const int different = DifferentPixels(shown, restored);
    qInfo("after the restart: title \"%s\" until the first key; %d of %d pixels differ from the killed board",
        qPrintable(JournalKeeper::RestoredTitle), different, shown.width() * shown.height());
    const QByteArray shots = qgetenv("KORVELIN_SHOTS_DIR");
    if (!shots.isEmpty()) {
        shown.save(QDir(QString::fromLocal8Bit(shots)).filePath(QStringLiteral("journal-before-kill.png")));
        restored.save(
            QDir(QString::fromLocal8Bit(shots)).filePath(QStringLiteral("journal-after-restart.png")));
    }
    QCOMPARE(different, 0);

    second.kill();
    second.waitForFinished(10'000);
    const QByteArray errors = first.readAllStandardError() + second.readAllStandardError();
    qInfo("standard error of both runs: %s", errors.isEmpty() ? "(nothing)" : errors.constData());
    QVERIFY2(!errors.contains("Korvelin:"), errors.constData());
#endif
}

int main(int argc, char** argv)
{
    // The X server must be up before the application connects to it.
    kv::test::XvfbServer xvfb;
    xvfb.UseForApplication();
    QApplication app(argc, argv);
    TestJournalKill test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_journalkill.moc"
