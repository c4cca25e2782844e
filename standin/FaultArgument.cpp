#include "standin/FaultArgument.h"

#include <charconv>

namespace standin {

namespace {

constexpr int longestDelayMs = 600000;
constexpr int defaultDelayMs = 3000;
constexpr int defaultEndlessPauseMs = 16; // 64 KiB each time: about 4 MB/s
constexpr int defaultTrickleMs = 1000;

int defaultMsOf(Fault fault)
{
    switch (fault) {
    case Fault::Delay:
        return defaultDelayMs;
    case Fault::Endless:
        return defaultEndlessPauseMs;
    case Fault::Trickle:
        return defaultTrickleMs;
    default:
        return 0;
    }
}

std::optional<Fault> faultNamed(const std::string& name)
{
    for (const auto& [kindName, fault] : faultKinds()) {
        if (kindName == name)
            return fault;
    }
    return std::nullopt;
}

std::optional<int> delayFrom(const std::string& text)
{
    int value = 0;
    const char* last = text.data() + text.size();
    const auto [next, error] = std::from_chars(text.data(), last, value);
    if (text.empty() || error != std::errc() || next != last || value < 0 || value > longestDelayMs)
        return std::nullopt;
    return value;
}

} // namespace

const std::vector<std::pair<std::string, Fault>>& faultKinds()
{
    static const std::vector<std::pair<std::string, Fault>> kinds { { "http500", Fault::Http500 },
        { "http403", Fault::Http403 }, { "notjson", Fault::NotJson }, { "wrongtypes", Fault::WrongTypes },
        { "delay", Fault::Delay }, { "drop", Fault::Drop }, { "nested", Fault::Nested }, { "endless", Fault::Endless },
        { "trickle", Fault::Trickle } };
    return kinds;
}

std::optional<FaultArgument> FaultArgument::parse(const std::string& text)
{
    // Paths hold no "=", so the last one separates the kind.
    const std::size_t equals = text.rfind('=');
    if (equals == std::string::npos || equals == 0)
        return std::nullopt;
    FaultArgument argument;
    argument.path = text.substr(0, equals);
    std::string kind = text.substr(equals + 1);
    if (const std::size_t colon = kind.find(':'); colon != std::string::npos) {
        const std::optional<int> delay = delayFrom(kind.substr(colon + 1));
        if (!delay)
            return std::nullopt;
        argument.delayMs = *delay;
        kind.resize(colon);
    }
    const std::optional<Fault> fault = faultNamed(kind);
    if (!fault)
        return std::nullopt;
    argument.fault = *fault;
    if (text.find(':', equals) == std::string::npos)
        argument.delayMs = defaultMsOf(argument.fault);
    return argument;
}

} // namespace standin
