// One resize pass of the shown scoreboard with its single repaint, at full-HD
// and 4K window sizes. Each pass alternates between two sizes near the target
// so that every pass really changes the layout. Prints figures only.
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise (for
// example xcb under Xvfb). The painting is tuned as the program tunes it;
// --untuned leaves Qt's defaults, for comparison. A last figure gives passes
// to sizes never seen before (nothing cached for them yet) and the resident
// memory they leave.
//
//     bench_resize [--untuned]

#include "display/painttuning.h"
#include "scoreboard/frmscoreboard.h"
#include "settings/boardsettings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Passes = 50;

struct Figures
{
    double median = 0;
    double max = 0;
    double layoutMedian = 0;
    double repaintMedian = 0;
};

struct PassTime
{
    double total = 0;
    double layout = 0;
};

// Counts the paint events of the board itself.
class PaintCounter final : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

PaintCounter* Counter = nullptr;

// Resizes the board and lets the resize pass and its repaint run; if the
// platform has not painted by then, the board is painted at once.
PassTime OnePass(kv::frmScoreboard& board, const QSize& size)
{
    QElapsedTimer timer;
    timer.start();
    const int paintsBefore = Counter->paints;
    board.resize(size);
    const qint64 layout = timer.nsecsElapsed();
    QCoreApplication::processEvents();
    if (Counter->paints == paintsBefore)
        board.repaint();
    return { static_cast<double>(timer.nsecsElapsed()) / 1e6, static_cast<double>(layout) / 1e6 };
}

double Median(std::vector<double>& values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

Figures Measure(kv::frmScoreboard& board, const QSize& a, const QSize& b)
{
    // Settle at the first size so that first-use costs stay out of the figures.
    OnePass(board, a);
    OnePass(board, b);
    std::vector<double> times;
    std::vector<double> layouts;
    for (int i = 0; i < Passes; ++i) {
        const PassTime pass = OnePass(board, i % 2 == 0 ? a : b);
        times.push_back(pass.total);
        layouts.push_back(pass.layout);
    }
    if (board.size() != a && board.size() != b)
        std::printf(
            "warning: the window is %d x %d, not the size asked for\n", board.width(), board.height());
    const double median = Median(times);
    // The repaint alone, without a new layout, for comparison.
    std::vector<double> paints;
    for (int i = 0; i < Passes; ++i) {
        QElapsedTimer timer;
        timer.start();
        board.repaint();
        paints.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return { median, times.back(), Median(layouts), Median(paints) };
}

long ResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Passes to sizes the board has not had before, each a little smaller than
// the last, as when a window edge is dragged.
void MeasureFreshSizes(kv::frmScoreboard& board)
{
    const long before = ResidentKb();
    std::vector<double> times;
    for (int i = 0; i < Passes; ++i)
        times.push_back(OnePass(board, QSize(3840 - 7 * (i + 4), 2160 - 4 * (i + 4))).total);
    const double max = *std::max_element(times.begin(), times.end());
    std::printf("4K, %d fresh sizes: median %7.2f ms  max %7.2f ms; VmRSS %.1f -> %.1f MiB\n", Passes,
        Median(times), max, double(before) / 1024.0, double(ResidentKb()) / 1024.0);
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const bool untuned = argc > 1 && QByteArray(argv[1]) == "--untuned";
    if (!untuned)
        kv::TunePainting();
    QApplication app(argc, argv);

    kv::BoardSettings = kv::DefaultBoardSettings();
    kv::frmScoreboard board;
    board.Load();
    board.show();
    QCoreApplication::processEvents();
    PaintCounter counter;
    Counter = &counter;
    board.installEventFilter(&counter);

    struct Case
    {
        const char* label;
        QSize a;
        QSize b;
        double targetMs;
    };
    const Case cases[] = {
        { "1920x1080", QSize(1920, 1080), QSize(1900, 1068), 8 },
        { "3840x2160", QSize(3840, 2160), QSize(3820, 2148), 16 },
    };
    std::printf("platform %s, painting %s, %d passes each (resize pass + its one repaint)\n",
        qPrintable(QGuiApplication::platformName()), untuned ? "untuned" : "tuned", Passes);
    for (const Case& c : cases) {
        const Figures figures = Measure(board, c.a, c.b);
        std::printf(
            "%-10s median %7.2f ms  max %7.2f ms  (target <= %.0f ms); resize call alone median %6.2f ms, "
            "repaint alone median %6.2f ms\n",
            c.label, figures.median, figures.max, c.targetMs, figures.layoutMedian, figures.repaintMedian);
    }
    std::printf("board paint events: %d in %d passes and %d plain repaints\n", counter.paints,
        2 * (Passes + 2), 2 * Passes);
    MeasureFreshSizes(board);
    return 0;
}
