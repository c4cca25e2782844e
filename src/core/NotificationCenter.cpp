#include "core/NotificationCenter.h"

#include <vector>

NotificationCenter& NotificationCenter::defaultCenter()
{
    static NotificationCenter center;
    return center;
}

NotificationCenter::Token NotificationCenter::addObserver(const QString& name, Block block)
{
    std::lock_guard lock(m_mutex);
    const Token token = m_nextToken++;
    m_observers.emplace(token, Entry { name, std::make_shared<Block>(std::move(block)) });
    return token;
}

void NotificationCenter::removeObserver(Token token)
{
    std::lock_guard lock(m_mutex);
    m_observers.erase(token);
}

void NotificationCenter::post(const Notification& notification)
{
    std::vector<std::shared_ptr<Block>> matching;
    {
        std::lock_guard lock(m_mutex);
        for (const auto& [token, entry] : m_observers) {
            if (entry.name == notification.name)
                matching.push_back(entry.block);
        }
    }
    for (const auto& block : matching)
        (*block)(notification);
}

std::size_t NotificationCenter::observerCount() const
{
    std::lock_guard lock(m_mutex);
    return m_observers.size();
}
