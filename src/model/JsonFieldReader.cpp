#include "model/JsonFieldReader.h"

#include <QLocale>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

std::optional<qint64> wholeFromDouble(double number)
{
    if (!std::isfinite(number))
        return std::nullopt;
    const double truncated = std::trunc(number);
    // 2^63 is exact as a double; every double below it converts.
    constexpr double limit = 9223372036854775808.0;
    if (truncated < -limit || truncated >= limit)
        return std::nullopt;
    return static_cast<qint64>(truncated);
}

std::optional<qint64> wholeFromText(std::string_view text)
{
    std::size_t begin = text.find_first_not_of(" \t\r\n");
    std::size_t end = text.find_last_not_of(" \t\r\n");
    if (begin == std::string_view::npos)
        return std::nullopt;
    const char* first = text.data() + begin;
    const char* last = text.data() + end + 1;
    if (*first == '+')
        ++first;
    qint64 whole = 0;
    auto [next, error] = std::from_chars(first, last, whole);
    if (error == std::errc() && next == last)
        return whole;
    double number = 0;
    auto [nextReal, errorReal] = std::from_chars(first, last, number);
    if (errorReal == std::errc() && nextReal == last)
        return wholeFromDouble(number);
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

JsonScalar JsonFieldReader::scalarOf(const nlohmann::json& value)
{
    switch (value.type()) {
    case nlohmann::json::value_t::boolean:
        return value.get<bool>();
    case nlohmann::json::value_t::number_integer:
        return value.get<std::int64_t>();
    case nlohmann::json::value_t::number_unsigned:
        return value.get<std::uint64_t>();
    case nlohmann::json::value_t::number_float:
        return value.get<double>();
    case nlohmann::json::value_t::string:
        return std::string_view(value.get_ref<const std::string&>());
    default:
        return std::monostate {};
    }
}

std::optional<QString> JsonFieldReader::stringFrom(const nlohmann::json& value)
{
    return stringFrom(scalarOf(value));
}

std::optional<qint64> JsonFieldReader::int64From(const nlohmann::json& value)
{
    return int64From(scalarOf(value));
}

std::optional<int> JsonFieldReader::intFrom(const nlohmann::json& value)
{
    return intFrom(scalarOf(value));
}

std::optional<bool> JsonFieldReader::boolFrom(const nlohmann::json& value)
{
    return boolFrom(scalarOf(value));
}

std::optional<QString> JsonFieldReader::stringFrom(const JsonScalar& value)
{
    if (const auto* text = std::get_if<std::string_view>(&value))
        return QString::fromUtf8(text->data(), static_cast<qsizetype>(text->size()));
    if (const auto* number = std::get_if<std::int64_t>(&value))
        return QString::number(*number);
    if (const auto* number = std::get_if<std::uint64_t>(&value))
        return QString::number(*number);
    if (const auto* number = std::get_if<double>(&value))
        return QString::number(*number, 'g', QLocale::FloatingPointShortest);
    return std::nullopt;
}

std::optional<qint64> JsonFieldReader::int64From(const JsonScalar& value)
{
    if (const auto* number = std::get_if<std::int64_t>(&value))
        return *number;
    if (const auto* number = std::get_if<std::uint64_t>(&value)) {
        if (*number > static_cast<std::uint64_t>(std::numeric_limits<qint64>::max()))
            return std::nullopt;
        return static_cast<qint64>(*number);
    }
    if (const auto* number = std::get_if<double>(&value))
        return wholeFromDouble(*number);
    if (const auto* text = std::get_if<std::string_view>(&value))
        return wholeFromText(*text);
    return std::nullopt;
}

std::optional<int> JsonFieldReader::intFrom(const JsonScalar& value)
{
    const std::optional<qint64> number = int64From(value);
    if (!number || *number < std::numeric_limits<int>::min() || *number > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(*number);
}

std::optional<bool> JsonFieldReader::boolFrom(const JsonScalar& value)
{
    if (const auto* flag = std::get_if<bool>(&value))
        return *flag;
    if (const auto* number = std::get_if<std::int64_t>(&value))
        return static_cast<double>(*number) != 0.0;
    if (const auto* number = std::get_if<std::uint64_t>(&value))
        return static_cast<double>(*number) != 0.0;
    if (const auto* number = std::get_if<double>(&value))
        return *number != 0.0;
    if (const auto* text = std::get_if<std::string_view>(&value)) {
        if (*text == "true")
            return true;
        if (*text == "false")
            return false;
        if (auto number = wholeFromText(*text))
            return *number != 0;
    }
    return std::nullopt;
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

void JsonFieldReader::operator()(const char* key, qint64& field) const
{
    if (const nlohmann::json* value = find(key)) {
        if (auto number = int64From(*value))
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
