// The undo key and F3 through a real X server: XTest key presses on a
// private Xvfb, through Qt's xcb keyboard handling and the key translator,
// as the operator's keys go. Every wait is for the state it checks.

#include "boardfixture.h"
#include "record/frmresults.h"
#include "record/resultsfiles.h"
#include "scoreboard/contestjournal.h"
#include "scoreboard/contestrecorder.h"
#include "xtestkeys.h"
#include "xvfbserver.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace kv;
using kv::test::Board;
using kv::test::MissingXServer;
using kv::test::Tap;
using kv::test::XTestFakeKey;

namespace {

// Waits for the focus to be on widget, in the active window.
bool FocusOn(QWidget* widget)
{
    widget->activateWindow();
    widget->setFocus(Qt::OtherFocusReason);
    return QTest::qWaitFor([widget] { return widget->hasFocus() && widget->isActiveWindow(); }, 10000);
}

} // namespace

class TestUndoRealX : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void undoKeyAndF3_onTheBoard();
};

void TestUndoRealX::initTestCase()
{
    if (!MissingXServer().isEmpty())
        QSKIP(qPrintable(MissingXServer()));
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QVERIFY2(XTestFakeKey() != nullptr, "libXtst.so.6 cannot be loaded");
    kv::test::UseTestSettingsStore();
}

void TestUndoRealX::undoKeyAndF3_onTheBoard()
{
    QTemporaryDir folder;
    UseContestJournal(folder.filePath(QStringLiteral("contest.json")));
    Board board;
    UseContestJournal(QString());

    // Two shido for Visitor: the second gives Home a yuko.
    QVERIFY(FocusOn(board->picVisitorS));
    QVERIFY(Tap(XK_KP_Add));
    QTRY_COMPARE(board->PenaltySV, 1);
    QVERIFY(Tap(XK_KP_Add));
    QTRY_COMPARE(board->PenaltySV, 2);
    QCOMPARE(board->nledYHome->Value(), 1);

    // Backspace takes the second back, with its yuko.
    QVERIFY(Tap(XK_BackSpace));
    QTRY_COMPARE(board->PenaltySV, 1);
    QCOMPARE(board->nledYHome->Value(), 0);
    QCOMPARE(board->windowTitle(), QStringLiteral("Korvelin - undone: shido Visitor"));

    // Ippon ends the contest: its result is written.
    QVERIFY(FocusOn(board->picIpponHome));
    QVERIFY(Tap(XK_Return));
    QTRY_COMPARE(board->Ippon, 1);
    board->Recorder()->Results()->Flush();

    // F3 shows the day's results in a window of their own.
    QVERIFY(Tap(XK_F3));
    QTRY_VERIFY(ResultsWindow() && ResultsWindow()->isVisible());
    frmResults* results = ResultsWindow();
    QTRY_VERIFY(results->isActiveWindow());
    QCOMPARE(results->grdResults->model()->rowCount(), 1);
    QCOMPARE(results->grdResults->model()->index(0, 4).data().toString(), QStringLiteral("ippon"));

    // With the results open the board keeps its keys.
    QVERIFY(FocusOn(board->tledPeriod));
    QVERIFY(Tap(XK_BackSpace));
    QTRY_COMPARE(board->Ippon, 0);
    QVERIFY(Tap(XK_s));
    QTRY_VERIFY(board->tkPeriod->Running());
    QVERIFY(ResultsWindow() && ResultsWindow()->isVisible());
    delete ResultsWindow();
}

int main(int argc, char** argv)
{
    // The X server must be up before the application connects to it.
    kv::test::XvfbServer xvfb;
    xvfb.UseForApplication();
    QApplication app(argc, argv);
    TestUndoRealX test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_undorealx.moc"
