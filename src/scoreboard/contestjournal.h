#pragma once

// The contest journal: the whole state of the one contest, kept in a small
// file in the user's data folder so that a crash, a kill, a power cut or an
// accidental close never costs the contest. The next start of the board
// brings it back with every clock stopped.

#include "record/contestlog.h"
#include "record/savewhole.h"
#include "timing/fixedpoint.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

class QWidget;

namespace kv {

class frmScoreboard;
class JournalWriter;

// Everything of a contest that the next start must show again.
struct ContestSnapshot
{
    Fixed4 PeriodLength = Fixed4::FromSeconds(120);
    Fixed4 PeriodTime = Fixed4::FromSeconds(120); // never below 0
    Fixed4 HoldHomeTime;
    Fixed4 HoldVisitorTime;
    // Which clocks ran when the snapshot was taken. They come back stopped;
    // the journal keeps them so that a reader sees what was going on.
    bool PeriodRunning = false;
    bool HoldHomeRunning = false;
    bool HoldVisitorRunning = false;
    qint32 TimePin = 0;
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
    bool PlayedBuzzerPeriod = false;
    bool DelayPlayBuzzerPeriod = false;
    // The rule set the contest runs under, and golden score (PeriodTime is
    // then the golden-score time, counted up).
    QString RuleSet = QStringLiteral("Classic");
    bool GoldenScore = false;

    friend bool operator==(const ContestSnapshot&, const ContestSnapshot&) = default;
};

// Limits a journal must keep to be restored.
inline constexpr Fixed4 JournalMaxPeriod = Fixed4::FromSeconds(599);
inline constexpr Fixed4 JournalMaxHold = Fixed4::FromSeconds(32767);
// The rule set and golden score were added later, as fields a reader may
// miss: a journal without them is a Classic contest in regular time.
inline constexpr int JournalVersion = 1;
// A journal is a few hundred bytes and its contest's log a few kilobytes
// (at most its limit of events); anything much larger is not one.
inline constexpr qint64 JournalMaxBytes = 4 * 1024 * 1024;

// True for the state a contest has after the board's load or the reset key
// (whatever the contest length): nothing worth restoring.
bool IsStartState(const ContestSnapshot& snapshot);

// The contest a board shows now.
ContestSnapshot SnapshotOf(const frmScoreboard& form);

// Equal for the writer: the same state, with times compared to the whole
// second only, so a running clock is written about once a second.
bool SameForJournal(const ContestSnapshot& a, const ContestSnapshot& b);

// The journal text (JSON, indented, with its format version), with the
// contest's log last when there is one.
QByteArray JournalText(const ContestSnapshot& snapshot, const ContestLog* log = nullptr);

// What a journal text holds.
struct JournalReading
{
    enum class Kind
    {
        Contest,
        Damaged,
        FutureVersion,
        OutOfRange
    };
    Kind What = Kind::Damaged;
    ContestSnapshot Snapshot; // valid for Kind::Contest only
    // The contest's log, when the journal has one that can be read (a
    // journal written before the log, or with a damaged one, still restores).
    std::optional<ContestLog> Log;
    QString Why; // for the other kinds: a short reason
};
JournalReading ParseJournal(const QByteArray& text);

// The journal file. Writes are atomic: a write torn by a crash or a power
// cut leaves the previous journal in place. Beside it may lie its side file
// (RepeatedSave), the journal before; it is never read.
class ContestJournal final
{
public:
    explicit ContestJournal(QString path);

    const QString& Path() const { return m_path; }

    // Writes the snapshot (or a journal text); false (with LastError) when
    // it cannot. The text is synced to disk before it replaces the journal.
    bool Write(const ContestSnapshot& snapshot);
    bool WriteText(const QByteArray& text);
    // Removes the journal; true when none is left behind.
    bool Remove();
    QString LastError() const { return m_lastError; }

    // The contest to restore, if the file holds one. A damaged, future or
    // out-of-range journal is renamed aside (never deleted) and reported
    // with one line on standard error; a start-state journal holds nothing.
    // The contest's log goes to *log when asked for.
    std::optional<ContestSnapshot> ReadForRestore(std::optional<ContestLog>* log = nullptr);

    // The name a bad journal is moved to: beside it, marked with the time.
    static QString AsideName(const QString& path);

private:
    QString m_path;
    RepeatedSave m_file;
    QString m_lastError;
};

// The journal of this program run: the file in the per-user data folder,
// AppLocalDataLocation, once the program switches it on. Off (empty) by
// default, so that boards made by tests keep no journal unless asked to.
QString StandardJournalPath();
void UseContestJournal(const QString& path);
QString ContestJournalPath();

// Keeps the journal of one scoreboard: restores the contest at load, writes
// each change (a running clock about once a second) and answers the close box.
// The file is written by a thread of its own, so a slow disk never holds up
// the board; only the newest state waits to be written.
class JournalKeeper final : public QObject
{
    Q_OBJECT

public:
    // The journal's notes in the board's title, and the titles they make
    // while no other part of the program has a note there. They are shown in
    // the program's language, as is the close question.
    static inline const QString RestoredNote
        = QStringLiteral(QT_TRANSLATE_NOOP("kv::JournalKeeper", "contest restored"));
    static inline const QString FailedNote
        = QStringLiteral(QT_TRANSLATE_NOOP("kv::JournalKeeper", "the contest cannot be saved"));
    static inline const QString RestoredTitle = QStringLiteral("Korvelin - contest restored");
    static inline const QString FailedTitle = QStringLiteral("Korvelin - the contest cannot be saved");
    static inline const QString CloseQuestionText = QStringLiteral(
        QT_TRANSLATE_NOOP("kv::JournalKeeper", "A contest is running. Close Korvelin anyway?"));

    JournalKeeper(frmScoreboard& form, const QString& path);
    ~JournalKeeper() override;

    // Run at the end of the board's load: brings back a journalled contest.
    // True when a contest was restored.
    bool RestoreAtLoad();
    // Writes the journal if the contest changed since the last write. Run on
    // every refresh tick; a tick that changes nothing writes nothing.
    void Update();
    // The close box: true when the board may close. A running clock asks the
    // operator first; the journal is kept on yes and dropped on a normal close.
    bool CloseAllowed();

    ContestSnapshot TakeSnapshot() const;
    void Restore(const ContestSnapshot& snapshot);
    const ContestJournal& Journal() const { return m_journal; }
    // Writes (and removals) handed to the writer so far.
    int Writes() const { return m_writes; }
    // Waits until the journal on disk is the last one handed over, and takes
    // in the outcome.
    void Flush();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Save(const ContestSnapshot& snapshot);
    void Outcome(bool saved, const QString& error);
    void ShowTitle();
    // The log's contest and its newest event: what a write of the log follows.
    std::pair<QString, qint64> LogMark() const;

    frmScoreboard& m_form;
    ContestJournal m_journal;
    std::unique_ptr<JournalWriter> m_writer;
    std::optional<ContestSnapshot> m_last;
    // The log's contest and newest event at the last write.
    std::pair<QString, qint64> m_lastLog;
    bool m_restoredShown = false;
    bool m_failing = false;
    int m_writes = 0;
};

} // namespace kv
