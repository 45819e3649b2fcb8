#include "display/sevensegment.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>
#include <limits>

using namespace kv;

namespace {

// Segments written as letters, "abcdefg", so table rows read like the digit.
quint8 Segments(const char* letters)
{
    quint8 bits = 0;
    for (const char* c = letters; *c; ++c)
        bits |= static_cast<quint8>(1u << (*c - 'a'));
    return bits;
}

const LedPaddings DesignW { 100, 75, 50, 0 };
const LedPaddings DesignHold { 0, 0, 140, 0 };
const LedPaddings DesignPeriod { 180, 80, 180, 180 };

} // namespace

class TestSevenSegment final : public QObject
{
    Q_OBJECT

private slots:
    void digitPatterns_data();
    void digitPatterns();
    void characterSegments_data();
    void characterSegments();
    void unlitColor();

    void numberExtent_data();
    void numberExtent();
    void timeExtent_data();
    void timeExtent();
    void designLayoutWithinHalfPixel_data();
    void designLayoutWithinHalfPixel();
    void polyExtent();
    void cellsFillTheExtent_data();
    void cellsFillTheExtent();
    void decimalDigitCount_data();
    void decimalDigitCount();

    void parseGroupLengths_data();
    void parseGroupLengths();
    void formatTimeGroups_data();
    void formatTimeGroups();
    void formatNumber_data();
    void formatNumber();

    void segmentGeometry();
    void paintedDigit_data();
    void paintedDigit();
    void paintedColon();
};

void TestSevenSegment::digitPatterns_data()
{
    QTest::addColumn<int>("digit");
    QTest::addColumn<QString>("lit");
    QTest::newRow("0") << 0 << "abcdef";
    QTest::newRow("1") << 1 << "bc";
    QTest::newRow("2") << 2 << "abdeg";
    QTest::newRow("3") << 3 << "abcdg";
    QTest::newRow("4") << 4 << "bcfg";
    QTest::newRow("5") << 5 << "acdfg";
    QTest::newRow("6") << 6 << "acdefg";
    QTest::newRow("7") << 7 << "abc";
    QTest::newRow("8") << 8 << "abcdefg";
    QTest::newRow("9") << 9 << "abcdfg";
    QTest::newRow("below range is blank") << -1 << "";
    QTest::newRow("above range is blank") << 10 << "";
}

void TestSevenSegment::digitPatterns()
{
    QFETCH(int, digit);
    QFETCH(QString, lit);
    QCOMPARE(DigitSegments(digit), Segments(lit.toLatin1().constData()));
}

void TestSevenSegment::characterSegments_data()
{
    QTest::addColumn<QChar>("character");
    QTest::addColumn<QString>("lit");
    QTest::newRow("digit") << QChar('4') << "bcfg";
    QTest::newRow("blank") << QChar(' ') << "";
    QTest::newRow("minus") << QChar('-') << "g";
    QTest::newRow("letter") << QChar('x') << "";
    QTest::newRow("colon is no digit") << QChar(':') << "";
    QTest::newRow("non-latin digit") << QChar(0x0663) << "";
}

void TestSevenSegment::characterSegments()
{
    QFETCH(QChar, character);
    QFETCH(QString, lit);
    QCOMPARE(CharacterSegments(character), Segments(lit.toLatin1().constData()));
}

void TestSevenSegment::unlitColor()
{
    QCOMPARE(UnlitColor(Qt::red, Qt::black), QColor(31, 0, 0));
    QCOMPARE(UnlitColor(QColor(0, 192, 0), QColor(100, 100, 100)), QColor(88, 111, 88));
    QCOMPARE(UnlitColor(Qt::white, Qt::white), QColor(Qt::white));
    QCOMPARE(UnlitColor(Qt::red, Qt::black, 1.0), QColor(Qt::red));
}

void TestSevenSegment::numberExtent_data()
{
    QTest::addColumn<double>("size");
    QTest::addColumn<LedPaddings>("paddings");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QSizeF>("extent");
    QTest::newRow("score display") << 65.0 << LedPaddings { 100, 75, 0, 0 } << 1 << QSizeF(736.25, 1125);
    QTest::newRow("score, inner padding unused") << 65.0 << DesignW << 1 << QSizeF(736.25, 1125);
    QTest::newRow("hold display") << 65.0 << DesignHold << 2 << QSizeF(1212.5, 975);
    QTest::newRow("no paddings") << 20.0 << LedPaddings {} << 3 << QSizeF(495, 300);
    QTest::newRow("zero digits count as one")
        << 20.0 << LedPaddings { 10, 10, 99, 0 } << 0 << QSizeF(185, 320);
    QTest::newRow("size 1") << 1.0 << LedPaddings { 1, 1, 1, 0 } << 2 << QSizeF(19.5, 17);
}

void TestSevenSegment::numberExtent()
{
    QFETCH(double, size);
    QFETCH(LedPaddings, paddings);
    QFETCH(int, digits);
    QFETCH(QSizeF, extent);
    QCOMPARE(NumberLedExtent(size, paddings, digits), extent);
}

void TestSevenSegment::timeExtent_data()
{
    QTest::addColumn<double>("size");
    QTest::addColumn<LedPaddings>("paddings");
    QTest::addColumn<QList<int>>("lengths");
    QTest::addColumn<QSizeF>("extent");
    // 360 + 3 × 536.25 + 180 + (360 + 178.75)
    QTest::newRow("contest clock") << 65.0 << DesignPeriod << QList<int> { 1, 2 } << QSizeF(2687.5, 1135);
    QTest::newRow("one group has no colon")
        << 65.0 << DesignPeriod << QList<int> { 2 } << QSizeF(360 + 2 * 536.25 + 180, 1135);
    QTest::newRow("three groups") << 20.0 << LedPaddings { 0, 0, 10, 5 } << QList<int> { 1, 2, 2 }
                                  << QSizeF(5 * 165 + 2 * 10 + 2 * (10 + 55), 300);
    QTest::newRow("no groups") << 20.0 << LedPaddings { 7, 3, 10, 5 } << QList<int> {} << QSizeF(14, 306);
}

void TestSevenSegment::timeExtent()
{
    QFETCH(double, size);
    QFETCH(LedPaddings, paddings);
    QFETCH(QList<int>, lengths);
    QFETCH(QSizeF, extent);
    QCOMPARE(TimeLedExtent(size, paddings, lengths), extent);
}

void TestSevenSegment::designLayoutWithinHalfPixel_data()
{
    QTest::addColumn<QSizeF>("computed");
    QTest::addColumn<QSizeF>("designed");
    QTest::newRow("tledPeriod") << TimeLedExtent(65, DesignPeriod, { 1, 2 }) << QSizeF(2685, 1140);
    QTest::newRow("nledWHome") << NumberLedExtent(65, DesignW, 1) << QSizeF(735, 1125);
    QTest::newRow("nledHoldHome") << NumberLedExtent(65, DesignHold, 2) << QSizeF(1215, 975);
}

// The board's layout was drawn with these displays; their computed extents
// stay within half a pixel of the drawn ones.
void TestSevenSegment::designLayoutWithinHalfPixel()
{
    QFETCH(QSizeF, computed);
    QFETCH(QSizeF, designed);
    QVERIFY2(
        std::abs(computed.width() - designed.width()) <= 7.5, qPrintable(QString::number(computed.width())));
    QVERIFY2(std::abs(computed.height() - designed.height()) <= 7.5,
        qPrintable(QString::number(computed.height())));
}

void TestSevenSegment::polyExtent()
{
    QCOMPARE(PolyLedExtent(65), QSizeF(536.25 + 195, 975 + 195));
    QCOMPARE(PolyLedExtent(20, 2), QSizeF(2 * 165 + 60, 360));
    QCOMPARE(PolyLedExtent(20, 0), PolyLedExtent(20, 1));
}

void TestSevenSegment::cellsFillTheExtent_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("lengths");
    QTest::newRow("m:ss") << "2:00" << QList<int> { 1, 2 };
    QTest::newRow("mm:ss") << " 1:05" << QList<int> { 2, 2 };
    QTest::newRow("h:mm:ss") << "1:02:05" << QList<int> { 1, 2, 2 };
    QTest::newRow("digits only") << "99" << QList<int> { 2 };
}

// The cells of a display text end exactly one right margin before the
// extent computed from its group lengths, and sit between the top and bottom
// margins.
void TestSevenSegment::cellsFillTheExtent()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, lengths);
    const QList<LedCell> cells = LayoutCells(text, 65, DesignPeriod);
    const QSizeF extent = TimeLedExtent(65, DesignPeriod, lengths);
    QCOMPARE(cells.size(), text.size());
    QCOMPARE(cells.first().rect.left(), DesignPeriod.horizontal);
    QCOMPARE(cells.last().rect.right() + DesignPeriod.horizontal, extent.width());
    for (const LedCell& cell : cells) {
        QCOMPARE(cell.rect.top(), DesignPeriod.vertical);
        QCOMPARE(cell.rect.bottom() + DesignPeriod.vertical, extent.height());
        QCOMPARE(cell.IsColon(), cell.character == QLatin1Char(':'));
    }
}

void TestSevenSegment::decimalDigitCount_data()
{
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("digits");
    QTest::newRow("9") << 9 << 1;
    QTest::newRow("10") << 10 << 2;
    QTest::newRow("99") << 99 << 2;
    QTest::newRow("100") << 100 << 3;
    QTest::newRow("0") << 0 << 1;
    QTest::newRow("negative") << -50 << 1;
    QTest::newRow("int max") << std::numeric_limits<int>::max() << 10;
}

void TestSevenSegment::decimalDigitCount()
{
    QFETCH(int, max);
    QFETCH(int, digits);
    QCOMPARE(DecimalDigitCount(max), digits);
}

void TestSevenSegment::parseGroupLengths_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("lengths");
    QTest::newRow("design") << "1,2" << QList<int> { 1, 2 };
    QTest::newRow("spaces") << " 2 , 2 " << QList<int> { 2, 2 };
    QTest::newRow("empty") << "" << QList<int> { 1 };
    QTest::newRow("not a number") << "x,2" << QList<int> { 1, 2 };
    QTest::newRow("zero and negative") << "0,-2" << QList<int> { 1, 1 };
    QTest::newRow("too long a group") << "25" << QList<int> { MaxGroupDigits };
    QTest::newRow("too many groups") << "1,1,1,1,1,1,1,1,1,1,1" << QList<int>(MaxGroups, 1);
}

void TestSevenSegment::parseGroupLengths()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, lengths);
    QCOMPARE(ParseGroupLengths(text), lengths);
}

void TestSevenSegment::formatTimeGroups_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("lengths");
    QTest::addColumn<QString>("text");
    QTest::newRow("120") << 120.0 << "60,1"
                         << "1,2"
                         << "2:00";
    QTest::newRow("119") << 119.0 << "60,1"
                         << "1,2"
                         << "1:59";
    QTest::newRow("65") << 65.0 << "60,1"
                        << "1,2"
                        << "1:05";
    QTest::newRow("599") << 599.0 << "60,1"
                         << "1,2"
                         << "9:59";
    QTest::newRow("0") << 0.0 << "60,1"
                       << "1,2"
                       << "0:00";
    QTest::newRow("negative shows 0") << -3.0 << "60,1"
                                      << "1,2"
                                      << "0:00";
    QTest::newRow("600 keeps the lowest minute digit") << 600.0 << "60,1"
                                                       << "1,2"
                                                       << "0:00";
    QTest::newRow("659") << 659.0 << "60,1"
                         << "1,2"
                         << "0:59";
    QTest::newRow("fraction dropped") << 119.99 << "60,1"
                                      << "1,2"
                                      << "1:59";
    QTest::newRow("NaN shows 0") << std::nan("") << "60,1"
                                 << "1,2"
                                 << "0:00";
    QTest::newRow("infinity keeps its lowest digits") << std::numeric_limits<double>::infinity() << "60,1"
                                                      << "1,2"
                                                      << "6:40";
    QTest::newRow("first group blank-padded") << 65.0 << "60,1"
                                              << "2,2"
                                              << " 1:05";
    QTest::newRow("first group zero") << 5.0 << "60,1"
                                      << "2,2"
                                      << " 0:05";
    QTest::newRow("hours") << 3725.0 << "3600,60,1"
                           << "1,2,2"
                           << "1:02:05";
    QTest::newRow("seconds only") << 42.0 << "1"
                                  << "3"
                                  << " 42";
    QTest::newRow("missing unit counts as 1") << 65.0 << "60"
                                              << "1,2"
                                              << "1:05";
    QTest::newRow("bad unit counts as 1") << 7.0 << "x,1"
                                          << "2"
                                          << " 7";
}

void TestSevenSegment::formatTimeGroups()
{
    QFETCH(double, seconds);
    QFETCH(QString, units);
    QFETCH(QString, lengths);
    QFETCH(QString, text);
    QCOMPARE(FormatTimeGroups(seconds, ParseGroupList(units, 1), ParseGroupLengths(lengths)), text);
}

void TestSevenSegment::formatNumber_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("text");
    QTest::newRow("one digit") << 7 << 1 << "7";
    QTest::newRow("zero") << 0 << 1 << "0";
    QTest::newRow("cleared") << -1 << 1 << " ";
    QTest::newRow("cleared, two digits") << -1 << 2 << "  ";
    QTest::newRow("other negative is blank") << -12 << 2 << "  ";
    QTest::newRow("leading blank") << 5 << 2 << " 5";
    QTest::newRow("full") << 99 << 2 << "99";
    QTest::newRow("hold past 99") << 105 << 2 << "05";
    QTest::newRow("hold at 100") << 100 << 2 << "00";
    QTest::newRow("score past 9") << 12 << 1 << "2";
}

void TestSevenSegment::formatNumber()
{
    QFETCH(int, value);
    QFETCH(int, digits);
    QFETCH(QString, text);
    QCOMPARE(FormatNumber(value, digits), text);
}

// Each segment's centre lies inside its own bar and in no other, every bar
// stays inside the cell, and the "Dots" style puts a dot on each centre with
// dots that do not touch.
void TestSevenSegment::segmentGeometry()
{
    const QRectF cell(100, 50, 536.25, 975);
    const double diameter = DotDiameter(cell);
    QVERIFY(diameter > 0);
    for (int segment = 0; segment < SegmentCount; ++segment) {
        const QPolygonF bar = SegmentPolygon(cell, segment);
        QVERIFY(cell.adjusted(-1e-9, -1e-9, 1e-9, 1e-9).contains(bar.boundingRect()));
        const QPointF centre = SegmentCentre(cell, segment);
        for (int other = 0; other < SegmentCount; ++other)
            QCOMPARE(SegmentPolygon(cell, other).containsPoint(centre, Qt::OddEvenFill), other == segment);
        const QList<QPointF> dots = SegmentDots(cell, segment);
        QCOMPARE(dots.size(), 5);
        QVERIFY(dots.contains(centre));
        for (qsizetype i = 1; i < dots.size(); ++i) {
            const QPointF step = dots[i] - dots[i - 1];
            QVERIFY(std::hypot(step.x(), step.y()) > diameter);
        }
    }
    QVERIFY(SegmentPolygon(cell, 7).isEmpty());
    QVERIFY(SegmentDots(cell, -1).isEmpty());
}

void TestSevenSegment::paintedDigit_data()
{
    QTest::addColumn<int>("ledType");
    QTest::newRow("Lines") << 0;
    QTest::newRow("Dots") << 1;
}

// Painted at board size, "8" lights every segment's centre in the lit colour;
// a blank leaves each centre in the faint unlit colour, and the space between
// the segments stays background.
void TestSevenSegment::paintedDigit()
{
    QFETCH(int, ledType);
    const QRectF cell(10, 10, 85.25, 155);
    const QColor back(Qt::black);
    const QColor lit(0, 192, 0);
    const QColor unlit = UnlitColor(lit, back);
    for (const bool eight : { true, false }) {
        QImage image(110, 180, QImage::Format_RGB32);
        image.fill(back);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        PaintDigit(painter, cell, eight ? DigitSegments(8) : 0, LedStyleFromType(ledType), lit, unlit);
        painter.end();
        for (int segment = 0; segment < SegmentCount; ++segment) {
            const QPoint centre = SegmentCentre(cell, segment).toPoint();
            QCOMPARE(image.pixelColor(centre), eight ? lit : unlit);
        }
        const QPoint hollow = QPointF(cell.center().x(), cell.top() + cell.height() / 4).toPoint();
        QCOMPARE(image.pixelColor(hollow), back);
    }
}

void TestSevenSegment::paintedColon()
{
    const QRectF cell(0, 0, 30, 150);
    QImage image(30, 150, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintColon(painter, cell, Qt::red);
    painter.end();
    for (const QPointF& dot : ColonDots(cell))
        QCOMPARE(image.pixelColor(dot.toPoint()), QColor(Qt::red));
    QCOMPARE(image.pixelColor(15, 75), QColor(Qt::black));
}

QTEST_MAIN(TestSevenSegment)
#include "tst_sevensegment.moc"
