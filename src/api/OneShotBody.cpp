#include "api/OneShotBody.h"

#include <algorithm>
#include <cstring>

OneShotBody::OneShotBody(QByteArray bytes, QObject* parent)
    : QIODevice(parent)
    , m_bytes(std::move(bytes))
{
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

bool OneShotBody::seek(qint64 position)
{
    if (position < pos() || position > size())
        return false;
    return QIODevice::seek(position);
}

qint64 OneShotBody::readData(char* data, qint64 maxSize)
{
    const qint64 count = std::min(maxSize, size() - pos());
    if (count <= 0)
        return maxSize == 0 ? 0 : -1;
    std::memcpy(data, m_bytes.constData() + pos(), static_cast<std::size_t>(count));
    return count;
}

qint64 OneShotBody::writeData(const char*, qint64)
{
    return -1;
}
