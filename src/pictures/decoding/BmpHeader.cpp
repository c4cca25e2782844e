#include "pictures/decoding/BmpHeader.h"

#include <QtEndian>
#include <limits>

namespace {

constexpr int fileHeaderSize = 14;
constexpr int os2InfoSize = 12;
constexpr int windowsInfoSize = 40;

std::optional<BmpHeader::Storage> storageOf(quint32 compression, int bits)
{
    switch (compression) {
    case 0: // plain RGB or palette indexes
        if (bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32)
            return BmpHeader::Storage::Plain;
        return {};
    case 1:
        return bits == 8 ? std::optional(BmpHeader::Storage::Rle8) : std::nullopt;
    case 2:
        return bits == 4 ? std::optional(BmpHeader::Storage::Rle4) : std::nullopt;
    case 3: // bit fields
    case 6: // bit fields with alpha
        return bits == 16 || bits == 32 ? std::optional(BmpHeader::Storage::Plain) : std::nullopt;
    default:
        return {};
    }
}

} // namespace

std::optional<BmpHeader> BmpHeader::read(const QByteArray& bytes)
{
    if (bytes.size() < fileHeaderSize + os2InfoSize || !bytes.startsWith("BM"))
        return {};
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const quint32 pixelsAt = qFromLittleEndian<quint32>(data + 10);
    const quint32 infoSize = qFromLittleEndian<quint32>(data + 14);
    const bool os2 = infoSize == os2InfoSize;
    if (!os2 && (infoSize < windowsInfoSize || bytes.size() < fileHeaderSize + windowsInfoSize))
        return {};
    // OS/2's sizes are unsigned; its rows are stored bottom up, without compression.
    const qint32 width = os2 ? qFromLittleEndian<quint16>(data + 18) : qFromLittleEndian<qint32>(data + 18);
    const qint32 height = os2 ? qFromLittleEndian<quint16>(data + 20) : qFromLittleEndian<qint32>(data + 22);
    const quint16 bits = qFromLittleEndian<quint16>(data + (os2 ? 24 : 28));
    const std::optional<Storage> storage = storageOf(os2 ? 0 : qFromLittleEndian<quint32>(data + 30), bits);
    const quint32 coloursUsed = os2 ? 0 : qFromLittleEndian<quint32>(data + 46);
    if (width <= 0 || height == 0 || height == std::numeric_limits<qint32>::min() || !storage
        || pixelsAt < qint64(fileHeaderSize) + infoSize)
        return {};
    BmpHeader header;
    header.pixelsAt = pixelsAt;
    header.width = width;
    header.rows = height > 0 ? height : -height;
    header.bottomUp = height > 0;
    header.bits = bits;
    header.storage = *storage;
    header.os2 = os2;
    if (bits <= 8) {
        // The palette sits between the info header and the pixels.
        const int entryBytes = os2 ? 3 : 4;
        const qint64 paletteAt = fileHeaderSize + qint64(infoSize);
        const qint64 named = coloursUsed == 0 ? qint64(1) << bits : qMin<qint64>(coloursUsed, 256);
        const qint64 count = qMin(named, (qMin<qint64>(pixelsAt, bytes.size()) - paletteAt) / entryBytes);
        for (qint64 i = 0; i < count; ++i) {
            const uchar* entry = data + paletteAt + entryBytes * i; // blue, green, red
            header.colours << qRgb(entry[2], entry[1], entry[0]);
        }
    }
    return header;
}
