#include "standin/DesignStore.h"

#include "standin/FileUtil.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <algorithm>
#include <iostream>
#include <nlohmann/json.hpp>
#include <regex>

namespace standin {

namespace {

nlohmann::json toJson(const DesignRecord& r)
{
    return { { "id", r.id }, { "title", r.title }, { "origin", r.origin }, { "hasTraits", r.hasTraits },
        { "industryId", r.traits.industryId }, { "symbolId", r.traits.symbolId },
        { "designStyle", r.traits.designStyle }, { "tone", r.traits.tone }, { "palette", r.traits.palette },
        { "ver", r.ver }, { "revision", r.revision }, { "created", r.created } };
}

DesignRecord fromJson(const nlohmann::json& j)
{
    DesignRecord r;
    r.id = j.value("id", 0);
    r.title = j.value("title", "");
    r.origin = j.value("origin", "");
    r.hasTraits = j.value("hasTraits", false);
    r.traits.industryId = j.value("industryId", 0);
    r.traits.symbolId = j.value("symbolId", 0);
    r.traits.designStyle = j.value("designStyle", 0);
    r.traits.tone = j.value("tone", 0);
    r.traits.palette = j.value("palette", 0);
    r.ver = j.value("ver", "");
    r.revision = j.value("revision", 1);
    r.created = j.value("created", 0LL);
    return r;
}

} // namespace

DesignStore::DesignStore(std::string dataDirectory)
    : m_root(std::move(dataDirectory) + "/designs")
{
    load();
}

std::string DesignStore::userKey(const std::string& uuid)
{
    static const std::regex plain("[A-Za-z0-9_-]{1,80}");
    if (std::regex_match(uuid, plain))
        return uuid;
    const QByteArray digest = QCryptographicHash::hash(QByteArray::fromStdString(uuid), QCryptographicHash::Sha1);
    return "u-" + digest.toHex().toStdString();
}

std::string DesignStore::userFolder(const std::string& key) const
{
    return m_root + "/" + key;
}

std::string DesignStore::svgPath(const std::string& key, int id) const
{
    return userFolder(key) + "/" + std::to_string(id) + ".svg";
}

void DesignStore::load()
{
    const QDir root(QString::fromStdString(m_root));
    for (const QString& folder : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const std::string key = folder.toStdString();
        const auto text = FileUtil::read(userFolder(key) + "/designs.json");
        if (!text)
            continue;
        const nlohmann::json j = nlohmann::json::parse(*text, nullptr, false);
        if (!j.is_object() || !j.contains("items") || !j["items"].is_array()) {
            std::cout << "standin: ignoring unreadable design list of " << key << std::endl;
            continue;
        }
        User user;
        user.uuid = j.value("uuid", key);
        for (const auto& item : j["items"]) {
            if (!item.is_object())
                continue;
            DesignRecord record = fromJson(item);
            m_nextId = std::max(m_nextId, record.id + 1);
            user.designs.push_back(std::move(record));
        }
        m_users[key] = std::move(user);
    }
}

bool DesignStore::save(const std::string& key, const User& user) const
{
    nlohmann::json items = nlohmann::json::array();
    for (const auto& record : user.designs)
        items.push_back(toJson(record));
    const nlohmann::json j = { { "uuid", user.uuid }, { "items", items } };
    return FileUtil::writeWhole(userFolder(key) + "/designs.json", j.dump(2));
}

const DesignRecord* DesignStore::find(const std::string& key, int id) const
{
    const auto user = m_users.find(key);
    if (user == m_users.end())
        return nullptr;
    const auto& list = user->second.designs;
    const auto found = std::find_if(list.begin(), list.end(), [id](const DesignRecord& r) { return r.id == id; });
    return found != list.end() ? &*found : nullptr;
}

std::vector<DesignRecord> DesignStore::designs(const std::string& uuid) const
{
    std::lock_guard lock(m_mutex);
    const auto user = m_users.find(userKey(uuid));
    return user != m_users.end() ? user->second.designs : std::vector<DesignRecord> {};
}

std::optional<DesignRecord> DesignStore::design(const std::string& uuid, int id) const
{
    std::lock_guard lock(m_mutex);
    const DesignRecord* record = find(userKey(uuid), id);
    return record ? std::optional<DesignRecord>(*record) : std::nullopt;
}

std::optional<std::string> DesignStore::svg(const std::string& uuid, int id) const
{
    return svgByUserKey(userKey(uuid), id);
}

std::optional<std::string> DesignStore::svgByUserKey(const std::string& key, int id) const
{
    std::lock_guard lock(m_mutex);
    if (!find(key, id))
        return std::nullopt;
    return FileUtil::read(svgPath(key, id));
}

std::optional<DesignRecord> DesignStore::add(const std::string& uuid, DesignRecord record, const std::string& svg)
{
    std::lock_guard lock(m_mutex);
    const std::string key = userKey(uuid);
    record.id = m_nextId;
    record.revision = 1;
    record.created = QDateTime::currentSecsSinceEpoch();
    if (!FileUtil::writeWhole(svgPath(key, record.id), svg))
        return std::nullopt;
    User user = m_users.count(key) ? m_users[key] : User { uuid, {} };
    user.designs.insert(user.designs.begin(), record);
    if (!save(key, user)) {
        QFile::remove(QString::fromStdString(svgPath(key, record.id)));
        return std::nullopt;
    }
    m_users[key] = std::move(user);
    ++m_nextId;
    return record;
}

std::optional<DesignRecord> DesignStore::replaceSvg(const std::string& uuid, int id, const std::string& svg)
{
    std::lock_guard lock(m_mutex);
    const std::string key = userKey(uuid);
    if (!find(key, id))
        return std::nullopt;
    User user = m_users[key];
    auto& record
        = *std::find_if(user.designs.begin(), user.designs.end(), [id](const DesignRecord& r) { return r.id == id; });
    ++record.revision;
    const DesignRecord updated = record;
    if (!FileUtil::writeWhole(svgPath(key, id), svg) || !save(key, user))
        return std::nullopt;
    m_users[key] = std::move(user);
    return updated;
}

bool DesignStore::remove(const std::string& uuid, int id)
{
    std::lock_guard lock(m_mutex);
    const std::string key = userKey(uuid);
    if (!find(key, id))
        return false;
    User user = m_users[key];
    std::erase_if(user.designs, [id](const DesignRecord& r) { return r.id == id; });
    if (!save(key, user))
        return false;
    m_users[key] = std::move(user);
    QFile::remove(QString::fromStdString(svgPath(key, id)));
    return true;
}

} // namespace standin
