// The scoreboard form: its state after load, the match reset, EndMatch, the
// design layout, the keyboard commands, the contest clock and the osaekomi.

#include "boardfixture.h"
#include "display/scoreboarddesign.h"
#include "settings/optionsdialog.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

using namespace kv;
using kv::test::Board;

class TestScoreboard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { kv::test::UseTestSettingsStore(); }

    void load_showsTwoMinutesAndNothingLit();
    void titleNotes_keepEachOther();
    void design_positions_data();
    void design_positions();
    void design_everyControlNamedAndCounted();
    void design_hiddenAndTabStops();
    void reset_restoresTypedLengthAndClearsEverything();
    void reset_zeroesBlankScoreDisplays();
    void endMatch_freezesAllClocksKeepingPin();
    void close_endsWithEveryOtherWindow();

    void startStop_withPin_data();
    void startStop_withPin();
    void arrows_withClockStopped_leavePinAlone();
    void arrows_holdRules();
    void duplicateCommandKeys_firstWins();
    void arrowAsCommandKey_doesBoth();
    void spaceAsStartStop_onScoreDisplay_togglesTwice();
    void shiftS_startsTheClock();

    void shownSeconds_data();
    void shownSeconds();
    void expiry_withoutHold_soundsOnce();
    void expiry_withHold_owesBuzzerUntilArrow();
    void startAtZero_stopsAtOnceWithoutSecondBuzzer();
    void typedLength_data();
    void typedLength();
    void typedLength_survivesFocusChange();
    void typedZero_setsZeroAndStopsHolds();

    void buzzerPressedTwice_playsOnce();
    void buzzerFileChanged_reopens();
    void preparedBuzzer_firstPlayOpensNothingMore_data();
    void preparedBuzzer_firstPlayOpensNothingMore();
    void missingBuzzerFile_playsNothingAndDoesNotBlock();
    void optionsClosed_refreshesAndRecordsLayout();
    void holdDisplayClick_focusesContainer();
};

void TestScoreboard::load_showsTwoMinutesAndNothingLit()
{
    Board board;
    QCOMPARE(board->tkPeriod->Time(), Fixed4::FromSeconds(120));
    QVERIFY(!board->tkPeriod->Running());
    QCOMPARE(board->tledPeriod->Caption(), 120.0f);
    QCOMPARE(board->nledHoldHome->Value(), 0);
    QCOMPARE(board->nledHoldVisitor->Value(), 0);
    QCOMPARE(board->TimePin, 0);
    QCOMPARE(board->Ippon, 0);
    QCOMPARE(board->PenaltySH, 0);
    QCOMPARE(board->MedVisitor, 0);
    QCOMPARE(PeriodLength, Fixed4::FromSeconds(120));
    const int off = BoardSettings.FormBack;
    for (int i = 1; i <= 4; ++i) {
        QCOMPARE(board->shpHomeS[i]->FillColor(), off);
        QCOMPARE(board->shpVisitorS[i]->FillColor(), off);
    }
    QCOMPARE(board->lblIpponHome->ForeColor(), off);
    QCOMPARE(board->lblMedVisitor[1]->ForeColor(), off);
    QCOMPARE(board->lblTitle->Caption(), QStringLiteral("Home"));
    QCOMPARE(board->lblVisitorName->Caption(), QStringLiteral("Visitor"));
    QCOMPARE(board->windowTitle(), QStringLiteral("Korvelin"));
    // The clock does not move while stopped.
    board.Advance(5000);
    QCOMPARE(board->tledPeriod->Caption(), 120.0f);
}

void TestScoreboard::design_positions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("type");
    QTest::newRow("title") << "lblTitle" << -1 << QRect(120, 0, 9255, 855) << "Label";
    QTest::newRow("contest frame") << "shpContestTime" << -1 << QRect(2745, 960, 3990, 2055) << "Shape";
    QTest::newRow("visitor name") << "lblVisitorName" << -1 << QRect(6900, 1115, 2600, 495) << "Label";
    QTest::newRow("hold display in container")
        << "nledHoldHome" << -1 << QRect(360, 120, 0, 0) << "NumberLED";
    QTest::newRow("medical cross 0") << "lblMedHome" << 0 << QRect(600, 30, 615, 615) << "Label";
    QTest::newRow("ippon label above") << "lblIpponHome" << -1 << QRect(0, -30, 495, 495) << "Label";
    QTest::newRow("visitor ippon mark")
        << "picIpponVisitor" << -1 << QRect(5085, 4260, 495, 495) << "PictureBox";
    QTest::newRow("fourth shido lamp") << "shpVisitorS" << 4 << QRect(480, 60, 255, 375) << "Shape";
    QTest::newRow("S4-H wider") << "Label2" << -1 << QRect(60, 480, 1095, 615) << "Label";
    QTest::newRow("side picture") << "imgVisitorPic" << -1 << QRect(0, 0, 0, 0) << "Image";
}

void TestScoreboard::design_positions()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QRect, twips);
    QFETCH(QString, type);
    Board board(false);
    QObject* control = board->Control(name, index);
    QVERIFY(control);
    QCOMPARE(TypeName(control), type);
    QCOMPARE(control->property("Left").toDouble(), double(twips.x()));
    QCOMPARE(control->property("Top").toDouble(), double(twips.y()));
    if (twips.width() > 0) {
        QCOMPARE(control->property("Width").toDouble(), double(twips.width()));
        QCOMPARE(control->property("Height").toDouble(), double(twips.height()));
    }
    // Found by its design name like any widget.
    QVERIFY(board->findChild<QObject*>(name));
}

void TestScoreboard::design_everyControlNamedAndCounted()
{
    Board board(false);
    QCOMPARE(board->Controls().size(), int(ScoreboardDesign().size()));
    int recordedKinds = 0;
    for (QObject* control : board->Controls()) {
        QVERIFY(!control->objectName().isEmpty());
        const QString type = TypeName(control);
        if (type != QLatin1String("TimeKeeper") && type != QLatin1String("Timer")
            && type != QLatin1String("MMControl"))
            ++recordedKinds;
    }
    QCOMPARE(recordedKinds, 64);
    // Line ends and the design client area.
    QCOMPARE(board->Line1->X1(), 4733.0);
    QCOMPARE(board->Line1->Y2(), 6790.0);
    QCOMPARE(board->Line2->BorderWidth(), 7);
    QCOMPARE(board->width(), 632);
    QCOMPARE(board->height(), 453);
    QCOMPARE(board->Label25->FontSize(), 21.75);
    QCOMPARE(board->lblCreatedBy->FontSize(), 12.75);
    QVERIFY(board->Label25->FontBold());
    QCOMPARE(board->Label25->FontName(), QStringLiteral("Arial"));
}

void TestScoreboard::design_hiddenAndTabStops()
{
    Board board;
    QVERIFY(!board->Label18->isVisible());
    QVERIFY(!board->picWinnerVisitor->isVisible());
    QVERIFY(!board->shpObjectSelected->Visible() || board->focusWidget() == board->tledPeriod);
    QVERIFY(board->lblTitle->isVisible());
    // Tab from the contest clock: the two osaekomi containers, then the first medical mark.
    board->tledPeriod->setFocus();
    QCOMPARE(QApplication::focusWidget(), board->tledPeriod);
    const QStringList expected
        = { "picContainerHoldHome", "picContainerHoldVisitor", "picMedHome", "picMedVisitor", "picIpponHome",
              "nledWHome", "nledYHome", "nledWVisitor", "nledYVisitor", "picIpponVisitor", "picHomeS",
              "picVisitorS", "picHomePicContainer", "picVisitorPicContainer", "tledPeriod" };
    for (const QString& name : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
        if (name.startsWith(QLatin1String("picContainerHold"))) {
            // The frame stays on the contest clock.
            QVERIFY(board->shpObjectSelected->Visible());
            QCOMPARE(board->shpObjectSelected->Left(),
                board->tledPeriod->Left() - 15 * BoardSettings.LEDSelectedWidth);
        }
    }
}

void TestScoreboard::reset_restoresTypedLengthAndClearsEverything()
{
    Board board;
    for (const Qt::Key key : { Qt::Key_3, Qt::Key_Enter })
        QTest::keyClick(board->tledPeriod, key);
    QCOMPARE(PeriodLength, Fixed4::FromSeconds(180));
    board->AllKeyCode(83);
    board.Advance(10'000);
    QCOMPARE(board->tledPeriod->Caption(), 170.0f);
    board->PenaltySH = 3;
    board->MedHome = 2;
    board->Ippon = 2;
    board->Winner = 1;
    board->nledWVisitor->SetValue(1);
    board->nledYHome->SetValue(5);
    board->AllKeyCode(82);
    QVERIFY(!board->tkPeriod->Running());
    QCOMPARE(board->tkPeriod->Time(), Fixed4::FromSeconds(180));
    QCOMPARE(board->TimePin, 38);
    QCOMPARE(board->PenaltySH, 0);
    QCOMPARE(board->MedHome, 0);
    QCOMPARE(board->Ippon, 0);
    QCOMPARE(board->Winner, 0);
    QCOMPARE(board->nledWVisitor->Value(), 0);
    QCOMPARE(board->nledYHome->Value(), 0);
    QCOMPARE(board->shpHomeS[1]->FillColor(), BoardSettings.FormBack);
    QCOMPARE(board->tledPeriod->Caption(), 180.0f);
}

void TestScoreboard::reset_zeroesBlankScoreDisplays()
{
    Board board;
    for (NumberLED* display :
        { board->nledWHome, board->nledYHome, board->nledWVisitor, board->nledYVisitor })
        display->SetValue(-1);
    board->ResetMatch();
    for (NumberLED* display :
        { board->nledWHome, board->nledYHome, board->nledWVisitor, board->nledYVisitor })
        QCOMPARE(display->Value(), 0);
}

void TestScoreboard::endMatch_freezesAllClocksKeepingPin()
{
    Board board;
    board->AllKeyCode(83);
    board->AllKeyCode(37);
    board.Advance(4000);
    board->EndMatch();
    QVERIFY(!board->tkPeriod->Running());
    QVERIFY(!board->tkHoldHome->Running());
    QCOMPARE(board->TimePin, 37);
    board.Advance(3000);
    QCOMPARE(board->nledHoldHome->Value(), 4);
    // The start key resumes the contest and Home's osaekomi where they stood.
    board->AllKeyCode(83);
    board.Advance(2000);
    QCOMPARE(board->nledHoldHome->Value(), 6);
    QCOMPARE(board->tledPeriod->Caption(), 114.0f);
}

void TestScoreboard::close_endsWithEveryOtherWindow()
{
    Board board;
    QWidget helpWindow;
    helpWindow.show();
    QVERIFY(helpWindow.isVisible());
    board->close();
    QVERIFY(!helpWindow.isVisible());
    QVERIFY(!board->isVisible());
}

void TestScoreboard::startStop_withPin_data()
{
    QTest::addColumn<int>("pin");
    QTest::addColumn<bool>("homeRuns");
    QTest::addColumn<bool>("visitorRuns");
    QTest::newRow("none yet") << 0 << false << false;
    QTest::newRow("Home") << 37 << true << false;
    QTest::newRow("no osaekomi") << 38 << false << false;
    QTest::newRow("Visitor") << 39 << false << true;
    QTest::newRow("zeroed") << 40 << false << false;
}

void TestScoreboard::startStop_withPin()
{
    QFETCH(int, pin);
    QFETCH(bool, homeRuns);
    QFETCH(bool, visitorRuns);
    Board board;
    board->TimePin = pin;
    QTest::keyClick(board->tledPeriod, Qt::Key_S);
    QVERIFY(board->tkPeriod->Running());
    QCOMPARE(board->tkHoldHome->Running(), homeRuns);
    QCOMPARE(board->tkHoldVisitor->Running(), visitorRuns);
    QTest::keyClick(board->tledPeriod, Qt::Key_S);
    QVERIFY(!board->tkPeriod->Running());
    QVERIFY(!board->tkHoldHome->Running());
    QVERIFY(!board->tkHoldVisitor->Running());
    QCOMPARE(board->TimePin, pin);
}

void TestScoreboard::arrows_withClockStopped_leavePinAlone()
{
    Board board;
    for (const Qt::Key key : { Qt::Key_Left, Qt::Key_Right, Qt::Key_Down }) {
        QTest::keyClick(board->picContainerHoldHome, key);
        QCOMPARE(board->TimePin, 0);
        QVERIFY(!board->tkHoldHome->Running());
        QVERIFY(!board->tkHoldVisitor->Running());
    }
}

void TestScoreboard::arrows_holdRules()
{
    Board board;
    board->AllKeyCode(83);
    board->AllKeyCode(37);
    board.Advance(3000);
    // Left again while Home holds: no restart.
    board->AllKeyCode(37);
    board.Advance(1000);
    QCOMPARE(board->nledHoldHome->Value(), 4);
    // Right while Home holds: both to 0, Visitor's starts.
    board->AllKeyCode(39);
    board.Advance(2000);
    QCOMPARE(board->nledHoldHome->Value(), 0);
    QCOMPARE(board->nledHoldVisitor->Value(), 2);
    // Up: toketa, the time stays shown.
    board->AllKeyCode(38);
    board.Advance(2000);
    QCOMPARE(board->nledHoldVisitor->Value(), 2);
    QVERIFY(!board->tkHoldVisitor->Running());
    // Down during a running hold: it restarts from 0, and a stop and start does not resume it.
    board->AllKeyCode(37);
    board.Advance(5000);
    board->AllKeyCode(40);
    board.Advance(1000);
    QCOMPARE(board->nledHoldHome->Value(), 1);
    QCOMPARE(board->TimePin, 40);
    board->AllKeyCode(83);
    board->AllKeyCode(83);
    QVERIFY(!board->tkHoldHome->Running());
}

void TestScoreboard::duplicateCommandKeys_firstWins()
{
    Board board;
    BoardSettings.ResetPeriodClockKey = 83;
    BoardSettings.BuzzerKey = 83;
    board->AllKeyCode(83);
    QVERIFY(board->tkPeriod->Running()); // start/stop, not reset
    QCOMPARE(board.player.Plays(), 0);
    BoardSettings.StartStopPeriodClockKey = 65;
    board->AllKeyCode(83);
    QVERIFY(!board->tkPeriod->Running()); // now reset comes first
    QCOMPARE(board.player.Plays(), 0);
}

void TestScoreboard::arrowAsCommandKey_doesBoth()
{
    Board board;
    BoardSettings.StartStopPeriodClockKey = 37;
    board->AllKeyCode(37); // clock stopped: the arrow sets no side, then starts the clock
    QVERIFY(board->tkPeriod->Running());
    QCOMPARE(board->TimePin, 0);
    board->AllKeyCode(37); // running: Home's osaekomi starts, then the clock stops
    QCOMPARE(board->TimePin, 37);
    QVERIFY(!board->tkPeriod->Running());
    QVERIFY(!board->tkHoldHome->Running());
}

void TestScoreboard::spaceAsStartStop_onScoreDisplay_togglesTwice()
{
    Board board;
    BoardSettings.StartStopPeriodClockKey = 32;
    QTest::keyClick(board->nledYHome, Qt::Key_Space);
    QVERIFY(!board->tkPeriod->Running());
    QTest::keyClick(board->tledPeriod, Qt::Key_Space);
    QVERIFY(board->tkPeriod->Running());
}

void TestScoreboard::shiftS_startsTheClock()
{
    Board board;
    QTest::keyClick(board->picHomeS, Qt::Key_S, Qt::ShiftModifier);
    QVERIFY(board->tkPeriod->Running());
}

void TestScoreboard::shownSeconds_data()
{
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<float>("shown");
    QTest::newRow("120") << qint64(1'200'000) << 120.0f;
    QTest::newRow("119.5") << qint64(1'195'000) << 120.0f;
    QTest::newRow("119.0002") << qint64(1'190'002) << 120.0f;
    QTest::newRow("119.0001 to even 120") << qint64(1'190'001) << 120.0f;
    QTest::newRow("1.0001 to even 2") << qint64(10'001) << 2.0f;
    QTest::newRow("0.0001 to even 0") << qint64(1) << 0.0f;
    QTest::newRow("0.0002") << qint64(2) << 1.0f;
    QTest::newRow("zero") << qint64(0) << 0.0f;
    QTest::newRow("small negative") << qint64(-300) << 0.0f;
    QTest::newRow("half a second below") << qint64(-4999) << 0.0f;
}

void TestScoreboard::shownSeconds()
{
    QFETCH(qint64, raw);
    QFETCH(float, shown);
    Board board(false);
    board->tkPeriod->SetTime(Fixed4::FromRaw(raw));
    board->RefreshTime();
    QCOMPARE(board->tledPeriod->Caption(), shown);
}

void TestScoreboard::expiry_withoutHold_soundsOnce()
{
    Board board;
    board->tkPeriod->SetTime(Fixed4::FromSeconds(2));
    board->AllKeyCode(83);
    board.Advance(1950);
    QVERIFY(board->tkPeriod->Running());
    QCOMPARE(board->tledPeriod->Caption(), 1.0f);
    board.Advance(100);
    QVERIFY(!board->tkPeriod->Running());
    QCOMPARE(board->tledPeriod->Caption(), 0.0f);
    QVERIFY(board->PlayedBuzzerPeriod);
    QCOMPARE(board.player.Plays(), 1);
    board.Advance(50);
    board.FinishBuzzer();
    QVERIFY(!board->BuzzerPlaying);
    board.Advance(50);
    QCOMPARE(board.player.Plays(), 1);
}

void TestScoreboard::expiry_withHold_owesBuzzerUntilArrow()
{
    Board board;
    board->tkPeriod->SetTime(Fixed4::FromSeconds(1));
    board->AllKeyCode(83);
    board->AllKeyCode(39);
    board.Advance(1500);
    QVERIFY(!board->tkPeriod->Running());
    QVERIFY(board->tkHoldVisitor->Running());
    QVERIFY(board->DelayPlayBuzzerPeriod);
    QCOMPARE(board.player.Plays(), 0);
    board.Advance(10'000);
    QCOMPARE(board->nledHoldVisitor->Value(), 11); // 11.5 s held: 11 completed
    QCOMPARE(board.player.Plays(), 0);
    // Any arrow pays the buzzer; Right is stored and ends the hold all the same.
    board->AllKeyCode(39);
    QCOMPARE(board->TimePin, 39);
    QVERIFY(!board->tkHoldVisitor->Running());
    QVERIFY(board->PlayedBuzzerPeriod);
    QVERIFY(!board->DelayPlayBuzzerPeriod);
    QCOMPARE(board.player.Plays(), 1);
}

void TestScoreboard::startAtZero_stopsAtOnceWithoutSecondBuzzer()
{
    Board board;
    board->tkPeriod->SetTime(Fixed4::FromRaw(100));
    board->AllKeyCode(83);
    board.Advance(100);
    QCOMPARE(board.player.Plays(), 1);
    board.FinishBuzzer();
    board->AllKeyCode(83);
    QVERIFY(!board->tkPeriod->Running());
    QCOMPARE(board.player.Plays(), 1);
}

void TestScoreboard::typedLength_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("tenths");
    QTest::newRow("3") << "3" << 1800;
    QTest::newRow("1.5") << "1.5" << 650;
    QTest::newRow("0.305") << "0.305" << 305;
    QTest::newRow("9.59 accepted") << "9.59" << 5990;
    QTest::newRow("9.60 refused") << "9.60" << -1;
    QTest::newRow("10 refused") << "10" << -1;
    QTest::newRow("5.0.1 refused") << "5.0.1" << -1;
}

void TestScoreboard::typedLength()
{
    QFETCH(QString, typed);
    QFETCH(int, tenths);
    Board board;
    board->AllKeyCode(83);
    board->AllKeyCode(37);
    board.Advance(2000);
    for (const QChar c : typed)
        QTest::keyClick(
            board->tledPeriod, c == u'.' ? Qt::Key_Period : Qt::Key(Qt::Key_0 + (c.unicode() - u'0')));
    QTest::keyClick(board->tledPeriod, Qt::Key_Return);
    if (tenths < 0) {
        QVERIFY(board->tkPeriod->Running());
        QCOMPARE(PeriodLength, Fixed4::FromSeconds(120));
        return;
    }
    const Fixed4 expected = Fixed4::FromRaw(tenths * 1000LL);
    QCOMPARE(PeriodLength, expected);
    QCOMPARE(board->tkPeriod->Time(), expected);
    QVERIFY(!board->tkPeriod->Running());
    QVERIFY(!board->tkHoldHome->Running());
    QCOMPARE(board->nledHoldHome->Value(), 2); // the hold time stays
}

void TestScoreboard::typedLength_survivesFocusChange()
{
    Board board;
    QTest::keyClick(board->tledPeriod, Qt::Key_2);
    QTest::keyClick(board->nledWHome, Qt::Key_Up);
    QTest::keyClick(board->tledPeriod, Qt::Key_Period);
    QTest::keyClick(board->tledPeriod, Qt::Key_3, Qt::KeypadModifier);
    QTest::keyClick(board->tledPeriod, Qt::Key_0, Qt::KeypadModifier);
    QTest::keyClick(board->tledPeriod, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(PeriodLength, Fixed4::FromSeconds(150));
}

void TestScoreboard::typedZero_setsZeroAndStopsHolds()
{
    Board board;
    board->AllKeyCode(83);
    board->AllKeyCode(39);
    QTest::keyClick(board->tledPeriod, Qt::Key_0);
    QTest::keyClick(board->tledPeriod, Qt::Key_Return);
    QCOMPARE(PeriodLength, Fixed4());
    QVERIFY(!board->tkPeriod->Running());
    QVERIFY(!board->tkHoldVisitor->Running());
    QCOMPARE(board->tledPeriod->Caption(), 0.0f);
}

void TestScoreboard::buzzerPressedTwice_playsOnce()
{
    Board board;
    QTest::keyClick(board->tledPeriod, Qt::Key_B);
    QTest::keyClick(board->tledPeriod, Qt::Key_B);
    QCOMPARE(board.player.Plays(), 1);
    QVERIFY(board->BuzzerPlaying);
    board.FinishBuzzer();
    QVERIFY(!board->BuzzerPlaying);
    QTest::keyClick(board->tledPeriod, Qt::Key_B);
    QCOMPARE(board.player.Plays(), 2);
    QCOMPARE(board.player.Opens(), 1); // the same file is not reopened
}

void TestScoreboard::preparedBuzzer_firstPlayOpensNothingMore_data()
{
    QTest::addColumn<QString>("file"); // "built", "missing" or "none"
    QTest::addColumn<int>("opensWhenPrepared");
    QTest::newRow("buzzer file") << "built" << 1;
    QTest::newRow("file missing: nothing opened") << "missing" << 0;
    QTest::newRow("no sound chosen: nothing opened") << "none" << 0;
}

void TestScoreboard::preparedBuzzer_firstPlayOpensNothingMore()
{
    QFETCH(QString, file);
    QFETCH(int, opensWhenPrepared);
    Board board;
    const QString built = BoardSettings.BuzzerFile;
    if (file == u"missing")
        BoardSettings.BuzzerFile = built + QStringLiteral(".gone");
    else if (file == u"none")
        BoardSettings.BuzzerFile.clear();
    board->PrepareBuzzer();
    QCOMPARE(board.player.Opens(), opensWhenPrepared);
    QCOMPARE(board.player.Plays(), 0);
    QVERIFY(!board->BuzzerPlaying);

    // The buzzer key then plays the prepared file without opening it again.
    board->AllKeyCode(66);
    QCOMPARE(board.player.Opens(), opensWhenPrepared);
    QCOMPARE(board.player.Plays(), opensWhenPrepared);
}

void TestScoreboard::buzzerFileChanged_reopens()
{
    Board board;
    QTemporaryDir folder;
    const QString other = folder.filePath(QStringLiteral("other.wav"));
    QVERIFY(QFile::copy(BoardSettings.BuzzerFile, other));
    board->AllKeyCode(66);
    board.FinishBuzzer();
    BoardSettings.BuzzerFile = other;
    board->AllKeyCode(66);
    QCOMPARE(board.player.Opens(), 2);
    QCOMPARE(board.player.OpenFile(), other);
    QCOMPARE(board.player.Plays(), 2);
    board.FinishBuzzer();
    // The file removed after a successful play: nothing plays, the device stays open on it.
    QVERIFY(QFile::remove(other));
    board->AllKeyCode(66);
    QCOMPARE(board.player.Plays(), 2);
    QCOMPARE(board->mmcBuzzer->FileName(), other);
}

void TestScoreboard::missingBuzzerFile_playsNothingAndDoesNotBlock()
{
    Board board;
    const QString good = BoardSettings.BuzzerFile;
    for (const QString& bad : { QStringLiteral("/nonexistent/buzzer.wav"), QString(), QDir::tempPath() }) {
        BoardSettings.BuzzerFile = bad;
        board->AllKeyCode(66);
        QCOMPARE(board.player.Plays(), 0);
        QVERIFY(!board->BuzzerPlaying);
    }
    BoardSettings.BuzzerFile = good;
    board->AllKeyCode(66);
    QCOMPARE(board.player.Plays(), 1);
}

void TestScoreboard::optionsClosed_refreshesAndRecordsLayout()
{
    Board board;
    int runs = 0;
    SetOptionsDialogRunner([&runs] {
        ++runs;
        BoardSettings.TitleText = QStringLiteral("Dojo Cup");
        BoardSettings.TimeColor = 0x00FF00;
    });
    QTest::keyClick(board->tledPeriod, Qt::Key_F2);
    SetOptionsDialogRunner({});
    QCOMPARE(runs, 1);
    QCOMPARE(board->lblTitle->Caption(), QStringLiteral("Dojo Cup"));
    QCOMPARE(board->tledPeriod->LitColor(), 0x00FF00);
}

void TestScoreboard::holdDisplayClick_focusesContainer()
{
    Board board;
    board->nledWHome->setFocus();
    QTest::mouseClick(board->nledHoldVisitor, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), board->picContainerHoldVisitor);
    // The frame did not follow: it is still around the waza-ari display.
    QCOMPARE(
        board->shpObjectSelected->Left(), board->nledWHome->Left() - 15 * BoardSettings.LEDSelectedWidth);
    QTest::keyClick(board->picContainerHoldVisitor, Qt::Key_S);
    QVERIFY(board->tkPeriod->Running());
}

void TestScoreboard::titleNotes_keepEachOther()
{
    Board board(false);
    QCOMPARE(board->windowTitle(), QStringLiteral("Korvelin"));
    board->SetTitleNote("network", "http://127.0.0.1:8090");
    QCOMPARE(board->windowTitle(), QStringLiteral("Korvelin - http://127.0.0.1:8090"));
    board->SetTitleNote("journal", "contest restored");
    QCOMPARE(board->windowTitle(), QStringLiteral("Korvelin - http://127.0.0.1:8090 - contest restored"));
    // A source changes its note in its place, and takes it away alone.
    board->SetTitleNote("network", "http://127.0.0.1:8091");
    QCOMPARE(board->windowTitle(), QStringLiteral("Korvelin - http://127.0.0.1:8091 - contest restored"));
    board->SetTitleNote("network", QString());
    QCOMPARE(board->windowTitle(), QStringLiteral("Korvelin - contest restored"));
    QCOMPARE(board->TitleNote("journal"), QStringLiteral("contest restored"));
    board->SetTitleNote("journal", QString());
    QCOMPARE(board->windowTitle(), QStringLiteral("Korvelin"));
}

QTEST_MAIN(TestScoreboard)
#include "tst_scoreboard.moc"
