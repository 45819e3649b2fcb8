#include "display/leds.h"
#include "display/twips.h"
#include "display/vbcolor.h"

#include <QImage>
#include <QPaintEvent>
#include <QScreen>
#include <QTest>

#include <memory>

using namespace kv;

namespace {

// Counts the paint events a widget receives, and keeps the areas they ask for.
class PaintCounter final : public QObject
{
public:
    int count = 0;
    QList<QRect> rects;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++count;
            rects.append(static_cast<QPaintEvent*>(event)->rect());
        }
        return false;
    }
};

std::unique_ptr<Control> MakeLed(const QString& typeName)
{
    if (typeName == QLatin1String("TimeLED"))
        return std::make_unique<TimeLED>();
    if (typeName == QLatin1String("NumberLED"))
        return std::make_unique<NumberLED>();
    return std::make_unique<PolyLED>();
}

// The pixel of a widget's grab at a point given in the display's twips.
QColor PixelAtTwips(const QImage& image, const Control& led, QPointF twips)
{
    const double sx = image.width() / led.Width();
    const double sy = image.height() / led.Height();
    return image.pixelColor(QPointF(twips.x() * sx, twips.y() * sy).toPoint());
}

LedPaddings PaddingsOf(const NumberLED& led)
{
    return { led.PaddingH(), led.PaddingV(), led.PaddingI(), 0 };
}

} // namespace

// Lets the repaints that are asked for happen (an update posts them, and
// their paint posts a flush).
void Settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// Shows the widget as a window and waits until it is on screen and painted.
bool ShowAndSettle(QWidget& widget)
{
    widget.show();
    if (!QTest::qWaitForWindowExposed(&widget))
        return false;
    QCoreApplication::processEvents();
    return true;
}

// What the window shows: the platform's own copy of it.
QImage Shown(QWidget& widget)
{
    return widget.screen()->grabWindow(widget.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

class TestLeds final : public QObject
{
    Q_OBJECT

private slots:
    void typeNames_data();
    void typeNames();
    void defaults();

    void valueAndCaption_data();
    void valueAndCaption();
    void captionText_data();
    void captionText();
    void numberDisplayText();
    void timeDisplayText();

    void extentIgnoresWrites_data();
    void extentIgnoresWrites();
    void extentFollowsSizeAndPaddings();
    void badLengthsRefused();

    void propertiesByName_data();
    void propertiesByName();

    void renderNumber_data();
    void renderNumber();
    void renderTimeFrameAndColon();
    void renderScalesWithWidget();
    void renderPreview();

    void repaintOnlyOnChange();
    void changedDigits_showWhatAWholePaintShows_data();
    void changedDigits_showWhatAWholePaintShows();
    void oneDigitChange_repaintsThatDigitOnly();
};

void TestLeds::typeNames_data()
{
    QTest::addColumn<QString>("typeName");
    QTest::newRow("TimeLED") << "TimeLED";
    QTest::newRow("NumberLED") << "NumberLED";
    QTest::newRow("PolyLED") << "PolyLED";
}

void TestLeds::typeNames()
{
    QFETCH(QString, typeName);
    const std::unique_ptr<Control> led = MakeLed(typeName);
    QCOMPARE(TypeName(led.get()), typeName);
    QVERIFY(led->IsWindowed());
}

void TestLeds::defaults()
{
    TimeLED time;
    QCOMPARE(time.GroupLengths(), QStringLiteral("1,2"));
    QCOMPARE(time.GroupUnits(), QStringLiteral("60,1"));
    QCOMPARE(time.LitColor(), 0x0000FF);
    QCOMPARE(time.BackColor(), 0);
    QCOMPARE(time.BorderColor(), 0xFFFFFF);
    QCOMPARE(time.Size(), 65.0);
    QCOMPARE(time.DisplayText(), QStringLiteral("0:00"));

    NumberLED number;
    QCOMPARE(number.Max(), 9);
    QCOMPARE(number.Value(), 0);

    PolyLED poly;
    QCOMPARE(poly.Caption(), QStringLiteral("8"));
    QCOMPARE(poly.focusPolicy(), Qt::NoFocus);
    QVERIFY(!poly.TabStop());
}

void TestLeds::valueAndCaption_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("caption");
    QTest::newRow("digit") << 7 << 7 << "7";
    QTest::newRow("cleared") << -1 << -1 << "-1";
    QTest::newRow("zero") << 0 << 0 << "0";
    QTest::newRow("above 16 bits clamps") << 40000 << 32767 << "32767";
    QTest::newRow("below 16 bits clamps") << -40000 << -32768 << "-32768";
}

void TestLeds::valueAndCaption()
{
    QFETCH(int, value);
    QFETCH(int, stored);
    QFETCH(QString, caption);
    NumberLED led;
    led.SetValue(value);
    QCOMPARE(led.Value(), stored);
    QCOMPARE(led.Caption(), caption);
    QCOMPARE(led.property("Caption").toString(), caption);
}

void TestLeds::captionText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("digit") << "7" << 7;
    QTest::newRow("cleared") << "-1" << -1;
    QTest::newRow("plus sign") << "+4" << 4;
    QTest::newRow("leading zero") << "05" << 5;
    QTest::newRow("empty keeps") << "" << 3;
    QTest::newRow("letters keep") << "abc" << 3;
    QTest::newRow("decimal keeps") << "1.5" << 3;
    QTest::newRow("spaces keep") << " 7" << 3;
    QTest::newRow("trailing text keeps") << "7x" << 3;
    QTest::newRow("sign alone keeps") << "-" << 3;
    QTest::newRow("beyond 16 bits keeps") << "40000" << 3;
    QTest::newRow("beyond int keeps") << "99999999999" << 3;
}

void TestLeds::captionText()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    NumberLED led;
    led.SetValue(3);
    QVERIFY(led.setProperty("Caption", text));
    QCOMPARE(led.Value(), value);
}

void TestLeds::numberDisplayText()
{
    NumberLED led;
    led.SetValue(-1);
    QCOMPARE(led.DisplayText(), QStringLiteral(" "));
    led.SetValue(12);
    QCOMPARE(led.DisplayText(), QStringLiteral("2"));
    led.SetMax(99);
    QCOMPARE(led.DisplayText(), QStringLiteral("12"));
    led.SetValue(105);
    QCOMPARE(led.DisplayText(), QStringLiteral("05"));
    led.SetValue(-1);
    QCOMPARE(led.DisplayText(), QStringLiteral("  "));
}

void TestLeds::timeDisplayText()
{
    TimeLED led;
    led.SetCaption(120);
    QCOMPARE(led.DisplayText(), QStringLiteral("2:00"));
    led.SetCaption(64.9f);
    QCOMPARE(led.DisplayText(), QStringLiteral("1:04"));
    led.SetCaption(-3);
    QCOMPARE(led.DisplayText(), QStringLiteral("0:00"));
    led.SetGroupLengths(QStringLiteral("2,2"));
    led.SetCaption(65);
    QCOMPARE(led.DisplayText(), QStringLiteral(" 1:05"));
    led.SetGroupUnits(QStringLiteral("1"));
    led.SetGroupLengths(QStringLiteral("3"));
    QCOMPARE(led.DisplayText(), QStringLiteral(" 65"));
}

void TestLeds::extentIgnoresWrites_data()
{
    typeNames_data();
}

void TestLeds::extentIgnoresWrites()
{
    QFETCH(QString, typeName);
    const std::unique_ptr<Control> led = MakeLed(typeName);
    const double width = led->Width();
    const double height = led->Height();
    QVERIFY(width > 0);
    QVERIFY(height > 0);
    led->SetWidth(5000);
    led->SetHeight(4000);
    QVERIFY(led->setProperty("Width", 123.0));
    QVERIFY(led->setProperty("Height", 456.0));
    led->SetLeft(300);
    led->SetTop(600);
    QCOMPARE(led->Width(), width);
    QCOMPARE(led->Height(), height);
    QCOMPARE(led->Left(), 300.0);
    QCOMPARE(led->Top(), 600.0);
}

// The extent is recomputed from whatever changes it: Size, a padding, the
// group lengths, Max, the preview's caption.
void TestLeds::extentFollowsSizeAndPaddings()
{
    TimeLED period;
    period.SetPaddingH(180);
    period.SetPaddingV(80);
    period.SetPaddingI(180);
    period.SetPaddingD(180);
    QCOMPARE(QSizeF(period.Width(), period.Height()), QSizeF(2687.5, 1135));
    QCOMPARE(period.width(), TwipsToPixelEdge(2687.5));
    period.SetGroupLengths(QStringLiteral("2,2"));
    QCOMPARE(period.Width(), 2687.5 + 536.25 + 180);

    NumberLED hold;
    hold.SetPaddingI(140);
    hold.SetMax(99);
    QCOMPARE(QSizeF(hold.Width(), hold.Height()), QSizeF(1212.5, 975));
    hold.SetSize(130);
    QCOMPARE(QSizeF(hold.Width(), hold.Height()), QSizeF(2 * 1072.5 + 140, 1950));

    PolyLED preview;
    preview.SetSize(20);
    QCOMPARE(QSizeF(preview.Width(), preview.Height()), QSizeF(165 + 60, 360));
    preview.SetCaption(QStringLiteral("88"));
    QCOMPARE(preview.Width(), 2 * 165 + 60.0);
}

void TestLeds::badLengthsRefused()
{
    NumberLED led;
    led.SetSize(std::nan(""));
    QCOMPARE(led.Size(), 65.0);
    led.SetPaddingH(std::numeric_limits<double>::infinity());
    QCOMPARE(led.PaddingH(), 0.0);
    led.SetPaddingV(-20);
    QCOMPARE(led.PaddingV(), 0.0);
    QCOMPARE(led.Height(), 975.0);
}

void TestLeds::propertiesByName_data()
{
    QTest::addColumn<QString>("typeName");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");
    const QStringList all { "TimeLED", "NumberLED", "PolyLED" };
    for (const QString& type : all) {
        QTest::addRow("%s LedType", qPrintable(type)) << type << "LedType" << QVariant(1);
        QTest::addRow("%s Size", qPrintable(type)) << type << "Size" << QVariant(80.5);
        QTest::addRow("%s LitColor", qPrintable(type)) << type << "LitColor" << QVariant(0x00C000);
        QTest::addRow("%s BackColor", qPrintable(type)) << type << "BackColor" << QVariant(0x333333);
    }
    for (const QString& type : { QStringLiteral("TimeLED"), QStringLiteral("NumberLED") }) {
        for (const char* padding : { "PaddingH", "PaddingV", "PaddingI" })
            QTest::addRow("%s %s", qPrintable(type), padding) << type << padding << QVariant(42.5);
    }
    QTest::newRow("TimeLED PaddingD") << "TimeLED"
                                      << "PaddingD" << QVariant(17.0);
    QTest::newRow("TimeLED BorderColor") << "TimeLED"
                                         << "BorderColor" << QVariant(0x00FFFF);
    QTest::newRow("TimeLED Caption") << "TimeLED"
                                     << "Caption" << QVariant(119.0f);
    QTest::newRow("TimeLED GroupUnits") << "TimeLED"
                                        << "GroupUnits" << QVariant(QStringLiteral("3600,60,1"));
    QTest::newRow("TimeLED GroupLengths") << "TimeLED"
                                          << "GroupLengths" << QVariant(QStringLiteral("2,2"));
    QTest::newRow("NumberLED Value") << "NumberLED"
                                     << "Value" << QVariant(5);
    QTest::newRow("NumberLED Caption") << "NumberLED"
                                       << "Caption" << QVariant(QStringLiteral("6"));
    QTest::newRow("NumberLED Max") << "NumberLED"
                                   << "Max" << QVariant(99);
    QTest::newRow("PolyLED Caption") << "PolyLED"
                                     << "Caption" << QVariant(QStringLiteral("0"));
}

void TestLeds::propertiesByName()
{
    QFETCH(QString, typeName);
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    const std::unique_ptr<Control> led = MakeLed(typeName);
    const QByteArray name = property.toLatin1();
    QVERIFY(led->property(name.constData()).isValid());
    QVERIFY(led->property(name.constData()) != value);
    QVERIFY(led->setProperty(name.constData(), value));
    QCOMPARE(led->property(name.constData()), value);
}

void TestLeds::renderNumber_data()
{
    QTest::addColumn<int>("ledType");
    QTest::newRow("Lines") << 0;
    QTest::newRow("Dots") << 1;
}

// A NumberLED showing 8 has every segment's centre in the lit colour; cleared,
// the same points are the faint unlit colour, close to the background.
void TestLeds::renderNumber()
{
    QFETCH(int, ledType);
    NumberLED led;
    led.SetPaddingH(100);
    led.SetPaddingV(75);
    led.SetLitColor(0x00C000);
    led.SetBackColor(0x000000);
    led.SetLedType(ledType);
    const QColor lit = ToQColor(0x00C000);
    const QColor back = ToQColor(0);
    const QRectF cell = LayoutCells(QStringLiteral("8"), led.Size(), PaddingsOf(led)).first().rect;

    led.SetValue(8);
    QImage image = led.grab().toImage();
    for (int segment = 0; segment < SegmentCount; ++segment)
        QCOMPARE(PixelAtTwips(image, led, SegmentCentre(cell, segment)), lit);
    QCOMPARE(PixelAtTwips(image, led, QPointF(20, 20)), back);

    led.SetValue(-1);
    image = led.grab().toImage();
    for (int segment = 0; segment < SegmentCount; ++segment) {
        const QColor pixel = PixelAtTwips(image, led, SegmentCentre(cell, segment));
        QCOMPARE(pixel, UnlitColor(lit, back));
        QVERIFY(pixel.green() < 40);
    }
}

void TestLeds::renderTimeFrameAndColon()
{
    TimeLED led;
    led.SetPaddingH(180);
    led.SetPaddingV(80);
    led.SetPaddingI(180);
    led.SetPaddingD(180);
    led.SetBorderColor(0x00FFFF);
    led.SetCaption(120);
    const QImage image = led.grab().toImage();
    const QColor border = ToQColor(0x00FFFF);
    QCOMPARE(image.pixelColor(0, 0), border);
    QCOMPARE(image.pixelColor(image.width() - 1, image.height() / 2), border);
    QCOMPARE(image.pixelColor(image.width() / 2, image.height() - 1), border);
    QCOMPARE(image.pixelColor(4, 4), QColor(Qt::black));

    const QList<LedCell> cells = LayoutCells(
        led.DisplayText(), led.Size(), { led.PaddingH(), led.PaddingV(), led.PaddingI(), led.PaddingD() });
    QCOMPARE(cells.size(), 4);
    QVERIFY(cells[1].IsColon());
    for (const QPointF& dot : ColonDots(cells[1].rect))
        QCOMPARE(PixelAtTwips(image, led, dot), QColor(Qt::red));
    // "2" has no lower right segment; "0" has no middle one.
    QCOMPARE(PixelAtTwips(image, led, SegmentCentre(cells[0].rect, 2)), UnlitColor(Qt::red, Qt::black));
    QCOMPARE(PixelAtTwips(image, led, SegmentCentre(cells[0].rect, 6)), QColor(Qt::red));
    QCOMPARE(PixelAtTwips(image, led, SegmentCentre(cells[3].rect, 6)), UnlitColor(Qt::red, Qt::black));
}

// Painted into a widget twice the display's own extent, the digits scale with
// it: the segment centres, doubled, are still lit.
void TestLeds::renderScalesWithWidget()
{
    NumberLED led;
    led.SetValue(8);
    const QRectF cell = LayoutCells(led.DisplayText(), led.Size(), PaddingsOf(led)).first().rect;
    led.resize(led.width() * 2, led.height() * 2);
    const QImage image = led.grab().toImage();
    QCOMPARE(image.width(), TwipsToPixelEdge(led.Width()) * 2);
    for (int segment = 0; segment < SegmentCount; ++segment)
        QCOMPARE(PixelAtTwips(image, led, SegmentCentre(cell, segment)), QColor(Qt::red));
}

void TestLeds::renderPreview()
{
    PolyLED led;
    led.SetLedType(1);
    const QRectF cell(
        led.Size() * 1.5, led.Size() * 1.5, DigitWidthTwips(led.Size()), DigitHeightTwips(led.Size()));
    QImage image = led.grab().toImage();
    for (int segment = 0; segment < SegmentCount; ++segment)
        QCOMPARE(PixelAtTwips(image, led, SegmentCentre(cell, segment)), QColor(Qt::red));
    led.SetCaption(QStringLiteral("1"));
    image = led.grab().toImage();
    QCOMPARE(PixelAtTwips(image, led, SegmentCentre(cell, 0)), UnlitColor(Qt::red, Qt::black));
    QCOMPARE(PixelAtTwips(image, led, SegmentCentre(cell, 1)), QColor(Qt::red));
}

// The clock writes its caption every 50 ms; a write that shows the same
// picture must not repaint.
void TestLeds::repaintOnlyOnChange()
{
    TimeLED led;
    led.SetCaption(120);
    QVERIFY(ShowAndSettle(led));
    PaintCounter counter;
    led.installEventFilter(&counter);

    led.SetCaption(120);
    led.SetCaption(120.4f);
    led.SetGroupUnits(QStringLiteral("60,1"));
    led.SetGroupLengths(QStringLiteral("1,2"));
    led.SetLitColor(led.LitColor());
    led.SetLedType(0);
    led.SetLedType(5); // drawn as "Lines" too
    led.SetSize(led.Size());
    Settle();
    QCOMPARE(counter.count, 0);

    led.SetCaption(119);
    Settle();
    QVERIFY(counter.count > 0);
}

void TestLeds::changedDigits_showWhatAWholePaintShows_data()
{
    QTest::addColumn<float>("from");
    QTest::addColumn<float>("to");
    QTest::addColumn<int>("ledType");
    QTest::addColumn<QSize>("size"); // the widget's, against its extent
    QTest::newRow("2:00 to 1:59, lines") << 120.0f << 119.0f << 0 << QSize();
    QTest::newRow("1:59 to 1:58, lines") << 119.0f << 118.0f << 0 << QSize();
    QTest::newRow("1:10 to 1:09, dots") << 70.0f << 69.0f << 1 << QSize();
    QTest::newRow("1:00 to 0:59, dots, stretched") << 60.0f << 59.0f << 1 << QSize(517, 203);
    QTest::newRow("0:01 to 0:00, lines, shrunk") << 1.0f << 0.0f << 0 << QSize(131, 47);
    QTest::newRow("9:59 to 10:00, one more digit") << 599.0f << 600.0f << 0 << QSize();
}

void TestLeds::changedDigits_showWhatAWholePaintShows()
{
    QFETCH(float, from);
    QFETCH(float, to);
    QFETCH(int, ledType);
    QFETCH(QSize, size);
    TimeLED led;
    led.SetLedType(ledType);
    led.SetCaption(from);
    if (size.isValid())
        led.resize(size);
    QVERIFY(ShowAndSettle(led));

    led.SetCaption(to);
    Settle();
    const QImage changed = Shown(led);
    led.repaint();
    const QImage whole = Shown(led);
    QVERIFY(!whole.isNull());
    QCOMPARE(changed, whole);
}

void TestLeds::oneDigitChange_repaintsThatDigitOnly()
{
    TimeLED led;
    led.SetCaption(119);
    QVERIFY(ShowAndSettle(led));
    PaintCounter areas;
    led.installEventFilter(&areas);

    // "1:59" to "1:58": the last of four cells, in the right quarter.
    led.SetCaption(118);
    Settle();
    QCOMPARE(areas.rects.size(), 1);
    QVERIFY2(areas.rects[0].left() > led.width() * 3 / 5, qPrintable(QString::number(areas.rects[0].left())));
    QVERIFY(areas.rects[0].right() < led.width());

    // "1:58" to "0:59": every digit.
    areas.rects.clear();
    led.SetCaption(59);
    Settle();
    QCOMPARE(areas.rects.size(), 1);
    QVERIFY(areas.rects[0].left() < led.width() / 8);
}

QTEST_MAIN(TestLeds)
#include "tst_leds.moc"
