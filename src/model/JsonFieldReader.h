#pragma once

// The one lenient reader every reply record decodes through. A record lists
// its fields once, in `static void fields(Self&, Visitor&)`; the reader
// visits them with the reply object:
// - a missing key or null keeps the field's default;
// - integer fields (int, and qint64 for ids) and String fields take numbers
//   and numeric strings alike; a number outside the field's range keeps the default;
// - Bool fields take booleans, numbers (non-zero is true) and "true"/"false";
// - a value of any other kind keeps the default;
// - a nested object fills the nested record from its own defaults, and an
//   array fills a list, one record per object element.

#include <QList>
#include <QString>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <string_view>
#include <variant>

// One JSON value as the field rules read it: null, a boolean, a number, or
// text. Objects and arrays reach a scalar field as null, so they keep its
// default. The text is borrowed from the parser or the parsed value.
using JsonScalar = std::variant<std::monostate, bool, std::int64_t, std::uint64_t, double, std::string_view>;

class JsonFieldReader {
public:
    explicit JsonFieldReader(const nlohmann::json& object)
        : m_object(object)
    {
    }

    void operator()(const char* key, QString& field) const;
    void operator()(const char* key, int& field) const;
    void operator()(const char* key, qint64& field) const;
    void operator()(const char* key, bool& field) const;

    template <class Record> void operator()(const char* key, Record& field) const
    {
        if (const nlohmann::json* value = find(key))
            fill(*value, field);
    }

    template <class Record> void operator()(const char* key, QList<Record>& field) const
    {
        const nlohmann::json* value = find(key);
        if (!value || !value->is_array())
            return;
        QList<Record> records;
        records.reserve(static_cast<qsizetype>(value->size()));
        for (const nlohmann::json& element : *value) {
            if (!element.is_object())
                continue;
            fill(element, records.emplace_back());
        }
        field = std::move(records);
    }

    // Fills `record` from `value` when it is an object; otherwise leaves it.
    template <class Record> static void fill(const nlohmann::json& value, Record& record)
    {
        if (!value.is_object())
            return;
        JsonFieldReader reader(value);
        Record::fields(record, reader);
    }

    static std::optional<QString> stringFrom(const nlohmann::json& value);
    static std::optional<int> intFrom(const nlohmann::json& value);
    static std::optional<qint64> int64From(const nlohmann::json& value);
    static std::optional<bool> boolFrom(const nlohmann::json& value);

    // The same rules for a value met while streaming through the text.
    static std::optional<QString> stringFrom(const JsonScalar& value);
    static std::optional<int> intFrom(const JsonScalar& value);
    static std::optional<qint64> int64From(const JsonScalar& value);
    static std::optional<bool> boolFrom(const JsonScalar& value);

    static JsonScalar scalarOf(const nlohmann::json& value);

private:
    // The value under `key`, or nothing when it is missing or null.
    const nlohmann::json* find(const char* key) const;

    const nlohmann::json& m_object;
};

// Decodes a record from a JSON value, starting from its defaults.
template <class Record> Record decodeRecord(const nlohmann::json& value)
{
    Record record;
    JsonFieldReader::fill(value, record);
    return record;
}
