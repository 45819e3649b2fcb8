// The options dialog driven by real key events: a private Xvfb server, the
// xcb platform and XTest key presses. F2 on the board opens the dialog, Tab
// and Enter reach the key chooser, which takes a key as the operator types
// it, and OK puts the new key on the board.
//
// With KORVELIN_SCREENSHOT_DIR set, screenshots() also saves a picture of
// each tab and of the key chooser there (tools/screenshots/options.sh).

#include "boardfixture.h"
#include "display/dialogcontrols.h"
#include "optionsfixture.h"
#include "settings/frmchoosekey.h"
#include "settings/frmoptions.h"
#include "settings/optionsdialog.h"
#include "xtestkeys.h"
#include "xvfbserver.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTimer>

#ifndef KORVELIN_HAVE_XVFB_SERVER
#define XK_F2 0
#define XK_Tab 0
#define XK_Return 0
#define XK_x 0
#endif

using namespace kv;
using kv::test::Board;
using kv::test::FakeDialogs;
using kv::test::MissingXServer;
using kv::test::Tap;
using kv::test::TestStore;

namespace {

// Steps run one after another from the event loop, each when its condition
// holds, so that they go on inside the modal loops the keys open.
class Script final : public QObject
{
public:
    struct Step
    {
        std::function<bool()> Ready;
        std::function<void()> Act;
    };

    explicit Script(std::vector<Step> steps)
        : m_steps(std::move(steps))
    {
        m_timer.setInterval(20);
        connect(&m_timer, &QTimer::timeout, this, &Script::Tick);
        m_timer.start();
    }
    bool Done() const { return m_next >= m_steps.size(); }
    std::size_t Reached() const { return m_next; }

private:
    void Tick()
    {
        if (Done()) {
            m_timer.stop();
            return;
        }
        // A step that never comes must not hang the test inside a modal
        // window: close the windows and let the test fail.
        if (++m_ticks > 500) {
            qWarning("script stuck before step %d", int(m_next));
            m_timer.stop();
            while (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
            return;
        }
        if (m_steps[m_next].Ready()) {
            m_steps[m_next].Act();
            ++m_next;
        }
    }

    std::vector<Step> m_steps;
    std::size_t m_next = 0;
    int m_ticks = 0;
    QTimer m_timer;
};

template <typename T> T* ActiveModal()
{
    return qobject_cast<T*>(QApplication::activeModalWidget());
}

bool Focused(const QWidget* widget)
{
    return QApplication::focusWidget() == widget && widget->isActiveWindow();
}

} // namespace

class TestOptionsRealX : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void f2TabEnter_choosesStartStopKey();
    void screenshots();
};

void TestOptionsRealX::initTestCase()
{
    if (!MissingXServer().isEmpty())
        QSKIP(qPrintable(MissingXServer()));
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QVERIFY2(kv::test::XTestFakeKey() != nullptr, "libXtst.so.6 cannot be loaded");
    SetOptionsDialogRunner(&ShowOptionsDialog);
}

void TestOptionsRealX::f2TabEnter_choosesStartStopKey()
{
    TestStore store;
    FakeDialogs dialogs;
    Board board;
    board->tledPeriod->activateWindow();
    board->tledPeriod->setFocus();
    QTRY_VERIFY(Focused(board->tledPeriod));

    frmOptions* options = nullptr;
    frmChooseKey* chooser = nullptr;
    QString prompt;
    Script script({
        // The dialog opens with the focus on OK; Tab, Tab, Tab reach the
        // start/stop key button past Cancel and the tabs.
        { [&] { return (options = ActiveModal<frmOptions>()) && Focused(options->cmdOk->Button()); },
            [] { Tap(XK_Tab); } },
        { [&] { return Focused(options->cmdCancel->Button()); }, [] { Tap(XK_Tab); } },
        { [&] { return Focused(options->SSTab1->Strip()); }, [] { Tap(XK_Tab); } },
        { [&] { return Focused(options->cmdStartStopPeriodClock->Button()); }, [] { Tap(XK_Return); } },
        // In the chooser R is refused (the reset key), X is taken.
        { [&] { return (chooser = ActiveModal<frmChooseKey>()) && chooser->isActiveWindow(); },
            [&] {
                prompt = chooser->lblChoose->Caption();
                Tap(XK_r);
            } },
        { [&] { return chooser->lblUsed->Visible(); }, [] { Tap(XK_x); } },
        // Back in the dialog the focus is on OK again; Enter presses it.
        { [&] { return ActiveModal<frmOptions>() && Focused(options->cmdOk->Button()); },
            [] { Tap(XK_Return); } },
    });
    QVERIFY(Tap(XK_F2));
    QTRY_VERIFY_WITH_TIMEOUT(script.Done(), 15000);
    QTRY_VERIFY(!ActiveModal<frmOptions>());
    QCOMPARE(prompt, QStringLiteral("Press the key you would like to start / stop the contest clock."));
    QCOMPARE(dialogs.beeps, 1);
    QCOMPARE(BoardSettings.StartStopPeriodClockKey, qint16(88));
    QCOMPARE(store.Read("KeySettings", "StartStopPeriodClockKey"), QStringLiteral("88"));
    QCOMPARE(store.Read("KeySettings", "IsKeyCode"), QStringLiteral("Yes"));

    // The board takes the new key at once.
    QTRY_VERIFY(board->isActiveWindow());
    board->tledPeriod->setFocus();
    QTRY_VERIFY(Focused(board->tledPeriod));
    QVERIFY(Tap(XK_x));
    QTRY_VERIFY(board->tkPeriod->Running());
}

void TestOptionsRealX::screenshots()
{
    const QString folder = qEnvironmentVariable("KORVELIN_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("KORVELIN_SCREENSHOT_DIR is not set");
    QVERIFY(QDir().mkpath(folder));
    TestStore store;
    FakeDialogs dialogs;
    BoardSettings = DefaultBoardSettings();
    BoardSettings.BuzzerFile = QDir(store.Folder()).filePath(QStringLiteral("buzzer.wav"));
    frmOptions options;
    options.Load();
    options.show();
    QVERIFY(QTest::qWaitForWindowExposed(&options));
    const char* const names[] = { "1-key-controls", "2-color-controls", "3-text-controls", "4-pictures",
        "5-additional-settings", "6-rules", "7-network" };
    for (int tab = 0; tab < 7; ++tab) {
        options.SSTab1->SetTab(tab);
        QCoreApplication::processEvents();
        QVERIFY(options.grab().save(QDir(folder).filePath(QStringLiteral("options-%1.png").arg(names[tab]))));
    }
    ChooseKeyAction = QStringLiteral("sound the buzzer");
    ChooseKeyCurrent = 66;
    frmChooseKey chooser({ 83, 82, 66 });
    chooser.Load();
    chooser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chooser));
    QVERIFY(chooser.grab().save(QDir(folder).filePath(QStringLiteral("choosekey-1-prompt.png"))));
    chooser.Form_KeyDown(27);
    QVERIFY(chooser.grab().save(QDir(folder).filePath(QStringLiteral("choosekey-2-refused.png"))));
}

int main(int argc, char** argv)
{
    kv::test::XvfbServer xvfb;
    xvfb.UseForApplication();
    QApplication app(argc, argv);
    TestOptionsRealX test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_optionsrealx.moc"
