#include "pictures/decoding/BmpRleDecoder.h"

#include <cstring>

namespace {

// Puts `count` indexes at `x` of `line`, dropping those beyond its end; the
// n-th index is `indexAt(n)`.
template <class IndexAt> void put(uchar* line, int width, int x, int count, IndexAt indexAt)
{
    for (int n = 0; n < count && x + n < width; ++n)
        line[x + n] = indexAt(n);
}

} // namespace

QImage BmpRleDecoder::decode(const QByteArray& bytes, const BmpHeader& header)
{
    QImage image(header.width, header.rows, QImage::Format_Indexed8);
    if (image.isNull() || header.storage == BmpHeader::Storage::Plain)
        return {};
    QList<QRgb> colours = header.colours;
    // An index beyond the palette shows black, not whatever memory follows it.
    colours.resize(256, qRgb(0, 0, 0));
    image.setColorTable(colours);
    image.fill(0);
    const bool nibbles = header.storage == BmpHeader::Storage::Rle4;
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const qint64 end = bytes.size();
    qint64 at = header.pixelsAt;
    int x = 0;
    int y = 0; // in the order the rows are stored
    const auto line = [&] { return image.scanLine(header.bottomUp ? header.rows - 1 - y : y); };
    while (y < header.rows) {
        if (end - at < 2)
            return {};
        const int count = data[at];
        const int code = data[at + 1];
        at += 2;
        if (count > 0) { // a run of one index, or of two alternating ones
            if (nibbles)
                put(line(), header.width, x, count, [code](int n) { return n % 2 ? code & 0x0f : code >> 4; });
            else if (x < header.width)
                std::memset(line() + x, code, size_t(qMin(count, header.width - x)));
            x = qMin(x + count, header.width);
        } else if (code == 0) { // end of the row
            x = 0;
            ++y;
        } else if (code == 1) { // end of the picture
            break;
        } else if (code == 2) { // a move right and down
            if (end - at < 2)
                return {};
            x = qMin(x + data[at], header.width);
            y += data[at + 1];
            at += 2;
        } else { // `code` indexes as they are, padded to a 16-bit word
            const qint64 length = nibbles ? (code + 1) / 2 : code;
            if (end - at < length)
                return {};
            const uchar* indexes = data + at;
            if (nibbles)
                put(line(), header.width, x, code,
                    [indexes](int n) { return n % 2 ? indexes[n / 2] & 0x0f : indexes[n / 2] >> 4; });
            else
                put(line(), header.width, x, code, [indexes](int n) { return indexes[n]; });
            x = qMin(x + code, header.width);
            at += length + length % 2;
        }
    }
    return image;
}
