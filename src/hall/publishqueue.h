#pragma once

#include <QByteArray>
#include <QString>

#include <deque>
#include <map>
#include <optional>
#include <vector>

namespace kv {

// One message for the broker. A state is retained and only its newest copy
// matters; a result (it has an id) is acknowledged by the broker, kept on
// disk until then, and never dropped.
struct OutgoingMessage
{
    QByteArray Topic;
    QByteArray Payload;
    QString ResultId; // empty for a state

    bool IsResult() const { return !ResultId.isEmpty(); }
    friend bool operator==(const OutgoingMessage&, const OutgoingMessage&) = default;
};

// What waits for the network, in the order it came. Bounded: beyond
// `maxMessages` the oldest states go first; results stay, whatever their
// number. It also keeps the newest state of every topic, which a new
// connection publishes again (a restarted broker may have lost it).
class PublishQueue final
{
public:
    explicit PublishQueue(std::size_t maxMessages);

    void Push(OutgoingMessage message);
    // The oldest message, if any.
    std::optional<OutgoingMessage> Pop();
    // Every result, in order, out of the queue (the states stay).
    std::vector<OutgoingMessage> TakeResults();
    // For a new connection: the newest state of every topic, in topic order;
    // the states still waiting are dropped, since these replace them.
    std::vector<OutgoingMessage> StatesForNewConnection();

    std::size_t Size() const { return m_items.size(); }
    // States dropped to keep the bound.
    std::size_t Dropped() const { return m_dropped; }

private:
    std::size_t m_max;
    std::deque<OutgoingMessage> m_items;
    std::map<QByteArray, QByteArray> m_newest;
    std::size_t m_dropped = 0;
};

} // namespace kv
