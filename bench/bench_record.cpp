// The contest record's cost on the board's thread: on a board with its
// journal, a shido given or taken back as the key's step runs it (the event
// logged) and the journal write that follows on the next refresh (snapshot,
// text with the whole log, hand-over to the writer thread); the same for the
// log alone, on logs of growing length; and the Results window opening on a
// day of 1,000 contests (each with a log of 60 events), from the request to
// the painted list. Prints median, 99th percentile and maximum.
// Targets: an event and its journal write <= 1 ms; the window <= 200 ms.
//
//   build/bench/bench_record [folder]     (default: a new temporary folder)

#include "record/contestlog.h"
#include "record/frmresults.h"
#include "scoreboard/contestjournal.h"
#include "scoreboard/contestrecorder.h"
#include "scoreboard/frmscoreboard.h"
#include "settings/boardsettings.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
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

void Print(const QString& label, const Figures& figures, const char* target)
{
    std::printf("%-52s median %8.4f ms  p99 %8.4f ms  max %8.4f ms  %s\n", qPrintable(label), figures.Median,
        figures.P99, figures.Max, target);
}

kv::ContestEvent Shido(qint16 side, const kv::ScoredState& before)
{
    kv::ContestEvent event;
    event.Kind = kv::EventKind::Shido;
    event.Side = side;
    event.Change = 1;
    event.Count = 1;
    event.Clock = kv::Fixed4::FromRaw(1'234'567);
    event.Before = before;
    return event;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();

    // On a board: the key's step with its event, then the journal write.
    {
        kv::BoardSettings = kv::DefaultBoardSettings();
        kv::UseContestJournal(folder + QStringLiteral("/contest.json"));
        kv::frmScoreboard board;
        board.Load();
        kv::JournalKeeper* keeper = board.Journal();
        constexpr int Events = 500;
        std::vector<double> samples;
        QElapsedTimer timer;
        for (int i = 0; i < Events; ++i) {
            keeper->Flush(); // untimed: the disk is idle between two keys
            timer.start();
            {
                const kv::ContestRecorder::Step step(board.Recorder());
                board.ShidoVisitor(static_cast<qint16>(1 + i % 2));
            }
            keeper->Update();
            samples.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        }
        keeper->Flush();
        Print(QStringLiteral("event + journal write on a board (log up to %1)")
                  .arg(board.Recorder()->Log().Events().size()),
            Summarise(samples), "(target <= 1 ms)");
        kv::UseContestJournal(QString());
    }

    // An event and the log's text for the journal, on logs of growing length.
    kv::ScoredState state;
    state.WHome = 1;
    state.PenaltySV = 2;
    for (const qsizetype length :
        { qsizetype(0), qsizetype(100), qsizetype(500), kv::ContestLog::MaxEvents }) {
        kv::ContestLog log;
        for (qsizetype i = 0; i < length; ++i)
            log.Append(Shido(static_cast<qint16>(1 + i % 2), state));
        constexpr int Runs = 200;
        std::vector<double> samples;
        QElapsedTimer timer;
        QByteArray text;
        for (int i = 0; i < Runs; ++i) {
            timer.start();
            log.Append(Shido(2, state));
            text = log.JsonText();
            samples.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        }
        Print(
            QStringLiteral("event + log text, log of %1+ events (%2 KB)").arg(length).arg(text.size() / 1024),
            Summarise(samples), "(target <= 1 ms)");
    }

    // A day of 1,000 contests in the results.
    {
        kv::ResultsFiles files(folder);
        QFile::remove(files.JsonPath());
        const QDate today = QDate::currentDate();
        QByteArray lines;
        for (int contest = 0; contest < 1000; ++contest) {
            kv::ContestLog log(QDateTime(today, QTime(8, 0)).addSecs(contest * 30));
            for (int i = 0; i < 60; ++i)
                log.Append(Shido(static_cast<qint16>(1 + i % 2), state));
            kv::ContestResult result;
            result.Ended = log.Started().addSecs(20);
            result.Board = QStringLiteral("Mat 1");
            result.RuleSet = QStringLiteral("IJF 2025");
            result.Home.Name = QStringLiteral("Home %1").arg(contest);
            result.Visitor.Name = QStringLiteral("Visitor, \"%1\"").arg(contest);
            result.Home.WazaAri = 1;
            result.Winner = 1;
            result.How = kv::how::WazaAri;
            result.RegularTime = kv::Fixed4::FromSeconds(240);
            result.Contest = log.ContestId();
            lines += kv::ResultJsonLine(result, &log) + '\n';
        }
        QFile file(files.JsonPath());
        if (!file.open(QIODevice::WriteOnly) || file.write(lines) != lines.size()) {
            std::printf("cannot write %s\n", qPrintable(files.JsonPath()));
            return 1;
        }
        file.close();
        std::printf("results.jsonl: %lld KB, 1000 contests\n", static_cast<long long>(lines.size() / 1024));

        std::vector<double> samples;
        QElapsedTimer timer;
        int rows = 0;
        for (int run = 0; run < 9; ++run) {
            timer.start();
            kv::OpenResultsWindow(folder);
            kv::frmResults* window = kv::ResultsWindow();
            window->repaint();
            QCoreApplication::processEvents();
            samples.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
            rows = window->grdResults->model()->rowCount();
            delete window;
            QCoreApplication::processEvents();
        }
        Print(QStringLiteral("Results window opened on %1 contests").arg(rows), Summarise(samples),
            "(target <= 200 ms)");
    }
    return 0;
}
