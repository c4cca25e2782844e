#include "pictures/decoding/PngChunks.h"

#include <QtEndian>
#include <cstring>

namespace {

const QByteArray& signature()
{
    static const QByteArray bytes("\x89PNG\r\n\x1a\n", 8);
    return bytes;
}

} // namespace

bool PngChunks::isPng(const QByteArray& bytes)
{
    return bytes.startsWith(signature());
}

PngChunks::PngChunks(const QByteArray& bytes)
{
    if (!isPng(bytes))
        return;
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    qint64 at = signature().size();
    // Each chunk: its data length, its type, the data, a checksum.
    while (at + 8 <= bytes.size()) {
        if (std::memcmp(data + at + 4, "IEND", 4) == 0) {
            m_end = true;
            break;
        }
        const qint64 length = qFromBigEndian<quint32>(data + at);
        if (length > bytes.size() - at - 12)
            return;
        if (std::memcmp(data + at + 4, "IDAT", 4) == 0)
            m_compressed += length;
        at += 12 + length;
    }
    m_fit = true;
}
