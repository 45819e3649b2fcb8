#pragma once

// One event of a contest: what happened, to which side, when on the contest
// clock and on the wall clock, and for a change of the scores the state it
// changed, so that undo can take it back.

#include "timing/fixedpoint.h"

#include <QDateTime>
#include <QJsonObject>
#include <QString>

#include <optional>

namespace kv {

enum class EventKind
{
    ClockStarted,
    ClockStopped,
    TimeUp,
    HoldStarted,
    HoldEnded,
    Ippon,
    WazaAri,
    Yuko,
    Shido,
    Medical,
    Winner,
    GoldenScore,
    ContestLength,
    Undo,
    Reset
};

// The scored part of a contest: everything undo takes back. The clocks'
// readings are not part of it; a typed contest length is.
struct ScoredState
{
    qint16 WHome = 0;
    qint16 YHome = 0;
    qint16 WVisitor = 0;
    qint16 YVisitor = 0;
    qint16 PenaltySH = 0;
    qint16 PenaltySV = 0;
    qint16 MedHome = 0;
    qint16 MedVisitor = 0;
    qint16 Ippon = 0;
    qint16 Winner = 0;
    Fixed4 PeriodLength = Fixed4::FromSeconds(120);
    bool GoldenScore = false;

    friend bool operator==(const ScoredState&, const ScoredState&) = default;
};

// True when nothing has been scored: no count, shido, medical, ippon,
// winner or golden score (whatever the contest length).
bool NothingScored(const ScoredState& state);

struct ContestEvent
{
    qint64 Seq = 0; // 1, 2, ... within one contest's log
    EventKind Kind = EventKind::ClockStarted;
    qint16 Side = 0; // 0 none, 1 Home, 2 Visitor
    qint16 Change = 0; // +1 given, -1 taken back, 0 neither
    Fixed4 Clock; // the contest clock's reading
    QDateTime Wall; // the wall clock's time
    std::optional<qint32> Count; // the count after the change (scores, shido, medical)
    std::optional<Fixed4> Seconds; // a hold's seconds; a typed contest length
    qint64 Undoes = 0; // for Undo: the Seq of the event taken back
    std::optional<ScoredState> Before; // for a change of the scores: the state it changed

    friend bool operator==(const ContestEvent&, const ContestEvent&) = default;
};

// The names the files use ("Shido", "HoldEnded", ...).
QString EventKindName(EventKind kind);
std::optional<EventKind> EventKindFromName(const QString& name);

// "Home", "Visitor", or empty.
QString SideName(qint16 side);

// What an operator reads of a change: "shido Visitor", "golden score".
QString EventText(const ContestEvent& event);

// What changed from one scored state to the next, as one event of the kind
// an operator would name it: a shido with its consequences is a shido, two
// waza-ari turned into ippon are a waza-ari. Nothing when nothing changed.
// Seq, clocks and Before are left for the caller.
std::optional<ContestEvent> DescribeChange(const ScoredState& before, const ScoredState& after);

QJsonObject ScoredStateToJson(const ScoredState& state);
// Nothing when a field is missing, mistyped or outside what the board holds.
std::optional<ScoredState> ScoredStateFromJson(const QJsonObject& object);

QJsonObject EventToJson(const ContestEvent& event);
std::optional<ContestEvent> EventFromJson(const QJsonObject& object);

// A wall-clock time as the files write it: local time with its offset,
// to the millisecond ("2025-06-01T14:03:22.125+02:00").
QString WallText(const QDateTime& time);
QDateTime WallFromText(const QString& text);

} // namespace kv
