// The stopwatch against a clock that moves only when the test says so.

#include "fakeclock.h"
#include "timing/timekeeper.h"

#include <QTest>

using namespace kv;
using kv::test::FakeClock;

class TestTimeKeeper : public QObject
{
    Q_OBJECT

private slots:
    void countsDownByDefault();
    void countsUpWithDirectionOne();
    void pauseFreezesAndResumes();
    void writingTimeWhileRunning();
    void subTenThousandthsAreNotLost();
    void readsDoNotDisturbTheCount();
    void propertiesByName();
};

void TestTimeKeeper::countsDownByDefault()
{
    FakeClock clock;
    TimeKeeper keeper;
    keeper.SetTime(Fixed4::FromSeconds(120));
    keeper.SetRunning(true);
    clock.AdvanceMilliseconds(1500);
    QCOMPARE(keeper.Time(), Fixed4::FromRaw(1'185'000));
    // Nothing stops it at zero: the program does.
    clock.AdvanceMilliseconds(120'000);
    QCOMPARE(keeper.Time(), Fixed4::FromRaw(-15'000));
}

void TestTimeKeeper::countsUpWithDirectionOne()
{
    FakeClock clock;
    TimeKeeper keeper;
    keeper.SetCountDirection(1);
    keeper.SetRunning(true);
    clock.AdvanceMilliseconds(25'250);
    QCOMPARE(keeper.Time(), Fixed4::FromRaw(252'500));
}

void TestTimeKeeper::pauseFreezesAndResumes()
{
    FakeClock clock;
    TimeKeeper keeper;
    keeper.SetCountDirection(1);
    keeper.SetRunning(true);
    clock.AdvanceMilliseconds(3000);
    keeper.SetRunning(false);
    clock.AdvanceMilliseconds(60'000);
    QCOMPARE(keeper.Time(), Fixed4::FromSeconds(3));
    keeper.SetRunning(true);
    keeper.SetRunning(true); // a second start changes nothing
    clock.AdvanceMilliseconds(2000);
    QCOMPARE(keeper.Time(), Fixed4::FromSeconds(5));
}

void TestTimeKeeper::writingTimeWhileRunning()
{
    FakeClock clock;
    TimeKeeper keeper;
    keeper.SetTime(Fixed4::FromSeconds(120));
    keeper.SetRunning(true);
    clock.AdvanceMilliseconds(10'000);
    keeper.SetTime(Fixed4::FromSeconds(60));
    QVERIFY(keeper.Running());
    QCOMPARE(keeper.Time(), Fixed4::FromSeconds(60));
    clock.AdvanceMilliseconds(1000);
    QCOMPARE(keeper.Time(), Fixed4::FromSeconds(59));
}

void TestTimeKeeper::subTenThousandthsAreNotLost()
{
    FakeClock clock;
    TimeKeeper keeper;
    keeper.SetCountDirection(1);
    keeper.SetRunning(true);
    // 20000 steps of 50 µs + 30 ns: a stopwatch that summed rounded steps would drift.
    for (int i = 0; i < 20'000; ++i) {
        clock.AdvanceNanoseconds(50'030);
        (void)keeper.Time();
    }
    QCOMPARE(keeper.Time(), Fixed4::FromRaw(10'006));
}

void TestTimeKeeper::readsDoNotDisturbTheCount()
{
    FakeClock clock;
    TimeKeeper keeper;
    keeper.SetTime(Fixed4::FromSeconds(10));
    keeper.SetRunning(true);
    for (int i = 0; i < 100; ++i) {
        clock.AdvanceMilliseconds(50);
        QCOMPARE(keeper.Time(), Fixed4::FromRaw(100'000 - (i + 1) * 500));
    }
}

void TestTimeKeeper::propertiesByName()
{
    FakeClock clock;
    TimeKeeper keeper;
    QVERIFY(keeper.setProperty("TimeRaw", qint64(50'000)));
    QVERIFY(keeper.setProperty("Running", true));
    clock.AdvanceMilliseconds(1000);
    QCOMPARE(keeper.property("TimeRaw").toLongLong(), qint64(40'000));
    QCOMPARE(keeper.property("Running").toBool(), true);
}

QTEST_APPLESS_MAIN(TestTimeKeeper)
#include "tst_timekeeper.moc"
