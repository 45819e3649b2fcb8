#include "record/contestlog.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>

#include <algorithm>
#include <utility>

namespace kv {

namespace {

constexpr auto KeyStarted = "Started";
constexpr auto KeyDropped = "Dropped";
constexpr auto KeyEvents = "Events";
constexpr auto KeyId = "Id";

QByteArray Compact(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

// A text as a JSON string, quotes and escapes included.
QByteArray JsonString(const QString& text)
{
    const QByteArray array = QJsonDocument(QJsonArray { text }).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

} // namespace

ContestLog::ContestLog()
    : ContestLog(QDateTime::currentDateTime())
{ }

ContestLog::ContestLog(QDateTime started)
    : m_started(std::move(started))
    , m_id(WallText(m_started) + QLatin1Char('/')
          + QString::number(QRandomGenerator::global()->generate(), 16).rightJustified(8, QLatin1Char('0')))
{ }

const ContestEvent& ContestLog::Append(ContestEvent event)
{
    event.Seq = m_nextSeq;
    if (!event.Wall.isValid())
        event.Wall = QDateTime::currentDateTime();
    QByteArray text = Compact(EventToJson(event));
    Keep(std::move(event), std::move(text));
    return m_events.back();
}

void ContestLog::Keep(ContestEvent event, QByteArray text)
{
    m_json.clear();
    m_nextSeq = std::max(m_nextSeq, event.Seq + 1);
    if (event.Kind == EventKind::Undo) {
        const auto undone = std::find(m_undoable.begin(), m_undoable.end(), event.Undoes);
        if (undone != m_undoable.end())
            m_undoable.erase(undone);
    } else if (event.Before) {
        m_undoable.push_back(event.Seq);
    }
    m_events.push_back(std::move(event));
    m_texts.push_back(std::move(text));
    while (static_cast<qsizetype>(m_events.size()) > MaxEvents) {
        const qint64 gone = m_events.front().Seq;
        if (!m_undoable.empty() && m_undoable.front() == gone)
            m_undoable.pop_front();
        m_events.pop_front();
        m_texts.pop_front();
        ++m_dropped;
    }
}

const ContestEvent* ContestLog::Find(qint64 seq) const
{
    // Seqs rise along the log.
    const auto found = std::lower_bound(m_events.begin(), m_events.end(), seq,
        [](const ContestEvent& event, qint64 wanted) { return event.Seq < wanted; });
    return found != m_events.end() && found->Seq == seq ? &*found : nullptr;
}

const ContestEvent* ContestLog::NextUndo() const
{
    return m_undoable.empty() ? nullptr : Find(m_undoable.back());
}

QByteArray ContestLog::JsonText() const
{
    if (!m_json.isEmpty())
        return m_json;
    qsizetype size = 64;
    for (const QByteArray& text : m_texts)
        size += text.size() + 1;
    QByteArray json;
    json.reserve(size);
    json += "{\"";
    json += KeyDropped;
    json += "\":";
    json += QByteArray::number(m_dropped);
    json += ",\"";
    json += KeyEvents;
    json += "\":[";
    for (qsizetype i = 0; i < static_cast<qsizetype>(m_texts.size()); ++i) {
        if (i > 0)
            json += ',';
        json += m_texts[i];
    }
    json += "],\"";
    json += KeyId;
    json += "\":";
    json += JsonString(m_id);
    json += ",\"";
    json += KeyStarted;
    json += "\":";
    json += JsonString(WallText(m_started));
    json += '}';
    m_json = json;
    return json;
}

ContestLog::Reading ContestLog::FromJson(const QJsonObject& object)
{
    Reading reading;
    const QDateTime started = WallFromText(object.value(QLatin1String(KeyStarted)).toString());
    const QJsonValue events = object.value(QLatin1String(KeyEvents));
    if (!started.isValid() || !events.isArray())
        return reading;
    reading.IsLog = true;
    reading.Log = ContestLog(started);
    const QString id = object.value(QLatin1String(KeyId)).toString();
    if (!id.isEmpty())
        reading.Log.m_id = id;
    reading.Log.m_dropped = std::max<qint64>(0, object.value(QLatin1String(KeyDropped)).toInteger());
    qint64 lastSeq = 0;
    for (const QJsonValue value : events.toArray()) {
        std::optional<ContestEvent> event
            = value.isObject() ? EventFromJson(value.toObject()) : std::optional<ContestEvent>();
        // Seqs must rise: an event out of order is not one this log wrote.
        if (!event || event->Seq <= lastSeq) {
            ++reading.Damaged;
            continue;
        }
        lastSeq = event->Seq;
        QByteArray text = Compact(EventToJson(*event));
        reading.Log.Keep(std::move(*event), std::move(text));
    }
    return reading;
}

} // namespace kv
