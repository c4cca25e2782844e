#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace standin {

// Pictures of the picture-to-logo flow: an upload slot is issued to a user
// with a signed address, the PUT to that address stores the PNG in
// <data>/pictures/<id>.png, and the slot's owner may then turn it into a
// design. Safe to call from any thread.
class PictureStore {
public:
    enum class PutResult { Stored, Forbidden, NotPng, WriteFailed };

    explicit PictureStore(std::string dataDirectory);

    // A new slot for `uuid`; returns its id.
    std::string issue(const std::string& uuid);
    // The signature that a presigned address for `id` carries.
    std::string signature(const std::string& id) const;
    PutResult put(const std::string& id, const std::string& signature, const std::string& body);
    // The stored picture of a slot that `uuid` owns.
    std::optional<std::string> uploaded(const std::string& uuid, const std::string& id) const;
    std::optional<std::string> picture(const std::string& id) const;

    static bool isPng(const std::string& bytes);

private:
    std::string path(const std::string& id) const;

    std::string m_root;
    std::string m_secret;
    mutable std::mutex m_mutex;
    std::map<std::string, std::string> m_owners; // slot id -> uuid
    long long m_nextId = 700001;
};

} // namespace standin
