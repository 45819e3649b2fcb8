#pragma once

// The log of one contest: every event in order, numbered, and the changes
// that undo can still take back.

#include "record/contestevent.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>

#include <deque>

namespace kv {

class ContestLog final
{
public:
    // A contest has a few hundred events at most; beyond this the oldest go
    // (and undo reaches back only as far as the log does).
    static constexpr qsizetype MaxEvents = 2000;

    // A log started now.
    ContestLog();
    explicit ContestLog(QDateTime started);

    const QDateTime& Started() const { return m_started; }
    // Names the contest in the results: its start, to the millisecond, and
    // a random tag, so two contests never share a name.
    const QString& ContestId() const { return m_id; }

    // Numbers the event, stamps the wall clock if the event has no time,
    // and keeps it. An event with a Before state can be undone; an Undo
    // event takes back the change it names.
    const ContestEvent& Append(ContestEvent event);

    const std::deque<ContestEvent>& Events() const { return m_events; }
    bool IsEmpty() const { return m_events.empty(); }
    // Events dropped at the front to keep the log within MaxEvents.
    qint64 Dropped() const { return m_dropped; }

    // The change the next undo takes back: the newest one not taken back
    // yet. Null when there is none.
    const ContestEvent* NextUndo() const;
    // The number of changes undo can still take back.
    qsizetype UndoDepth() const { return static_cast<qsizetype>(m_undoable.size()); }

    // The log as compact JSON: {"Dropped":n,"Events":[...],"Id":"...","Started":"..."}.
    // Built from each event's text kept since it was appended, and kept
    // until the next event, so the journal's write of a running clock each
    // second costs nothing here. (The log lives on the board's thread.)
    QByteArray JsonText() const;

    // A log read back. Events that cannot be read are left out; Damaged
    // counts them. Nothing when the object is not a log at all.
    struct Reading;
    static Reading FromJson(const QJsonObject& object);

private:
    void Keep(ContestEvent event, QByteArray text);
    const ContestEvent* Find(qint64 seq) const;

    QDateTime m_started;
    QString m_id;
    std::deque<ContestEvent> m_events;
    std::deque<QByteArray> m_texts; // each event's JSON
    std::deque<qint64> m_undoable; // Seqs of changes not taken back, oldest first
    qint64 m_nextSeq = 1;
    qint64 m_dropped = 0;
    mutable QByteArray m_json; // JsonText, until the next event
};

struct ContestLog::Reading
{
    bool IsLog = false;
    ContestLog Log;
    int Damaged = 0;
};

} // namespace kv
