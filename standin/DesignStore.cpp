#include "standin/DesignStore.h"

#include "standin/FileUtil.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstdint>
#include <iostream>
#include <limits>
#include <nlohmann/json.hpp>
#include <regex>
#include <utility>

namespace standin {

namespace {

nlohmann::json toJson(const DesignRecord& r)
{
    return { { "id", r.id }, { "title", r.title }, { "origin", r.origin }, { "hasTraits", r.hasTraits },
        { "industryId", r.traits.industryId }, { "symbolId", r.traits.symbolId },
        { "designStyle", r.traits.designStyle }, { "tone", r.traits.tone }, { "palette", r.traits.palette },
        { "ver", r.ver }, { "revision", r.revision }, { "created", r.created } };
}

// The stored lists are files on disk that may have been edited or written by
// another version: a field of another type keeps its default.
template <class Number> void readNumber(const nlohmann::json& j, const char* key, Number& field)
{
    const auto it = j.find(key);
    if (it == j.end() || !it->is_number_integer())
        return;
    if (it->is_number_unsigned() && it->get<std::uint64_t>() > std::uint64_t(std::numeric_limits<long long>::max()))
        return;
    const auto value = it->get<long long>();
    if (std::in_range<Number>(value))
        field = static_cast<Number>(value);
}

void readText(const nlohmann::json& j, const char* key, std::string& field)
{
    const auto it = j.find(key);
    if (it != j.end() && it->is_string())
        field = it->get<std::string>();
}

void readFlag(const nlohmann::json& j, const char* key, bool& field)
{
    const auto it = j.find(key);
    if (it != j.end() && it->is_boolean())
        field = it->get<bool>();
}

// A record whose id is missing, of another type or not positive is skipped.
std::optional<DesignRecord> fromJson(const nlohmann::json& j)
{
    DesignRecord r;
    readNumber(j, "id", r.id);
    if (r.id <= 0)
        return std::nullopt;
    readText(j, "title", r.title);
    readText(j, "origin", r.origin);
    readFlag(j, "hasTraits", r.hasTraits);
    readNumber(j, "industryId", r.traits.industryId);
    readNumber(j, "symbolId", r.traits.symbolId);
    readNumber(j, "designStyle", r.traits.designStyle);
    readNumber(j, "tone", r.traits.tone);
    readNumber(j, "palette", r.traits.palette);
    readText(j, "ver", r.ver);
    readNumber(j, "revision", r.revision);
    readNumber(j, "created", r.created);
    return r;
}

// The id after the largest "<id>.svg" in `folder`: a design list that could
// not be read still leaves its designs' files, whose ids stay taken.
long long idAfterSvgFiles(const QString& folder)
{
    long long next = 0;
    for (const QString& name : QDir(folder).entryList({ QStringLiteral("*.svg") }, QDir::Files)) {
        bool ok = false;
        const long long id = name.chopped(4).toLongLong(&ok);
        if (ok && id > 0 && id < std::numeric_limits<long long>::max())
            next = std::max(next, id + 1);
    }
    return next;
}

// Moves an unreadable list out of the way under a name of its own, so it is
// kept for a look and never overwritten by the next save.
void setAside(const QString& listPath)
{
    QString target = listPath + QStringLiteral(".unreadable");
    for (int n = 2; QFile::exists(target); ++n)
        target = listPath + QStringLiteral(".unreadable-%1").arg(n);
    if (QFile::rename(listPath, target))
        std::cout << "standin: kept an unreadable design list aside as " << target.toStdString() << std::endl;
    else
        std::cout << "standin: ignoring unreadable design list " << listPath.toStdString() << std::endl;
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

std::string DesignStore::svgPath(const std::string& key, long long id) const
{
    return userFolder(key) + "/" + std::to_string(id) + ".svg";
}

std::string DesignStore::nextIdPath() const
{
    return m_root + "/next-id";
}

void DesignStore::load()
{
    // Ids are never handed out twice, also after the largest one was deleted.
    if (const auto stored = FileUtil::read(nextIdPath())) {
        bool ok = false;
        const long long next = QByteArray::fromStdString(*stored).trimmed().toLongLong(&ok);
        if (ok)
            m_nextId = std::max(m_nextId, next);
    }
    const QDir root(QString::fromStdString(m_root));
    for (const QString& folder : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const std::string key = folder.toStdString();
        m_nextId = std::max(m_nextId, idAfterSvgFiles(QString::fromStdString(userFolder(key))));
        const std::string listPath = userFolder(key) + "/designs.json";
        const auto text = FileUtil::read(listPath);
        if (!text)
            continue;
        const nlohmann::json j = nlohmann::json::parse(*text, nullptr, false);
        if (!j.is_object() || !j.contains("items") || !j["items"].is_array()) {
            setAside(QString::fromStdString(listPath));
            continue;
        }
        User user { key, {} };
        readText(j, "uuid", user.uuid);
        for (const auto& item : j["items"]) {
            std::optional<DesignRecord> record = item.is_object() ? fromJson(item) : std::nullopt;
            // The largest id leaves no id for the next design.
            if (!record || record->id == std::numeric_limits<long long>::max())
                continue;
            m_nextId = std::max(m_nextId, record->id + 1);
            user.designs.push_back(std::move(*record));
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
    // A uuid or title that is not UTF-8 is kept with replacement characters;
    // the folder name (the user key) still comes from the original bytes.
    return FileUtil::writeWhole(
        userFolder(key) + "/designs.json", j.dump(2, ' ', false, nlohmann::json::error_handler_t::replace));
}

const DesignRecord* DesignStore::find(const std::string& key, long long id) const
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

std::optional<DesignRecord> DesignStore::design(const std::string& uuid, long long id) const
{
    std::lock_guard lock(m_mutex);
    const DesignRecord* record = find(userKey(uuid), id);
    return record ? std::optional<DesignRecord>(*record) : std::nullopt;
}

std::optional<std::string> DesignStore::svg(const std::string& uuid, long long id) const
{
    return svgByUserKey(userKey(uuid), id);
}

std::optional<std::string> DesignStore::svgByUserKey(const std::string& key, long long id) const
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
    const std::string path = svgPath(key, record.id);
    if (!FileUtil::writeWhole(path, svg))
        return std::nullopt;
    User user = m_users.count(key) ? m_users[key] : User { uuid, {} };
    user.designs.insert(user.designs.begin(), record);
    bool saved = false;
    try {
        saved = save(key, user);
    } catch (...) {
        QFile::remove(QString::fromStdString(path));
        throw;
    }
    if (!saved) {
        QFile::remove(QString::fromStdString(path));
        return std::nullopt;
    }
    m_users[key] = std::move(user);
    ++m_nextId;
    // Without the file, the next run still starts past every listed id.
    FileUtil::writeWhole(nextIdPath(), std::to_string(m_nextId));
    return record;
}

std::optional<DesignRecord> DesignStore::replaceSvg(const std::string& uuid, long long id, const std::string& svg)
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

bool DesignStore::remove(const std::string& uuid, long long id)
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
