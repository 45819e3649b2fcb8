// The board's record of its contests: a result in the day's results for
// each way a contest ends, never twice for one ending; the log and undo
// surviving a crash with the journal; a results file that cannot be written;
// and F3.

#include "contestscript.h"
#include "fakedialogs.h"
#include "record/frmresults.h"
#include "record/resultsfiles.h"
#include "scoreboard/contestjournal.h"
#include "scoreboard/contestrecorder.h"
#include "timing/timekeeper.h"

#include <QAbstractItemModel>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace kv;
using kv::test::Board;
using kv::test::Play;
using kv::test::Scores;

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestContestRecord : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { kv::test::UseTestSettingsStore(); }
    void init();
    void cleanup();

    void ending_data();
    void ending();
    void result_namesBoardRulesAndTimes();
    void correction_writesTheNewResultAndListsOnce();
    void crash_logAndUndoComeBack();
    void journalWithoutLog_stillRestores();
    void unwritableResults_inTheTitleBoardGoesOn();
    void f3_opensTheDaysResultsBoardKeepsItsKeys();

private:
    QString Folder() const { return m_folder->path(); }
    ResultsListing Today() const
    {
        return ReadResults(QDir(Folder()).filePath(ResultsJsonName), QDate::currentDate());
    }
    int CsvRows() const
    {
        return static_cast<int>(ParseCsv(ReadAll(QDir(Folder()).filePath(ResultsCsvName))).size());
    }

    std::unique_ptr<QTemporaryDir> m_folder;
};

void TestContestRecord::init()
{
    BoardSettings = DefaultBoardSettings();
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    UseContestJournal(m_folder->filePath(QStringLiteral("contest.json")));
}

void TestContestRecord::cleanup()
{
    delete ResultsWindow();
    UseContestJournal(QString());
    m_folder.reset();
}

void TestContestRecord::ending_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("records"); // in the files
    QTest::addColumn<QString>("winner"); // of the newest record
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("counts"); // Home W/Y/S ippon - Visitor W/Y/S ippon

    QTest::newRow("ippon") << "wV=1 iH" << 1 << "Home"
                           << "ippon"
                           << "0/0/0 1 - 1/0/0 0";
    QTest::newRow("ippon, then the reset: one record") << "iH R" << 1 << "Home"
                                                       << "ippon"
                                                       << "0/0/0 1 - 0/0/0 0";
    QTest::newRow("two waza-ari") << "wV=1 wV+1" << 1 << "Visitor"
                                  << "ippon"
                                  << "0/0/0 0 - 0/0/0 1";
    QTest::newRow("Classic fourth shido") << "sV+ sV+ sV+ sV+" << 1 << "Home"
                                          << "hansoku-make"
                                          << "0/0/0 1 - 0/0/4 0";
    QTest::newRow("IJF third shido") << "rules:IJF_2018 sH+ sH+ sH+" << 1 << "Visitor"
                                     << "hansoku-make"
                                     << "0/0/3 0 - 0/0/0 1";
    QTest::newRow("waza-ari at the end of time") << "rules:IJF_2025 wH=1 S run120" << 1 << "Home"
                                                 << "waza-ari"
                                                 << "1/0/0 0 - 0/0/0 0";
    QTest::newRow("yuko at the end of time") << "rules:IJF_2025 wH=1 wV=1 yV=2 S run120" << 1 << "Visitor"
                                             << "yuko"
                                             << "1/0/0 0 - 1/2/0 0";
    QTest::newRow("golden score") << "rules:IJF_2025 S run120 S run5 wV=1" << 1 << "Visitor"
                                  << "golden score"
                                  << "0/0/0 0 - 1/0/0 0";
    QTest::newRow("decision after golden score") << "rules:IJF_2018 S run120 S run300 winH" << 1 << "Home"
                                                 << "decision"
                                                 << "0/0/0 0 - 0/0/0 0";
    QTest::newRow("reset after scoring, no winner") << "yH=1 sV+ R" << 1 << ""
                                                    << ""
                                                    << "0/1/0 0 - 0/0/1 0";
    QTest::newRow("reset with nothing scored") << "S run5 S R" << 0 << ""
                                               << ""
                                               << "";
    QTest::newRow("medical only is a contest") << "mH+ R" << 1 << ""
                                               << ""
                                               << "0/0/0 0 - 0/0/0 0";
}

void TestContestRecord::ending()
{
    QFETCH(QString, script);
    QFETCH(int, records);
    QFETCH(QString, winner);
    QFETCH(QString, how);
    QFETCH(QString, counts);
    Board board;
    if (QTest::currentDataTag() == QLatin1String("decision after golden score"))
        BoardSettings.GoldenScoreLimit = 300;
    QVERIFY(Play(board, script));
    board->Recorder()->Results()->Flush();
    QCOMPARE(CsvRows(), records == 0 ? 0 : records + 1);
    const ResultsListing listing = Today();
    QCOMPARE(static_cast<int>(listing.Results.size()), records);
    QCOMPARE(listing.Damaged, 0);
    if (records == 0)
        return;
    const ContestResult& r = listing.Results.front();
    QCOMPARE(SideName(r.Winner), winner);
    QCOMPARE(r.How, how);
    const auto side = [](const SideResult& s) {
        return QStringLiteral("%1/%2/%3 %4").arg(s.WazaAri).arg(s.Yuko).arg(s.Shido).arg(s.Ippon ? 1 : 0);
    };
    QCOMPARE(side(r.Home) + QStringLiteral(" - ") + side(r.Visitor), counts);
}

void TestContestRecord::result_namesBoardRulesAndTimes()
{
    Board board;
    BoardSettings.TitleText = QStringLiteral("Mat 3, \"East\"");
    BoardSettings.HomeText = QStringLiteral("Ōno, S.");
    BoardSettings.VisitorText = QStringLiteral("=Riner\nT.");
    QVERIFY(Play(board, QStringLiteral("rules:IJF_2025 len4 S run240 S run72 yV=1")));
    board->Recorder()->Results()->Flush();
    const ResultsListing listing = Today();
    QCOMPARE(static_cast<int>(listing.Results.size()), 1);
    const ContestResult& r = listing.Results.front();
    QCOMPARE(r.Board, QStringLiteral("Mat 3, \"East\""));
    QCOMPARE(r.Home.Name, QStringLiteral("Ōno, S."));
    QCOMPARE(r.Visitor.Name, QStringLiteral("=Riner\nT."));
    QCOMPARE(r.WinnerName(), QStringLiteral("=Riner\nT."));
    QCOMPARE(r.RuleSet, QStringLiteral("IJF 2025"));
    QCOMPARE(r.RegularTime, Fixed4::FromSeconds(240));
    QCOMPARE(r.GoldenScoreTime, Fixed4::FromSeconds(72));
    QVERIFY(qAbs(r.Ended.secsTo(QDateTime::currentDateTime())) < 60);
    // The CSV row reads back as the same record.
    const std::vector<QStringList> rows = ParseCsv(ReadAll(QDir(Folder()).filePath(ResultsCsvName)));
    QCOMPARE(rows.size(), std::size_t(2));
    QVERIFY(ResultFromCsvFields(rows[1]) == r);
    // Its JSON line carries the contest's whole log.
    const QByteArray json = ReadAll(QDir(Folder()).filePath(ResultsJsonName));
    QVERIFY(json.contains(R"("Kind":"GoldenScore")"));
    QVERIFY(json.contains(R"("Kind":"Yuko")"));
}

void TestContestRecord::correction_writesTheNewResultAndListsOnce()
{
    Board board;
    // Ippon to the wrong side, taken back, given to the right one.
    QVERIFY(Play(board, QStringLiteral("iH U iV R")));
    board->Recorder()->Results()->Flush();
    QCOMPARE(CsvRows(), 3);
    const ResultsListing listing = Today();
    QCOMPARE(static_cast<int>(listing.Results.size()), 1);
    QCOMPARE(listing.Results.front().Winner, 2);
}

void TestContestRecord::crash_logAndUndoComeBack()
{
    {
        Board board;
        QVERIFY(Play(board, QStringLiteral("S run10 sV+ wH=1 run1 S")));
        // The refresh after the last key writes the journal.
        board->Journal()->Update();
        board->Journal()->Flush();
        // The board goes without closing: as after a crash.
    }
    Board board;
    QCOMPARE(Scores(board), QStringLiteral("W1-0 Y0-0 S0-1 M0-0 I0 N0 L120 G0"));
    const ContestLog& log = board->Recorder()->Log();
    QCOMPARE(static_cast<int>(log.Events().size()), 4);
    QCOMPARE(log.Events().back().Kind, EventKind::ClockStopped);
    QVERIFY(Play(board, QStringLiteral("U")));
    QCOMPARE(Scores(board), QStringLiteral("W0-0 Y0-0 S0-1 M0-0 I0 N0 L120 G0"));
    QVERIFY(Play(board, QStringLiteral("U")));
    QCOMPARE(Scores(board), QStringLiteral("W0-0 Y0-0 S0-0 M0-0 I0 N0 L120 G0"));
    QCOMPARE(board->windowTitle(), QStringLiteral("Korvelin - undone: shido Visitor"));
    // The restored clock kept its time.
    QCOMPARE(board->tkPeriod->Time(), Fixed4::FromSeconds(109));
}

void TestContestRecord::journalWithoutLog_stillRestores()
{
    ContestSnapshot older;
    older.PenaltySH = 2;
    older.YVisitor = 1;
    older.PeriodTime = Fixed4::FromSeconds(90);
    QVERIFY(ContestJournal(ContestJournalPath()).WriteText(JournalText(older)));
    QVERIFY(!JournalText(older).contains("\"Log\""));
    {
        Board board;
        QCOMPARE(Scores(board), QStringLiteral("W0-0 Y0-1 S2-0 M0-0 I0 N0 L120 G0"));
        QVERIFY(board->Recorder()->Log().IsEmpty());
        QVERIFY(Play(board, QStringLiteral("U")));
        QCOMPARE(board->windowTitle(), QStringLiteral("Korvelin - nothing to undo"));
    }
    // A damaged log is left behind; the contest comes back all the same.
    QByteArray text = JournalText(older);
    text.insert(text.lastIndexOf('}'), ", \"Log\": {\"Events\": 7}");
    QVERIFY(ContestJournal(ContestJournalPath()).WriteText(text));
    Board again;
    QCOMPARE(Scores(again), QStringLiteral("W0-0 Y0-1 S2-0 M0-0 I0 N0 L120 G0"));
}

void TestContestRecord::unwritableResults_inTheTitleBoardGoesOn()
{
    // The results files' places are taken by folders: nothing can be written.
    QVERIFY(QDir(Folder()).mkpath(ResultsJsonName));
    QVERIFY(QDir(Folder()).mkpath(ResultsCsvName));
    Board board;
    QVERIFY(Play(board, QStringLiteral("iH")));
    board->Recorder()->Results()->Flush();
    QCOMPARE(board->windowTitle(), QStringLiteral("Korvelin - the results cannot be saved"));
    QVERIFY(Play(board, QStringLiteral("U")));
    QCOMPARE(
        board->windowTitle(), QStringLiteral("Korvelin - the results cannot be saved - undone: ippon Home"));
    QVERIFY(Play(board, QStringLiteral("run2 iV S")));
    board->Recorder()->Results()->Flush();
    QCOMPARE(board->windowTitle(), QStringLiteral("Korvelin - the results cannot be saved"));
    QVERIFY(board->tkPeriod->Running());

    // Once the files can be written, the results kept meanwhile go first.
    QVERIFY(QDir(Folder()).rmdir(ResultsJsonName));
    QVERIFY(QDir(Folder()).rmdir(ResultsCsvName));
    QVERIFY(Play(board, QStringLiteral("R")));
    board->Recorder()->Results()->Flush();
    QCOMPARE(board->windowTitle(), QStringLiteral("Korvelin"));
    QCOMPARE(CsvRows(), 3);
}

void TestContestRecord::f3_opensTheDaysResultsBoardKeepsItsKeys()
{
    Board board;
    QVERIFY(Play(board, QStringLiteral("iV R wH=1 iH R")));
    board->Recorder()->Results()->Flush();
    kv::test::KeyOn(board->tledPeriod, Qt::Key_F3);
    frmResults* window = ResultsWindow();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->Folder(), Folder());
    QCOMPARE(window->grdResults->model()->rowCount(), 2);
    QCOMPARE(window->grdResults->model()->index(0, 3).data().toString(), QStringLiteral("Home"));
    QCOMPARE(window->grdResults->model()->index(1, 3).data().toString(), QStringLiteral("Visitor"));
    // The board goes on taking its keys; a new result shows in the open window.
    QVERIFY(Play(board, QStringLiteral("sV+ sV+ sV+ sV+")));
    QCOMPARE(board->Ippon, 1);
    board->Recorder()->Results()->Flush();
    QCOMPARE(window->grdResults->model()->rowCount(), 3);
}

QTEST_MAIN(TestContestRecord)
#include "tst_contestrecord.moc"
