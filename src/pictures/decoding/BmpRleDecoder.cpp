#include "pictures/decoding/BmpRleDecoder.h"

#include <algorithm>

namespace {

using Place = BmpRleDecoder::Place;

// Walks the runs from `place` to the start of stored row `endRow` or the
// picture's end, handing each stretch of indexes to `put(row, x, count,
// indexAt)`, the n-th index `indexAt(n)`, or for a run of one index to
// `fill(row, x, count, index)`; `row` is where the walk entered the row the
// stretch is on. False when the runs stop first, inside the file or at its end.
template <class Put, class Fill>
bool walkRuns(const QByteArray& bytes, const BmpHeader& header, Place place, int endRow, Put put, Fill fill)
{
    const bool nibbles = header.storage == BmpHeader::Storage::Rle4;
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const qint64 end = bytes.size();
    Place row = place;
    while (place.y < endRow) {
        if (end - place.at < 2)
            return false;
        const int count = data[place.at];
        const int code = data[place.at + 1];
        place.at += 2;
        if (count > 0) { // a run of one index, or of two alternating ones
            if (nibbles)
                put(row, place.x, count, [code](int n) { return n % 2 ? code & 0x0f : code >> 4; });
            else
                fill(row, place.x, count, code);
            place.x = qMin(place.x + count, header.width);
        } else if (code == 0) { // end of the row
            place.x = 0;
            ++place.y;
            row = place;
        } else if (code == 1) { // end of the picture
            return true;
        } else if (code == 2) { // a move right and down
            if (end - place.at < 2)
                return false;
            place.x = qMin(place.x + data[place.at], header.width);
            const int down = data[place.at + 1];
            place.at += 2;
            if (down > 0) {
                place.y = int(qMin(qint64(place.y) + down, qint64(header.rows)));
                row = place;
            }
        } else { // `code` indexes as they are, padded to a 16-bit word
            const qint64 length = nibbles ? (code + 1) / 2 : code;
            if (end - place.at < length)
                return false;
            const uchar* indexes = data + place.at;
            if (nibbles)
                put(row, place.x, code,
                    [indexes](int n) { return n % 2 ? indexes[n / 2] & 0x0f : indexes[n / 2] >> 4; });
            else
                put(row, place.x, code, [indexes](int n) { return indexes[n]; });
            place.x = qMin(place.x + code, header.width);
            place.at += length + length % 2;
        }
    }
    return true;
}

} // namespace

BmpRleDecoder::BmpRleDecoder(const QByteArray& bytes, const BmpHeader& header)
    : m_bytes(bytes)
    , m_header(header)
{
}

std::optional<BmpRleDecoder> BmpRleDecoder::read(const QByteArray& bytes, const BmpHeader& header)
{
    if (header.storage == BmpHeader::Storage::Plain)
        return {};
    BmpRleDecoder decoder(bytes, header);
    std::vector<Place>& rows = decoder.m_rows;
    // A row is noted once, where the walk entered it, when a run reaches it:
    // one that no run reaches is left to the stretches between.
    const auto reached = [&rows](const Place& row) {
        if (rows.empty() || rows.back().y != row.y)
            rows.push_back(row);
    };
    if (!walkRuns(
            bytes, header, { header.pixelsAt, 0, 0 }, header.rows,
            [&](const Place& row, int, int, auto) { reached(row); },
            [&](const Place& row, int, int, int) { reached(row); }))
        return {};
    return decoder;
}

void BmpRleDecoder::decode(const QList<QRgb>& palette, AreaAverager& averager) const
{
    const int width = m_header.width;
    std::vector<AreaAverager::Run> runs; // of the row at hand
    const auto append = [&](int x, int length, QRgb colour) {
        if (length <= 0)
            return;
        if (!runs.empty() && runs.back().colour == colour && runs.back().x + runs.back().length == x)
            runs.back().length += length;
        else
            runs.push_back({ x, length, colour });
    };
    // Pixels [x, x + length) of the row, and those the runs skipped before x.
    const auto cover = [&](int x, int length, QRgb colour) {
        const int covered = runs.empty() ? 0 : runs.back().x + runs.back().length;
        append(covered, x - covered, palette[0]);
        append(x, length, colour);
    };
    const auto addRow = [&](int count) {
        cover(width, 0, palette[0]);
        averager.add(runs, count);
        runs.clear();
    };
    int next = 0; // the next row from the top to hand on
    const auto decodeRow = [&](const Place& start) {
        const int top = m_header.bottomUp ? m_header.rows - 1 - start.y : start.y;
        if (top > next)
            addRow(top - next);
        walkRuns(
            m_bytes, m_header, start, start.y + 1,
            [&](const Place&, int x, int count, auto indexAt) {
                for (int n = 0; n < count && x + n < width; ++n)
                    cover(x + n, 1, palette[indexAt(n)]);
            },
            [&](const Place&, int x, int count, int index) {
                if (x < width)
                    cover(x, qMin(count, width - x), palette[index]);
            });
        addRow(1);
        next = top + 1;
    };
    if (m_header.bottomUp)
        std::for_each(m_rows.rbegin(), m_rows.rend(), decodeRow);
    else
        std::for_each(m_rows.begin(), m_rows.end(), decodeRow);
    if (m_header.rows > next)
        addRow(m_header.rows - next);
}
