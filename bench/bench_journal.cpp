// The contest journal's cost: the disk write (atomic save, synced) on the
// writer thread, in a folder on the same disk as the data folder, and the
// two ways of saving side by side (wall and CPU time); the text
// alone; one journal write as the board's thread pays it (snapshot, text,
// hand-over); and the writer's check on a refresh tick that changes nothing.
// Prints median, 99th percentile and maximum; target one write <= 1 ms.
//
//   build/bench/bench_journal [folder]     (default: a new temporary folder)

#include "record/savewhole.h"
#include "scoreboard/contestjournal.h"
#include "scoreboard/frmscoreboard.h"
#include "settings/boardsettings.h"
#include "timing/timekeeper.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

struct Figures
{
    double Median = 0;
    double P99 = 0;
    double Max = 0;
};

Figures Summarise(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return { values[values.size() / 2], values[values.size() * 99 / 100], values.back() };
}

std::vector<double> Time(int runs, const std::function<void(int)>& action)
{
    std::vector<double> samples;
    samples.reserve(runs);
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        action(i);
        samples.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return samples;
}

double ThreadCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

void Print(const char* label, const Figures& figures, const char* unit, double scale, const char* target)
{
    std::printf("%-44s median %9.4f %s  p99 %9.4f %s  max %9.4f %s  %s\n", label, figures.Median * scale,
        unit, figures.P99 * scale, unit, figures.Max * scale, unit, target);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    const QString path = folder + QStringLiteral("/contest.json");
    std::printf("journal %s\n", qPrintable(path));

    kv::ContestSnapshot contest;
    contest.PeriodLength = kv::Fixed4::FromSeconds(240);
    contest.PeriodTime = kv::Fixed4::FromRaw(1'834'567);
    contest.HoldHomeTime = kv::Fixed4::FromRaw(123'456);
    contest.PeriodRunning = contest.HoldHomeRunning = true;
    contest.TimePin = 37;
    contest.WHome = 1;
    contest.YVisitor = 2;
    contest.PenaltySH = 2;
    contest.MedVisitor = 1;

    constexpr int Writes = 500;
    kv::ContestJournal journal(path);
    int failures = 0;
    const Figures write = Summarise(Time(Writes, [&](int i) {
        contest.PeriodTime = kv::Fixed4::FromRaw(1'834'567 - (i % 100) * 10'000);
        failures += journal.Write(contest) ? 0 : 1;
    }));
    Print("disk write on the writer thread (synced)", write, "ms", 1, "");
    if (failures > 0)
        std::printf("  %d of %d writes failed: %s\n", failures, Writes, qPrintable(journal.LastError()));

    // The two ways to save, in the same run: into the side file with the
    // names swapped (what the journal does where it can), and through a new
    // file each time. CPU time counts the kernel's file-system work too.
    const QByteArray sample = kv::JournalText(contest);
    const auto compare = [&](const char* label, const std::function<bool()>& save) {
        const double cpuBefore = ThreadCpuMs();
        int failed = 0;
        const Figures figures = Summarise(Time(Writes, [&](int) { failed += save() ? 0 : 1; }));
        Print(label, figures, "ms", 1, "");
        std::printf(
            "  CPU %.4f ms a write%s\n", (ThreadCpuMs() - cpuBefore) / Writes, failed ? ", some failed" : "");
    };
    kv::RepeatedSave swapping(folder + QStringLiteral("/swapping.json"));
    const QString wholePath = folder + QStringLiteral("/whole.json");
    for (int round = 0; round < 2; ++round) {
        compare("  saved into the side file, names swapped", [&] { return swapping.Save(sample, nullptr); });
        compare("  saved through a new file each time",
            [&] { return kv::SaveWhole(wholePath, sample, nullptr); });
    }
    swapping.Remove(nullptr);
    QFile::remove(wholePath);

    QByteArray text;
    const Figures build = Summarise(Time(Writes, [&](int) { text = kv::JournalText(contest); }));
    Print("journal text alone", build, "ms", 1, "");

    // On a board: what one journal write costs the board's own thread (the
    // snapshot, the text and the hand-over to the writer thread), and the
    // writer's check on a refresh tick that changes nothing.
    kv::BoardSettings = kv::DefaultBoardSettings();
    kv::UseContestJournal(path);
    kv::frmScoreboard board;
    board.Load();
    board.ShidoHome(1);
    kv::JournalKeeper* keeper = board.Journal();
    std::vector<double> handOver;
    QElapsedTimer timer;
    for (int i = 0; i < Writes; ++i) {
        board.tkPeriod->SetTime(kv::Fixed4::FromSeconds(100 + i % 2));
        keeper->Flush(); // untimed: the disk is idle, as it is once a second
        timer.start();
        keeper->Update();
        handOver.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    keeper->Flush();
    Print("one journal write, on the board's thread", Summarise(handOver), "ms", 1, "(target <= 1 ms)");

    const int writesBefore = keeper->Writes();
    constexpr int Ticks = 100'000;
    const Figures tick = Summarise(Time(Ticks, [&](int) { keeper->Update(); }));
    Print("writer check on an idle tick", tick, "us", 1000, "");
    std::printf("writes during %d idle ticks: %d\n", Ticks, keeper->Writes() - writesBefore);
    return 0;
}
