#pragma once

#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <shared_mutex>

// A map guarded for concurrent use: reads share the lock, writes take it
// alone. Iteration works on a snapshot taken when it begins.
template <class Key, class Value> class SynchronizedValues {
public:
    std::optional<Value> get(const Key& key) const
    {
        std::shared_lock lock(m_mutex);
        auto it = m_values.find(key);
        if (it == m_values.end())
            return std::nullopt;
        return it->second;
    }

    void set(const Key& key, std::optional<Value> value)
    {
        std::unique_lock lock(m_mutex);
        if (value)
            m_values.insert_or_assign(key, std::move(*value));
        else
            m_values.erase(key);
    }

    // Stores update(current value or none) under `key` in one step.
    void modify(const Key& key, const std::function<Value(std::optional<Value>)>& update)
    {
        std::unique_lock lock(m_mutex);
        auto it = m_values.find(key);
        std::optional<Value> current;
        if (it != m_values.end())
            current = it->second;
        m_values.insert_or_assign(key, update(current));
    }

    std::optional<Value> removeValue(const Key& key)
    {
        std::unique_lock lock(m_mutex);
        auto it = m_values.find(key);
        if (it == m_values.end())
            return std::nullopt;
        std::optional<Value> value = std::move(it->second);
        m_values.erase(it);
        return value;
    }

    void removeAll()
    {
        std::unique_lock lock(m_mutex);
        m_values.clear();
    }

    std::map<Key, Value> snapshot() const
    {
        std::shared_lock lock(m_mutex);
        return m_values;
    }

private:
    mutable std::shared_mutex m_mutex;
    std::map<Key, Value> m_values;
};
