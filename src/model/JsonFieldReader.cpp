#include "model/JsonFieldReader.h"

#include <QLocale>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

std::optional<int> intFromDouble(double number)
{
    if (!std::isfinite(number))
        return std::nullopt;
    const double truncated = std::trunc(number);
    if (truncated < std::numeric_limits<int>::min() || truncated > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(truncated);
}

std::optional<int> intFromText(const std::string& text)
{
    std::size_t begin = text.find_first_not_of(" \t\r\n");
    std::size_t end = text.find_last_not_of(" \t\r\n");
    if (begin == std::string::npos)
        return std::nullopt;
    const char* first = text.data() + begin;
    const char* last = text.data() + end + 1;
    if (*first == '+')
        ++first;
    long long whole = 0;
    auto [next, error] = std::from_chars(first, last, whole);
    if (error == std::errc() && next == last) {
        if (whole < std::numeric_limits<int>::min() || whole > std::numeric_limits<int>::max())
            return std::nullopt;
        return static_cast<int>(whole);
    }
    double number = 0;
    auto [nextReal, errorReal] = std::from_chars(first, last, number);
    if (errorReal == std::errc() && nextReal == last)
        return intFromDouble(number);
    return std::nullopt;
}

} // namespace

const nlohmann::json* JsonFieldReader::find(const char* key) const
{
    auto it = m_object.find(key);
    if (it == m_object.end() || it->is_null())
        return nullptr;
    return &*it;
}

std::optional<QString> JsonFieldReader::stringFrom(const nlohmann::json& value)
{
    switch (value.type()) {
    case nlohmann::json::value_t::string:
        return QString::fromStdString(value.get_ref<const std::string&>());
    case nlohmann::json::value_t::number_integer:
        return QString::number(value.get<std::int64_t>());
    case nlohmann::json::value_t::number_unsigned:
        return QString::number(value.get<std::uint64_t>());
    case nlohmann::json::value_t::number_float:
        return QString::number(value.get<double>(), 'g', QLocale::FloatingPointShortest);
    default:
        return std::nullopt;
    }
}

std::optional<int> JsonFieldReader::intFrom(const nlohmann::json& value)
{
    switch (value.type()) {
    case nlohmann::json::value_t::number_integer: {
        const auto number = value.get<std::int64_t>();
        if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
            return std::nullopt;
        return static_cast<int>(number);
    }
    case nlohmann::json::value_t::number_unsigned: {
        const auto number = value.get<std::uint64_t>();
        if (number > static_cast<std::uint64_t>(std::numeric_limits<int>::max()))
            return std::nullopt;
        return static_cast<int>(number);
    }
    case nlohmann::json::value_t::number_float:
        return intFromDouble(value.get<double>());
    case nlohmann::json::value_t::string:
        return intFromText(value.get_ref<const std::string&>());
    default:
        return std::nullopt;
    }
}

std::optional<bool> JsonFieldReader::boolFrom(const nlohmann::json& value)
{
    switch (value.type()) {
    case nlohmann::json::value_t::boolean:
        return value.get<bool>();
    case nlohmann::json::value_t::number_integer:
    case nlohmann::json::value_t::number_unsigned:
    case nlohmann::json::value_t::number_float:
        return value.get<double>() != 0.0;
    case nlohmann::json::value_t::string: {
        const auto& text = value.get_ref<const std::string&>();
        if (text == "true")
            return true;
        if (text == "false")
            return false;
        if (auto number = intFromText(text))
            return *number != 0;
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

void JsonFieldReader::operator()(const char* key, QString& field) const
{
    if (const nlohmann::json* value = find(key)) {
        if (auto text = stringFrom(*value))
            field = std::move(*text);
    }
}

void JsonFieldReader::operator()(const char* key, int& field) const
{
    if (const nlohmann::json* value = find(key)) {
        if (auto number = intFrom(*value))
            field = *number;
    }
}

void JsonFieldReader::operator()(const char* key, bool& field) const
{
    if (const nlohmann::json* value = find(key)) {
        if (auto flag = boolFrom(*value))
            field = *flag;
    }
}
