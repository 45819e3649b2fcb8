// The reference for bench_startup: the least a Qt widget program does to
// show a window that paints one text. Titled "Korvelin" and filled with the
// board's background colour, so the bench finds and times it as it times the
// board.

#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

class BareWindow final : public QWidget
{
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0x40, 0x40, 0x40));
        painter.setPen(Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("2:00"));
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    BareWindow window;
    window.setWindowTitle(QStringLiteral("Korvelin"));
    window.resize(1920 / 2, 1080 / 2);
    window.show();
    return app.exec();
}
