#include "record/resultsfiles.h"

#include "record/contestlog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <set>
#include <thread>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace kv {

namespace {

// A CSV file larger than this is appended to in place rather than rewritten.
constexpr qint64 MaxRewrittenCsv = 64 * 1024 * 1024;
// Reading goes backwards from the end in blocks of this size.
constexpr qint64 ReadBlock = 256 * 1024;
// A line longer than this is no result of ours.
constexpr qsizetype MaxLine = 16 * 1024 * 1024;
// Results waiting while the disk fails: beyond this the oldest are dropped.
constexpr std::size_t MaxWaiting = 1000;
// How often the writer tries them again by itself.
constexpr std::chrono::seconds RetryEvery(30);

const QByteArray Utf8Mark = QByteArrayLiteral("\xEF\xBB\xBF");

bool SyncToDisk(QFile& file)
{
    if (!file.flush())
        return false;
#ifdef Q_OS_WIN
    return _commit(file.handle()) == 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}

QByteArray CsvHeader()
{
    return Utf8Mark + CsvRow(ResultCsvHeader());
}

} // namespace

// ---------------------------------------------------------------- the files

ResultsFiles::ResultsFiles(QString folder)
    : m_folder(std::move(folder))
{ }

QString ResultsFiles::CsvPath() const
{
    return QDir(m_folder).filePath(ResultsCsvName);
}

QString ResultsFiles::JsonPath() const
{
    return QDir(m_folder).filePath(ResultsJsonName);
}

bool ResultsFiles::MakeFolder()
{
    if (QDir().mkpath(m_folder))
        return true;
    m_lastError = QStringLiteral("cannot make the folder %1").arg(QDir::toNativeSeparators(m_folder));
    return false;
}

bool ResultsFiles::AppendCsv(const QByteArray& row)
{
    if (!MakeFolder())
        return false;
    const QString path = CsvPath();
    const QFileInfo info(path);
    if (info.exists() && info.size() > MaxRewrittenCsv)
        return AppendInPlace(path, row, QByteArrayLiteral("\r\n"));
    QByteArray text;
    if (info.exists()) {
        QFile old(path);
        if (!old.open(QIODevice::ReadOnly)) {
            m_lastError = old.errorString();
            return false;
        }
        text = old.readAll();
    }
    if (text.isEmpty()) {
        text = CsvHeader();
    } else {
        // A damaged end never swallows the new record: an open quote is
        // closed and the last line ended.
        if (text.count('"') % 2 != 0)
            text += '"';
        if (!text.endsWith('\n'))
            text += "\r\n";
    }
    text += row;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
        m_lastError = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        m_lastError = file.errorString();
        return false;
    }
    m_lastError.clear();
    return true;
}

bool ResultsFiles::AppendJson(const QByteArray& line)
{
    return MakeFolder() && AppendInPlace(JsonPath(), line + '\n', QByteArrayLiteral("\n"));
}

bool ResultsFiles::AppendInPlace(const QString& path, const QByteArray& record, const QByteArray& lineEnd)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered)) {
        m_lastError = file.errorString();
        return false;
    }
    QByteArray text = record;
    if (file.size() > 0 && file.seek(file.size() - 1)) {
        char last = 0;
        // A torn last line is closed, so it stays a line of its own.
        if (file.getChar(&last) && last != '\n')
            text.prepend(lineEnd);
    }
    // One write: the whole record or, should the program die, none of it.
    if (file.write(text) != text.size() || !SyncToDisk(file)) {
        m_lastError = file.errorString();
        return false;
    }
    m_lastError.clear();
    return true;
}

// ---------------------------------------------------------------- reading

ResultsListing ReadResults(const QString& jsonPath, QDate day)
{
    ResultsListing listing;
    QFile file(jsonPath);
    if (!file.exists())
        return listing;
    if (!file.open(QIODevice::ReadOnly)) {
        listing.Error = file.errorString();
        return listing;
    }
    std::set<QString> contests;
    // One line, newest first; false once the lines are older than the day.
    const auto take = [&](const QByteArray& line) {
        if (std::all_of(
                line.begin(), line.end(), [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }))
            return true;
        const std::optional<ContestResult> result
            = line.size() > MaxLine ? std::nullopt : ParseResultLine(line);
        if (!result) {
            ++listing.Damaged;
            return true;
        }
        const QDate date = result->Ended.date();
        if (date < day)
            return false;
        if (date == day && contests.insert(result->Contest).second)
            listing.Results.push_back(*result);
        return true;
    };

    qint64 end = file.size();
    QByteArray pending; // the start of a line whose beginning lies further back
    bool tooLong = false;
    while (end > 0) {
        const qint64 start = std::max<qint64>(0, end - ReadBlock);
        if (!file.seek(start)) {
            listing.Error = file.errorString();
            return listing;
        }
        QByteArray data = file.read(end - start);
        if (data.size() != end - start) {
            listing.Error = file.errorString();
            return listing;
        }
        end = start;
        data += pending;
        pending.clear();
        qsizetype from = 0;
        if (start > 0) {
            const qsizetype newline = data.indexOf('\n');
            if (newline < 0) {
                // Still inside one line: keep it, unless it is far too long.
                if (tooLong || data.size() > MaxLine)
                    tooLong = true;
                else
                    pending = data;
                continue;
            }
            pending = data.left(newline);
            from = newline + 1;
        }
        // The complete lines of this block, newest first.
        qsizetype lineEnd = data.size();
        if (tooLong) {
            // An over-long line begins after the block's last newline.
            const qsizetype last = data.lastIndexOf('\n');
            lineEnd = last >= from ? last : from;
            ++listing.Damaged;
            tooLong = false;
        }
        while (lineEnd > from) {
            const qsizetype newline = data.lastIndexOf('\n', lineEnd - 1);
            const qsizetype lineStart = newline >= from ? newline + 1 : from;
            if (!take(QByteArray::fromRawData(data.constData() + lineStart, lineEnd - lineStart)))
                return listing;
            lineEnd = lineStart > from ? lineStart - 1 : from;
        }
    }
    return listing;
}

bool WriteResultsCsv(const QString& path, const std::vector<ContestResult>& results, QString* error)
{
    QByteArray text = CsvHeader();
    for (const ContestResult& result : results)
        text += CsvRow(ResultCsvFields(result));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- the writer

class ResultsWriter::Thread final
{
public:
    using Report = std::function<void(bool written, bool failing, const QString& error)>;

    Thread(const QString& folder, Report report)
        : m_files(folder)
        , m_report(std::move(report))
        , m_thread([this] { Run(); })
    { }

    ~Thread()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }

    void Post(QByteArray csv, QByteArray json)
    {
        {
            const std::lock_guard lock(m_mutex);
            m_new.push_back({ std::move(csv), std::move(json) });
        }
        m_wake.notify_all();
    }

    void Retry()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_retry = true;
        }
        m_wake.notify_all();
    }

    void Flush()
    {
        std::unique_lock lock(m_mutex);
        m_idle.wait(lock, [this] { return m_new.empty() && !m_retry && !m_busy; });
    }

private:
    struct Record
    {
        QByteArray Csv;
        QByteArray Json;
    };

    // Writes what waits for one file, oldest first; stops at a failure.
    bool Drain(std::deque<QByteArray>& waiting, bool (ResultsFiles::*append)(const QByteArray&))
    {
        while (!waiting.empty()) {
            if (!(m_files.*append)(waiting.front()))
                return false;
            waiting.pop_front();
        }
        return true;
    }

    void Run()
    {
        for (;;) {
            {
                std::unique_lock lock(m_mutex);
                const auto woken = [this] { return !m_new.empty() || m_retry || m_stop; };
                // Results waiting after a failure are tried again now and then.
                if (m_csv.empty() && m_json.empty())
                    m_wake.wait(lock, woken);
                else
                    m_wake.wait_for(lock, RetryEvery, woken);
                m_retry = false;
                if (m_stop && m_new.empty() && m_csv.empty() && m_json.empty())
                    return;
                for (Record& record : m_new) {
                    m_csv.push_back(std::move(record.Csv));
                    m_json.push_back(std::move(record.Json));
                }
                m_new.clear();
                m_busy = true;
            }
            while (m_csv.size() > MaxWaiting)
                m_csv.pop_front();
            while (m_json.size() > MaxWaiting)
                m_json.pop_front();
            const std::size_t before = m_json.size();
            QString error;
            if (!Drain(m_json, &ResultsFiles::AppendJson))
                error = QStringLiteral("%1: %2").arg(ResultsJsonName, m_files.LastError());
            if (!Drain(m_csv, &ResultsFiles::AppendCsv) && error.isEmpty())
                error = QStringLiteral("%1: %2").arg(ResultsCsvName, m_files.LastError());
            m_report(m_json.size() < before, !error.isEmpty(), error);
            bool stop = false;
            {
                const std::lock_guard lock(m_mutex);
                m_busy = false;
                stop = m_stop && m_new.empty();
            }
            m_idle.notify_all();
            if (stop)
                return;
        }
    }

    ResultsFiles m_files; // on the writer's thread only
    Report m_report;
    std::deque<QByteArray> m_csv; // waiting, on the writer's thread only
    std::deque<QByteArray> m_json;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::vector<Record> m_new;
    bool m_busy = false;
    bool m_retry = false;
    bool m_stop = false;
    std::thread m_thread; // last: starts once everything above is ready
};

ResultsWriter::ResultsWriter(const QString& folder, QObject* parent)
    : QObject(parent)
    , m_folder(folder)
    , m_thread(std::make_unique<Thread>(folder, [this](bool written, bool failing, const QString& error) {
        QMetaObject::invokeMethod(
            this, [this, written, failing, error] { Outcome(written, failing, error); },
            Qt::QueuedConnection);
    }))
{ }

ResultsWriter::~ResultsWriter()
{
    m_thread.reset();
}

void ResultsWriter::Append(const ContestResult& result, const ContestLog* log)
{
    m_thread->Post(CsvRow(ResultCsvFields(result)), ResultJsonLine(result, log));
}

void ResultsWriter::Retry()
{
    m_thread->Retry();
}

void ResultsWriter::Flush()
{
    m_thread->Flush();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void ResultsWriter::Outcome(bool written, bool failing, const QString& error)
{
    if (failing != m_failing) {
        m_failing = failing;
        if (failing)
            qWarning("Korvelin: the results cannot be saved in %s: %s",
                qUtf8Printable(QDir::toNativeSeparators(m_folder)), qUtf8Printable(error));
        emit FailingChanged(failing, error);
    }
    if (written)
        emit Written();
}

} // namespace kv
