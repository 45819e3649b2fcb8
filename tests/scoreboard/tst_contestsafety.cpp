// A running contest survives one stray key: Enter with nothing typed, holds
// on a stopped clock, the end-of-time buzzer owed to a held-over hold, a stop
// in the last refresh interval, and hold displays that never run early.

#include "boardfixture.h"

#include <QSignalSpy>
#include <QTest>

using namespace kv;
using kv::test::Board;

namespace {

// Typed keys on the contest clock: digits, "." and " " as such, "E" Enter.
void TypeOnClock(const Board& board, const QString& keys)
{
    for (const QChar c : keys) {
        if (c == u'E')
            QTest::keyClick(board->tledPeriod, Qt::Key_Return);
        else if (c == u' ')
            QTest::keyClick(board->tledPeriod, Qt::Key_Space);
        else if (c == u'.')
            QTest::keyClick(board->tledPeriod, Qt::Key_Period);
        else
            QTest::keyClick(board->tledPeriod, Qt::Key(Qt::Key_0 + c.digitValue()));
    }
}

// Runs the contest to expiry during a Home hold: 1 s left, Left, then 1.5 s.
void ExpireDuringHomeHold(Board& board)
{
    board->tkPeriod->SetTime(Fixed4::FromSeconds(1));
    board->AllKeyCode(83);
    board->AllKeyCode(37);
    board.Advance(1500);
}

} // namespace

class TestContestSafety : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { kv::test::UseTestSettingsStore(); }

    void enterOnClock_data();
    void enterOnClock();

    void heldOverHold_thenStartAtZero_data();
    void heldOverHold_thenStartAtZero();
    void startAtZero_soundsOnceAndStartsNothing();
    void holdOnStoppedClock_anyArrowStopsIt_data();
    void holdOnStoppedClock_anyArrowStopsIt();

    void owedBuzzer_soundsWhenHeldOverHoldEnds_data();
    void owedBuzzer_soundsWhenHeldOverHoldEnds();

    void stopInLastRefreshInterval_data();
    void stopInLastRefreshInterval();

    void holdDisplay_showsCompletedSeconds_data();
    void holdDisplay_showsCompletedSeconds();
};

void TestContestSafety::enterOnClock_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("lengthSeconds"); // PeriodLength afterwards
    QTest::addColumn<bool>("stillRunning");
    QTest::newRow("strayEnter_changesNothing") << "E" << 120 << true;
    QTest::newRow("spaceThenEnter_changesNothing") << " E" << 120 << true;
    QTest::newRow("typedZero_givesZero") << "0E" << 0 << false;
    QTest::newRow("typedThree_givesThreeMinutes") << "3E" << 180 << false;
}

void TestContestSafety::enterOnClock()
{
    QFETCH(QString, keys);
    QFETCH(int, lengthSeconds);
    QFETCH(bool, stillRunning);
    Board board;
    board->tledPeriod->setFocus();
    QTest::keyClick(board->tledPeriod, Qt::Key_S);
    board.Advance(5000);
    TypeOnClock(board, keys);
    QCOMPARE(PeriodLength, Fixed4::FromSeconds(lengthSeconds));
    QCOMPARE(board->tkPeriod->Running(), stillRunning);
    if (stillRunning)
        QCOMPARE(board->tkPeriod->Time(), Fixed4::FromSeconds(115));
    // The reset brings back the contest length, not a stray 0:00.
    QTest::keyClick(board->tledPeriod, Qt::Key_R);
    QCOMPARE(board->tkPeriod->Time(), Fixed4::FromSeconds(lengthSeconds));
    QCOMPARE(board->tledPeriod->Caption(), float(lengthSeconds));
}

void TestContestSafety::heldOverHold_thenStartAtZero_data()
{
    QTest::addColumn<int>("endingArrow");
    QTest::newRow("endedByLeft") << 37;
    QTest::newRow("endedByUp") << 38;
    QTest::newRow("endedByRight") << 39;
    QTest::newRow("endedByDown") << 40;
}

void TestContestSafety::heldOverHold_thenStartAtZero()
{
    QFETCH(int, endingArrow);
    Board board;
    ExpireDuringHomeHold(board);
    QVERIFY(board->tkHoldHome->Running());
    QVERIFY(board->DelayPlayBuzzerPeriod);
    board->AllKeyCode(qint16(endingArrow));
    QCOMPARE(board.player.Plays(), 1);
    QVERIFY(!board->tkHoldHome->Running());
    board.Advance(1000);
    const int shown = board->nledHoldHome->Value();

    // S at 0:00 starts nothing: no hold runs on the audience display.
    board->AllKeyCode(83);
    QVERIFY(!board->tkPeriod->Running());
    QVERIFY(!board->tkHoldHome->Running());
    QVERIFY(!board->tkHoldVisitor->Running());
    board.Advance(3000);
    QCOMPARE(board->nledHoldHome->Value(), shown);
    QCOMPARE(board->tledPeriod->Caption(), 0.0f);
    QCOMPARE(board.player.Plays(), 1);
}

void TestContestSafety::startAtZero_soundsOnceAndStartsNothing()
{
    Board board;
    board->tledPeriod->setFocus();
    board->TimePin = 37;
    TypeOnClock(board, QStringLiteral("0E"));
    QCOMPARE(board.player.Plays(), 0);
    // The end of time has not sounded since the clock had time left: the
    // start sounds it, and starts neither the contest clock nor Home's hold.
    for (int press = 1; press <= 2; ++press) {
        QTest::keyClick(board->tledPeriod, Qt::Key_S);
        QVERIFY(!board->tkPeriod->Running());
        QVERIFY(!board->tkHoldHome->Running());
        QCOMPARE(board.player.Plays(), 1);
        board.FinishBuzzer();
    }
}

void TestContestSafety::holdOnStoppedClock_anyArrowStopsIt_data()
{
    QTest::addColumn<int>("arrow");
    QTest::newRow("Left") << 37;
    QTest::newRow("Up") << 38;
    QTest::newRow("Right") << 39;
    QTest::newRow("Down") << 40;
}

void TestContestSafety::holdOnStoppedClock_anyArrowStopsIt()
{
    QFETCH(int, arrow);
    Board board;
    // However a hold came to run beside a stopped contest clock, an arrow ends it.
    board->TimePin = 37;
    board->tkHoldHome->SetRunning(true);
    board->AllKeyCode(qint16(arrow));
    QVERIFY(!board->tkHoldHome->Running());
    QVERIFY(!board->tkHoldVisitor->Running());
    QCOMPARE(board->TimePin, 37);
    QCOMPARE(board.player.Plays(), 0);

    // And the refresh lets none run on: only the held-over hold may.
    board->tkHoldVisitor->SetRunning(true);
    board.Advance(50);
    QVERIFY(!board->tkHoldVisitor->Running());
}

void TestContestSafety::owedBuzzer_soundsWhenHeldOverHoldEnds_data()
{
    QTest::addColumn<QString>("ending");
    QTest::addColumn<int>("plays");
    QTest::newRow("arrowUp") << "up" << 1;
    QTest::newRow("ipponClickOnMark") << "ipponClick" << 1;
    QTest::newRow("typedWazaAriTwo") << "wazaAri" << 1;
    QTest::newRow("fourthShidoEndMatch") << "fourthShido" << 1;
    QTest::newRow("winnerMark") << "winner" << 1;
    QTest::newRow("resetCancels") << "reset" << 0;
}

void TestContestSafety::owedBuzzer_soundsWhenHeldOverHoldEnds()
{
    QFETCH(QString, ending);
    QFETCH(int, plays);
    Board board;
    ExpireDuringHomeHold(board);
    QVERIFY(board->DelayPlayBuzzerPeriod);
    QCOMPARE(board.player.Plays(), 0);

    if (ending == u"up") {
        board->AllKeyCode(38);
    } else if (ending == u"ipponClick") {
        QTest::mouseClick(board->lblIpponHome, Qt::LeftButton);
        QCOMPARE(board->Ippon, 1);
    } else if (ending == u"wazaAri") {
        QTest::keyClick(board->nledWHome, Qt::Key_2);
        QCOMPARE(board->Ippon, 1);
    } else if (ending == u"fourthShido") {
        for (int i = 0; i < 4; ++i)
            board->ShidoVisitor(1);
        QCOMPARE(board->Ippon, 1);
    } else if (ending == u"winner") {
        board->WinnerToggle(1);
    } else if (ending == u"reset") {
        board->AllKeyCode(82);
    }
    QVERIFY(!board->tkHoldHome->Running());
    QCOMPARE(board.player.Plays(), plays);
    QVERIFY(!board->DelayPlayBuzzerPeriod);

    // Nothing is left owed: a later arrow does not sound it at a random moment.
    board.FinishBuzzer();
    board.Advance(4000);
    board->AllKeyCode(38);
    board->AllKeyCode(37);
    QCOMPARE(board.player.Plays(), plays);
}

void TestContestSafety::stopInLastRefreshInterval_data()
{
    QTest::addColumn<int>("pastZeroMs"); // how far the time is past 0 when S comes
    QTest::addColumn<bool>("hold");
    QTest::addColumn<int>("plays");
    QTest::newRow("exactlyAtZero_sounds") << 0 << false << 1;
    QTest::newRow("30msPastZero_sounds") << 30 << false << 1;
    QTest::newRow("duringHold_owedAndHoldGoesOn") << 30 << true << 0;
}

void TestContestSafety::stopInLastRefreshInterval()
{
    QFETCH(int, pastZeroMs);
    QFETCH(bool, hold);
    QFETCH(int, plays);
    Board board;
    QVERIFY(board->tmrClock1->Enabled());
    board->tledPeriod->setFocus();
    board->tkPeriod->SetTime(Fixed4::FromSeconds(2));
    QTest::keyClick(board->tledPeriod, Qt::Key_S);
    if (hold)
        QTest::keyClick(board->tledPeriod, Qt::Key_Left);

    // The time runs out, and S comes before the refresh due at that moment.
    board.clock.AdvanceMilliseconds(2000 + pastZeroMs);
    QTest::keyClick(board->tledPeriod, Qt::Key_S);
    QVERIFY(!board->tkPeriod->Running());
    QCOMPARE(board.player.Plays(), plays);
    QCOMPARE(board->PlayedBuzzerPeriod, !hold);
    QCOMPARE(board->DelayPlayBuzzerPeriod, hold);
    QCOMPARE(board->tkHoldHome->Running(), hold);

    // The refresh that was due finds the contest ended and sounds nothing
    // more; with the clock stopped and no hold, none is due after it.
    QTRY_VERIFY_WITH_TIMEOUT(!board->tmrClock1->Pending() || hold, 10'000);
    QCOMPARE(board->NextRefreshNanoseconds().has_value(), hold);
    board.Advance(50);
    QCOMPARE(board->tledPeriod->Caption(), 0.0f);
    QVERIFY(!board->tkPeriod->Running());
    QCOMPARE(board.player.Plays(), plays);
}

void TestContestSafety::holdDisplay_showsCompletedSeconds_data()
{
    QTest::addColumn<qint64>("raw"); // hold time in 1/10000 s
    QTest::addColumn<int>("shown");
    QTest::newRow("start") << qint64(0) << 0;
    QTest::newRow("just past half a second shows 0") << qint64(5001) << 0;
    QTest::newRow("just short of one") << qint64(9999) << 0;
    QTest::newRow("one completed") << qint64(10000) << 1;
    QTest::newRow("19.5 shows 19") << qint64(195000) << 19;
    QTest::newRow("just short of 20") << qint64(199999) << 19;
    QTest::newRow("20 completed") << qint64(200000) << 20;
    QTest::newRow("past 99 still written") << qint64(1005000) << 100;
}

void TestContestSafety::holdDisplay_showsCompletedSeconds()
{
    QFETCH(qint64, raw);
    QFETCH(int, shown);
    Board board(false);
    board->tkHoldHome->SetTime(Fixed4::FromRaw(raw));
    board->tkHoldVisitor->SetTime(Fixed4::FromRaw(raw));
    // The contest clock keeps its rounding up: 119.5 s still shows 2:00.
    board->tkPeriod->SetTime(Fixed4::FromRaw(1195000));
    board->RefreshTime();
    QCOMPARE(board->nledHoldHome->Value(), shown);
    QCOMPARE(board->nledHoldVisitor->Value(), shown);
    QCOMPARE(board->tledPeriod->Caption(), 120.0f);
}

QTEST_MAIN(TestContestSafety)
#include "tst_contestsafety.moc"
