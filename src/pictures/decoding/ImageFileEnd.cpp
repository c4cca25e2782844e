#include "pictures/decoding/ImageFileEnd.h"

#include "pictures/decoding/PngChunks.h"

namespace {

bool isRestartMarker(uchar marker)
{
    return marker >= 0xD0 && marker <= 0xD7;
}

} // namespace

bool ImageFileEnd::isComplete(const QByteArray& bytes, const QByteArray& format)
{
    if (format == "jpeg" || format == "jpg")
        return jpegReachesItsEnd(bytes);
    if (format == "png")
        return PngChunks(bytes).reachTheEnd();
    return true;
}

// Walks the segments, skipping each by its length and each scan's coded data
// up to the next marker, so an end marker inside an embedded thumbnail or
// after the image (a camera's trailer) is never mistaken for the image's own.
bool ImageFileEnd::jpegReachesItsEnd(const QByteArray& bytes)
{
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype size = bytes.size();
    if (size < 4 || data[0] != 0xFF || data[1] != 0xD8)
        return false;
    qsizetype at = 2;
    while (at + 1 < size) {
        // Stray bytes between segments are tolerated, as decoders tolerate them.
        if (data[at] != 0xFF || data[at + 1] == 0xFF) {
            ++at;
            continue;
        }
        const uchar marker = data[at + 1];
        at += 2;
        if (marker == 0xD9)
            return true;
        if (marker == 0x01 || isRestartMarker(marker))
            continue;
        if (at + 1 >= size)
            return false;
        const qsizetype length = (qsizetype(data[at]) << 8) | data[at + 1];
        if (length < 2)
            return false;
        at += length;
        if (marker != 0xDA)
            continue;
        // Coded data: 0xFF is followed by 0x00 (a data byte) or a restart marker.
        while (at + 1 < size && !(data[at] == 0xFF && data[at + 1] != 0x00 && !isRestartMarker(data[at + 1])))
            ++at;
    }
    return false;
}
