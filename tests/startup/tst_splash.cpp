// The splash screen: its placement, the version text, the "bypass" rule and
// what a click on each of its parts does.

#include "boardfixture.h"
#include "display/controls.h"
#include "help/helpwindow.h"
#include "settings/optionsdialog.h"
#include "startup/frmsplash.h"

#include <QApplication>
#include <QTest>

using namespace kv;

class TestSplash : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { kv::test::UseTestSettingsStore(); }
    void cleanup();

    void position_data();
    void position();
    void versionFromTheBuild();
    void bypass_data();
    void bypass();
    void bypassWithoutSplash_loadsSettingsAndShowsBoard();
    void clickOnLabelOpensScoreboard_data();
    void clickOnLabelOpensScoreboard();
    void clickOnButtonsKeepsSplash();
    void enterActivatesHelpButton();
    void optionsBeforeScoreboard_giveItsColours();
    void designSize();
    void clickOnEdgeStrip_opensScoreboard_data();
    void clickOnEdgeStrip_opensScoreboard();
    void splashWindow_notATaskbarWindow();
    void tabOrder_reachesLogo();
};

void TestSplash::cleanup()
{
    SetHelpWindowOpener({});
    SetOptionsDialogRunner({});
    if (frmScoreboard* board = frmSplash::Scoreboard()) {
        board->setAttribute(Qt::WA_DeleteOnClose, false);
        delete board;
    }
}

void TestSplash::position_data()
{
    QTest::addColumn<double>("screenWidth");
    QTest::addColumn<double>("screenHeight");
    QTest::addColumn<QPointF>("topLeft");
    QTest::newRow("1024 x 768") << 15360.0 << 11520.0 << QPointF(4560, 2820);
    QTest::newRow("1920 x 1080") << 28800.0 << 16200.0 << QPointF(11280, 5160);
}

void TestSplash::position()
{
    QFETCH(double, screenWidth);
    QFETCH(double, screenHeight);
    QFETCH(QPointF, topLeft);
    QCOMPARE(SplashPosition(screenWidth, screenHeight, frmSplash::DesignWidth), topLeft);
    // Its bottom on the 768-line screen: 2820 + 3240 = 6060.
    if (screenHeight == 11520.0)
        QCOMPARE(topLeft.y() + 3240, 6060.0);
}

void TestSplash::versionFromTheBuild()
{
    QCOMPARE(VersionText(), QStringLiteral("Version 1.0.2"));
    auto* splash = new frmSplash;
    splash->Load({});
    QCOMPARE(
        splash->ControlAs<Label>(QStringLiteral("lblVersion"))->Caption(), QStringLiteral("Version 1.0.2"));
    QCOMPARE(splash->height(), 216); // 3240 twips
    splash->close();
    delete splash;
}

void TestSplash::bypass_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("bypassed");
    QTest::newRow("bypass") << QStringList { "bypass" } << true;
    QTest::newRow("no argument") << QStringList {} << false;
    QTest::newRow("other case") << QStringList { "Bypass" } << false;
    QTest::newRow("upper case") << QStringList { "BYPASS" } << false;
    QTest::newRow("further word") << QStringList { "bypass", "now" } << false;
    QTest::newRow("padded") << QStringList { " bypass" } << false;
}

void TestSplash::bypass()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, bypassed);
    QCOMPARE(IsBypass(arguments), bypassed);
    auto* splash = new frmSplash;
    splash->setAttribute(Qt::WA_DeleteOnClose, false);
    QCOMPARE(splash->Load(arguments), bypassed);
    QCOMPARE(frmSplash::Scoreboard() != nullptr, bypassed);
    if (bypassed) {
        QVERIFY(frmSplash::Scoreboard()->isVisible());
        QVERIFY(!splash->isVisible());
    }
    delete splash;
}

void TestSplash::bypassWithoutSplash_loadsSettingsAndShowsBoard()
{
    // A stored background colour, and a record that does not hold it yet.
    BoardSettings = DefaultBoardSettings();
    BoardSettings.FormBack = 0x123456;
    QVERIFY(SaveBoardSettingsGroup(1));
    BoardSettings = DefaultBoardSettings();
    QCOMPARE(BoardSettings.FormBack, 0x404040);

    frmScoreboard* board = frmSplash::Bypass();
    QVERIFY(board != nullptr);
    QCOMPARE(frmSplash::Scoreboard(), board);
    QVERIFY(board->isVisible());
    QCOMPARE(BoardSettings.FormBack, 0x123456);
    QCOMPARE(board->palette().color(QPalette::Window), QColor(0x56, 0x34, 0x12));
    // No splash was made, hidden or shown.
    for (QWidget* window : QApplication::topLevelWidgets())
        QVERIFY2(!qobject_cast<frmSplash*>(window), "a splash window exists");
    // A second call finds the same board.
    QCOMPARE(frmSplash::Bypass(), board);

    BoardSettings = DefaultBoardSettings();
    QVERIFY(SaveBoardSettingsGroup(1));
}

void TestSplash::clickOnLabelOpensScoreboard_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name :
        { "frameSplash", "picLogo", "lblName", "lblVersion", "lblClick", "lblMadeBy", "Label1", "Label2" })
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestSplash::clickOnLabelOpensScoreboard()
{
    QFETCH(QString, name);
    auto* splash = new frmSplash;
    splash->setAttribute(Qt::WA_DeleteOnClose, false);
    splash->Load({});
    splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    auto* control = splash->ControlAs<QWidget>(name);
    QVERIFY(control);
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(frmSplash::Scoreboard());
    QVERIFY(frmSplash::Scoreboard()->isVisible());
    QVERIFY(!splash->isVisible());
    delete splash;
}

void TestSplash::clickOnButtonsKeepsSplash()
{
    int helpShown = 0;
    int optionsShown = 0;
    SetHelpWindowOpener([&helpShown] { ++helpShown; });
    SetOptionsDialogRunner([&optionsShown] { ++optionsShown; });
    auto* splash = new frmSplash;
    splash->setAttribute(Qt::WA_DeleteOnClose, false);
    splash->Load({});
    splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    QTest::mouseClick(splash->ControlAs<CommandButton>(QStringLiteral("cmdHelp"))->Button(), Qt::LeftButton);
    QTest::mouseClick(
        splash->ControlAs<CommandButton>(QStringLiteral("cmdOptions"))->Button(), Qt::LeftButton);
    QCOMPARE(helpShown, 1);
    QCOMPARE(optionsShown, 1);
    QVERIFY(splash->isVisible());
    QVERIFY(!frmSplash::Scoreboard());
    delete splash;
}

void TestSplash::enterActivatesHelpButton()
{
    int helpShown = 0;
    SetHelpWindowOpener([&helpShown] { ++helpShown; });
    auto* splash = new frmSplash;
    splash->setAttribute(Qt::WA_DeleteOnClose, false);
    splash->Load({});
    splash->show();
    splash->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(splash));
    QWidget* focused = QApplication::focusWidget();
    QVERIFY(focused);
    QCOMPARE(focused, splash->ControlAs<CommandButton>(QStringLiteral("cmdHelp"))->Button());
    QTest::keyClick(focused, Qt::Key_Return);
    QCOMPARE(helpShown, 1);
    QTest::keyClick(focused, Qt::Key_Space);
    QCOMPARE(helpShown, 2);
    QVERIFY(splash->isVisible());
    delete splash;
}

void TestSplash::optionsBeforeScoreboard_giveItsColours()
{
    SetOptionsDialogRunner([] { BoardSettings.FormBack = 0x123456; });
    auto* splash = new frmSplash;
    splash->setAttribute(Qt::WA_DeleteOnClose, false);
    splash->Load({});
    splash->show();
    QTest::mouseClick(
        splash->ControlAs<CommandButton>(QStringLiteral("cmdOptions"))->Button(), Qt::LeftButton);
    QTest::mouseClick(splash->ControlAs<QWidget>(QStringLiteral("lblName")), Qt::LeftButton);
    frmScoreboard* board = frmSplash::Scoreboard();
    QVERIFY(board);
    QCOMPARE(board->palette().color(QPalette::Window), QColor(0x56, 0x34, 0x12));
    QCOMPARE(board->picHomeS->BackColor(), 0x123456);
    delete splash;
}

void TestSplash::designSize()
{
    frmSplash splash;
    QCOMPARE(splash.width(), 416); // 6240 twips
    QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
    auto* logo = splash.ControlAs<PictureBox>(QStringLiteral("picLogo"));
    QCOMPARE(logo->Width(), 2070.0);
    QCOMPARE(logo->Height(), 2100.0);
    QCOMPARE(
        splash.ControlAs<CommandButton>(QStringLiteral("cmdOptions"))->Caption(), QStringLiteral("&Options"));
}

void TestSplash::clickOnEdgeStrip_opensScoreboard_data()
{
    // The form is 416 x 216 pixels; frameSplash covers x 8..407, y 0..207.
    QTest::addColumn<QPoint>("point");
    QTest::newRow("left strip") << QPoint(3, 100);
    QTest::newRow("right strip") << QPoint(412, 100);
    QTest::newRow("bottom strip") << QPoint(200, 212);
    QTest::newRow("bottom left corner") << QPoint(2, 214);
}

void TestSplash::clickOnEdgeStrip_opensScoreboard()
{
    QFETCH(QPoint, point);
    auto* splash = new frmSplash;
    splash->setAttribute(Qt::WA_DeleteOnClose, false);
    splash->Load({});
    splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    QCOMPARE(splash->childAt(point), nullptr);
    QTest::mouseClick(splash, Qt::LeftButton, {}, point);
    QVERIFY(frmSplash::Scoreboard());
    QVERIFY(frmSplash::Scoreboard()->isVisible());
    QVERIFY(!splash->isVisible());
    delete splash;
}

void TestSplash::splashWindow_notATaskbarWindow()
{
    frmSplash splash;
    // A splash window: window switchers and the taskbar leave it out, so its
    // caption "Form1" is never shown anywhere.
    QCOMPARE(splash.windowType(), Qt::SplashScreen);
    QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(splash.windowTitle(), QStringLiteral("Form1"));
}

void TestSplash::tabOrder_reachesLogo()
{
    auto* splash = new frmSplash;
    splash->setAttribute(Qt::WA_DeleteOnClose, false);
    splash->Load({});
    splash->show();
    splash->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(splash));
    QWidget* help = splash->ControlAs<CommandButton>(QStringLiteral("cmdHelp"))->Button();
    QWidget* options = splash->ControlAs<CommandButton>(QStringLiteral("cmdOptions"))->Button();
    QWidget* logo = splash->ControlAs<PictureBox>(QStringLiteral("picLogo"));
    QCOMPARE(QApplication::focusWidget(), help);
    const QList<QWidget*> order { options, logo, help };
    for (QWidget* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    // Keys on the logo do nothing: the splash stays.
    logo->setFocus();
    QTest::keyClick(logo, Qt::Key_Return);
    QVERIFY(splash->isVisible());
    QVERIFY(!frmSplash::Scoreboard());
    delete splash;
}

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"
