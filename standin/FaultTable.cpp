#include "standin/FaultTable.h"

namespace standin {

void FaultTable::set(const std::string& path, Fault fault, int delayMs)
{
    std::lock_guard lock(m_mutex);
    if (fault == Fault::None)
        m_faults.erase(path);
    else
        m_faults[path] = { fault, delayMs };
}

void FaultTable::clear()
{
    std::lock_guard lock(m_mutex);
    m_faults.clear();
}

std::optional<FaultSetting> FaultTable::lookup(const std::string& path) const
{
    std::lock_guard lock(m_mutex);
    if (const auto exact = m_faults.find(path); exact != m_faults.end())
        return exact->second;
    std::optional<FaultSetting> best;
    size_t bestLength = 0;
    for (const auto& [key, setting] : m_faults) {
        if (key.empty() || key.back() != '*')
            continue;
        const size_t length = key.size() - 1;
        if (path.compare(0, length, key, 0, length) == 0 && (!best || length > bestLength)) {
            best = setting;
            bestLength = length;
        }
    }
    return best;
}

std::string FaultTable::withWrongTypes(const std::string& jsonText)
{
    nlohmann::json value = nlohmann::json::parse(jsonText, nullptr, false);
    if (!value.is_object())
        return jsonText;
    for (auto& [key, field] : value.items()) {
        if (field.is_object() || field.is_array())
            field = "unexpected text";
        else if (field.is_string())
            field = nlohmann::json::array({ 1, 2, 3 });
        else if (!field.is_null())
            field = "not a number";
    }
    return value.dump();
}

} // namespace standin
