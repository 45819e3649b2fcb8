// Half-even rounding and the four-decimal fixed-point time values.

#include "timing/fixedpoint.h"

#include <QTest>

#include <limits>

using namespace kv;

class TestFixedPoint : public QObject
{
    Q_OBJECT

private slots:
    void divideRoundHalfEven_data();
    void divideRoundHalfEven();
    void roundHalfEven_data();
    void roundHalfEven();
    void fromDouble_data();
    void fromDouble();
    void toInt16_data();
    void toInt16();
};

void TestFixedPoint::divideRoundHalfEven_data()
{
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<qint64>("seconds");
    QTest::newRow("whole") << qint64(1'200'000) << qint64(120);
    QTest::newRow("just below half") << qint64(24'999) << qint64(2);
    QTest::newRow("half to even down") << qint64(25'000) << qint64(2);
    QTest::newRow("half to even up") << qint64(35'000) << qint64(4);
    QTest::newRow("just above half") << qint64(25'001) << qint64(3);
    QTest::newRow("zero") << qint64(0) << qint64(0);
    QTest::newRow("small negative") << qint64(-1) << qint64(0);
    QTest::newRow("negative half to even") << qint64(-5'000) << qint64(0);
    QTest::newRow("negative one and a half") << qint64(-15'000) << qint64(-2);
    QTest::newRow("negative just beyond half") << qint64(-5'001) << qint64(-1);
}

void TestFixedPoint::divideRoundHalfEven()
{
    QFETCH(qint64, raw);
    QFETCH(qint64, seconds);
    QCOMPARE(Fixed4::FromRaw(raw).RoundHalfEven(), seconds);
    QCOMPARE(DivideRoundHalfEven(raw, Fixed4::Scale), seconds);
}

void TestFixedPoint::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");
    QTest::newRow("0.5") << 0.5 << 0.0;
    QTest::newRow("1.5") << 1.5 << 2.0;
    QTest::newRow("2.5") << 2.5 << 2.0;
    QTest::newRow("-2.5") << -2.5 << -2.0;
    QTest::newRow("21.75") << 21.75 << 22.0;
    QTest::newRow("12.75") << 12.75 << 13.0;
    QTest::newRow("10.5") << 10.5 << 10.0;
    QTest::newRow("922.5") << 922.5 << 922.0;
}

void TestFixedPoint::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(double, rounded);
    QCOMPARE(RoundHalfEven(value), rounded);
}

void TestFixedPoint::fromDouble_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<qint64>("raw");
    QTest::newRow("thirty and a half") << 30.5 << qint64(305'000);
    QTest::newRow("a ten-thousandth") << 0.0001 << qint64(1);
    QTest::newRow("half a ten-thousandth to even") << 0.00005 << qint64(0);
    QTest::newRow("negative") << -1.25 << qint64(-12'500);
}

void TestFixedPoint::fromDouble()
{
    QFETCH(double, seconds);
    QFETCH(qint64, raw);
    QCOMPARE(Fixed4::FromDouble(seconds).Raw(), raw);
    QCOMPARE(Fixed4::FromRaw(raw).ToDouble(), static_cast<double>(raw) / 10000.0);
}

void TestFixedPoint::toInt16_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("result");
    QTest::newRow("half to even") << 6.5 << 6;
    QTest::newRow("above the range") << 40000.0 << int(std::numeric_limits<qint16>::max());
    QTest::newRow("below the range") << -40000.0 << int(std::numeric_limits<qint16>::min());
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0;
}

void TestFixedPoint::toInt16()
{
    QFETCH(double, value);
    QFETCH(int, result);
    QCOMPARE(int(ToInt16HalfEven(value)), result);
}

QTEST_APPLESS_MAIN(TestFixedPoint)
#include "tst_fixedpoint.moc"
