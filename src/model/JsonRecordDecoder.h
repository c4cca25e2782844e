#pragma once

// Decodes a record straight from JSON text, by the same field lists and
// lenient rules as JsonFieldReader, without building a parsed document first:
// a reply of tens of thousands of records would spend most of its time
// building and freeing that document. The parser's events fill the records
// as they arrive; values that no field takes are skipped, however deep.
// Records constructed on the way announce themselves in one write at the end
// and make an identity only when the text gives them none.

#include "model/JsonFieldReader.h"
#include "model/RecordDefaults.h"

#include <QByteArray>
#include <optional>
#include <string_view>

namespace JsonRecordDecoding {

struct RecordKind;
struct ListKind;

// Where the next value goes. A value whose kind does not fit is skipped and
// leaves the field's default.
struct Slot {
    enum class Takes { Nothing, Scalar, Record, List };
    Takes takes = Takes::Nothing;
    void* target = nullptr;
    void (*assign)(void* field, const JsonScalar& value) = nullptr;
    const RecordKind* record = nullptr;
    const ListKind* list = nullptr;
};

struct RecordKind {
    Slot (*slotFor)(void* record, std::string_view key);
};

struct ListKind {
    // Empties the list; the array in the text replaces it.
    void (*clear)(void* list);
    // Appends a record from its defaults and gives it.
    void* (*append)(void* list);
    const RecordKind* element;
};

template <class Field> void assignScalar(void* field, const JsonScalar& value);

template <> inline void assignScalar<QString>(void* field, const JsonScalar& value)
{
    if (auto text = JsonFieldReader::stringFrom(value))
        *static_cast<QString*>(field) = std::move(*text);
}

template <> inline void assignScalar<int>(void* field, const JsonScalar& value)
{
    if (auto number = JsonFieldReader::intFrom(value))
        *static_cast<int*>(field) = *number;
}

template <> inline void assignScalar<qint64>(void* field, const JsonScalar& value)
{
    if (auto number = JsonFieldReader::int64From(value))
        *static_cast<qint64*>(field) = *number;
}

template <> inline void assignScalar<bool>(void* field, const JsonScalar& value)
{
    if (auto flag = JsonFieldReader::boolFrom(value))
        *static_cast<bool*>(field) = *flag;
}

template <class Record> const RecordKind& recordKind();
template <class Record> const ListKind& listKind();

// Finds the field named `key` in a record's field list.
class SlotFinder {
public:
    explicit SlotFinder(std::string_view key)
        : m_key(key)
    {
    }

    template <class Field> void operator()(const char* name, Field& field)
    {
        if (m_slot.takes != Slot::Takes::Nothing || m_key != name)
            return;
        m_slot.target = &field;
        if constexpr (std::is_same_v<Field, QString> || std::is_same_v<Field, int> || std::is_same_v<Field, qint64>
            || std::is_same_v<Field, bool>) {
            m_slot.takes = Slot::Takes::Scalar;
            m_slot.assign = &assignScalar<Field>;
        } else {
            m_slot.takes = Slot::Takes::Record;
            m_slot.record = &recordKind<Field>();
        }
    }

    template <class Record> void operator()(const char* name, QList<Record>& field)
    {
        if (m_slot.takes != Slot::Takes::Nothing || m_key != name)
            return;
        m_slot.takes = Slot::Takes::List;
        m_slot.target = &field;
        m_slot.list = &listKind<Record>();
    }

    Slot slot() const { return m_slot; }

private:
    std::string_view m_key;
    Slot m_slot;
};

template <class Record> const RecordKind& recordKind()
{
    static const RecordKind kind { [](void* record, std::string_view key) {
        SlotFinder finder(key);
        Record::fields(*static_cast<Record*>(record), finder);
        return finder.slot();
    } };
    return kind;
}

template <class Record> const ListKind& listKind()
{
    static const ListKind kind {
        [](void* list) { static_cast<QList<Record>*>(list)->clear(); },
        [](void* list) -> void* { return &static_cast<QList<Record>*>(list)->emplace_back(); },
        &recordKind<Record>(),
    };
    return kind;
}

// Gives every record in a decoded tree whose identity is still pending a fresh one.
class IdentityAssigner {
public:
    void operator()(const char* name, QString& field)
    {
        if (std::string_view(name) == "id")
            RecordDefaults::assignIdentity(field);
    }
    void operator()(const char*, int&) { }
    void operator()(const char*, qint64&) { }
    void operator()(const char*, bool&) { }

    template <class Record> void operator()(const char*, Record& field) { Record::fields(field, *this); }

    template <class Record> void operator()(const char*, QList<Record>& field)
    {
        for (Record& record : field)
            Record::fields(record, *this);
    }
};

// Runs the parser over `text`, filling the root record that `construct`
// makes when the text's top level turns out to be an object. False when the
// text is not JSON or its top level is not an object.
bool decodeText(std::string_view text, void* (*construct)(void* root), void* root, const RecordKind& kind);

} // namespace JsonRecordDecoding

// Decodes a record from JSON text whose top level is an object; nothing for
// any other text.
template <class Record> std::optional<Record> decodeRecordText(std::string_view text)
{
    using namespace JsonRecordDecoding;
    RecordDefaults::DeferredDefaults deferred;
    std::optional<Record> record;
    auto construct = [](void* root) -> void* { return &static_cast<std::optional<Record>*>(root)->emplace(); };
    const bool decoded = decodeText(text, construct, &record, recordKind<Record>());
    deferred.stop();
    if (!decoded || !record)
        return std::nullopt;
    IdentityAssigner assigner;
    assigner(nullptr, *record);
    deferred.commit();
    return record;
}
