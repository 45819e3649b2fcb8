#pragma once

// The day's results on disk: results.csv (a header row, then one row per
// contest) and results.jsonl (one line per contest, with its log), side by
// side in the data folder. Records are only ever appended.

#include "record/contestresult.h"

#include <QDate>
#include <QObject>
#include <QString>

#include <memory>
#include <vector>

namespace kv {

class ContestLog;

inline const QString ResultsCsvName = QStringLiteral("results.csv");
inline const QString ResultsJsonName = QStringLiteral("results.jsonl");

// The two files of a folder. Each append is whole or not at all: the CSV
// file is rewritten beside itself and swapped in; the JSON line goes to the
// end of its file in one write and is synced. A line torn by a power cut
// during that write is closed by the next append, so it never runs into the
// next record; readers skip it.
class ResultsFiles final
{
public:
    explicit ResultsFiles(QString folder);

    const QString& Folder() const { return m_folder; }
    QString CsvPath() const;
    QString JsonPath() const;

    // False (with LastError) when the record cannot be written.
    bool AppendCsv(const QByteArray& row);
    bool AppendJson(const QByteArray& line);
    QString LastError() const { return m_lastError; }

private:
    bool MakeFolder();
    bool AppendInPlace(const QString& path, const QByteArray& record, const QByteArray& lineEnd);

    QString m_folder;
    QString m_lastError;
};

// The results of one day read from a results.jsonl, newest first. A contest
// whose result was corrected (the same contest recorded again) shows once,
// with its newest result. Damaged lines are skipped and counted.
struct ResultsListing
{
    std::vector<ContestResult> Results;
    int Damaged = 0;
    QString Error; // the file exists but cannot be read
};
ResultsListing ReadResults(const QString& jsonPath, QDate day);

// Writes results (in the order given) as a CSV file with its header row,
// replacing the file at path whole. False with *error when it cannot.
bool WriteResultsCsv(const QString& path, const std::vector<ContestResult>& results, QString* error);

// Appends results on a thread of its own, so a slow or failing disk never
// holds up the board. A record that cannot be written is kept and tried
// again with the next one. Trouble is announced once when it starts and
// once when it is over.
class ResultsWriter final : public QObject
{
    Q_OBJECT

public:
    static inline const QString FailedTitle = QStringLiteral("Korvelin - the results cannot be saved");

    explicit ResultsWriter(const QString& folder, QObject* parent = nullptr);
    // Tries once more what is waiting, then ends the thread.
    ~ResultsWriter() override;

    const QString& Folder() const { return m_folder; }
    // Hands the result over; the text is made here, the writing happens on
    // the writer's thread.
    void Append(const ContestResult& result, const ContestLog* log);
    // Tries again what is waiting after a failure (the thread also does so
    // by itself every half minute).
    void Retry();
    // Waits until everything handed over has been tried, and takes in the
    // outcome.
    void Flush();
    bool Failing() const { return m_failing; }

signals:
    // New results have been written.
    void Written();
    // Writing started failing (with the reason) or works again.
    void FailingChanged(bool failing, const QString& error);

private:
    class Thread;
    void Outcome(bool written, bool failing, const QString& error);

    QString m_folder;
    bool m_failing = false;
    std::unique_ptr<Thread> m_thread;
};

} // namespace kv
