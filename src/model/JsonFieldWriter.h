#pragma once

// Encodes a record into a JSON object by the same field list the reader uses,
// with each field under its own name.

#include <QList>
#include <QString>
#include <nlohmann/json.hpp>

class JsonFieldWriter {
public:
    explicit JsonFieldWriter(nlohmann::json& object)
        : m_object(object)
    {
    }

    void operator()(const char* key, const QString& field) { m_object[key] = field.toStdString(); }
    void operator()(const char* key, int field) { m_object[key] = field; }
    void operator()(const char* key, qint64 field) { m_object[key] = field; }
    void operator()(const char* key, bool field) { m_object[key] = field; }

    template <class Record> void operator()(const char* key, const Record& field) { m_object[key] = encode(field); }

    template <class Record> void operator()(const char* key, const QList<Record>& field)
    {
        m_object[key] = encodeList(field);
    }

    template <class Record> static nlohmann::json encode(const Record& record)
    {
        nlohmann::json object = nlohmann::json::object();
        JsonFieldWriter writer(object);
        Record::fields(record, writer);
        return object;
    }

    template <class Record> static nlohmann::json encodeList(const QList<Record>& records)
    {
        nlohmann::json array = nlohmann::json::array();
        for (const Record& record : records)
            array.push_back(encode(record));
        return array;
    }

private:
    nlohmann::json& m_object;
};
