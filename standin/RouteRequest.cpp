#include "standin/RouteRequest.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace standin {

namespace {

// A number that no long long can hold (too large, infinite or NaN) reads as absent.
std::optional<long long> asInteger(const nlohmann::json& value)
{
    if (value.is_number_unsigned()) {
        const auto number = value.get<std::uint64_t>();
        if (number > static_cast<std::uint64_t>(std::numeric_limits<long long>::max()))
            return std::nullopt;
        return static_cast<long long>(number);
    }
    if (value.is_number_integer())
        return value.get<long long>();
    if (value.is_number_float()) {
        // 2^63 is exact as a double; every finite double below it truncates into range.
        const double number = std::trunc(value.get<double>());
        if (!std::isfinite(number) || number < -0x1p63 || number >= 0x1p63)
            return std::nullopt;
        return static_cast<long long>(number);
    }
    if (value.is_string()) {
        const std::string& text = value.get_ref<const std::string&>();
        long long result = 0;
        const char* begin = text.data() + (text.rfind('+', 0) == 0 ? 1 : 0);
        const auto [end, error] = std::from_chars(begin, text.data() + text.size(), result);
        if (error == std::errc() && end == text.data() + text.size() && begin != end)
            return result;
    }
    return std::nullopt;
}

} // namespace

std::string RouteRequest::text(const char* key) const
{
    if (!body.is_object() || !body.contains(key))
        return {};
    const auto& value = body.at(key);
    if (value.is_string())
        return value.get<std::string>();
    if (value.is_number() || value.is_boolean())
        return value.dump();
    return {};
}

std::optional<long long> RouteRequest::integer(const char* key) const
{
    if (!body.is_object() || !body.contains(key))
        return std::nullopt;
    return asInteger(body.at(key));
}

std::optional<long long> RouteRequest::firstInteger(const char* key) const
{
    if (!body.is_object() || !body.contains(key))
        return std::nullopt;
    const auto& value = body.at(key);
    if (value.is_array())
        return value.empty() ? std::nullopt : asInteger(value.front());
    return asInteger(value);
}

} // namespace standin
