#pragma once

// The result of one contest as the day's results keep it, and its two
// written forms: a CSV row (RFC 4180) and a JSON line with the contest's log.

#include "record/contestevent.h"

#include <QByteArray>
#include <QDateTime>
#include <QStringList>

#include <optional>
#include <vector>

namespace kv {

class ContestLog;

struct SideResult
{
    QString Name;
    bool Ippon = false;
    qint16 WazaAri = 0;
    qint16 Yuko = 0;
    qint16 Shido = 0;

    friend bool operator==(const SideResult&, const SideResult&) = default;
};

struct ContestResult
{
    QDateTime Ended; // local time
    QString Board;
    QString RuleSet;
    SideResult Home;
    SideResult Visitor;
    qint16 Winner = 0; // 0 none, 1 Home, 2 Visitor
    QString How; // one of the How texts below, empty without a winner
    Fixed4 RegularTime; // time used
    Fixed4 GoldenScoreTime;
    QString Contest; // the contest's log's id: a corrected result has the same

    QString WinnerName() const;
    friend bool operator==(const ContestResult&, const ContestResult&) = default;
};

// How a contest was won.
namespace how {
inline const QString Ippon = QStringLiteral("ippon");
inline const QString WazaAri = QStringLiteral("waza-ari");
inline const QString Yuko = QStringLiteral("yuko");
inline const QString HansokuMake = QStringLiteral("hansoku-make");
inline const QString Decision = QStringLiteral("decision");
inline const QString GoldenScore = QStringLiteral("golden score");
} // namespace how

// The side that won: the winner mark, else the side with ippon; 0 for none.
qint16 DecideWinner(const ScoredState& state);

// How the winner won. hansokuShido is the shido count that is hansoku-make
// under the rule set (the loser reached it); goldenScore tells that the
// contest was decided in golden score. Empty for no winner.
QString DecideHow(const ScoredState& state, qint16 winner, qint16 hansokuShido, bool goldenScore);

// ---- CSV

// The header row's fields, and a result's fields in the same order.
QStringList ResultCsvHeader();
QStringList ResultCsvFields(const ContestResult& result);
// A result from a row's fields; nothing when the row is not one.
std::optional<ContestResult> ResultFromCsvFields(const QStringList& fields);

// One CSV field: quoted when it holds a comma, a quote, a line break or
// blanks at its ends (quotes doubled). A field a spreadsheet would take
// for a formula (starting with = + - @, a tab or a carriage return) is
// written with a leading apostrophe, as is one that starts with an
// apostrophe; ParseCsv takes it off again, so every text reads back exactly.
QByteArray CsvField(const QString& text);
// A row: the fields joined by commas, ended by CR LF.
QByteArray CsvRow(const QStringList& fields);
// The rows of a CSV text (UTF-8, with or without a byte-order mark; CR LF
// or LF between rows; line breaks inside quotes kept as they are).
std::vector<QStringList> ParseCsv(const QByteArray& text);

// ---- JSON lines

// The result as one line of compact JSON, the same fields as the CSV row,
// with the contest's log last (without a newline).
QByteArray ResultJsonLine(const ContestResult& result, const ContestLog* log);
// The result of a line; its log is not read. Nothing for a damaged line.
std::optional<ContestResult> ParseResultLine(const QByteArray& line);

// ---- display

// Time used as minutes and whole seconds: "2:47".
QString MinutesSeconds(Fixed4 time);

} // namespace kv
