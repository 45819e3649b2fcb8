// The undo key: each kind of change taken back as one step, with the
// consequences the rules gave it; chains back to the start; nothing to undo;
// the clocks never touched; the title's note; and the contest's log.

#include "contestscript.h"
#include "display/leds.h"
#include "record/contestlog.h"
#include "scoreboard/contestrecorder.h"
#include "settings/optionsdialog.h"
#include "timing/timekeeper.h"

#include <QTest>

using namespace kv;
using kv::test::Board;
using kv::test::Play;
using kv::test::Scores;

namespace {

const QString Start = QStringLiteral("W0-0 Y0-0 S0-0 M0-0 I0 N0 L120 G0");

QStringList Kinds(const ContestLog& log)
{
    QStringList kinds;
    for (const ContestEvent& event : log.Events())
        kinds << EventText(event);
    return kinds;
}

} // namespace

class TestUndo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { kv::test::UseTestSettingsStore(); }
    void init() { BoardSettings = DefaultBoardSettings(); }

    void undo_data();
    void undo();
    void chain_backToTheStart();
    void newChangeAfterUndo_isTheNextUndone();
    void nothingToUndo_afterTheReset();
    void clocks_keepTheirTimeAndRunning();
    void typedLength_runClockKeepsItsTime();
    void marks_repaintedAsTheKeysPaintThem();
    void note_goesAfterTwoSeconds();
    void log_eventsWithBothClocks();
    void optionsOpen_clocksLogTheirOwnEvents();
};

void TestUndo::undo_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("before"); // the scores just before the undo key
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("title");

    // Each kind of change.
    QTest::newRow("waza-ari typed") << "wH=1"
                                    << "W1-0 Y0-0 S0-0 M0-0 I0 N0 L120 G0" << Start
                                    << "Korvelin - undone: waza-ari Home";
    QTest::newRow("yuko typed") << "yV=3"
                                << "W0-0 Y0-3 S0-0 M0-0 I0 N0 L120 G0" << Start
                                << "Korvelin - undone: yuko Visitor";
    QTest::newRow("score taken away") << "yV=3 yV-1"
                                      << "W0-0 Y0-2 S0-0 M0-0 I0 N0 L120 G0"
                                      << "W0-0 Y0-3 S0-0 M0-0 I0 N0 L120 G0"
                                      << "Korvelin - undone: yuko Visitor";
    QTest::newRow("shido") << "sH+"
                           << "W0-0 Y0-0 S1-0 M0-0 I0 N0 L120 G0" << Start << "Korvelin - undone: shido Home";
    QTest::newRow("shido taken back") << "sV+ sV-"
                                      << "W0-0 Y0-0 S0-0 M0-0 I0 N0 L120 G0"
                                      << "W0-0 Y0-0 S0-1 M0-0 I0 N0 L120 G0"
                                      << "Korvelin - undone: shido Visitor";
    QTest::newRow("medical") << "mV+"
                             << "W0-0 Y0-0 S0-0 M0-1 I0 N0 L120 G0" << Start
                             << "Korvelin - undone: medical Visitor";
    QTest::newRow("ippon") << "iH"
                           << "W0-0 Y0-0 S0-0 M0-0 I1 N0 L120 G0" << Start << "Korvelin - undone: ippon Home";
    QTest::newRow("ippon taken away") << "iV iV" << Start << "W0-0 Y0-0 S0-0 M0-0 I2 N0 L120 G0"
                                      << "Korvelin - undone: ippon Visitor";
    QTest::newRow("typed contest length")
        << "len3"
        << "W0-0 Y0-0 S0-0 M0-0 I0 N0 L180 G0" << Start << "Korvelin - undone: contest length";
    QTest::newRow("winner mark (IJF 2018)")
        << "rules:IJF_2018 winV"
        << "W0-0 Y0-0 S0-0 M0-0 I0 N2 L120 G0" << Start << "Korvelin - undone: winner Visitor";
    QTest::newRow("golden score's start")
        << "rules:IJF_2025 S run120"
        << "W0-0 Y0-0 S0-0 M0-0 I0 N0 L120 G1" << Start << "Korvelin - undone: golden score";

    // Automatic consequences go with the change that caused them.
    QTest::newRow("two waza-ari made ippon") << "wV=1 wV+1"
                                             << "W0-0 Y0-0 S0-0 M0-0 I2 N0 L120 G0"
                                             << "W0-1 Y0-0 S0-0 M0-0 I0 N0 L120 G0"
                                             << "Korvelin - undone: waza-ari Visitor";
    QTest::newRow("Classic second shido with its yuko") << "sV+ sV+"
                                                        << "W0-0 Y1-0 S0-2 M0-0 I0 N0 L120 G0"
                                                        << "W0-0 Y0-0 S0-1 M0-0 I0 N0 L120 G0"
                                                        << "Korvelin - undone: shido Visitor";
    QTest::newRow("Classic third shido with its waza-ari") << "sV+ sV+ sV+"
                                                           << "W1-0 Y0-0 S0-3 M0-0 I0 N0 L120 G0"
                                                           << "W0-0 Y1-0 S0-2 M0-0 I0 N0 L120 G0"
                                                           << "Korvelin - undone: shido Visitor";
    QTest::newRow("Classic fourth shido with its ippon") << "sH+ sH+ sH+ sH+"
                                                         << "W0-0 Y0-0 S4-0 M0-0 I2 N0 L120 G0"
                                                         << "W0-1 Y0-0 S3-0 M0-0 I0 N0 L120 G0"
                                                         << "Korvelin - undone: shido Home";
    QTest::newRow("IJF third shido with its hansoku-make") << "rules:IJF_2018 sH+ sH+ sH+"
                                                           << "W0-0 Y0-0 S3-0 M0-0 I2 N2 L120 G0"
                                                           << "W0-0 Y0-0 S2-0 M0-0 I0 N0 L120 G0"
                                                           << "Korvelin - undone: shido Home";
    QTest::newRow("hold's waza-ari at toketa (IJF 2018)")
        << "rules:IJF_2018 S < run12 ^"
        << "W1-0 Y0-0 S0-0 M0-0 I0 N0 L120 G0" << Start << "Korvelin - undone: waza-ari Home";
    QTest::newRow("hold's ippon at 20 s (IJF 2018)")
        << "rules:IJF_2018 S > run21"
        << "W0-0 Y0-0 S0-0 M0-0 I2 N2 L120 G0" << Start << "Korvelin - undone: ippon Visitor";
    QTest::newRow("hold's yuko after a waza-ari (IJF 2025)") << "rules:IJF_2025 wH=1 S < run6 ^"
                                                             << "W1-0 Y1-0 S0-0 M0-0 I0 N0 L120 G0"
                                                             << "W1-0 Y0-0 S0-0 M0-0 I0 N0 L120 G0"
                                                             << "Korvelin - undone: yuko Home";
    QTest::newRow("end of time decided on waza-ari (IJF 2025)") << "rules:IJF_2025 wV=1 S run120"
                                                                << "W0-1 Y0-0 S0-0 M0-0 I0 N2 L120 G0"
                                                                << "W0-1 Y0-0 S0-0 M0-0 I0 N0 L120 G0"
                                                                << "Korvelin - undone: winner Visitor";
    QTest::newRow("golden score ended by a yuko (IJF 2025)") << "rules:IJF_2025 S run120 S run5 yH=1"
                                                             << "W0-0 Y1-0 S0-0 M0-0 I0 N1 L120 G1"
                                                             << "W0-0 Y0-0 S0-0 M0-0 I0 N0 L120 G1"
                                                             << "Korvelin - undone: yuko Home";

    // Nothing to take back.
    QTest::newRow("nothing to undo") << "" << Start << Start << "Korvelin - nothing to undo";
    QTest::newRow("clock only: nothing to undo")
        << "S run3 S" << Start << Start << "Korvelin - nothing to undo";
}

void TestUndo::undo()
{
    QFETCH(QString, script);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, title);
    Board board;
    QVERIFY(Play(board, script));
    QCOMPARE(Scores(board), before);
    QVERIFY(Play(board, QStringLiteral("U")));
    QCOMPARE(Scores(board), after);
    QCOMPARE(board->windowTitle(), title);
}

void TestUndo::chain_backToTheStart()
{
    Board board;
    // The third shido's waza-ari is Home's second: ippon, which Enter on
    // Visitor's mark then moves.
    const QStringList steps { "sV+", "wH=1", "mH+", "sV+", "yV=2", "len4", "sV+", "iV" };
    QStringList states { Scores(board) };
    for (const QString& step : steps) {
        QVERIFY(Play(board, step));
        states << Scores(board);
    }
    QCOMPARE(states.at(7), QStringLiteral("W0-0 Y0-2 S0-3 M1-0 I1 N0 L240 G0"));
    QCOMPARE(states.last(), QStringLiteral("W0-0 Y0-2 S0-3 M1-0 I2 N0 L240 G0"));
    for (qsizetype i = states.size() - 2; i >= 0; --i) {
        QVERIFY(Play(board, QStringLiteral("U")));
        QCOMPARE(Scores(board), states.at(i));
    }
    QCOMPARE(Scores(board), Start);
    QVERIFY(Play(board, QStringLiteral("U")));
    QCOMPARE(Scores(board), Start);
    QCOMPARE(board->windowTitle(), QStringLiteral("Korvelin - nothing to undo"));
}

void TestUndo::newChangeAfterUndo_isTheNextUndone()
{
    Board board;
    QVERIFY(Play(board, QStringLiteral("wH=1 sH+ U mV+")));
    QCOMPARE(Scores(board), QStringLiteral("W1-0 Y0-0 S0-0 M0-1 I0 N0 L120 G0"));
    QVERIFY(Play(board, QStringLiteral("U")));
    QCOMPARE(Scores(board), QStringLiteral("W1-0 Y0-0 S0-0 M0-0 I0 N0 L120 G0"));
    QVERIFY(Play(board, QStringLiteral("U")));
    QCOMPARE(Scores(board), Start);
}

void TestUndo::nothingToUndo_afterTheReset()
{
    Board board;
    QVERIFY(Play(board, QStringLiteral("sH+ wV=1 R U")));
    QCOMPARE(Scores(board), Start);
    QCOMPARE(board->windowTitle(), QStringLiteral("Korvelin - nothing to undo"));
}

void TestUndo::clocks_keepTheirTimeAndRunning()
{
    Board board;
    QVERIFY(Play(board, QStringLiteral("S run10 < run4 sV+ run2")));
    QVERIFY(board->tkPeriod->Running());
    QVERIFY(board->tkHoldHome->Running());
    const Fixed4 period = board->tkPeriod->Time();
    const Fixed4 hold = board->tkHoldHome->Time();
    QVERIFY(Play(board, QStringLiteral("U")));
    QCOMPARE(board->PenaltySV, 0);
    QVERIFY(board->tkPeriod->Running());
    QVERIFY(board->tkHoldHome->Running());
    QCOMPARE(board->tkPeriod->Time(), period);
    QCOMPARE(board->tkHoldHome->Time(), hold);

    // A stopped contest stays stopped: undoing the ippon that stopped it
    // starts nothing.
    QVERIFY(Play(board, QStringLiteral("iV")));
    QVERIFY(!board->tkPeriod->Running());
    const Fixed4 atIppon = board->tkPeriod->Time();
    QVERIFY(Play(board, QStringLiteral("U run3")));
    QCOMPARE(board->Ippon, 0);
    QVERIFY(!board->tkPeriod->Running());
    QVERIFY(!board->tkHoldHome->Running());
    QCOMPARE(board->tkPeriod->Time(), atIppon);
}

void TestUndo::typedLength_runClockKeepsItsTime()
{
    Board board;
    // Untouched since the entry, the clock goes back to what it showed.
    QVERIFY(Play(board, QStringLiteral("len3 U")));
    QCOMPARE(board->tkPeriod->Time(), Fixed4::FromSeconds(120));
    QCOMPARE(board->tledPeriod->Caption(), 120.0f);
    // Once it has run, the time it ran stays; the length goes back.
    QVERIFY(Play(board, QStringLiteral("len3 S run10 S U")));
    QCOMPARE(PeriodLength, Fixed4::FromSeconds(120));
    QCOMPARE(board->tkPeriod->Time(), Fixed4::FromSeconds(170));
    QVERIFY(Play(board, QStringLiteral("R")));
    QCOMPARE(board->tkPeriod->Time(), Fixed4::FromSeconds(120));
}

void TestUndo::marks_repaintedAsTheKeysPaintThem()
{
    Board board;
    const int off = BoardSettings.FormBack;
    const int lit = BoardSettings.HoldColor;
    QVERIFY(Play(board, QStringLiteral("sH+ sH+ iV mH+")));
    QCOMPARE(board->shpHomeS[2]->FillColor(), lit);
    QCOMPARE(board->lblIpponVisitor->ForeColor(), lit);
    QCOMPARE(board->lblMedHome[0]->ForeColor(), lit);
    QVERIFY(Play(board, QStringLiteral("U U U")));
    QCOMPARE(board->lblMedHome[0]->ForeColor(), off);
    QCOMPARE(board->lblIpponVisitor->ForeColor(), off);
    QCOMPARE(board->shpHomeS[1]->FillColor(), lit);
    QCOMPARE(board->shpHomeS[2]->FillColor(), off);
    QCOMPARE(board->nledYVisitor->Value(), 0);

    // IJF: the winner's caption goes with the undone hansoku-make.
    QVERIFY(Play(board, QStringLiteral("R rules:IJF_2018 sV+ sV+ sV+")));
    QVERIFY(board->Label18->Visible());
    QVERIFY(Play(board, QStringLiteral("U")));
    QVERIFY(!board->Label18->Visible());
    QCOMPARE(board->shpWinnerHome->FillColor(), off);
}

void TestUndo::note_goesAfterTwoSeconds()
{
    Board board;
    QVERIFY(Play(board, QStringLiteral("sV+ U")));
    QCOMPARE(board->windowTitle(), QStringLiteral("Korvelin - undone: shido Visitor"));
    QVERIFY(Play(board, QStringLiteral("run1")));
    QCOMPARE(board->windowTitle(), QStringLiteral("Korvelin - undone: shido Visitor"));
    QVERIFY(Play(board, QStringLiteral("run1")));
    QCOMPARE(board->windowTitle(), QStringLiteral("Korvelin"));
}

void TestUndo::log_eventsWithBothClocks()
{
    Board board;
    const QDateTime before = QDateTime::currentDateTime();
    QVERIFY(Play(board, QStringLiteral("S run10 < run3 ^ sV+ U S")));
    const ContestLog& log = board->Recorder()->Log();
    QCOMPARE(Kinds(log),
        (QStringList { "clock started", "osaekomi Home", "toketa Home", "shido Visitor", "undo Visitor",
            "clock stopped" }));
    const std::deque<ContestEvent>& events = log.Events();
    QCOMPARE(events[0].Clock, Fixed4::FromSeconds(120));
    QCOMPARE(events[2].Clock, Fixed4::FromSeconds(107));
    QCOMPARE(events[2].Seconds, std::optional<Fixed4>(Fixed4::FromSeconds(3)));
    QCOMPARE(events[3].Change, 1);
    QCOMPARE(events[3].Count, std::optional<qint32>(1));
    QCOMPARE(events[4].Undoes, events[3].Seq);
    for (const ContestEvent& event : events)
        QVERIFY(event.Wall >= before.addMSecs(-1) && event.Wall <= QDateTime::currentDateTime());
    // The reset closes the log with its own event; the next contest has a new one.
    QVERIFY(Play(board, QStringLiteral("R")));
    QVERIFY(board->Recorder()->Log().IsEmpty());
}

void TestUndo::optionsOpen_clocksLogTheirOwnEvents()
{
    Board board;
    QVERIFY(Play(board, QStringLiteral("S run100 sH+")));
    // The time runs out while the options dialog is open.
    QString lastWhileOpen;
    SetOptionsDialogRunner([&board, &lastWhileOpen] {
        kv::test::Run(board, 25'000);
        lastWhileOpen = EventText(board->Recorder()->Log().Events().back());
    });
    kv::test::KeyOn(board->tledPeriod, Qt::Key_F2);
    SetOptionsDialogRunner({});
    QCOMPARE(lastWhileOpen, QStringLiteral("time up"));
    QVERIFY(!board->tkPeriod->Running());
    QVERIFY(Play(board, QStringLiteral("U")));
    QCOMPARE(board->PenaltySH, 0);
}

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
