#include "hall/publishqueue.h"

#include <algorithm>

namespace kv {

PublishQueue::PublishQueue(std::size_t maxMessages)
    : m_max(std::max<std::size_t>(1, maxMessages))
{ }

void PublishQueue::Push(OutgoingMessage message)
{
    if (!message.IsResult())
        m_newest[message.Topic] = message.Payload;
    m_items.push_back(std::move(message));
    while (m_items.size() > m_max) {
        const auto oldestState = std::find_if(
            m_items.begin(), m_items.end(), [](const OutgoingMessage& m) { return !m.IsResult(); });
        if (oldestState == m_items.end())
            break; // only results: they all stay
        m_items.erase(oldestState);
        ++m_dropped;
    }
}

std::optional<OutgoingMessage> PublishQueue::Pop()
{
    if (m_items.empty())
        return std::nullopt;
    OutgoingMessage message = std::move(m_items.front());
    m_items.pop_front();
    return message;
}

std::vector<OutgoingMessage> PublishQueue::TakeResults()
{
    std::vector<OutgoingMessage> results;
    for (auto it = m_items.begin(); it != m_items.end();) {
        if (it->IsResult()) {
            results.push_back(std::move(*it));
            it = m_items.erase(it);
        } else {
            ++it;
        }
    }
    return results;
}

std::vector<OutgoingMessage> PublishQueue::StatesForNewConnection()
{
    m_items.erase(std::remove_if(
                      m_items.begin(), m_items.end(), [](const OutgoingMessage& m) { return !m.IsResult(); }),
        m_items.end());
    std::vector<OutgoingMessage> states;
    for (const auto& [topic, payload] : m_newest)
        states.push_back({ topic, payload, {} });
    return states;
}

} // namespace kv
