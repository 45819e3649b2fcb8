#include "scoreboard/contestjournal.h"

#include "display/controls.h"
#include "display/leds.h"
#include "record/savewhole.h"
#include "rules/ruleset.h"
#include "scoreboard/frmscoreboard.h"
#include "settings/boardsettings.h"
#include "settings/commondialogs.h"
#include "timing/timekeeper.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <functional>
#include <limits>
#include <mutex>
#include <thread>
#include <utility>

namespace kv {

namespace {

constexpr auto FormatName = "Korvelin contest journal";

// Field names in the file: the names the board itself uses.
constexpr auto KeyFormat = "Format";
constexpr auto KeyVersion = "Version";
constexpr auto KeySaved = "Saved";
constexpr auto KeyPeriodLength = "PeriodLength";
constexpr auto KeyPeriod = "tkPeriod";
constexpr auto KeyHoldHome = "tkHoldHome";
constexpr auto KeyHoldVisitor = "tkHoldVisitor";
constexpr auto KeyPeriodRunning = "tkPeriodRunning";
constexpr auto KeyHoldHomeRunning = "tkHoldHomeRunning";
constexpr auto KeyHoldVisitorRunning = "tkHoldVisitorRunning";
constexpr auto KeyTimePin = "TimePin";
constexpr auto KeyWHome = "nledWHome";
constexpr auto KeyYHome = "nledYHome";
constexpr auto KeyWVisitor = "nledWVisitor";
constexpr auto KeyYVisitor = "nledYVisitor";
constexpr auto KeyPenaltySH = "PenaltySH";
constexpr auto KeyPenaltySV = "PenaltySV";
constexpr auto KeyMedHome = "MedHome";
constexpr auto KeyMedVisitor = "MedVisitor";
constexpr auto KeyIppon = "Ippon";
constexpr auto KeyWinner = "Winner";
constexpr auto KeyPlayed = "PlayedBuzzerPeriod";
constexpr auto KeyDelay = "DelayPlayBuzzerPeriod";
constexpr auto KeyRuleSet = "RuleSet";
constexpr auto KeyGoldenScore = "GoldenScore";
constexpr auto KeyLog = "Log";

Fixed4 Clamp(Fixed4 value, Fixed4 low, Fixed4 high)
{
    return value < low ? low : (value > high ? high : value);
}

// Reads the fields of a journal object. The first problem found is kept;
// a missing or mistyped field makes the journal damaged, a value outside
// what the board can hold makes it out of range.
class FieldReader final
{
public:
    explicit FieldReader(const QJsonObject& object)
        : m_object(object)
    { }

    bool Ok() const { return m_kind == JournalReading::Kind::Contest; }
    JournalReading::Kind Kind() const { return m_kind; }
    const QString& Why() const { return m_why; }

    Fixed4 Seconds(const char* key, Fixed4 low, Fixed4 high)
    {
        const std::optional<double> number = Number(key);
        if (!number)
            return low;
        if (*number < low.ToDouble() || *number > high.ToDouble()) {
            OutOfRange(key, QString::number(*number), low.ToDouble(), high.ToDouble());
            return low;
        }
        return Fixed4::FromDouble(*number);
    }

    qint32 Integer(const char* key, qint32 low, qint32 high)
    {
        const std::optional<double> number = Number(key);
        if (!number)
            return low;
        if (std::floor(*number) != *number) {
            Fail(JournalReading::Kind::Damaged,
                QStringLiteral("%1 is not a whole number").arg(QLatin1String(key)));
            return low;
        }
        if (*number < low || *number > high) {
            OutOfRange(key, QString::number(*number), low, high);
            return low;
        }
        return static_cast<qint32>(*number);
    }

    qint32 OneOf(const char* key, std::initializer_list<qint32> allowed)
    {
        const qint32 value
            = Integer(key, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
        if (Ok() && std::find(allowed.begin(), allowed.end(), value) == allowed.end())
            Fail(JournalReading::Kind::OutOfRange,
                QStringLiteral("%1 %2 is not a value the board uses").arg(QLatin1String(key)).arg(value));
        return value;
    }

    QString Text(const char* key)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (!Ok())
            return {};
        if (!value.isString()) {
            Missing(key, value);
            return {};
        }
        return value.toString();
    }

    bool Flag(const char* key)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (!Ok())
            return false;
        if (!value.isBool()) {
            Missing(key, value);
            return false;
        }
        return value.toBool();
    }

private:
    std::optional<double> Number(const char* key)
    {
        if (!Ok())
            return std::nullopt;
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (!value.isDouble() || !std::isfinite(value.toDouble())) {
            Missing(key, value);
            return std::nullopt;
        }
        return value.toDouble();
    }

    void Missing(const char* key, const QJsonValue& value)
    {
        Fail(JournalReading::Kind::Damaged,
            value.isUndefined() ? QStringLiteral("%1 is missing").arg(QLatin1String(key))
                                : QStringLiteral("%1 has the wrong type").arg(QLatin1String(key)));
    }

    void OutOfRange(const char* key, const QString& value, double low, double high)
    {
        Fail(JournalReading::Kind::OutOfRange,
            QStringLiteral("%1 %2 is outside %3..%4").arg(QLatin1String(key), value).arg(low).arg(high));
    }

    void Fail(JournalReading::Kind kind, const QString& why)
    {
        if (!Ok())
            return;
        m_kind = kind;
        m_why = why;
    }

    const QJsonObject& m_object;
    JournalReading::Kind m_kind = JournalReading::Kind::Contest;
    QString m_why;
};

JournalReading Refused(JournalReading::Kind kind, const QString& why)
{
    JournalReading reading;
    reading.What = kind;
    reading.Why = why;
    return reading;
}

QString KindText(JournalReading::Kind kind)
{
    switch (kind) {
    case JournalReading::Kind::Damaged:
        return QStringLiteral("damaged");
    case JournalReading::Kind::FutureVersion:
        return QStringLiteral("from a newer Korvelin");
    case JournalReading::Kind::OutOfRange:
        return QStringLiteral("out of range");
    case JournalReading::Kind::Contest:
        break;
    }
    return QStringLiteral("a contest");
}

QString& JournalPathSetting()
{
    static QString path;
    return path;
}

bool AskToClose(QWidget* parent)
{
    return Dialogs().AskYesNo(parent, JournalKeeper::tr("Close Korvelin"),
        JournalKeeper::tr(JournalKeeper::CloseQuestionText.toUtf8().constData()));
}

} // namespace

// ---------------------------------------------------------------- the snapshot and its text

bool IsStartState(const ContestSnapshot& s)
{
    return !s.PeriodRunning && !s.HoldHomeRunning && !s.HoldVisitorRunning && s.PeriodTime == s.PeriodLength
        && s.HoldHomeTime == Fixed4() && s.HoldVisitorTime == Fixed4() && (s.TimePin == 0 || s.TimePin == 38)
        && s.WHome == 0 && s.YHome == 0 && s.WVisitor == 0 && s.YVisitor == 0 && s.PenaltySH == 0
        && s.PenaltySV == 0 && s.MedHome == 0 && s.MedVisitor == 0 && s.Ippon == 0 && s.Winner == 0
        && !s.PlayedBuzzerPeriod && !s.DelayPlayBuzzerPeriod && !s.GoldenScore;
}

bool SameForJournal(const ContestSnapshot& a, const ContestSnapshot& b)
{
    // Running clocks count in whole seconds; a stopped clock moved by less
    // than a second (a typed length) is a change all the same.
    const auto coarse = [](ContestSnapshot s) {
        const auto cut = [](Fixed4 t) { return Fixed4::FromSeconds(t.Raw() / Fixed4::Scale); };
        if (s.PeriodRunning)
            s.PeriodTime = cut(s.PeriodTime);
        if (s.HoldHomeRunning)
            s.HoldHomeTime = cut(s.HoldHomeTime);
        if (s.HoldVisitorRunning)
            s.HoldVisitorTime = cut(s.HoldVisitorTime);
        return s;
    };
    return coarse(a) == coarse(b);
}

QByteArray JournalText(const ContestSnapshot& s, const ContestLog* log)
{
    QJsonObject object;
    object.insert(QLatin1String(KeyFormat), QLatin1String(FormatName));
    object.insert(QLatin1String(KeyVersion), JournalVersion);
    object.insert(QLatin1String(KeySaved), QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    object.insert(QLatin1String(KeyPeriodLength), s.PeriodLength.ToDouble());
    object.insert(QLatin1String(KeyPeriod), s.PeriodTime.ToDouble());
    object.insert(QLatin1String(KeyHoldHome), s.HoldHomeTime.ToDouble());
    object.insert(QLatin1String(KeyHoldVisitor), s.HoldVisitorTime.ToDouble());
    object.insert(QLatin1String(KeyPeriodRunning), s.PeriodRunning);
    object.insert(QLatin1String(KeyHoldHomeRunning), s.HoldHomeRunning);
    object.insert(QLatin1String(KeyHoldVisitorRunning), s.HoldVisitorRunning);
    object.insert(QLatin1String(KeyTimePin), s.TimePin);
    object.insert(QLatin1String(KeyWHome), s.WHome);
    object.insert(QLatin1String(KeyYHome), s.YHome);
    object.insert(QLatin1String(KeyWVisitor), s.WVisitor);
    object.insert(QLatin1String(KeyYVisitor), s.YVisitor);
    object.insert(QLatin1String(KeyPenaltySH), s.PenaltySH);
    object.insert(QLatin1String(KeyPenaltySV), s.PenaltySV);
    object.insert(QLatin1String(KeyMedHome), s.MedHome);
    object.insert(QLatin1String(KeyMedVisitor), s.MedVisitor);
    object.insert(QLatin1String(KeyIppon), s.Ippon);
    object.insert(QLatin1String(KeyWinner), s.Winner);
    object.insert(QLatin1String(KeyPlayed), s.PlayedBuzzerPeriod);
    object.insert(QLatin1String(KeyDelay), s.DelayPlayBuzzerPeriod);
    object.insert(QLatin1String(KeyRuleSet), s.RuleSet);
    object.insert(QLatin1String(KeyGoldenScore), s.GoldenScore);
    QByteArray text = QJsonDocument(object).toJson(QJsonDocument::Indented);
    if (log) {
        // The log, compact, as the last member: each event's text is kept
        // by the log, so this costs a copy, not a conversion.
        const qsizetype end = text.lastIndexOf('}');
        qsizetype last = end;
        while (last > 0 && (text.at(last - 1) == '\n' || text.at(last - 1) == ' '))
            --last;
        text = text.left(last) + ",\n    \"" + KeyLog + "\": " + log->JsonText() + "\n}\n";
    }
    return text;
}

JournalReading ParseJournal(const QByteArray& text)
{
    using Kind = JournalReading::Kind;
    if (text.trimmed().isEmpty())
        return Refused(Kind::Damaged, QStringLiteral("the file is empty"));
    if (text.size() > JournalMaxBytes)
        return Refused(Kind::Damaged, QStringLiteral("the file is too large"));
    QJsonParseError error {};
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError)
        return Refused(
            Kind::Damaged, QStringLiteral("%1 at byte %2").arg(error.errorString()).arg(error.offset));
    if (!document.isObject())
        return Refused(Kind::Damaged, QStringLiteral("no journal object"));
    const QJsonObject object = document.object();
    if (object.value(QLatin1String(KeyFormat)).toString() != QLatin1String(FormatName))
        return Refused(Kind::Damaged, QStringLiteral("not a contest journal"));
    const QJsonValue version = object.value(QLatin1String(KeyVersion));
    const double versionNumber = version.toDouble(-1);
    if (!version.isDouble() || std::floor(versionNumber) != versionNumber || versionNumber < 1)
        return Refused(Kind::Damaged, QStringLiteral("no valid format version"));
    if (versionNumber > JournalVersion)
        return Refused(Kind::FutureVersion, QStringLiteral("format version %1").arg(versionNumber));

    FieldReader read(object);
    ContestSnapshot s;
    // A journal without a rule set is a Classic contest in regular time.
    if (object.contains(QLatin1String(KeyRuleSet))) {
        s.RuleSet = read.Text(KeyRuleSet);
        if (read.Ok() && !ParseRuleSet(s.RuleSet))
            return Refused(Kind::OutOfRange, QStringLiteral("RuleSet %1 is not a rule set").arg(s.RuleSet));
    }
    if (object.contains(QLatin1String(KeyGoldenScore)))
        s.GoldenScore = read.Flag(KeyGoldenScore);
    s.PeriodLength = read.Seconds(KeyPeriodLength, Fixed4(), JournalMaxPeriod);
    // The golden-score clock counts up, without the contest length's bound.
    s.PeriodTime = read.Seconds(KeyPeriod, Fixed4(), s.GoldenScore ? JournalMaxHold : JournalMaxPeriod);
    s.HoldHomeTime = read.Seconds(KeyHoldHome, Fixed4(), JournalMaxHold);
    s.HoldVisitorTime = read.Seconds(KeyHoldVisitor, Fixed4(), JournalMaxHold);
    s.PeriodRunning = read.Flag(KeyPeriodRunning);
    s.HoldHomeRunning = read.Flag(KeyHoldHomeRunning);
    s.HoldVisitorRunning = read.Flag(KeyHoldVisitorRunning);
    s.TimePin = read.OneOf(KeyTimePin, { 0, 37, 38, 39, 40 });
    s.WHome = static_cast<qint16>(read.Integer(KeyWHome, -1, 9));
    s.YHome = static_cast<qint16>(read.Integer(KeyYHome, -1, 9));
    s.WVisitor = static_cast<qint16>(read.Integer(KeyWVisitor, -1, 9));
    s.YVisitor = static_cast<qint16>(read.Integer(KeyYVisitor, -1, 9));
    s.PenaltySH = static_cast<qint16>(read.Integer(KeyPenaltySH, 0, 4));
    s.PenaltySV = static_cast<qint16>(read.Integer(KeyPenaltySV, 0, 4));
    s.MedHome = static_cast<qint16>(read.Integer(KeyMedHome, 0, 2));
    s.MedVisitor = static_cast<qint16>(read.Integer(KeyMedVisitor, 0, 2));
    s.Ippon = static_cast<qint16>(read.Integer(KeyIppon, 0, 2));
    s.Winner = static_cast<qint16>(read.Integer(KeyWinner, 0, 2));
    s.PlayedBuzzerPeriod = read.Flag(KeyPlayed);
    s.DelayPlayBuzzerPeriod = read.Flag(KeyDelay);
    if (!read.Ok())
        return Refused(read.Kind(), read.Why());
    JournalReading reading;
    reading.What = Kind::Contest;
    reading.Snapshot = s;
    const QJsonValue log = object.value(QLatin1String(KeyLog));
    if (log.isObject()) {
        ContestLog::Reading logReading = ContestLog::FromJson(log.toObject());
        if (logReading.IsLog)
            reading.Log = std::move(logReading.Log);
    }
    return reading;
}

// ---------------------------------------------------------------- the file

ContestJournal::ContestJournal(QString path)
    : m_path(std::move(path))
    , m_file(m_path)
{ }

bool ContestJournal::Write(const ContestSnapshot& snapshot)
{
    return WriteText(JournalText(snapshot));
}

bool ContestJournal::WriteText(const QByteArray& text)
{
    return m_file.Save(text, &m_lastError);
}

bool ContestJournal::Remove()
{
    return m_file.Remove(&m_lastError);
}

QString ContestJournal::AsideName(const QString& path)
{
    const QFileInfo info(path);
    const QString stem = info.dir().filePath(info.completeBaseName() + QStringLiteral("-bad-")
        + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    QString aside = stem + suffix;
    for (int n = 2; QFileInfo::exists(aside) && n < 1000; ++n)
        aside = stem + QLatin1Char('-') + QString::number(n) + suffix;
    return aside;
}

std::optional<ContestSnapshot> ContestJournal::ReadForRestore(std::optional<ContestLog>* log)
{
    QFile file(m_path);
    if (!file.exists())
        return std::nullopt;
    JournalReading reading;
    if (file.open(QIODevice::ReadOnly)) {
        reading = ParseJournal(file.read(JournalMaxBytes + 1));
        file.close();
    } else {
        reading = Refused(JournalReading::Kind::Damaged, file.errorString());
    }
    if (reading.What == JournalReading::Kind::Contest) {
        if (IsStartState(reading.Snapshot))
            return std::nullopt;
        if (log)
            *log = std::move(reading.Log);
        return reading.Snapshot;
    }
    // Kept aside for whoever wants to look at it; the board starts fresh.
    const QString aside = AsideName(m_path);
    const QString where = file.rename(aside)
        ? QStringLiteral("kept as %1").arg(QDir::toNativeSeparators(aside))
        : QStringLiteral("left in place (%1)").arg(file.errorString());
    qWarning("Korvelin: contest journal %s is %s (%s), not restored; %s",
        qUtf8Printable(QDir::toNativeSeparators(m_path)), qUtf8Printable(KindText(reading.What)),
        qUtf8Printable(reading.Why), qUtf8Printable(where));
    return std::nullopt;
}

QString StandardJournalPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("contest.json"));
}

void UseContestJournal(const QString& path)
{
    JournalPathSetting() = path;
}

QString ContestJournalPath()
{
    return JournalPathSetting();
}

// ---------------------------------------------------------------- the writer thread

// Writes journal texts on a thread of its own. Only the newest request waits:
// a request handed over while the disk is busy replaces an older waiting one.
class JournalWriter final
{
public:
    // Called on the writer's thread after each write or removal.
    using Report = std::function<void(bool saved, const QString& error)>;

    JournalWriter(const QString& path, Report report)
        : m_journal(path)
        , m_report(std::move(report))
        , m_thread([this] { Run(); })
    { }

    // Finishes the waiting request, then ends the thread.
    ~JournalWriter()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }

    // A text to write, or nothing to remove the journal.
    void Post(std::optional<QByteArray> text)
    {
        {
            const std::lock_guard lock(m_mutex);
            m_pending = std::move(text);
            m_hasPending = true;
        }
        m_wake.notify_all();
    }

    void Flush()
    {
        std::unique_lock lock(m_mutex);
        m_idle.wait(lock, [this] { return !m_hasPending && !m_busy; });
    }

private:
    void Run()
    {
        for (;;) {
            std::optional<QByteArray> job;
            {
                std::unique_lock lock(m_mutex);
                m_wake.wait(lock, [this] { return m_hasPending || m_stop; });
                if (!m_hasPending)
                    return;
                job = std::move(m_pending);
                m_hasPending = false;
                m_busy = true;
            }
            const bool saved = job ? m_journal.WriteText(*job) : m_journal.Remove();
            // The board hears of failures, and of the first success after
            // one; a running clock's writes wake nobody.
            if (!saved || !m_lastSaved)
                m_report(saved, m_journal.LastError());
            m_lastSaved = saved;
            {
                const std::lock_guard lock(m_mutex);
                m_busy = false;
            }
            m_idle.notify_all();
        }
    }

    ContestJournal m_journal; // used on the writer's thread only
    Report m_report;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::optional<QByteArray> m_pending;
    bool m_hasPending = false;
    bool m_busy = false;
    bool m_stop = false;
    bool m_lastSaved = true; // writer's thread only
    std::thread m_thread; // last: starts once everything above is ready
};

// ---------------------------------------------------------------- the keeper

JournalKeeper::JournalKeeper(frmScoreboard& form, const QString& path)
    : m_form(form)
    , m_journal(path)
    , m_writer(std::make_unique<JournalWriter>(path, [this](bool saved, const QString& error) {
        QMetaObject::invokeMethod(
            this, [this, saved, error] { Outcome(saved, error); }, Qt::QueuedConnection);
    }))
{
    // After the board's own refresh, on the same tick. The refresh follows
    // every operator action at once and every whole second of a running
    // clock, so each change reaches the journal.
    connect(form.tmrClock1, &Timer::Tick, this, &JournalKeeper::Update);
}

JournalKeeper::~JournalKeeper()
{
    if (m_restoredShown)
        qApp->removeEventFilter(this);
    m_writer.reset(); // the last request is written before the keeper goes
}

void JournalKeeper::Flush()
{
    m_writer->Flush();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

ContestSnapshot JournalKeeper::TakeSnapshot() const
{
    return SnapshotOf(m_form);
}

ContestSnapshot SnapshotOf(const frmScoreboard& form)
{
    ContestSnapshot s;
    s.RuleSet = QLatin1String(form.Rules().Name);
    s.GoldenScore = form.GoldenScore;
    s.PeriodLength = Clamp(PeriodLength, Fixed4(), JournalMaxPeriod);
    s.PeriodTime = Clamp(form.tkPeriod->Time(), Fixed4(), s.GoldenScore ? JournalMaxHold : JournalMaxPeriod);
    s.HoldHomeTime = Clamp(form.tkHoldHome->Time(), Fixed4(), JournalMaxHold);
    s.HoldVisitorTime = Clamp(form.tkHoldVisitor->Time(), Fixed4(), JournalMaxHold);
    s.PeriodRunning = form.tkPeriod->Running();
    s.HoldHomeRunning = form.tkHoldHome->Running();
    s.HoldVisitorRunning = form.tkHoldVisitor->Running();
    s.TimePin = form.TimePin;
    s.WHome = static_cast<qint16>(form.nledWHome->Value());
    s.YHome = static_cast<qint16>(form.nledYHome->Value());
    s.WVisitor = static_cast<qint16>(form.nledWVisitor->Value());
    s.YVisitor = static_cast<qint16>(form.nledYVisitor->Value());
    s.PenaltySH = form.PenaltySH;
    s.PenaltySV = form.PenaltySV;
    s.MedHome = form.MedHome;
    s.MedVisitor = form.MedVisitor;
    s.Ippon = form.Ippon;
    s.Winner = form.Winner;
    s.PlayedBuzzerPeriod = form.PlayedBuzzerPeriod;
    s.DelayPlayBuzzerPeriod = form.DelayPlayBuzzerPeriod;
    return s;
}

void JournalKeeper::Restore(const ContestSnapshot& s)
{
    // The fields and displays as the reset sets them, then the same colour
    // and clock procedures, so every mark is derived as usual. Clocks stay
    // stopped: the operator goes on with the start/stop key.
    m_form.EndMatch();
    // The contest goes on under the rules it began with.
    BoardSettings.RuleSet = RuleSetNamed(s.RuleSet).Name;
    m_form.GoldenScore = s.GoldenScore;
    m_form.tkPeriod->SetCountDirection(s.GoldenScore ? 1 : 0);
    PeriodLength = s.PeriodLength;
    m_form.tkPeriod->SetTime(s.PeriodTime);
    m_form.tkHoldHome->SetTime(s.HoldHomeTime);
    m_form.tkHoldVisitor->SetTime(s.HoldVisitorTime);
    m_form.TimePin = s.TimePin;
    m_form.MedHome = s.MedHome;
    m_form.MedVisitor = s.MedVisitor;
    m_form.Winner = s.Winner;
    m_form.Ippon = s.Ippon;
    m_form.nledYHome->SetValue(s.YHome);
    m_form.nledWHome->SetValue(s.WHome);
    m_form.nledWVisitor->SetValue(s.WVisitor);
    m_form.nledYVisitor->SetValue(s.YVisitor);
    m_form.PenaltySH = s.PenaltySH;
    m_form.PenaltySV = s.PenaltySV;
    m_form.PlayedBuzzerPeriod = s.PlayedBuzzerPeriod;
    m_form.DelayPlayBuzzerPeriod = s.DelayPlayBuzzerPeriod;
    m_form.UpdateRuleDisplay();
    m_form.UpdateOtherColors();
    m_form.UpdatePenaltyColors();
    m_form.RefreshTime();
}

bool JournalKeeper::RestoreAtLoad()
{
    std::optional<ContestLog> log;
    const std::optional<ContestSnapshot> journalled = m_journal.ReadForRestore(&log);
    if (journalled) {
        Restore(*journalled);
        m_restoredShown = true;
        qApp->installEventFilter(this);
        ShowTitle();
        // The contest's record goes on from what was restored.
        if (ContestRecorder* recorder = m_form.Recorder()) {
            if (log)
                recorder->Resume(std::move(*log));
            else
                recorder->Restart();
        }
    }
    m_last = TakeSnapshot();
    m_lastLog = LogMark();
    return journalled.has_value();
}

void JournalKeeper::Update()
{
    // In the middle of a step the log lags behind the board: the write
    // waits for the step's end, so state and log go to disk together.
    if (const ContestRecorder* recorder = m_form.Recorder(); recorder && recorder->InStep())
        return;
    const ContestSnapshot now = TakeSnapshot();
    const std::pair<QString, qint64> log = LogMark();
    if (m_last && SameForJournal(*m_last, now) && log == m_lastLog)
        return;
    m_last = now;
    m_lastLog = log;
    Save(now);
}

std::pair<QString, qint64> JournalKeeper::LogMark() const
{
    const ContestRecorder* recorder = m_form.Recorder();
    if (!recorder || recorder->Log().IsEmpty())
        return {};
    return { recorder->Log().ContestId(), recorder->Log().Events().back().Seq };
}

void JournalKeeper::Save(const ContestSnapshot& snapshot)
{
    ++m_writes;
    if (IsStartState(snapshot))
        m_writer->Post(std::nullopt);
    else
        m_writer->Post(JournalText(snapshot, m_form.Recorder() ? &m_form.Recorder()->Log() : nullptr));
}

void JournalKeeper::Outcome(bool saved, const QString& error)
{
    if (saved) {
        if (m_failing) {
            m_failing = false;
            ShowTitle();
        }
        return;
    }
    // Reported once, until a write succeeds again; the board goes on.
    if (!m_failing) {
        m_failing = true;
        qWarning("Korvelin: the contest cannot be saved to %s: %s",
            qUtf8Printable(QDir::toNativeSeparators(m_journal.Path())), qUtf8Printable(error));
        ShowTitle();
    }
}

bool JournalKeeper::CloseAllowed()
{
    const ContestSnapshot now = TakeSnapshot();
    if (now.PeriodRunning || now.HoldHomeRunning || now.HoldVisitorRunning) {
        // The system ending the session asks nobody; the contest is kept.
        if (!qApp->isSavingSession() && !AskToClose(&m_form))
            return false;
        // The clocks ran on while the question was open.
        m_last = TakeSnapshot();
        Save(*m_last);
    } else {
        // The contest is not running: the next start is a fresh one.
        m_last.reset();
        ++m_writes;
        m_writer->Post(std::nullopt);
    }
    Flush();
    return true;
}

bool JournalKeeper::eventFilter(QObject* watched, QEvent* event)
{
    if (m_restoredShown && event->type() == QEvent::KeyPress && watched->isWidgetType()
        && static_cast<QWidget*>(watched)->window() == &m_form) {
        m_restoredShown = false;
        qApp->removeEventFilter(this);
        ShowTitle();
    }
    return QObject::eventFilter(watched, event);
}

void JournalKeeper::ShowTitle()
{
    const QString note = m_failing ? FailedNote : (m_restoredShown ? RestoredNote : QString());
    m_form.SetTitleNote(QStringLiteral("journal"), note.isEmpty() ? note : tr(note.toUtf8().constData()));
}

} // namespace kv
