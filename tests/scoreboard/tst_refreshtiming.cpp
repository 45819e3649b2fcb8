// The refresh comes when a display can change instead of on a fixed beat:
// a displayed second just after a hold threshold, the end of time during a
// hold, a stop in the last milliseconds, the number of refreshes a running
// clock costs, none while nothing runs, and the board's change notice.
// Time is the fake clock; the refresh timer is played by RunUntil, which
// refreshes when the board asks, rounded up to whole milliseconds as a timer.

#include "boardfixture.h"

#include <QSignalSpy>
#include <QTest>

using namespace kv;
using kv::test::Board;

namespace {

constexpr qint16 KeyS = 83;
constexpr qint16 KeyLeft = 37;

// Refreshes the board whenever it asks, from now until `untilNs` of the fake
// clock (refreshes due strictly before it), then moves the clock to
// `untilNs` without a refresh. Returns the number of refreshes.
int RunUntil(Board& board, qint64 untilNs)
{
    int refreshes = 0;
    for (;;) {
        const std::optional<qint64> due = board->NextRefreshNanoseconds();
        if (!due)
            break;
        const qint64 wake = (*due + 999'999) / 1'000'000 * 1'000'000;
        if (board.clock.NowNanoseconds() + wake >= untilNs)
            break;
        board.clock.AdvanceNanoseconds(wake);
        board->RefreshTime();
        if (++refreshes > 100'000) {
            qWarning("the refresh never rests");
            return refreshes;
        }
    }
    board.clock.AdvanceNanoseconds(untilNs - board.clock.NowNanoseconds());
    return refreshes;
}

void UseRules(const QString& ruleSet)
{
    BoardSettings.RuleSet = ruleSet;
    BoardSettings.GoldenScoreLimit = -1;
    BoardSettings.ScoreHolds = true;
}

} // namespace

class TestRefreshTiming : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { kv::test::UseTestSettingsStore(); }

    void changesShowWithinAMillisecond_data();
    void changesShowWithinAMillisecond();
    void runningClock_oneRefreshPerSecond();
    void nothingRunning_noRefreshDue();
    void boardChanged_afterActionsAndChangingRefreshes();
};

void TestRefreshTiming::changesShowWithinAMillisecond_data()
{
    QTest::addColumn<QString>("rules");
    QTest::addColumn<qint64>("lengthRaw"); // contest time at the start, 1/10000 s
    QTest::addColumn<bool>("hold"); // Home's hold starts with the clock
    QTest::addColumn<qint64>("stopUs"); // S again at this moment; -1 never
    QTest::addColumn<qint64>("probeUs"); // the moment the board is read
    QTest::addColumn<float>("caption");
    QTest::addColumn<int>("holdShown");
    QTest::addColumn<int>("ippon");
    QTest::addColumn<int>("plays");
    QTest::addColumn<bool>("running");
    QTest::addColumn<bool>("owed");

    // 100.0003 s with a hold from the start: Home's hold reaches 10 s, and
    // 0.2 ms later the contest clock turns from 1:31 to 1:30 (90.0001 shows 90).
    QTest::newRow("before the 10 s threshold") << "IJF 2018" << qint64(1000003) << true << qint64(-1)
                                               << qint64(9'999'000) << 91.0f << 9 << 0 << 0 << true << false;
    QTest::newRow("second 0.2 ms after the 10 s threshold")
        << "IJF 2018" << qint64(1000003) << true << qint64(-1) << qint64(10'001'200) << 90.0f << 10 << 0 << 0
        << true << false;
    // At 20 s the hold is ippon: the contest stops with 80.0003 s left (1:21).
    QTest::newRow("before the ippon threshold")
        << "IJF 2018" << qint64(1000003) << true << qint64(-1) << qint64(19'999'000) << 81.0f << 19 << 0 << 0
        << true << false;
    QTest::newRow("ippon threshold") << "IJF 2018" << qint64(1000003) << true << qint64(-1)
                                     << qint64(20'001'000) << 81.0f << 20 << 1 << 1 << false << false;

    // 2.5 s with a hold: time runs out during it; the hold goes on counting.
    QTest::newRow("end of time during a hold") << "Classic" << qint64(25000) << true << qint64(-1)
                                               << qint64(2'501'000) << 0.0f << 2 << 0 << 0 << false << true;
    QTest::newRow("held-over hold still counts") << "Classic" << qint64(25000) << true << qint64(-1)
                                                 << qint64(3'001'000) << 0.0f << 3 << 0 << 0 << false << true;
    QTest::newRow("held-over hold before ippon")
        << "IJF 2018" << qint64(25000) << true << qint64(-1) << qint64(19'999'000) << 0.0f << 19 << 0 << 0
        << false << true;
    QTest::newRow("held-over hold reaches ippon, owed buzzer sounds")
        << "IJF 2018" << qint64(25000) << true << qint64(-1) << qint64(20'001'000) << 0.0f << 20 << 1 << 1
        << false << false;

    // 2 s, stopped in its last milliseconds, and read well after.
    QTest::newRow("stop 1 ms before the end") << "Classic" << qint64(20000) << false << qint64(1'999'000)
                                              << qint64(5'000'000) << 1.0f << 0 << 0 << 0 << false << false;
    QTest::newRow("stop 0.1 ms before the end") << "Classic" << qint64(20000) << false << qint64(1'999'900)
                                                << qint64(5'000'000) << 0.0f << 0 << 0 << 0 << false << false;
    QTest::newRow("stop at the end, before its refresh")
        << "Classic" << qint64(20000) << false << qint64(2'000'000) << qint64(5'000'000) << 0.0f << 0 << 0
        << 1 << false << false;
    QTest::newRow("no stop: the end 1 ms on") << "Classic" << qint64(20000) << false << qint64(-1)
                                              << qint64(2'001'000) << 0.0f << 0 << 0 << 1 << false << false;
}

void TestRefreshTiming::changesShowWithinAMillisecond()
{
    QFETCH(QString, rules);
    QFETCH(qint64, lengthRaw);
    QFETCH(bool, hold);
    QFETCH(qint64, stopUs);
    QFETCH(qint64, probeUs);
    QFETCH(float, caption);
    QFETCH(int, holdShown);
    QFETCH(int, ippon);
    QFETCH(int, plays);
    QFETCH(bool, running);
    QFETCH(bool, owed);

    Board board(false);
    UseRules(rules);
    board->tkPeriod->SetTime(Fixed4::FromRaw(lengthRaw));
    const qint64 start = board.clock.NowNanoseconds();
    board->AllKeyCode(KeyS);
    if (hold)
        board->AllKeyCode(KeyLeft);
    if (stopUs >= 0) {
        RunUntil(board, start + stopUs * 1000);
        board->AllKeyCode(KeyS);
    }
    RunUntil(board, start + probeUs * 1000);

    QCOMPARE(board->tledPeriod->Caption(), caption);
    QCOMPARE(board->nledHoldHome->Value(), holdShown);
    QCOMPARE(board->Ippon, qint16(ippon));
    QCOMPARE(board.player.Plays(), plays);
    QCOMPARE(board->tkPeriod->Running(), running);
    QCOMPARE(board->DelayPlayBuzzerPeriod, owed);
}

void TestRefreshTiming::runningClock_oneRefreshPerSecond()
{
    Board board(false);
    const qint64 start = board.clock.NowNanoseconds();
    board->AllKeyCode(KeyS);
    // 10.5 s of a running contest clock: one refresh per displayed second
    // (2:00 to 1:50) and one just after the start, when the journal's whole
    // second moves.
    const int refreshes = RunUntil(board, start + 10'500'000'000);
    QVERIFY2(refreshes <= 11, qPrintable(QString::number(refreshes)));
    QCOMPARE(board->tledPeriod->Caption(), 110.0f);
}

void TestRefreshTiming::nothingRunning_noRefreshDue()
{
    Board board;
    // What the load and the show scheduled runs once, then nothing is due.
    QTRY_VERIFY_WITH_TIMEOUT(!board->tmrClock1->Pending(), 10'000);
    QVERIFY(!board->NextRefreshNanoseconds());
    board->AllKeyCode(KeyS);
    QVERIFY(board->NextRefreshNanoseconds());
    board->AllKeyCode(KeyS);
    QTRY_VERIFY_WITH_TIMEOUT(!board->tmrClock1->Pending(), 10'000);
    QVERIFY(!board->NextRefreshNanoseconds());
}

void TestRefreshTiming::boardChanged_afterActionsAndChangingRefreshes()
{
    Board board;
    QSignalSpy changes(&*board, &frmScoreboard::BoardChanged);

    // A typed score: the notice comes with the key, before any refresh.
    QTest::keyClick(board->nledWHome, Qt::Key_1);
    QVERIFY(changes.count() >= 1);
    QCOMPARE(board->nledWHome->Value(), 1);

    // A refresh that changes nothing is silent.
    changes.clear();
    board->RefreshTime();
    QCOMPARE(changes.count(), 0);

    // A running clock's refresh that turns a displayed second is not.
    board->AllKeyCode(KeyS);
    board->RefreshTime();
    changes.clear();
    board.clock.AdvanceMilliseconds(1000);
    board->RefreshTime();
    QCOMPARE(board->tledPeriod->Caption(), 119.0f);
    QCOMPARE(changes.count(), 1);
}

QTEST_MAIN(TestRefreshTiming)
#include "tst_refreshtiming.moc"
