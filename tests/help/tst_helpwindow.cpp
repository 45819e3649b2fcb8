// The help window: what it shows, its resize step, and how F1 and the
// splash's Help button open it.

#include "boardfixture.h"
#include "display/controls.h"
#include "display/twips.h"
#include "help/frmhelp.h"
#include "help/helpwindow.h"
#include "startup/frmsplash.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

using namespace kv;
using namespace Qt::StringLiterals;

namespace {

void WriteFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

class TestHelpWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { kv::test::UseTestSettingsStore(); }
    void cleanup();

    void path_joinsFolderSeparatorAndName();
    void layout_data();
    void layout();
    void load_data();
    void load();
    void design_captionModelessWhite();
    void dragSmaller_snapsBackToMinimum();
    void maximised_boxFollowsWindow();
    void f1Twice_bringsToFrontWithoutReloading();
    void closeAndOpenAgain_reloads();
    void place_data();
    void place();
    void opensOnScreen();
    void helpButton_windowOutlivesSplash();
    void escape_closesWindow();
};

void TestHelpWindow::cleanup()
{
    SetHelpWindowOpener({});
    delete HelpWindow();
    if (frmScoreboard* board = frmSplash::Scoreboard()) {
        board->setAttribute(Qt::WA_DeleteOnClose, false);
        delete board;
    }
}

void TestHelpWindow::path_joinsFolderSeparatorAndName()
{
    QCOMPARE(
        HelpFilePath(u"/opt/korvelin"_s), u"/opt/korvelin"_s + QDir::separator() + u"korvelinhelpfile.rtf"_s);
}

void TestHelpWindow::layout_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("windowWidth");
    QTest::addColumn<double>("windowHeight");
    QTest::addColumn<double>("boxWidth");
    QTest::addColumn<double>("boxHeight");
    QTest::addColumn<double>("margin");
    QTest::newRow("at the minimum") << 2700.0 << 1700.0 << 2700.0 << 1700.0 << 2460.0 << 1280.0 << 2010.0;
    QTest::newRow("smaller snaps to the minimum")
        << 1000.0 << 500.0 << 2700.0 << 1700.0 << 2460.0 << 1280.0 << 2010.0;
    QTest::newRow("only too low") << 5000.0 << 1200.0 << 5000.0 << 1700.0 << 4760.0 << 1280.0 << 4310.0;
    QTest::newRow("only too narrow") << 2000.0 << 3000.0 << 2700.0 << 3000.0 << 2460.0 << 2580.0 << 2010.0;
    QTest::newRow("design size") << 11175.0 << 9675.0 << 11175.0 << 9675.0 << 10935.0 << 9255.0 << 10485.0;
}

void TestHelpWindow::layout()
{
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(double, windowWidth);
    QFETCH(double, windowHeight);
    QFETCH(double, boxWidth);
    QFETCH(double, boxHeight);
    QFETCH(double, margin);
    QCOMPARE(HelpWindowLayout(width, height),
        (HelpLayout { windowWidth, windowHeight, boxWidth, boxHeight, margin }));
}

void TestHelpWindow::load_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file at all
    QTest::addColumn<bool>("folderInstead");
    QTest::addColumn<QString>("shown");
    const QString moved
        = u"Help file has been moved from its normal location.  Please reinstall the program."_s;
    QTest::newRow("missing file") << QByteArray() << false << moved;
    QTest::newRow("rich text") << QByteArray(R"({\rtf1 Welcome to {\b Korvelin}\par Keys})") << false
                               << u"Welcome to Korvelin\nKeys"_s;
    QTest::newRow("damaged rich text shows what was read")
        << QByteArray(R"({\rtf1 Welcome{\b to)") << false << u"Welcometo"_s;
    QTest::newRow("not rich text") << QByteArray("MZ\x90\x00\x03junk", 9) << false
                                   << u"Help file cannot be read.  Please reinstall the program."_s;
    // Only a file is the help file: a folder in its place means it has gone.
    QTest::newRow("a folder of that name") << QByteArray() << true << moved;
}

void TestHelpWindow::load()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, folderInstead);
    QFETCH(QString, shown);
    QTemporaryDir folder;
    if (folderInstead)
        QVERIFY(QDir(folder.path()).mkdir(HelpFileName()));
    else if (!content.isEmpty())
        WriteFile(HelpFilePath(folder.path()), content);
    frmHelp help;
    help.Load(folder.path());
    QCOMPARE(help.rtbHelp()->toPlainText(), shown);
    QVERIFY(help.rtbHelp()->isReadOnly());
}

void TestHelpWindow::design_captionModelessWhite()
{
    frmHelp help;
    QCOMPARE(help.windowTitle(), u"Korvelin Help"_s);
    QCOMPARE(help.objectName(), u"frmHelp"_s);
    QCOMPARE(help.rtbHelp()->objectName(), u"rtbHelp"_s);
    QCOMPARE(help.windowModality(), Qt::NonModal);
    QCOMPARE(help.palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(help.ScaleWidth(), frmHelp::DesignWidth);
    QCOMPARE(help.rtbHelp()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(help.rtbHelp()->x(), 8); // 120 twips
}

void TestHelpWindow::dragSmaller_snapsBackToMinimum()
{
    frmHelp help;
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    help.resize(40, 30);
    QTRY_VERIFY(help.Width() >= frmHelp::MinimumWidth && help.Height() >= frmHelp::MinimumHeight);
    // Outer size less 240 x 420 twips (16 x 28 pixels).
    QCOMPARE(help.rtbHelp()->width(), help.frameGeometry().width() - 16);
    QCOMPARE(help.rtbHelp()->height(), help.frameGeometry().height() - 28);
    QCOMPARE(help.RightMargin(), help.Width() - 240 - 450);
    QCOMPARE(help.rtbHelp()->lineWrapColumnOrWidth(), qRound((help.Width() - 690) / 15));
}

void TestHelpWindow::maximised_boxFollowsWindow()
{
    frmHelp help;
    help.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QTRY_COMPARE(help.WindowState(), 2);
    QTRY_VERIFY(help.width() > TwipsToPixelEdge(frmHelp::DesignWidth));
    QCOMPARE(help.rtbHelp()->width(), help.frameGeometry().width() - 16);
    QCOMPARE(help.rtbHelp()->height(), help.frameGeometry().height() - 28);
}

void TestHelpWindow::f1Twice_bringsToFrontWithoutReloading()
{
    QTemporaryDir folder;
    WriteFile(HelpFilePath(folder.path()), R"({\rtf1 Guide})");
    SetHelpWindowOpener([path = folder.path()] { OpenHelpWindow(path); });
    test::Board board;
    board->AllKeyCode(112);
    frmHelp* help = HelpWindow();
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QTextDocument* document = help->rtbHelp()->document();
    QCOMPARE(document->toPlainText(), u"Guide"_s);
    // Changed on disk meanwhile: a reload would show it.
    WriteFile(HelpFilePath(folder.path()), R"({\rtf1 Changed})");
    help->showMinimized();
    board->AllKeyCode(112);
    QCOMPARE(HelpWindow(), help);
    QCOMPARE(help->rtbHelp()->document(), document);
    QCOMPARE(document->toPlainText(), u"Guide"_s);
    QVERIFY(!(help->windowState() & Qt::WindowMinimized));
    // The board still takes its keys while the guide is open.
    board->AllKeyCode(BoardSettings.StartStopPeriodClockKey);
    QVERIFY(board->tkPeriod->Running());
}

void TestHelpWindow::closeAndOpenAgain_reloads()
{
    QTemporaryDir folder;
    WriteFile(HelpFilePath(folder.path()), R"({\rtf1 First})");
    OpenHelpWindow(folder.path());
    QPointer<frmHelp> first = HelpWindow();
    QVERIFY(first);
    first->close();
    QTRY_VERIFY(!first);
    QVERIFY(!HelpWindow());
    WriteFile(HelpFilePath(folder.path()), R"({\rtf1 Second})");
    OpenHelpWindow(folder.path());
    QVERIFY(HelpWindow());
    QCOMPARE(HelpWindow()->rtbHelp()->toPlainText(), u"Second"_s);
}

void TestHelpWindow::place_data()
{
    QTest::addColumn<QRect>("owner");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("place");
    const QRect screen(0, 0, 1920, 1080);
    QTest::newRow("centred on the owner")
        << QRect(100, 100, 1000, 800) << QSize(600, 400) << QRect(300, 300, 600, 400);
    QTest::newRow("kept inside on the left")
        << QRect(0, 100, 200, 800) << QSize(600, 400) << QRect(0, 300, 600, 400);
    QTest::newRow("kept inside at the bottom right")
        << QRect(1800, 1000, 120, 80) << QSize(600, 400) << QRect(1320, 680, 600, 400);
    QTest::newRow("shrunk to the screen") << QRect(0, 0, 800, 600) << QSize(2000, 1200) << screen;
    QTest::newRow("no owner: the screen's centre") << QRect() << QSize(600, 400) << QRect(660, 340, 600, 400);
}

void TestHelpWindow::place()
{
    QFETCH(QRect, owner);
    QFETCH(QSize, size);
    QFETCH(QRect, place);
    QCOMPARE(HelpWindowPlace(owner, size, QRect(0, 0, 1920, 1080)), place);
}

void TestHelpWindow::opensOnScreen()
{
    QTemporaryDir folder;
    OpenHelpWindow(folder.path());
    QVERIFY(HelpWindow());
    const QRect available = HelpWindow()->screen()->availableGeometry();
    QVERIFY(available.contains(HelpWindow()->geometry()));
}

void TestHelpWindow::helpButton_windowOutlivesSplash()
{
    QTemporaryDir folder;
    SetHelpWindowOpener([path = folder.path()] { OpenHelpWindow(path); });
    auto* splash = new frmSplash;
    splash->setAttribute(Qt::WA_DeleteOnClose, false);
    splash->Load({});
    splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    QTest::mouseClick(splash->ControlAs<CommandButton>(u"cmdHelp"_s)->Button(), Qt::LeftButton);
    QPointer<frmHelp> help = HelpWindow();
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QVERIFY(splash->isVisible());
    splash->GoScore();
    delete splash;
    QVERIFY(frmSplash::Scoreboard());
    QVERIFY(help);
    QVERIFY(help->isVisible());
}

void TestHelpWindow::escape_closesWindow()
{
    QTemporaryDir folder;
    OpenHelpWindow(folder.path());
    QPointer<frmHelp> help = HelpWindow();
    QVERIFY(help);
    QTest::keyClick(help->rtbHelp(), Qt::Key_Escape);
    QTRY_VERIFY(!help);
}

QTEST_MAIN(TestHelpWindow)
#include "tst_helpwindow.moc"
