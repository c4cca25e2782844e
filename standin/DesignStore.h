#pragma once

#include "standin/FixtureCatalog.h"

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace standin {

struct DesignRecord {
    long long id = 0;
    std::string title;
    // How the design came to be: "template", "ai", "picture" or "upload".
    std::string origin;
    bool hasTraits = false;
    DesignTraits traits;
    // "v1" marks a design of the first design version.
    std::string ver;
    // Grows with every stored SVG, so image addresses change with the design.
    int revision = 1;
    long long created = 0;
};

// The users' own designs, per device uuid, kept in the data folder so that
// they survive a restart: <data>/designs/<user key>/designs.json lists them
// newest first, <id>.svg holds each design's SVG, and <data>/designs/next-id
// the next id to hand out. A list that cannot be read is kept aside as
// designs.json.unreadable. Safe to call from any thread.
class DesignStore {
public:
    explicit DesignStore(std::string dataDirectory);

    std::vector<DesignRecord> designs(const std::string& uuid) const;
    std::optional<DesignRecord> design(const std::string& uuid, long long id) const;
    std::optional<std::string> svg(const std::string& uuid, long long id) const;
    std::optional<std::string> svgByUserKey(const std::string& userKey, long long id) const;

    // Stores a new design first in the user's list, with a fresh id. Nothing
    // changes, and no file is left behind, when it cannot be written.
    std::optional<DesignRecord> add(const std::string& uuid, DesignRecord record, const std::string& svg);
    // Replaces the SVG of an existing design; nothing when there is no such design or it cannot be written.
    std::optional<DesignRecord> replaceSvg(const std::string& uuid, long long id, const std::string& svg);
    bool remove(const std::string& uuid, long long id);

    // The folder name of a user: the uuid itself when it is a plain token,
    // else a digest of it, so no uuid can lead outside the data folder.
    static std::string userKey(const std::string& uuid);

private:
    struct User {
        std::string uuid;
        std::vector<DesignRecord> designs;
    };

    // Reads every stored design list; fields of another type keep their
    // defaults, and records without a usable id are skipped.
    void load();
    bool save(const std::string& key, const User& user) const;
    std::string userFolder(const std::string& key) const;
    std::string svgPath(const std::string& key, long long id) const;
    std::string nextIdPath() const;
    const DesignRecord* find(const std::string& key, long long id) const;

    std::string m_root;
    mutable std::mutex m_mutex;
    std::map<std::string, User> m_users;
    long long m_nextId = 100001;
};

} // namespace standin
