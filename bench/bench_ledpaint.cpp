// Paint time of the contest clock display at full-HD and 4K board scale, in
// both digit styles. Prints figures only.

#include "display/leds.h"
#include "display/twips.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>

#include <cstdio>

namespace {

constexpr int Paints = 2000;

// The contest clock's design: Size 65 with these paddings on a 6795-twip high
// client area; a board scaled to `size` scales the paddings alike.
void ScaleToSize(kv::TimeLED& led, double size)
{
    const double ratio = size / 65.0;
    led.SetSize(size);
    led.SetPaddingH(180 * ratio);
    led.SetPaddingV(80 * ratio);
    led.SetPaddingI(180 * ratio);
    led.SetPaddingD(180 * ratio);
}

void Measure(const char* label, double size, int ledType)
{
    kv::TimeLED led;
    ScaleToSize(led, size);
    led.SetLedType(ledType);
    led.SetBorderColor(0xFFFFFF);
    QImage image(led.size(), QImage::Format_ARGB32_Premultiplied);

    // One paint first so that first-use costs stay out of the average.
    led.render(&image);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < Paints; ++i) {
        led.SetCaption(static_cast<float>(599 - i % 600));
        led.render(&image);
    }
    const double microseconds = static_cast<double>(timer.nsecsElapsed()) / 1000.0 / Paints;
    std::printf("%-10s Size %5.1f  %4d x %4d px  %-5s  %8.1f us per paint\n", label, size, image.width(),
        image.height(), ledType == 1 ? "Dots" : "Lines", microseconds);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // Size 65 on the 6795-twip design height; a 1080-line screen is about
    // 2.3 times that height, a 2160-line screen 4.6 times.
    for (const int ledType : { 0, 1 }) {
        Measure("design", 65, ledType);
        Measure("1920x1080", 155, ledType);
        Measure("3840x2160", 310, ledType);
    }
    std::printf("(%d paints each, averaged)\n", Paints);
    return 0;
}
