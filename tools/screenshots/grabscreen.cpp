// Saves the X screen named by DISPLAY (or a part of it) as a PNG file:
//     grabscreen <file.png> [x y width height]
// Used by the screenshot scripts beside it.

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2 && arguments.size() != 6) {
        std::fprintf(stderr, "usage: grabscreen <file.png> [x y width height]\n");
        return 2;
    }
    int area[4] = { 0, 0, -1, -1 };
    for (int i = 0; i < 4 && arguments.size() == 6; ++i) {
        bool ok = false;
        area[i] = arguments.at(2 + i).toInt(&ok);
        if (!ok) {
            std::fprintf(stderr, "grabscreen: %s is not a number\n", qPrintable(arguments.at(2 + i)));
            return 2;
        }
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        std::fprintf(stderr, "grabscreen: no screen\n");
        return 1;
    }
    const QImage image = screen->grabWindow(0, area[0], area[1], area[2], area[3]).toImage();
    if (image.isNull() || !image.save(arguments.at(1), "PNG")) {
        std::fprintf(stderr, "grabscreen: cannot write %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    return 0;
}
