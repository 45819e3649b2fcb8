// Writes the program's icon as PNG files for the hicolor icon theme:
//     genicons <output folder> <size>...
// gives <output folder>/<size>x<size>/apps/korvelin.png for each size, drawn
// by the same code that paints the icon of the program's windows.

#include "startup/logo.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>

#include <cstdio>

int main(int argc, char** argv)
{
    // No screen is needed to draw a picture.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: genicons <output folder> <size>...\n");
        return 2;
    }
    const QIcon icon = kv::ProgramIcon();
    for (qsizetype i = 2; i < arguments.size(); ++i) {
        bool ok = false;
        const int side = arguments.at(i).toInt(&ok);
        if (!ok || side < 8 || side > 1024) {
            std::fprintf(stderr, "genicons: bad size %s\n", qPrintable(arguments.at(i)));
            return 2;
        }
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(arguments.at(1)).arg(side);
        const QImage image = icon.pixmap(side, side)
                                 .toImage()
                                 .scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (!QDir().mkpath(folder) || !image.save(folder + QStringLiteral("/korvelin.png"), "PNG")) {
            std::fprintf(stderr, "genicons: cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
