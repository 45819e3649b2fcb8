#include "scoreboard/contestrecorder.h"

#include "display/leds.h"
#include "record/resultsfiles.h"
#include "rules/ruleset.h"
#include "scoreboard/frmscoreboard.h"
#include "settings/boardsettings.h"
#include "timing/clocksource.h"
#include "timing/timekeeper.h"

#include <QDateTime>
#include <QTimer>

#include <algorithm>
#include <utility>
#include <vector>

namespace kv {

namespace {

qint16 Clamped(int value, int low, int high)
{
    return static_cast<qint16>(std::clamp(value, low, high));
}

// Time as the results keep it: to the tenth of a second, never below 0.
Fixed4 Tenths(Fixed4 time)
{
    return Fixed4::FromRaw(std::max<qint64>(0, DivideRoundHalfEven(time.Raw(), 1000) * 1000));
}

bool SameResult(const ContestResult& a, ContestResult b)
{
    b.Ended = a.Ended;
    return a == b;
}

ContestEvent Made(EventKind kind, qint16 side = 0)
{
    ContestEvent event;
    event.Kind = kind;
    event.Side = side;
    return event;
}

} // namespace

// ---------------------------------------------------------------- steps

ContestRecorder::Step::Step(ContestRecorder* recorder)
    : m_recorder(recorder)
{
    if (m_recorder)
        m_recorder->Begin();
}

ContestRecorder::Step::~Step()
{
    if (m_recorder)
        m_recorder->End();
}

ContestRecorder::Outside::Outside(ContestRecorder* recorder)
    : m_recorder(recorder)
{
    if (!m_recorder)
        return;
    m_recorder->Check();
    m_depth = std::exchange(m_recorder->m_depth, 0);
}

ContestRecorder::Outside::~Outside()
{
    if (!m_recorder)
        return;
    m_recorder->Check();
    m_recorder->m_clockAtBegin = m_recorder->m_form.tkPeriod->Time();
    m_recorder->m_depth = m_depth;
}

ContestRecorder::ContestRecorder(frmScoreboard& form)
    : m_form(form)
    , m_clock(ClockSource::Default())
    , m_noteTimer(new QTimer(this))
{
    // The refresh does not tick while no clock runs: the note has a timer of
    // its own, and goes by the clock source's time whichever comes first.
    m_noteTimer->setSingleShot(true);
    connect(m_noteTimer, &QTimer::timeout, this, &ContestRecorder::Tick);
    Restart();
}

ContestRecorder::~ContestRecorder() = default;

void ContestRecorder::Begin()
{
    if (m_depth++ == 0) {
        Check();
        m_clockAtBegin = m_form.tkPeriod->Time();
    }
}

void ContestRecorder::End()
{
    if (m_depth > 0 && --m_depth == 0)
        Check();
}

// ---------------------------------------------------------------- the board's state

ScoredState ContestRecorder::Scored() const
{
    ScoredState s;
    s.WHome = Clamped(m_form.nledWHome->Value(), -1, 9);
    s.YHome = Clamped(m_form.nledYHome->Value(), -1, 9);
    s.WVisitor = Clamped(m_form.nledWVisitor->Value(), -1, 9);
    s.YVisitor = Clamped(m_form.nledYVisitor->Value(), -1, 9);
    s.PenaltySH = Clamped(m_form.PenaltySH, 0, 4);
    s.PenaltySV = Clamped(m_form.PenaltySV, 0, 4);
    s.MedHome = Clamped(m_form.MedHome, 0, 2);
    s.MedVisitor = Clamped(m_form.MedVisitor, 0, 2);
    s.Ippon = Clamped(m_form.Ippon, 0, 2);
    s.Winner = Clamped(m_form.Winner, 0, 2);
    s.PeriodLength = std::clamp(PeriodLength, Fixed4(), Fixed4::FromSeconds(599));
    s.GoldenScore = m_form.GoldenScore;
    return s;
}

ContestRecorder::Clocks ContestRecorder::ClocksNow() const
{
    return { m_form.tkPeriod->Running(), m_form.tkHoldHome->Running(), m_form.tkHoldVisitor->Running() };
}

ContestResult ContestRecorder::Result() const
{
    const ScoredState s = m_scored;
    const RuleSet& rules = m_form.Rules();
    ContestResult r;
    const QDateTime now = QDateTime::currentDateTime();
    r.Ended = QDateTime(now.date(), QTime(now.time().hour(), now.time().minute(), now.time().second()));
    r.Board = BoardSettings.TitleText;
    r.RuleSet = QLatin1String(rules.Name);
    r.Home = { BoardSettings.HomeText, s.Ippon == 1, Clamped(s.WHome, 0, 9), Clamped(s.YHome, 0, 9),
        s.PenaltySH };
    r.Visitor = { BoardSettings.VisitorText, s.Ippon == 2, Clamped(s.WVisitor, 0, 9),
        Clamped(s.YVisitor, 0, 9), s.PenaltySV };
    r.Winner = DecideWinner(s);
    const qint16 hansoku = static_cast<qint16>(rules.Shido == ShidoRule::HansokuMake ? rules.ShidoLimit : 4);
    r.How = DecideHow(s, r.Winner, hansoku, s.GoldenScore);
    const Fixed4 clock = m_form.tkPeriod->Time();
    if (s.GoldenScore) {
        r.RegularTime = Tenths(s.PeriodLength);
        r.GoldenScoreTime = Tenths(clock);
    } else {
        r.RegularTime = Tenths(s.PeriodLength - std::max(clock, Fixed4()));
    }
    r.Contest = m_log.ContestId();
    return r;
}

// ---------------------------------------------------------------- the log

ContestEvent ContestRecorder::Stamped(ContestEvent event) const
{
    event.Clock = m_form.tkPeriod->Time();
    return event;
}

void ContestRecorder::Check()
{
    const ScoredState now = Scored();
    const Clocks clocks = ClocksNow();
    std::vector<ContestEvent> first; // the time running out comes before what it decides
    std::vector<ContestEvent> after; // clocks stopped by a change come after it

    if (clocks.Period != m_clocks.Period) {
        const Fixed4 time = m_form.tkPeriod->Time();
        const qint32 limit = BoardSettings.GoldenScoreLimit;
        const bool timeUp = !clocks.Period
            && (m_form.GoldenScore ? limit > 0 && time >= Fixed4::FromSeconds(limit) : time <= Fixed4());
        if (timeUp)
            first.push_back(Made(EventKind::TimeUp));
        else
            after.push_back(Made(clocks.Period ? EventKind::ClockStarted : EventKind::ClockStopped));
    }
    std::optional<ContestEvent> change = DescribeChange(m_scored, now);
    for (const qint16 side : { qint16(1), qint16(2) }) {
        const bool was = side == 1 ? m_clocks.HoldHome : m_clocks.HoldVisitor;
        const bool is = side == 1 ? clocks.HoldHome : clocks.HoldVisitor;
        if (was == is)
            continue;
        ContestEvent hold = Made(is ? EventKind::HoldStarted : EventKind::HoldEnded, side);
        hold.Seconds = std::max((side == 1 ? m_form.tkHoldHome : m_form.tkHoldVisitor)->Time(), Fixed4());
        // A hold that scored: the score carries the hold's seconds and
        // follows the hold's end.
        if (!is && change && change->Side == side && change->Change > 0 && change->Kind != EventKind::Shido
            && change->Kind != EventKind::Medical) {
            change->Seconds = hold.Seconds;
            first.push_back(hold);
        } else {
            after.push_back(hold);
        }
    }
    m_clocks = clocks;

    for (const ContestEvent& event : first)
        m_log.Append(Stamped(event));
    if (change) {
        ContestEvent event = Stamped(*change);
        // A typed length replaced the reading the step began with.
        if (event.Kind == EventKind::ContestLength)
            event.Clock = m_clockAtBegin;
        event.Before = m_scored;
        m_log.Append(event);
    }
    for (const ContestEvent& event : after)
        m_log.Append(Stamped(event));
    m_scored = now;

    // A winner decided ends the contest: its result goes to the day's
    // results, again only when a correction changes it.
    if (change && DecideWinner(now) != 0) {
        const ContestResult result = Result();
        if (!m_written || m_written->Winner != result.Winner || m_written->How != result.How)
            WriteResult();
    }
}

void ContestRecorder::WriteResult()
{
    const ContestResult result = Result();
    m_written = result;
    if (m_results)
        m_results->Append(result, &m_log);
}

void ContestRecorder::Restart()
{
    m_log = ContestLog();
    m_written.reset();
    m_scored = Scored();
    m_clocks = ClocksNow();
}

void ContestRecorder::Resume(ContestLog log)
{
    m_log = std::move(log);
    m_written.reset();
    m_scored = Scored();
    m_clocks = ClocksNow();
}

void ContestRecorder::UseResults(const QString& folder)
{
    m_results = std::make_unique<ResultsWriter>(folder);
    // Reported once in the title, and taken away when writing works again.
    connect(m_results.get(), &ResultsWriter::FailingChanged, this, [this](bool failing) {
        m_form.SetTitleNote(ResultsNoteSource, failing ? ResultsFailedNote : QString());
    });
}

void ContestRecorder::ShowNote(const QString& text)
{
    m_form.SetTitleNote(UndoNoteSource, text);
    m_noteUntil = m_clock->NowNanoseconds() + NoteNanoseconds;
    m_noteShown = true;
    m_noteTimer->start(static_cast<int>(NoteNanoseconds / 1'000'000) + 20);
}

void ContestRecorder::Tick()
{
    if (m_noteShown && m_clock->NowNanoseconds() >= m_noteUntil) {
        m_noteShown = false;
        m_form.SetTitleNote(UndoNoteSource, QString());
    }
}

// ---------------------------------------------------------------- reset

void ContestRecorder::BeforeReset()
{
    Check();
    m_log.Append(Stamped(Made(EventKind::Reset)));
    // Anything scored ends the contest: its result, unless just this one was
    // written when the winner was decided.
    if (!NothingScored(m_scored) && !(m_written && SameResult(*m_written, Result())))
        WriteResult();
    else if (m_results)
        m_results->Retry(); // results a failing disk kept back
}

void ContestRecorder::AfterReset()
{
    Restart();
}

// ---------------------------------------------------------------- undo

bool ContestRecorder::Undo()
{
    Check();
    const ContestEvent* next = m_log.NextUndo();
    if (!next || !next->Before) {
        ShowNote(QStringLiteral("nothing to undo"));
        return false;
    }
    const ContestEvent undone = *next;
    Restore(*undone.Before, undone);
    ContestEvent undo = Stamped(Made(EventKind::Undo, undone.Side));
    undo.Undoes = undone.Seq;
    m_log.Append(undo);
    // What the board's procedures made of the restored state is the state now.
    m_scored = Scored();
    m_clocks = ClocksNow();
    ShowNote(QStringLiteral("undone: ") + EventText(undone));
    return true;
}

void ContestRecorder::Restore(const ScoredState& s, const ContestEvent& undone)
{
    TimeKeeper* clock = m_form.tkPeriod;
    // A typed length set the clock too: while the clock still shows it, the
    // reading it replaced comes back.
    if (undone.Kind == EventKind::ContestLength && undone.Seconds && !clock->Running()
        && clock->Time() == *undone.Seconds)
        clock->SetTime(undone.Clock);
    PeriodLength = s.PeriodLength;
    if (m_form.GoldenScore != s.GoldenScore) {
        // Golden score's start set the clock to 0:00 counting up; without it
        // the clock is regular time again, at the end it had reached.
        m_form.GoldenScore = s.GoldenScore;
        clock->SetCountDirection(s.GoldenScore ? 1 : 0);
        if (!s.GoldenScore)
            clock->SetTime(undone.Clock);
    }
    m_form.nledYHome->SetValue(s.YHome);
    m_form.nledWHome->SetValue(s.WHome);
    m_form.nledWVisitor->SetValue(s.WVisitor);
    m_form.nledYVisitor->SetValue(s.YVisitor);
    m_form.PenaltySH = s.PenaltySH;
    m_form.PenaltySV = s.PenaltySV;
    m_form.MedHome = s.MedHome;
    m_form.MedVisitor = s.MedVisitor;
    m_form.Ippon = s.Ippon;
    m_form.Winner = s.Winner;
    // The board's own procedures paint every mark from the fields.
    m_form.UpdateRuleDisplay();
    m_form.UpdateOtherColors();
    m_form.UpdatePenaltyColors();
    m_form.RefreshTime();
}

} // namespace kv
