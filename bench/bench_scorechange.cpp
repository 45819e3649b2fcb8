// Time from a score change to the repainted board, on a shown scoreboard at
// 1920x1080: a shido given (the third one bringing the opponent's second
// waza-ari, so the two-waza-ari rule runs), a score typed on a waza-ari
// display (2: ippon, focus move and frame), and UpdateFormColors on the whole
// board. Prints median and maximum; targets 16 ms and 2 ms.

#include "display/leds.h"
#include "scoreboard/frmscoreboard.h"
#include "settings/boardsettings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Runs = 200;

struct Figures
{
    double Median = 0;
    double Max = 0;
};

Figures Summarise(std::vector<double> milliseconds)
{
    std::sort(milliseconds.begin(), milliseconds.end());
    return { milliseconds[milliseconds.size() / 2], milliseconds.back() };
}

void Print(const char* label, const Figures& figures, double target, std::size_t samples)
{
    std::printf("%-48s median %7.3f ms  max %7.3f ms  (target <= %4.1f ms, %zu runs)%s\n", label,
        figures.Median, figures.Max, target, samples, figures.Median > target ? "  OVER TARGET" : "");
}

// Runs `prepare` untimed, then times `change` followed by a synchronous
// repaint of the whole form.
std::vector<double> TimeChange(kv::frmScoreboard& board, const std::function<void()>& prepare,
    const std::function<void()>& change, bool repaint)
{
    std::vector<double> samples;
    samples.reserve(Runs);
    QElapsedTimer timer;
    for (int i = 0; i < Runs; ++i) {
        prepare();
        QCoreApplication::processEvents();
        timer.start();
        change();
        if (repaint)
            board.repaint();
        samples.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return samples;
}

void TypeKey(QWidget* widget, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(QChar(u'0' + (key - Qt::Key_0))));
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(QChar(u'0' + (key - Qt::Key_0))));
    QCoreApplication::sendEvent(widget, &release);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    kv::BoardSettings = kv::DefaultBoardSettings();
    kv::BoardSettings.LEDSelectedWidth = 3;

    kv::frmScoreboard board;
    board.Load();
    board.show();
    board.activateWindow();
    board.resize(1920, 1080);
    QCoreApplication::processEvents();
    board.repaint();
    std::printf("board %d x %d px, platform %s\n", board.width(), board.height(),
        qPrintable(QGuiApplication::platformName()));

    // Whole board repaint alone, for reference.
    const auto nothing = [] {};
    Print("repaint alone", Summarise(TimeChange(board, nothing, nothing, true)), 16, Runs);

    // First and second shido (lamp; opponent's yuko).
    std::vector<double> shido;
    for (int i = 0; i < Runs; ++i) {
        board.ResetMatch();
        for (int n = 0; n < 2; ++n) {
            QElapsedTimer timer;
            timer.start();
            board.ShidoHome(1);
            board.repaint();
            shido.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        }
    }
    Print("ShidoHome(1) + repaint", Summarise(shido), 16, shido.size());

    // Third shido with the opponent on one waza-ari: the two-waza-ari rule
    // gives ippon, stops the clocks and moves the focus and frame.
    const auto twoShido = [&board] {
        board.ResetMatch();
        board.nledWVisitor->SetValue(1);
        board.ShidoHome(1);
        board.ShidoHome(1);
        board.tledPeriod->setFocus();
    };
    Print("third ShidoHome(1), two-waza-ari rule + repaint",
        Summarise(TimeChange(
            board, twoShido, [&board] { board.ShidoHome(1); }, true)),
        16, Runs);

    // A typed score: 7 on a yuko display.
    const auto focusYuko = [&board] {
        board.ResetMatch();
        board.nledYHome->setFocus();
    };
    Print("typed 7 on nledYHome + repaint",
        Summarise(TimeChange(
            board, focusYuko, [&board] { TypeKey(board.nledYHome, Qt::Key_7); }, true)),
        16, Runs);

    // A typed 2 on a waza-ari display: ippon through the rule.
    const auto focusWazaAri = [&board] {
        board.ResetMatch();
        board.nledWHome->setFocus();
    };
    Print("typed 2 on nledWHome (rule) + repaint",
        Summarise(TimeChange(
            board, focusWazaAri, [&board] { TypeKey(board.nledWHome, Qt::Key_2); }, true)),
        16, Runs);
    if (board.Ippon != 1)
        std::printf("warning: the typed 2 did not give Home ippon\n");

    // Colours on the whole board, alternating two schemes so every setter
    // really changes something.
    int flip = 0;
    const auto changeScheme = [&flip] {
        kv::BoardSettings.HoldColor = (++flip % 2) ? 0x00FF00 : 0x0000FF;
        kv::BoardSettings.FormBack = (flip % 2) ? 0x202020 : 0x404040;
    };
    Print("UpdateFormColors",
        Summarise(TimeChange(
            board, changeScheme, [&board] { board.UpdateFormColors(); }, false)),
        2, Runs);
    Print("UpdateFormColors + repaint",
        Summarise(TimeChange(
            board, changeScheme, [&board] { board.UpdateFormColors(); }, true)),
        16, Runs);
    return 0;
}
