// The scoreboard's clocks: the refresh cycle of the contest clock and the two
// osaekomi clocks, the typed contest length, the osaekomi selection and the
// buzzer.

#include "display/leds.h"
#include "scoreboard/frmscoreboard.h"
#include "settings/boardsettings.h"
#include "timing/mmcontrol.h"
#include "timing/timekeeper.h"

#include <QFileInfo>

namespace kv {

namespace {
// The whole seconds shown for a remaining time: rounded up, computed as
// t + 0.4999 to the nearest integer with an exact half going to even.
float ShownSeconds(Fixed4 remaining)
{
    return static_cast<float>((remaining + Fixed4::FromRaw(4999)).RoundHalfEven());
}

qint64 CompletedSeconds(Fixed4 time)
{
    const qint64 raw = time.Raw();
    return raw >= 0 ? raw / Fixed4::Scale : -((-raw + Fixed4::Scale - 1) / Fixed4::Scale);
}

// The whole seconds shown for a hold: completed seconds only, so "1" shows
// when the first full second has passed and a score is never called early.
qint16 HoldSeconds(Fixed4 hold)
{
    return ToInt16HalfEven(static_cast<double>(CompletedSeconds(hold)));
}
} // namespace

void frmScoreboard::RefreshTime()
{
    const Fixed4 t = tkPeriod->Time();
    tledPeriod->SetGroupUnits(QStringLiteral("60,1"));
    // Golden score counts up: completed seconds, as a hold.
    tledPeriod->SetCaption(GoldenScore ? static_cast<float>(CompletedSeconds(t)) : ShownSeconds(t));
    nledHoldHome->SetValue(HoldSeconds(tkHoldHome->Time()));
    nledHoldVisitor->SetValue(HoldSeconds(tkHoldVisitor->Time()));
    CheckHoldScores();
    CheckEndOfTime();

    // No hold runs on a stopped contest clock, except the one held over
    // past the end of time, which the operator ends.
    if (!tkPeriod->Running() && !DelayPlayBuzzerPeriod) {
        tkHoldHome->SetRunning(false);
        tkHoldVisitor->SetRunning(false);
    }
}

void frmScoreboard::CheckEndOfTime()
{
    if (!TimeIsUp()) {
        PlayedBuzzerPeriod = false;
        DelayPlayBuzzerPeriod = false;
    } else if (tkPeriod->Running()) {
        ExpireContestClock();
    }
}

void frmScoreboard::ExpireContestClock()
{
    tkPeriod->SetRunning(false);
    if (GoldenScore && BoardSettings.GoldenScoreLimit > 0)
        tkPeriod->SetTime(Fixed4::FromSeconds(BoardSettings.GoldenScoreLimit));
    if (PlayedBuzzerPeriod)
        return;
    if (tkHoldHome->Running() || tkHoldVisitor->Running()) {
        // The end of time sounds when the running osaekomi ends.
        DelayPlayBuzzerPeriod = true;
    } else {
        PlayedBuzzerPeriod = true;
        Buzzer(BoardSettings.BuzzerFile);
        EndOfTimeDecision();
    }
}

void frmScoreboard::PayOwedBuzzer()
{
    if (!DelayPlayBuzzerPeriod || PlayedBuzzerPeriod)
        return;
    PlayedBuzzerPeriod = true;
    DelayPlayBuzzerPeriod = false;
    tkHoldHome->SetRunning(false);
    tkHoldVisitor->SetRunning(false);
    Buzzer(BoardSettings.BuzzerFile);
}

void frmScoreboard::tledPeriod_KeyDown(qint16 KeyCode)
{
    AllKeyCode(KeyCode);
    const std::optional<Fixed4> length = EnterClockDigit(
        m_clockEntry, tledPeriod->objectName(), KeyCodeToAsci(KeyCode), Fixed4::FromSeconds(599));
    if (!length)
        return;
    tkHoldHome->SetRunning(false);
    tkHoldVisitor->SetRunning(false);
    tkPeriod->SetTime(*length);
    tkPeriod->SetRunning(false);
    // In golden score a typed time sets the golden-score clock; the contest
    // length stays for the next contest.
    if (!GoldenScore)
        PeriodLength = *length;
    RefreshTime();
}

void frmScoreboard::UpdatePinStatus()
{
    // A hold that this arrow ends is scored by the rule set, before the
    // decision that an end of time held back for it.
    const qint16 holding = tkHoldHome->Running() ? 1 : (tkHoldVisitor->Running() ? 2 : 0);
    const Fixed4 held = holding == 1 ? tkHoldHome->Time() : (holding == 2 ? tkHoldVisitor->Time() : Fixed4());
    const bool owed = DelayPlayBuzzerPeriod && !PlayedBuzzerPeriod;
    const auto scoreEndedHold = [this, holding, held, owed] {
        if (holding != 0 && !(holding == 1 ? tkHoldHome : tkHoldVisitor)->Running())
            ScoreHold(holding, held);
        if (owed)
            EndOfTimeDecision();
    };
    PayOwedBuzzer();
    if (!tkPeriod->Running()) {
        // An arrow ends any hold left running on a stopped contest clock.
        tkHoldHome->SetRunning(false);
        tkHoldVisitor->SetRunning(false);
        scoreEndedHold();
        return;
    }
    switch (TimePin) {
    case 37:
        if (!tkHoldHome->Running()) {
            tkHoldHome->SetTime(Fixed4());
            tkHoldVisitor->SetTime(Fixed4());
        }
        tkHoldHome->SetRunning(true);
        tkHoldVisitor->SetRunning(false);
        break;
    case 39:
        if (!tkHoldVisitor->Running()) {
            tkHoldHome->SetTime(Fixed4());
            tkHoldVisitor->SetTime(Fixed4());
        }
        tkHoldHome->SetRunning(false);
        tkHoldVisitor->SetRunning(true);
        break;
    case 0:
    case 38:
        tkHoldHome->SetRunning(false);
        tkHoldVisitor->SetRunning(false);
        break;
    case 40:
        tkHoldHome->SetTime(Fixed4());
        tkHoldVisitor->SetTime(Fixed4());
        break;
    default:
        break;
    }
    scoreEndedHold();
}

void frmScoreboard::Buzzer(const QString& FileName)
{
    if (FileName.isEmpty() || !QFileInfo(FileName).isFile() || BuzzerPlaying)
        return;
    if (mmcBuzzer->FileName() != FileName) {
        mmcBuzzer->SetCommand(QStringLiteral("Close"));
        mmcBuzzer->SetFileName(FileName);
        mmcBuzzer->SetCommand(QStringLiteral("Open"));
    }
    BuzzerPlaying = true;
    mmcBuzzer->SetCommand(QStringLiteral("Play"));
}

void frmScoreboard::mmcBuzzer_Done()
{
    mmcBuzzer->SetCommand(QStringLiteral("Stop"));
    mmcBuzzer->SetCommand(QStringLiteral("Prev"));
    BuzzerPlaying = false;
}

} // namespace kv
