#include "standin/RouteRequest.h"

#include <charconv>

namespace standin {

namespace {

std::optional<long long> asInteger(const nlohmann::json& value)
{
    if (value.is_number_integer())
        return value.get<long long>();
    if (value.is_number_float())
        return static_cast<long long>(value.get<double>());
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
    if (value.is_number_integer())
        return std::to_string(value.get<long long>());
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
