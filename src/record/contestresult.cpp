#include "record/contestresult.h"

#include "record/contestlog.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace kv {

namespace {

constexpr auto FormatName = "Korvelin result";
constexpr int ResultVersion = 1;
constexpr auto KeyFormat = "Format";
constexpr auto KeyVersion = "Version";
constexpr auto KeyLog = "Log";

int Counted(qint16 value)
{
    return std::max<int>(value, 0);
}

QString SecondsText(Fixed4 time)
{
    return QString::number(time.ToDouble(), 'f', 1);
}

std::optional<Fixed4> SecondsFromText(const QString& text)
{
    bool ok = false;
    const double seconds = text.toDouble(&ok);
    if (!ok || !std::isfinite(seconds) || seconds < 0 || seconds > 32767)
        return std::nullopt;
    return Fixed4::FromDouble(seconds);
}

std::optional<qint16> CountFromText(const QString& text, int high)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 0 || value > high)
        return std::nullopt;
    return static_cast<qint16>(value);
}

// How a column's value is written in JSON: the CSV text, or a number.
enum class Kind
{
    Text,
    Whole,
    Seconds
};

struct Column
{
    const char* Name;
    Kind Type;
    std::function<QString(const ContestResult&)> Get;
    // False when the text is not a value of the column.
    std::function<bool(ContestResult&, const QString&)> Set;
};

std::function<QString(const ContestResult&)> TextOf(QString ContestResult::*field)
{
    return [field](const ContestResult& r) { return r.*field; };
}

std::function<bool(ContestResult&, const QString&)> SetText(QString ContestResult::*field)
{
    return [field](ContestResult& r, const QString& text) {
        r.*field = text;
        return true;
    };
}

// The columns of a side's result, named after the side.
template <SideResult ContestResult::*Side> std::array<Column, 4> SideColumns(const char* const names[4])
{
    const auto count = [](qint16 SideResult::*field, int high) {
        return std::make_pair(std::function<QString(const ContestResult&)>([field](const ContestResult& r) {
            return QString::number((r.*Side).*field);
        }),
            std::function<bool(ContestResult&, const QString&)>(
                [field, high](ContestResult& r, const QString& t) {
                    const std::optional<qint16> value = CountFromText(t, high);
                    if (value)
                        (r.*Side).*field = *value;
                    return value.has_value();
                }));
    };
    const auto wazaAri = count(&SideResult::WazaAri, 9);
    const auto yuko = count(&SideResult::Yuko, 9);
    const auto shido = count(&SideResult::Shido, 4);
    return { {
        { names[0], Kind::Whole,
            [](const ContestResult& r) { return QString::number((r.*Side).Ippon ? 1 : 0); },
            [](ContestResult& r, const QString& t) {
                const std::optional<qint16> value = CountFromText(t, 1);
                if (value)
                    (r.*Side).Ippon = *value == 1;
                return value.has_value();
            } },
        { names[1], Kind::Whole, wazaAri.first, wazaAri.second },
        { names[2], Kind::Whole, yuko.first, yuko.second },
        { names[3], Kind::Whole, shido.first, shido.second },
    } };
}

std::vector<Column> MakeColumns()
{
    std::vector<Column> columns {
        { "Date", Kind::Text, [](const ContestResult& r) { return r.Ended.date().toString(Qt::ISODate); },
            [](ContestResult& r, const QString& t) {
                const QDate date = QDate::fromString(t, Qt::ISODate);
                r.Ended.setDate(date);
                return date.isValid();
            } },
        { "Time", Kind::Text,
            [](const ContestResult& r) { return r.Ended.time().toString(QStringLiteral("HH:mm:ss")); },
            [](ContestResult& r, const QString& t) {
                const QTime time = QTime::fromString(t, QStringLiteral("HH:mm:ss"));
                r.Ended.setTime(time);
                return time.isValid();
            } },
        { "Board", Kind::Text, TextOf(&ContestResult::Board), SetText(&ContestResult::Board) },
        { "Home", Kind::Text, [](const ContestResult& r) { return r.Home.Name; },
            [](ContestResult& r, const QString& t) {
                r.Home.Name = t;
                return true;
            } },
        { "Visitor", Kind::Text, [](const ContestResult& r) { return r.Visitor.Name; },
            [](ContestResult& r, const QString& t) {
                r.Visitor.Name = t;
                return true;
            } },
        { "RuleSet", Kind::Text, TextOf(&ContestResult::RuleSet), SetText(&ContestResult::RuleSet) },
        { "Winner", Kind::Text, [](const ContestResult& r) { return SideName(r.Winner); },
            [](ContestResult& r, const QString& t) {
                r.Winner = t == SideName(1) ? 1 : (t == SideName(2) ? 2 : 0);
                return r.Winner != 0 || t.isEmpty();
            } },
        // Written for the reader of the spreadsheet; read back from the names.
        { "WinnerName", Kind::Text, [](const ContestResult& r) { return r.WinnerName(); },
            [](ContestResult&, const QString&) { return true; } },
        { "How", Kind::Text, TextOf(&ContestResult::How), SetText(&ContestResult::How) },
    };
    static const char* const home[4] = { "HomeIppon", "HomeWazaAri", "HomeYuko", "HomeShido" };
    static const char* const visitor[4] = { "VisitorIppon", "VisitorWazaAri", "VisitorYuko", "VisitorShido" };
    for (Column& column : SideColumns<&ContestResult::Home>(home))
        columns.push_back(std::move(column));
    for (Column& column : SideColumns<&ContestResult::Visitor>(visitor))
        columns.push_back(std::move(column));
    columns.push_back(
        { "RegularSeconds", Kind::Seconds, [](const ContestResult& r) { return SecondsText(r.RegularTime); },
            [](ContestResult& r, const QString& t) {
                const std::optional<Fixed4> seconds = SecondsFromText(t);
                r.RegularTime = seconds.value_or(Fixed4());
                return seconds.has_value();
            } });
    columns.push_back({ "GoldenScoreSeconds", Kind::Seconds,
        [](const ContestResult& r) { return SecondsText(r.GoldenScoreTime); },
        [](ContestResult& r, const QString& t) {
            const std::optional<Fixed4> seconds = SecondsFromText(t);
            r.GoldenScoreTime = seconds.value_or(Fixed4());
            return seconds.has_value();
        } });
    columns.push_back(
        { "Contest", Kind::Text, TextOf(&ContestResult::Contest), SetText(&ContestResult::Contest) });
    return columns;
}

// The columns of the results, in their order: one table for both files.
const std::vector<Column>& Columns()
{
    static const std::vector<Column> columns = MakeColumns();
    return columns;
}

std::optional<ContestResult> FromTexts(const std::function<std::optional<QString>(const Column&)>& text)
{
    ContestResult result;
    result.Ended = QDateTime(QDate(2000, 1, 1), QTime(0, 0));
    for (const Column& column : Columns()) {
        const std::optional<QString> value = text(column);
        if (!value || !column.Set(result, *value))
            return std::nullopt;
    }
    return result;
}

bool IsFormulaStart(QChar c)
{
    return c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r' || c == u'\'';
}

} // namespace

QString ContestResult::WinnerName() const
{
    if (Winner == 1)
        return Home.Name;
    if (Winner == 2)
        return Visitor.Name;
    return {};
}

qint16 DecideWinner(const ScoredState& s)
{
    if (s.Winner == 1 || s.Winner == 2)
        return s.Winner;
    if (s.Ippon == 1 || s.Ippon == 2)
        return s.Ippon;
    return 0;
}

QString DecideHow(const ScoredState& s, qint16 winner, qint16 hansokuShido, bool goldenScore)
{
    if (winner != 1 && winner != 2)
        return {};
    const bool home = winner == 1;
    const int loserShido = home ? s.PenaltySV : s.PenaltySH;
    if (hansokuShido > 0 && loserShido >= hansokuShido)
        return how::HansokuMake;
    if (s.Ippon == winner)
        return how::Ippon;
    const int wazaAri = Counted(home ? s.WHome : s.WVisitor) - Counted(home ? s.WVisitor : s.WHome);
    const int yuko = Counted(home ? s.YHome : s.YVisitor) - Counted(home ? s.YVisitor : s.YHome);
    if (wazaAri <= 0 && (wazaAri < 0 || yuko <= 0))
        return how::Decision; // no lead in the scores: the referees decided
    if (goldenScore)
        return how::GoldenScore;
    return wazaAri > 0 ? how::WazaAri : how::Yuko;
}

// ---------------------------------------------------------------- CSV

QStringList ResultCsvHeader()
{
    QStringList header;
    for (const Column& column : Columns())
        header << QLatin1String(column.Name);
    return header;
}

QStringList ResultCsvFields(const ContestResult& result)
{
    QStringList fields;
    for (const Column& column : Columns())
        fields << column.Get(result);
    return fields;
}

std::optional<ContestResult> ResultFromCsvFields(const QStringList& fields)
{
    if (fields.size() != static_cast<qsizetype>(Columns().size()))
        return std::nullopt;
    qsizetype index = 0;
    return FromTexts([&](const Column&) { return std::optional<QString>(fields.at(index++)); });
}

QByteArray CsvField(const QString& text)
{
    QString field = text;
    if (!field.isEmpty() && IsFormulaStart(field.front()))
        field.prepend(u'\'');
    const bool quoted = field.contains(u',') || field.contains(u'"') || field.contains(u'\n')
        || field.contains(u'\r') || (!field.isEmpty() && (field.front().isSpace() || field.back().isSpace()));
    if (!quoted)
        return field.toUtf8();
    field.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return '"' + field.toUtf8() + '"';
}

QByteArray CsvRow(const QStringList& fields)
{
    QByteArray row;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            row += ',';
        row += CsvField(fields.at(i));
    }
    row += "\r\n";
    return row;
}

std::vector<QStringList> ParseCsv(const QByteArray& bytes)
{
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    std::vector<QStringList> rows;
    QStringList row;
    QString field;
    bool inQuotes = false;
    bool rowStarted = false;
    const auto endField = [&] {
        if (field.startsWith(u'\''))
            field.remove(0, 1);
        row << field;
        field.clear();
    };
    const auto endRow = [&] {
        endField();
        rows.push_back(row);
        row.clear();
        rowStarted = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (inQuotes) {
            if (c == u'"') {
                if (i + 1 < text.size() && text.at(i + 1) == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                field += c;
            }
            continue;
        }
        if (c == u'"') {
            inQuotes = true;
            rowStarted = true;
        } else if (c == u',') {
            endField();
            rowStarted = true;
        } else if (c == u'\n' || (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')) {
            if (c == u'\r')
                ++i;
            endRow();
        } else {
            field += c;
            rowStarted = true;
        }
    }
    if (rowStarted || !field.isEmpty() || !row.isEmpty())
        endRow();
    return rows;
}

// ---------------------------------------------------------------- JSON lines

QByteArray ResultJsonLine(const ContestResult& result, const ContestLog* log)
{
    QJsonObject object;
    object.insert(QLatin1String(KeyFormat), QLatin1String(FormatName));
    object.insert(QLatin1String(KeyVersion), ResultVersion);
    for (const Column& column : Columns()) {
        const QString text = column.Get(result);
        switch (column.Type) {
        case Kind::Text:
            object.insert(QLatin1String(column.Name), text);
            break;
        case Kind::Whole:
            object.insert(QLatin1String(column.Name), text.toInt());
            break;
        case Kind::Seconds:
            object.insert(QLatin1String(column.Name), text.toDouble());
            break;
        }
    }
    QByteArray line = QJsonDocument(object).toJson(QJsonDocument::Compact);
    if (log) {
        // The log goes last, so a reader of the results alone stops before it.
        line.chop(1);
        line += ",\"";
        line += KeyLog;
        line += "\":";
        line += log->JsonText();
        line += '}';
    }
    return line;
}

std::optional<ContestResult> ParseResultLine(const QByteArray& line)
{
    // Inside the JSON strings every quote is escaped, so this marks the log;
    // only what comes before it is read.
    const qsizetype log = line.indexOf(QByteArray(",\"") + KeyLog + "\":");
    const QByteArray head = log > 0 ? line.left(log) + '}' : line;
    QJsonParseError error {};
    const QJsonDocument document = QJsonDocument::fromJson(head, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    if (object.value(QLatin1String(KeyFormat)).toString() != QLatin1String(FormatName))
        return std::nullopt;
    return FromTexts([&](const Column& column) -> std::optional<QString> {
        const QJsonValue value = object.value(QLatin1String(column.Name));
        switch (column.Type) {
        case Kind::Text:
            if (!value.isString())
                return std::nullopt;
            return value.toString();
        case Kind::Whole:
        case Kind::Seconds:
            if (!value.isDouble()
                || (column.Type == Kind::Whole && std::floor(value.toDouble()) != value.toDouble()))
                return std::nullopt;
            return column.Type == Kind::Whole ? QString::number(value.toDouble(), 'f', 0)
                                              : QString::number(value.toDouble(), 'f', 1);
        }
        return std::nullopt;
    });
}

QString MinutesSeconds(Fixed4 time)
{
    const qint64 seconds = std::max<qint64>(0, time.Raw() / Fixed4::Scale);
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace kv
