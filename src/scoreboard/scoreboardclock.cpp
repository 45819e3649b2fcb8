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

// The whole seconds shown for a hold: completed seconds only, so "1" shows
// when the first full second has passed and a score is never called early.
qint16 HoldSeconds(Fixed4 hold)
{
    const qint64 raw = hold.Raw();
    const qint64 completed = raw >= 0 ? raw / Fixed4::Scale : -((-raw + Fixed4::Scale - 1) / Fixed4::Scale);
    return ToInt16HalfEven(static_cast<double>(completed));
}
} // namespace

void frmScoreboard::RefreshTime()
{
    const Fixed4 t = tkPeriod->Time();
    tledPeriod->SetGroupUnits(QStringLiteral("60,1"));
    tledPeriod->SetCaption(ShownSeconds(t));
    nledHoldHome->SetValue(HoldSeconds(tkHoldHome->Time()));
    nledHoldVisitor->SetValue(HoldSeconds(tkHoldVisitor->Time()));
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
    if (tkPeriod->Time() > Fixed4()) {
        PlayedBuzzerPeriod = false;
        DelayPlayBuzzerPeriod = false;
    } else if (tkPeriod->Running()) {
        ExpireContestClock();
    }
}

void frmScoreboard::ExpireContestClock()
{
    tkPeriod->SetRunning(false);
    if (PlayedBuzzerPeriod)
        return;
    if (tkHoldHome->Running() || tkHoldVisitor->Running()) {
        // The end of time sounds when the running osaekomi ends.
        DelayPlayBuzzerPeriod = true;
    } else {
        PlayedBuzzerPeriod = true;
        Buzzer(BoardSettings.BuzzerFile);
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
    PeriodLength = *length;
    RefreshTime();
}

void frmScoreboard::UpdatePinStatus()
{
    PayOwedBuzzer();
    if (!tkPeriod->Running()) {
        // An arrow ends any hold left running on a stopped contest clock.
        tkHoldHome->SetRunning(false);
        tkHoldVisitor->SetRunning(false);
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
