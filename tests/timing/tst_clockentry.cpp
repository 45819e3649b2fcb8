#include "timing/clockentry.h"

#include <QTest>

using namespace kv;

namespace {

constexpr qint64 Invalid = -1;

qint64 RawOr(const std::optional<Fixed4>& value)
{
    return value ? value->Raw() : Invalid;
}

constexpr qint64 Seconds(double seconds)
{
    return static_cast<qint64>(seconds * Fixed4::Scale + 0.5);
}

const Fixed4 Max = Fixed4::FromSeconds(599);

} // namespace

class TestClockEntry : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void typedEntry_data();
    void typedEntry();
    void otherDisplayStartsAfresh();
    void typedTextSurvivesWhileTheDisplayStays();
};

void TestClockEntry::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("raw");

    QTest::newRow("3") << "3" << Seconds(180);
    QTest::newRow("1.5") << "1.5" << Seconds(65);
    QTest::newRow("1.50") << "1.50" << Seconds(110);
    QTest::newRow("0.305") << "0.305" << Seconds(30.5);
    QTest::newRow("2.75") << "2.75" << Seconds(195);
    QTest::newRow("5.0.1") << "5.0.1" << Invalid;
    QTest::newRow("empty") << "" << Seconds(0);
    QTest::newRow("9.59") << "9.59" << Seconds(599);
    QTest::newRow("9.60") << "9.60" << Seconds(600);
    QTest::newRow("10") << "10" << Seconds(600);
    QTest::newRow("99.59") << "99.59" << Seconds(5999);
    QTest::newRow("99.99 (seconds past 59 count in full)") << "99.99" << Seconds(6039);
    QTest::newRow("99.999") << "99.999" << Seconds(6039.9);
    QTest::newRow("100 minutes") << "100" << Invalid;
    QTest::newRow("8 characters") << "00000003" << Seconds(180);
    QTest::newRow("9 characters") << "000000003" << Invalid;
    QTest::newRow("9 characters with seconds") << "0.3059999" << Invalid;
    QTest::newRow("extra digits ignored") << "0.3059" << Seconds(30.5);
    QTest::newRow("leading point") << ".30" << Seconds(30);
    QTest::newRow("trailing point") << "2." << Seconds(120);
    QTest::newRow("point only") << "." << Seconds(0);
    QTest::newRow("one seconds digit") << "0.9" << Seconds(9);
    QTest::newRow("tenths after zero seconds") << "0.001" << Seconds(0.1);
    QTest::newRow("x after digits") << "1.5x" << Invalid;
    QTest::newRow("blank") << "1 5" << Invalid;
    QTest::newRow("minus") << "-1" << Invalid;
    QTest::newRow("colon") << "1:30" << Invalid;
    QTest::newRow("comma") << "1,5" << Invalid;
    QTest::newRow("non-ASCII digit") << QString::fromUtf8("\u0663") << Invalid;
}

void TestClockEntry::parse()
{
    QFETCH(QString, text);
    QFETCH(qint64, raw);
    QCOMPARE(RawOr(ParseClockEntry(text)), raw);
}

void TestClockEntry::typedEntry_data()
{
    // The characters typed on one display; "\r" is Enter.
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<QString>("left");

    QTest::newRow("3 Enter") << "3\r" << Seconds(180) << "";
    QTest::newRow("1.30 Enter") << "1.30\r" << Seconds(90) << "";
    QTest::newRow("Enter alone changes nothing") << "\r" << Invalid << "";
    QTest::newRow("Space then Enter changes nothing") << "5 \r" << Invalid << "";
    QTest::newRow("0 then Enter gives 0") << "0\r" << Seconds(0) << "";
    QTest::newRow("a lone dot is typed: 0") << ".\r" << Seconds(0) << "";
    QTest::newRow("9.59 accepted") << "9.59\r" << Seconds(599) << "";
    QTest::newRow("9.60 refused") << "9.60\r" << Invalid << "";
    QTest::newRow("10 refused") << "10\r" << Invalid << "";
    QTest::newRow("99.99 refused") << "99.99\r" << Invalid << "";
    QTest::newRow("5.0.1 refused") << "5.0.1\r" << Invalid << "";
    QTest::newRow("too long refused") << "000000001\r" << Invalid << "";
    QTest::newRow("no Enter") << "2.5" << Invalid << "2.5";
    QTest::newRow("Space empties") << "7 1.5\r" << Seconds(65) << "";
    QTest::newRow("Space at the end") << "7 " << Invalid << "";
    QTest::newRow("other characters ignored") << "1+.x5-\r" << Seconds(65) << "";
    QTest::newRow("clear key code ignored") << QString("0") + QChar(0) + "9\r" << Seconds(540) << "";
    QTest::newRow("typing after Enter starts afresh") << "3\r1" << Invalid << "1";
    QTest::newRow("refused entry is gone") << "10\r2\r" << Seconds(120) << "";
}

void TestClockEntry::typedEntry()
{
    QFETCH(QString, typed);
    QFETCH(qint64, raw);
    QFETCH(QString, left);

    ClockEntryBuffer buffer;
    qint64 last = Invalid;
    for (const QChar c : typed) {
        const int ch = c == QLatin1Char('\r') ? 13 : c.unicode();
        const std::optional<Fixed4> result = EnterClockDigit(buffer, "tledPeriod", ch, Max);
        QVERIFY2(!result || ch == 13, "a result only comes with Enter");
        last = RawOr(result);
    }
    QCOMPARE(last, raw);
    QCOMPARE(buffer.Text, left);
    QCOMPARE(buffer.Control, QStringLiteral("tledPeriod"));
}

void TestClockEntry::otherDisplayStartsAfresh()
{
    ClockEntryBuffer buffer;
    EnterClockDigit(buffer, "tledPeriod", '4', Max);
    QCOMPARE(buffer.Text, QStringLiteral("4"));
    EnterClockDigit(buffer, "tledOther", '1', Max);
    QCOMPARE(buffer.Text, QStringLiteral("1"));
    QCOMPARE(buffer.Control, QStringLiteral("tledOther"));
    // Even a key that appends nothing switches the buffer to the new display.
    EnterClockDigit(buffer, "tledPeriod", 'x', Max);
    QCOMPARE(buffer.Text, QString());
    QCOMPARE(RawOr(EnterClockDigit(buffer, "tledPeriod", 13, Max)), Invalid);
}

void TestClockEntry::typedTextSurvivesWhileTheDisplayStays()
{
    ClockEntryBuffer buffer;
    EnterClockDigit(buffer, "tledPeriod", '2', Max);
    EnterClockDigit(buffer, "tledPeriod", '.', Max);
    // Focus moved away and back: nothing typed elsewhere reaches this buffer.
    EnterClockDigit(buffer, "tledPeriod", '4', Max);
    QCOMPARE(RawOr(EnterClockDigit(buffer, "tledPeriod", 13, Max)), Seconds(124));
    // A smaller maximum refuses what a larger one takes.
    EnterClockDigit(buffer, "tledPeriod", '3', Max);
    QCOMPARE(RawOr(EnterClockDigit(buffer, "tledPeriod", 13, Fixed4::FromSeconds(179))), Invalid);
    EnterClockDigit(buffer, "tledPeriod", '3', Max);
    QCOMPARE(RawOr(EnterClockDigit(buffer, "tledPeriod", 13, Fixed4::FromSeconds(180))), Seconds(180));
}

QTEST_APPLESS_MAIN(TestClockEntry)
#include "tst_clockentry.moc"
