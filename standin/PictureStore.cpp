#include "standin/PictureStore.h"

#include "standin/FileUtil.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QImageReader>
#include <QRandomGenerator>
#include <regex>

namespace standin {

PictureStore::PictureStore(std::string dataDirectory)
    : m_root(std::move(dataDirectory) + "/pictures")
    , m_secret(std::to_string(QRandomGenerator::system()->generate64()))
{
    const QDir root(QString::fromStdString(m_root));
    for (const QString& name : root.entryList({ "*.png" }, QDir::Files)) {
        bool ok = false;
        const long long id = name.chopped(4).toLongLong(&ok);
        if (ok && id >= m_nextId)
            m_nextId = id + 1;
    }
}

std::string PictureStore::path(const std::string& id) const
{
    return m_root + "/" + id + ".png";
}

std::string PictureStore::issue(const std::string& uuid)
{
    std::lock_guard lock(m_mutex);
    const std::string id = std::to_string(m_nextId++);
    m_owners[id] = uuid;
    return id;
}

std::string PictureStore::signature(const std::string& id) const
{
    const QByteArray digest
        = QCryptographicHash::hash(QByteArray::fromStdString(m_secret + ":" + id), QCryptographicHash::Sha256);
    return digest.toHex().left(32).toStdString();
}

bool PictureStore::isPng(const std::string& bytes)
{
    static const std::string magic("\x89PNG\r\n\x1a\n", 8);
    return bytes.size() > magic.size() && bytes.compare(0, magic.size(), magic) == 0;
}

bool PictureStore::decodesAsPng(const std::string& bytes)
{
    if (!isPng(bytes))
        return false;
    QByteArray data = QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    return !reader.read().isNull();
}

PictureStore::PutResult PictureStore::put(
    const std::string& id, const std::string& givenSignature, long long expires, const std::string& body)
{
    {
        std::lock_guard lock(m_mutex);
        if (!m_owners.count(id) || givenSignature != signature(id))
            return PutResult::Forbidden;
    }
    if (expires < QDateTime::currentSecsSinceEpoch())
        return PutResult::Expired;
    if (body.size() > maxUploadBytes)
        return PutResult::TooLarge;
    if (!decodesAsPng(body))
        return PutResult::NotPng;
    std::lock_guard lock(m_mutex);
    return FileUtil::writeWhole(path(id), body) ? PutResult::Stored : PutResult::WriteFailed;
}

std::optional<std::string> PictureStore::uploaded(const std::string& uuid, const std::string& id) const
{
    std::lock_guard lock(m_mutex);
    const auto owner = m_owners.find(id);
    if (owner == m_owners.end() || owner->second != uuid)
        return std::nullopt;
    return FileUtil::read(path(id));
}

std::optional<std::string> PictureStore::picture(const std::string& id) const
{
    static const std::regex digits("[0-9]{1,18}");
    if (!std::regex_match(id, digits))
        return std::nullopt;
    std::lock_guard lock(m_mutex);
    return FileUtil::read(path(id));
}

} // namespace standin
