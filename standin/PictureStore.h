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
    enum class PutResult { Stored, Forbidden, Expired, TooLarge, NotPng, WriteFailed };

    // The largest picture a presigned address takes.
    static constexpr std::size_t maxUploadBytes = 8 * 1024 * 1024;

    explicit PictureStore(std::string dataDirectory);

    // A new slot for `uuid`; returns its id.
    std::string issue(const std::string& uuid);
    // The signature that a presigned address for `id` carries.
    std::string signature(const std::string& id) const;
    // Stores a PUT's body: refused without the slot's signature, after
    // `expires` (seconds since 1970) has passed, above the size limit, or when
    // the body does not decode as a PNG picture.
    PutResult put(const std::string& id, const std::string& signature, long long expires, const std::string& body);
    // The stored picture of a slot that `uuid` owns.
    std::optional<std::string> uploaded(const std::string& uuid, const std::string& id) const;
    std::optional<std::string> picture(const std::string& id) const;

    static bool isPng(const std::string& bytes);
    // Whether the bytes decode as a whole PNG picture.
    static bool decodesAsPng(const std::string& bytes);

private:
    std::string path(const std::string& id) const;

    std::string m_root;
    std::string m_secret;
    mutable std::mutex m_mutex;
    std::map<std::string, std::string> m_owners; // slot id -> uuid
    long long m_nextId = 700001;
};

} // namespace standin
