// The board under the IJF rule sets: what it shows, shido and hansoku-make,
// holds that score by themselves, the decision when time runs out, golden
// score and its limit, and the reset. Classic is covered by the other
// scoreboard tests, unchanged.

#include "boardfixture.h"
#include "display/dialogcontrols.h"
#include "fakedialogs.h"
#include "settings/frmoptions.h"
#include "settings/optionsdialog.h"

#include <QTest>

using namespace kv;
using kv::test::Board;

namespace {

constexpr qint16 KeyS = 83;
constexpr qint16 KeyR = 82;
constexpr qint16 KeyLeft = 37;
constexpr qint16 KeyUp = 38;
constexpr qint16 KeyRight = 39;

void UseRules(Board& board, const QString& ruleSet, int goldenScoreLimit = -1, bool scoreHolds = true)
{
    BoardSettings.RuleSet = ruleSet;
    BoardSettings.GoldenScoreLimit = goldenScoreLimit;
    BoardSettings.ScoreHolds = scoreHolds;
    board->UpdateLabels();
    board->UpdateOtherColors();
}

void SetScore(NumberLED* display, int value)
{
    ShowDigits(*display, QString::number(value), 0, 9);
}

// Runs the whole contest time out with the clock started from its length.
void RunOutRegularTime(Board& board)
{
    board->AllKeyCode(KeyS);
    board.Advance(120'000);
}

// A level contest under the set, run into golden score; the buzzer of the
// end of time has finished.
void IntoGoldenScore(Board& board, const QString& ruleSet, int limit = -1)
{
    UseRules(board, ruleSet, limit);
    RunOutRegularTime(board);
    QVERIFY(board->GoldenScore);
    board.FinishBuzzer();
}

} // namespace

class TestRules : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void display_data();
    void display();
    void shido_thirdIsHansokuMake_data();
    void shido_thirdIsHansokuMake();
    void shido_doubleHansokuMake_noWinner();
    void holds_scoreAtTheirThresholds_data();
    void holds_scoreAtTheirThresholds();
    void endOfTime_decision_data();
    void endOfTime_decision();
    void endOfTime_holdRunningScoresFirst_data();
    void endOfTime_holdRunningScoresFirst();
    void goldenScore_countsUpAndTheFirstScoreEndsIt_data();
    void goldenScore_countsUpAndTheFirstScoreEndsIt();
    void goldenScore_shidoDecidesNothing();
    void goldenScore_stopsAtItsLimitForTheOperatorsDecision();
    void reset_clearsGoldenScoreAndTheWinner();
    void options_ruleSetRefusedDuringAContest();
};

void TestRules::initTestCase()
{
    kv::test::UseTestSettingsStore();
}

void TestRules::display_data()
{
    QTest::addColumn<QString>("ruleSet");
    QTest::addColumn<bool>("yuko");
    QTest::addColumn<bool>("fourthLamp");
    QTest::addColumn<QString>("thirdCaption");
    QTest::addColumn<bool>("winnerMarks");
    QTest::newRow("Classic") << "Classic" << true << true << "S3" << false;
    QTest::newRow("IJF 2018") << "IJF 2018" << false << false << "H" << true;
    QTest::newRow("IJF 2025") << "IJF 2025" << true << false << "H" << true;
}

void TestRules::display()
{
    QFETCH(QString, ruleSet);
    QFETCH(bool, yuko);
    QFETCH(bool, fourthLamp);
    QFETCH(QString, thirdCaption);
    QFETCH(bool, winnerMarks);
    Board board;
    UseRules(board, ruleSet);
    for (const char* name : { "nledYHome", "nledYVisitor", "Label5", "Label8" })
        QCOMPARE(board->ControlAs<kv::Control>(QString::fromLatin1(name))->Visible(), yuko);
    QCOMPARE(board->shpHomeS[4]->Visible(), fourthLamp);
    QCOMPARE(board->shpVisitorS[4]->Visible(), fourthLamp);
    QCOMPARE(board->ControlAs<Label>(QStringLiteral("Label2"))->Visible(), fourthLamp);
    QCOMPARE(board->ControlAs<Label>(QStringLiteral("Label9"))->Caption(), thirdCaption);
    QCOMPARE(board->ControlAs<Label>(QStringLiteral("Label10"))->Caption(), thirdCaption);
    QCOMPARE(board->picWinnerHome->Visible(), winnerMarks);
    QCOMPARE(board->picWinnerVisitor->Visible(), winnerMarks);
    // "WINNER" only over a winner.
    QVERIFY(!board->Label18->Visible());
    QVERIFY(!board->Label17->Visible());
    QCOMPARE(board->Label25->Caption(), QStringLiteral("CONTEST TIME"));
}

void TestRules::shido_thirdIsHansokuMake_data()
{
    QTest::addColumn<QString>("ruleSet");
    QTest::newRow("IJF 2018") << "IJF 2018";
    QTest::newRow("IJF 2025") << "IJF 2025";
}

void TestRules::shido_thirdIsHansokuMake()
{
    QFETCH(QString, ruleSet);
    Board board;
    UseRules(board, ruleSet);
    board->AllKeyCode(KeyS);
    for (int shido = 1; shido <= 2; ++shido) {
        board->ShidoHome(1);
        QCOMPARE(board->PenaltySH, qint16(shido));
        // Never a score for the opponent.
        QCOMPARE(board->nledYVisitor->Value(), 0);
        QCOMPARE(board->nledWVisitor->Value(), 0);
        QCOMPARE(board->Ippon, qint16(0));
        QVERIFY(board->tkPeriod->Running());
    }
    board->ShidoHome(1);
    QCOMPARE(board->PenaltySH, qint16(3));
    QCOMPARE(board->Ippon, qint16(2));
    QCOMPARE(board->Winner, qint16(2));
    QVERIFY(!board->tkPeriod->Running());
    QVERIFY(board->Label17->Visible());
    QVERIFY(!board->Label18->Visible());
    QCOMPARE(board->shpHomeS[3]->FillColor(), BoardSettings.HoldColor);
    QCOMPARE(board->shpWinnerVisitor->FillColor(), BoardSettings.ScoreColor);
    QCOMPARE(board->nledWVisitor->Value(), 0);
    // There is no fourth.
    board->ShidoHome(1);
    QCOMPARE(board->PenaltySH, qint16(3));
    // Taking one back lowers the count only.
    board->ShidoHome(2);
    QCOMPARE(board->PenaltySH, qint16(2));
    QCOMPARE(board->Ippon, qint16(2));
}

void TestRules::shido_doubleHansokuMake_noWinner()
{
    Board board;
    UseRules(board, QStringLiteral("IJF 2025"));
    for (int i = 0; i < 3; ++i)
        board->ShidoVisitor(1);
    QCOMPARE(board->Winner, qint16(1));
    for (int i = 0; i < 3; ++i)
        board->ShidoHome(1);
    // Both lose: no ippon, no winner; the operator decides.
    QCOMPARE(board->Ippon, qint16(0));
    QCOMPARE(board->Winner, qint16(0));
    QVERIFY(!board->Label17->Visible());
    QVERIFY(!board->Label18->Visible());
    board->WinnerToggle(1);
    QCOMPARE(board->Winner, qint16(1));
}

void TestRules::holds_scoreAtTheirThresholds_data()
{
    QTest::addColumn<QString>("ruleSet");
    QTest::addColumn<bool>("scoreHolds");
    QTest::addColumn<int>("heldMs");
    QTest::addColumn<int>("wazaAriBefore");
    QTest::addColumn<int>("wazaAri");
    QTest::addColumn<int>("yuko");
    QTest::addColumn<int>("ippon");
    // Ippon ends the hold by itself, with the buzzer; toketa scores the rest.
    QTest::addColumn<bool>("endedByItself");
    QTest::newRow("2025 4.9 s: nothing") << "IJF 2025" << true << 4900 << 0 << 0 << 0 << 0 << false;
    QTest::newRow("2025 5.0 s: yuko") << "IJF 2025" << true << 5000 << 0 << 0 << 1 << 0 << false;
    QTest::newRow("2025 9.9 s: yuko") << "IJF 2025" << true << 9900 << 0 << 0 << 1 << 0 << false;
    QTest::newRow("2025 10.0 s: waza-ari") << "IJF 2025" << true << 10000 << 0 << 1 << 0 << 0 << false;
    QTest::newRow("2025 19.9 s: waza-ari") << "IJF 2025" << true << 19900 << 0 << 1 << 0 << 0 << false;
    QTest::newRow("2025 20.0 s: ippon") << "IJF 2025" << true << 20000 << 0 << 0 << 0 << 1 << true;
    QTest::newRow("2025 9.9 s after a waza-ari: yuko")
        << "IJF 2025" << true << 9900 << 1 << 1 << 1 << 0 << false;
    // Waza-ari awasete ippon: the two waza-ari make ippon, the display goes back to 0.
    QTest::newRow("2025 10.0 s after a waza-ari: ippon")
        << "IJF 2025" << true << 10000 << 1 << 0 << 0 << 1 << true;
    QTest::newRow("2018 5.0 s: nothing") << "IJF 2018" << true << 5000 << 0 << 0 << 0 << 0 << false;
    QTest::newRow("2018 9.9 s: nothing") << "IJF 2018" << true << 9900 << 0 << 0 << 0 << 0 << false;
    QTest::newRow("2018 10.0 s: waza-ari") << "IJF 2018" << true << 10000 << 0 << 1 << 0 << 0 << false;
    QTest::newRow("2018 19.9 s: waza-ari") << "IJF 2018" << true << 19900 << 0 << 1 << 0 << 0 << false;
    QTest::newRow("2018 20.0 s: ippon") << "IJF 2018" << true << 20000 << 0 << 0 << 0 << 1 << true;
    QTest::newRow("2018 10.0 s after a waza-ari: ippon")
        << "IJF 2018" << true << 10000 << 1 << 0 << 0 << 1 << true;
    QTest::newRow("2025 scoring off: 25 s, nothing")
        << "IJF 2025" << false << 25000 << 0 << 0 << 0 << 0 << false;
    QTest::newRow("Classic 25 s: nothing") << "Classic" << true << 25000 << 0 << 0 << 0 << 0 << false;
}

void TestRules::holds_scoreAtTheirThresholds()
{
    QFETCH(QString, ruleSet);
    QFETCH(bool, scoreHolds);
    QFETCH(int, heldMs);
    QFETCH(int, wazaAriBefore);
    QFETCH(int, wazaAri);
    QFETCH(int, yuko);
    QFETCH(int, ippon);
    QFETCH(bool, endedByItself);
    Board board;
    UseRules(board, ruleSet, -1, scoreHolds);
    SetScore(board->nledWHome, wazaAriBefore);
    board->AllKeyCode(KeyS);
    board.Advance(1000);
    board->AllKeyCode(KeyLeft);
    board.Advance(heldMs);
    QCOMPARE(board->tkHoldHome->Running(), !endedByItself);
    QCOMPARE(board.player.Plays(), endedByItself ? 1 : 0);
    board->AllKeyCode(KeyUp); // toketa
    QCOMPARE(board->nledWHome->Value(), wazaAri);
    QCOMPARE(board->nledYHome->Value(), yuko);
    QCOMPARE(board->Ippon, qint16(ippon));
    QCOMPARE(board->Winner, qint16(ippon));
    QCOMPARE(board->tkPeriod->Running(), ippon == 0);
    // Visitor scored nothing.
    QCOMPARE(board->nledWVisitor->Value(), 0);
    QCOMPARE(board->nledYVisitor->Value(), 0);
}

void TestRules::endOfTime_decision_data()
{
    QTest::addColumn<QString>("ruleSet");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QList<int>>("scores"); // Home W, Y, Visitor W, Y
    QTest::addColumn<int>("homeShido");
    QTest::addColumn<int>("winner");
    QTest::addColumn<bool>("golden");
    QTest::newRow("2018 level: golden score")
        << "IJF 2018" << -1 << QList<int> { 0, 0, 0, 0 } << 0 << 0 << true;
    QTest::newRow("2018 Home a waza-ari ahead")
        << "IJF 2018" << -1 << QList<int> { 1, 0, 0, 0 } << 0 << 1 << false;
    QTest::newRow("2018 Visitor ahead, Home with two shido")
        << "IJF 2018" << -1 << QList<int> { 0, 0, 1, 0 } << 2 << 2 << false;
    QTest::newRow("2018 shido never decide")
        << "IJF 2018" << -1 << QList<int> { 1, 0, 1, 0 } << 2 << 0 << true;
    QTest::newRow("2025 yuko ahead: Visitor")
        << "IJF 2025" << -1 << QList<int> { 1, 0, 1, 2 } << 0 << 2 << false;
    QTest::newRow("2025 waza-ari before yuko")
        << "IJF 2025" << -1 << QList<int> { 1, 0, 0, 5 } << 0 << 1 << false;
    QTest::newRow("2025 level: golden score")
        << "IJF 2025" << -1 << QList<int> { 1, 1, 1, 1 } << 0 << 0 << true;
    QTest::newRow("2025 level, golden score limited")
        << "IJF 2025" << 180 << QList<int> { 0, 0, 0, 0 } << 0 << 0 << true;
    QTest::newRow("2025 level, no golden score: the operator decides")
        << "IJF 2025" << 0 << QList<int> { 0, 0, 0, 0 } << 0 << 0 << false;
    QTest::newRow("Classic level: the clock stops")
        << "Classic" << -1 << QList<int> { 0, 0, 0, 0 } << 0 << 0 << false;
    QTest::newRow("Classic ahead: no winner mark")
        << "Classic" << -1 << QList<int> { 1, 0, 0, 0 } << 0 << 0 << false;
}

void TestRules::endOfTime_decision()
{
    QFETCH(QString, ruleSet);
    QFETCH(int, limit);
    QFETCH(QList<int>, scores);
    QFETCH(int, homeShido);
    QFETCH(int, winner);
    QFETCH(bool, golden);
    Board board;
    UseRules(board, ruleSet, limit);
    SetScore(board->nledWHome, scores[0]);
    SetScore(board->nledYHome, scores[1]);
    SetScore(board->nledWVisitor, scores[2]);
    SetScore(board->nledYVisitor, scores[3]);
    for (int i = 0; i < homeShido; ++i)
        board->ShidoHome(1);
    RunOutRegularTime(board);
    QVERIFY(!board->tkPeriod->Running());
    QCOMPARE(board.player.Plays(), 1);
    QCOMPARE(board->Winner, qint16(winner));
    QCOMPARE(board->Label18->Visible(), winner == 1);
    QCOMPARE(board->Label17->Visible(), winner == 2);
    QCOMPARE(board->GoldenScore, golden);
    QCOMPARE(
        board->Label25->Caption(), golden ? QStringLiteral("GOLDEN SCORE") : QStringLiteral("CONTEST TIME"));
    QCOMPARE(board->tledPeriod->Caption(), 0.0f);
}

void TestRules::endOfTime_holdRunningScoresFirst_data()
{
    QTest::addColumn<int>("heldAtToketaMs");
    QTest::addColumn<int>("winner");
    QTest::addColumn<bool>("golden");
    QTest::newRow("12 s hold: waza-ari, Home wins") << 12'000 << 1 << false;
    QTest::newRow("8 s hold: nothing, golden score") << 8'000 << 0 << true;
}

void TestRules::endOfTime_holdRunningScoresFirst()
{
    QFETCH(int, heldAtToketaMs);
    QFETCH(int, winner);
    QFETCH(bool, golden);
    Board board;
    UseRules(board, QStringLiteral("IJF 2018"));
    board->AllKeyCode(KeyS);
    board.Advance(117'000);
    board->AllKeyCode(KeyLeft);
    board.Advance(3'000); // time is up; the hold carries on
    QVERIFY(!board->tkPeriod->Running());
    QVERIFY(board->tkHoldHome->Running());
    QVERIFY(!board->GoldenScore);
    QCOMPARE(board.player.Plays(), 0);
    board.Advance(heldAtToketaMs - 3'000);
    board->AllKeyCode(KeyUp);
    QCOMPARE(board.player.Plays(), 1);
    QCOMPARE(board->Winner, qint16(winner));
    QCOMPARE(board->GoldenScore, golden);
}

void TestRules::goldenScore_countsUpAndTheFirstScoreEndsIt_data()
{
    QTest::addColumn<QString>("ruleSet");
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("winner");
    QTest::newRow("2018 waza-ari for Visitor") << "IJF 2018"
                                               << "visitor waza-ari" << 2;
    QTest::newRow("2025 yuko for Home") << "IJF 2025"
                                        << "home yuko" << 1;
    QTest::newRow("2025 a 5 s hold for Visitor") << "IJF 2025"
                                                 << "visitor hold" << 2;
    QTest::newRow("2018 hansoku-make of Home") << "IJF 2018"
                                               << "home hansoku-make" << 2;
    QTest::newRow("2025 ippon for Home") << "IJF 2025"
                                         << "home ippon" << 1;
}

void TestRules::goldenScore_countsUpAndTheFirstScoreEndsIt()
{
    QFETCH(QString, ruleSet);
    QFETCH(QString, how);
    QFETCH(int, winner);
    Board board;
    IntoGoldenScore(board, ruleSet);
    QCOMPARE(board->tledPeriod->Caption(), 0.0f);
    // The next start runs the clock up from 0:00.
    board->AllKeyCode(KeyS);
    QVERIFY(board->tkPeriod->Running());
    board.Advance(3'000);
    QCOMPARE(board->tledPeriod->Caption(), 3.0f);
    board.Advance(62'500);
    QCOMPARE(board->tledPeriod->Caption(), 65.0f);
    QVERIFY(board->tkPeriod->Running());
    QCOMPARE(board.player.Plays(), 1);

    if (how == QLatin1String("visitor waza-ari")) {
        board->nledWVisitor->setFocus();
        QTest::keyClick(board->nledWVisitor, Qt::Key_1);
    } else if (how == QLatin1String("home yuko")) {
        board->nledYHome->setFocus();
        QTest::keyClick(board->nledYHome, Qt::Key_1);
    } else if (how == QLatin1String("visitor hold")) {
        board->AllKeyCode(KeyRight);
        board.Advance(5'000);
        QCOMPARE(board->Winner, qint16(0)); // a hold scores at its end
        board->AllKeyCode(KeyUp);
        QCOMPARE(board->nledYVisitor->Value(), 1);
    } else if (how == QLatin1String("home hansoku-make")) {
        for (int i = 0; i < 3; ++i)
            board->ShidoHome(1);
    } else if (how == QLatin1String("home ippon")) {
        QTest::mouseClick(board->lblIpponHome, Qt::LeftButton);
    }
    QCOMPARE(board->Winner, qint16(winner));
    QVERIFY(!board->tkPeriod->Running());
    QVERIFY(!board->tkHoldVisitor->Running());
    QCOMPARE(board.player.Plays(), 2);
    QVERIFY(board->GoldenScore);
    QCOMPARE(board->Label25->Caption(), QStringLiteral("GOLDEN SCORE"));
}

void TestRules::goldenScore_shidoDecidesNothing()
{
    Board board;
    IntoGoldenScore(board, QStringLiteral("IJF 2025"));
    board->AllKeyCode(KeyS);
    board->ShidoHome(1);
    board->ShidoHome(1);
    QCOMPARE(board->Winner, qint16(0));
    QVERIFY(board->tkPeriod->Running());
}

void TestRules::goldenScore_stopsAtItsLimitForTheOperatorsDecision()
{
    Board board;
    IntoGoldenScore(board, QStringLiteral("IJF 2018"), 60);
    board->AllKeyCode(KeyS);
    board.Advance(59'900);
    QVERIFY(board->tkPeriod->Running());
    QCOMPARE(board.player.Plays(), 1);
    board.Advance(300);
    QVERIFY(!board->tkPeriod->Running());
    QCOMPARE(board->tledPeriod->Caption(), 60.0f);
    QCOMPARE(board.player.Plays(), 2);
    QCOMPARE(board->Winner, qint16(0));
    // A start at the limit starts nothing.
    board->AllKeyCode(KeyS);
    QVERIFY(!board->tkPeriod->Running());
    // Hantei: the operator clicks Visitor's winner mark.
    QTest::mouseClick(board->picWinnerVisitor, Qt::LeftButton);
    QCOMPARE(board->Winner, qint16(2));
    QVERIFY(board->Label17->Visible());
    QCOMPARE(board->shpWinnerVisitor->FillColor(), BoardSettings.ScoreColor);
}

void TestRules::reset_clearsGoldenScoreAndTheWinner()
{
    Board board;
    IntoGoldenScore(board, QStringLiteral("IJF 2025"));
    board->AllKeyCode(KeyS);
    board.Advance(4'000);
    board->ShidoVisitor(1);
    board->nledWHome->setFocus();
    QTest::keyClick(board->nledWHome, Qt::Key_1);
    QCOMPARE(board->Winner, qint16(1));
    board->AllKeyCode(KeyR);
    QVERIFY(!board->GoldenScore);
    QCOMPARE(board->Winner, qint16(0));
    QCOMPARE(board->PenaltySV, qint16(0));
    QCOMPARE(board->nledWHome->Value(), 0);
    QVERIFY(!board->Label18->Visible());
    QCOMPARE(board->Label25->Caption(), QStringLiteral("CONTEST TIME"));
    QCOMPARE(board->tledPeriod->Caption(), 120.0f);
    QVERIFY(board->AtStartState());
    // The clock counts down again.
    board->AllKeyCode(KeyS);
    board.Advance(1'000);
    QCOMPARE(board->tledPeriod->Caption(), 119.0f);
}

void TestRules::options_ruleSetRefusedDuringAContest()
{
    kv::test::FakeDialogs dialogs;
    Board board;
    const auto chooseAndOk = [](int ruleSetIndex) {
        frmOptions options;
        options.Load();
        options.cmbRuleSet->SetListIndex(ruleSetIndex);
        options.cmdOk_Click();
    };
    // Under way: refused with a message, the contest keeps its rules.
    board->AllKeyCode(KeyS);
    board.Advance(2'000);
    QVERIFY(!board->AtStartState());
    chooseAndOk(2);
    QCOMPARE(BoardSettings.RuleSet, QStringLiteral("Classic"));
    QCOMPARE(dialogs.warnings.size(), 1);
    QVERIFY(dialogs.warnings.first().startsWith(QStringLiteral("Rule set|")));
    // After the reset key it changes.
    board->AllKeyCode(KeyR);
    chooseAndOk(2);
    QCOMPARE(BoardSettings.RuleSet, QStringLiteral("IJF 2025"));
    QCOMPARE(dialogs.warnings.size(), 1);
    QCOMPARE(SettingsStore().Read(QStringLiteral("RuleSettings"), QStringLiteral("RuleSet"), QString()),
        QStringLiteral("IJF 2025"));
}

QTEST_MAIN(TestRules)
#include "tst_rules.moc"
