// The scoreboard's clocks: the refresh cycle of the contest clock and the two
// osaekomi clocks, the typed contest length, the osaekomi selection and the
// buzzer.

#include "display/controls.h"
#include "display/leds.h"
#include "scoreboard/frmscoreboard.h"
#include "settings/boardsettings.h"
#include "timing/mmcontrol.h"
#include "timing/timekeeper.h"

#include <QFileInfo>

#include <algorithm>

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
    const float periodBefore = tledPeriod->Caption();
    const int homeBefore = nledHoldHome->Value();
    const int visitorBefore = nledHoldVisitor->Value();

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

    ScheduleRefresh();
    const bool changed = m_clockChanged || tledPeriod->Caption() != periodBefore
        || nledHoldHome->Value() != homeBefore || nledHoldVisitor->Value() != visitorBefore;
    m_clockChanged = false;
    if (changed)
        emit BoardChanged();
}

std::optional<qint64> frmScoreboard::NextRefreshNanoseconds() const
{
    // Everything a running clock drives moves on whole seconds of its time:
    // the displayed seconds (the contest clock's rounded up, the others'
    // completed), the hold thresholds, the end of time and the golden-score
    // limit, and the whole seconds the contest journal keeps.
    std::optional<qint64> next;
    for (const TimeKeeper* keeper : { tkPeriod, tkHoldHome, tkHoldVisitor }) {
        if (!keeper->Running())
            continue;
        const qint64 raw = keeper->Time().Raw();
        const qint64 second = raw >= 0 ? raw / Fixed4::Scale : -((-raw + Fixed4::Scale - 1) / Fixed4::Scale);
        qint64 target;
        if (keeper->CountDirection() == 1) {
            target = (second + 1) * Fixed4::Scale;
        } else {
            // Counting down, a whole second n shows as n from n + 0.0001 or n
            // on, and the journal's n - 1 follows a step later: wake one step
            // past n, and at 0 itself, the end of time.
            target = second == 0 && raw > 0 ? 0 : second * Fixed4::Scale - 1;
            if (raw <= 0)
                target = raw;
        }
        const std::optional<qint64> due = keeper->NanosecondsUntil(Fixed4::FromRaw(target));
        if (due && (!next || *due < *next))
            next = due;
    }
    return next;
}

void frmScoreboard::ScheduleRefresh()
{
    const std::optional<qint64> due = NextRefreshNanoseconds();
    if (!due) {
        tmrClock1->Cancel();
        return;
    }
    // Whole milliseconds, rounded up: the tick never comes before the moment.
    constexpr qint64 nanosecondsPerMillisecond = 1'000'000;
    const qint64 milliseconds = (*due + nanosecondsPerMillisecond - 1) / nanosecondsPerMillisecond;
    tmrClock1->ScheduleOnce(static_cast<int>(std::min<qint64>(milliseconds, 3'600'000)));
}

void frmScoreboard::ClockChanged()
{
    m_clockChanged = true;
    tmrClock1->ScheduleOnce(0);
}

void frmScoreboard::ActionHandled()
{
    tmrClock1->ScheduleOnce(0);
    emit BoardChanged();
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

void frmScoreboard::PrepareBuzzer()
{
    const QString& file = BoardSettings.BuzzerFile;
    if (file.isEmpty() || !QFileInfo(file).isFile() || BuzzerPlaying)
        return;
    if (mmcBuzzer->FileName() != file) {
        mmcBuzzer->SetCommand(QStringLiteral("Close"));
        mmcBuzzer->SetFileName(file);
        mmcBuzzer->SetCommand(QStringLiteral("Open"));
    }
    mmcBuzzer->Warm();
}

void frmScoreboard::mmcBuzzer_Done()
{
    mmcBuzzer->SetCommand(QStringLiteral("Stop"));
    mmcBuzzer->SetCommand(QStringLiteral("Prev"));
    BuzzerPlaying = false;
}

} // namespace kv
