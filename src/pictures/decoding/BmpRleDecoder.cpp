#include "pictures/decoding/BmpRleDecoder.h"

#include <cstring>

namespace {

// Walks the runs from the first pixel to the picture's end, handing each
// stretch of indexes to `put(y, x, count, indexAt)`, `y` in the order the
// rows are stored and the n-th index `indexAt(n)`, or for a run of one
// index `fill(y, x, count, index)`. False when the runs stop before the
// picture's end, inside the file or at its end.
template <class Put, class Fill> bool walkRuns(const QByteArray& bytes, const BmpHeader& header, Put put, Fill fill)
{
    const bool nibbles = header.storage == BmpHeader::Storage::Rle4;
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const qint64 end = bytes.size();
    qint64 at = header.pixelsAt;
    int x = 0;
    int y = 0;
    while (y < header.rows) {
        if (end - at < 2)
            return false;
        const int count = data[at];
        const int code = data[at + 1];
        at += 2;
        if (count > 0) { // a run of one index, or of two alternating ones
            if (nibbles)
                put(y, x, count, [code](int n) { return n % 2 ? code & 0x0f : code >> 4; });
            else
                fill(y, x, count, code);
            x = qMin(x + count, header.width);
        } else if (code == 0) { // end of the row
            x = 0;
            ++y;
        } else if (code == 1) { // end of the picture
            return true;
        } else if (code == 2) { // a move right and down
            if (end - at < 2)
                return false;
            x = qMin(x + data[at], header.width);
            y += data[at + 1];
            at += 2;
        } else { // `code` indexes as they are, padded to a 16-bit word
            const qint64 length = nibbles ? (code + 1) / 2 : code;
            if (end - at < length)
                return false;
            const uchar* indexes = data + at;
            if (nibbles)
                put(y, x, code, [indexes](int n) { return n % 2 ? indexes[n / 2] & 0x0f : indexes[n / 2] >> 4; });
            else
                put(y, x, code, [indexes](int n) { return indexes[n]; });
            x = qMin(x + code, header.width);
            at += length + length % 2;
        }
    }
    return true;
}

} // namespace

QImage BmpRleDecoder::decode(const QByteArray& bytes, const BmpHeader& header)
{
    if (header.storage == BmpHeader::Storage::Plain)
        return {};
    // A few bytes may claim a picture of any size: its runs must reach its
    // end within the file before a picture is sized for them.
    const auto skip = [](int, int, int, auto) {};
    if (!walkRuns(bytes, header, skip, skip))
        return {};
    QImage image(header.width, header.rows, QImage::Format_Indexed8);
    if (image.isNull())
        return {};
    QList<QRgb> colours = header.colours;
    // An index beyond the palette shows black, not whatever memory follows it.
    colours.resize(256, qRgb(0, 0, 0));
    image.setColorTable(colours);
    image.fill(0);
    const auto line = [&](int y) { return image.scanLine(header.bottomUp ? header.rows - 1 - y : y); };
    const int width = header.width;
    walkRuns(
        bytes, header,
        [&](int y, int x, int count, auto indexAt) {
            uchar* row = line(y);
            for (int n = 0; n < count && x + n < width; ++n)
                row[x + n] = uchar(indexAt(n));
        },
        [&](int y, int x, int count, int index) {
            if (x < width)
                std::memset(line(y) + x, index, size_t(qMin(count, width - x)));
        });
    return image;
}
