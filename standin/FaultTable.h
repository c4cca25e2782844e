#pragma once

#include "standin/StandinServer.h"

#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace standin {

struct FaultSetting {
    Fault fault = Fault::None;
    int delayMs = 0;
};

// The failures tests have asked for, by request path. Safe to call from any thread.
class FaultTable {
public:
    void set(const std::string& path, Fault fault, int delayMs);
    void clear();
    // The fault for a path: an exact entry first, else the longest "prefix*" entry.
    std::optional<FaultSetting> lookup(const std::string& path) const;

    // The same JSON object with every top-level value of the wrong type:
    // objects and arrays become text, text becomes an array, numbers and
    // booleans become non-numeric text. Non-objects come back unchanged.
    static std::string withWrongTypes(const std::string& jsonText);

private:
    mutable std::mutex m_mutex;
    std::map<std::string, FaultSetting> m_faults;
};

} // namespace standin
