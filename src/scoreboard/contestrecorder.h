#pragma once

// The record of the board's contest: the log of its events, the undo key
// that takes back its changes one at a time, and its result in the day's
// results when it ends.

#include "record/contestlog.h"
#include "record/contestresult.h"

#include <QObject>

class QTimer;

#include <memory>
#include <optional>

namespace kv {

class ClockSource;
class frmScoreboard;
class ResultsWriter;

class ContestRecorder final : public QObject
{
    Q_OBJECT

public:
    explicit ContestRecorder(frmScoreboard& form);
    ~ContestRecorder() override;

    // One step of the operator or of the clocks: a key, a click, a refresh
    // tick. Steps nest; what changed is logged when the outermost one ends
    // (and anything changed outside a step when the next one begins), so a
    // change with all its consequences is one event and one undo.
    class Step final
    {
    public:
        explicit Step(ContestRecorder* recorder);
        ~Step();
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;

    private:
        ContestRecorder* m_recorder;
    };

    // True inside a step: what it changes is not logged yet.
    bool InStep() const { return m_depth > 0; }

    // A modal dialog opened by a step: while it is open the refresh ticks
    // are steps of their own again.
    class Outside final
    {
    public:
        explicit Outside(ContestRecorder* recorder);
        ~Outside();
        Outside(const Outside&) = delete;
        Outside& operator=(const Outside&) = delete;

    private:
        ContestRecorder* m_recorder;
        int m_depth = 0;
    };

    // The undo key: takes back the newest change not taken back yet, through
    // the board's own procedures. The clocks keep their time and their
    // running. False when there is nothing to take back.
    bool Undo();

    // Around the match reset: the contest ends (its result is written when
    // anything was scored) and a new log begins.
    void BeforeReset();
    void AfterReset();

    // What the board shows is the contest's start: a new log from here.
    void Restart();
    // A contest brought back from the journal goes on with its log.
    void Resume(ContestLog log);

    const ContestLog& Log() const { return m_log; }
    // The scored state the board shows now.
    ScoredState Scored() const;
    // The result the contest would have if it ended now.
    ContestResult Result() const;

    // Writes the day's results into folder from now on.
    void UseResults(const QString& folder);
    // Null while no results are written.
    ResultsWriter* Results() const { return m_results.get(); }

    // The title's notes: the undo's ("undone: shido Visitor", "nothing to
    // undo") for two seconds, and the results' trouble while it lasts.
    static inline const QString UndoNoteSource = QStringLiteral("undo");
    static inline const QString ResultsNoteSource = QStringLiteral("results");
    static inline const QString ResultsFailedNote = QStringLiteral("the results cannot be saved");
    static constexpr qint64 NoteNanoseconds = 2'000'000'000;
    // Takes the undo's note down once its two seconds are over; run on
    // every refresh tick.
    void Tick();

private:
    struct Clocks
    {
        bool Period = false;
        bool HoldHome = false;
        bool HoldVisitor = false;
    };

    void Begin();
    void End();
    // Logs what changed since the last check.
    void Check();
    Clocks ClocksNow() const;
    ContestEvent Stamped(ContestEvent event) const;
    void Restore(const ScoredState& state, const ContestEvent& undone);
    void WriteResult();
    void ShowNote(const QString& text);

    frmScoreboard& m_form;
    ContestLog m_log;
    ScoredState m_scored; // as last logged
    Clocks m_clocks; // as last logged
    Fixed4 m_clockAtBegin;
    int m_depth = 0;
    std::unique_ptr<ResultsWriter> m_results;
    std::optional<ContestResult> m_written; // the last result written for this contest
    const ClockSource* m_clock; // the note's time
    QTimer* m_noteTimer; // wakes the board to take the note down when nothing else does
    qint64 m_noteUntil = 0;
    bool m_noteShown = false;
};

} // namespace kv
