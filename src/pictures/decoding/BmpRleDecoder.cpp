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

void BmpRleDecoder::decode(const AddRows& add) const
{
    const int width = m_header.width;
    std::vector<uchar> row(size_t(m_header.width));
    int next = 0; // the next row from the top to hand on
    const auto firstIndexUntil = [&](int top) {
        if (top == next)
            return;
        std::fill(row.begin(), row.end(), 0);
        add(row.data(), top - next);
    };
    const auto decodeRow = [&](const Place& start) {
        const int top = m_header.bottomUp ? m_header.rows - 1 - start.y : start.y;
        firstIndexUntil(top);
        std::fill(row.begin(), row.end(), 0);
        walkRuns(
            m_bytes, m_header, start, start.y + 1,
            [&](const Place&, int x, int count, auto indexAt) {
                for (int n = 0; n < count && x + n < width; ++n)
                    row[size_t(x + n)] = uchar(indexAt(n));
            },
            [&](const Place&, int x, int count, int index) {
                std::fill_n(row.begin() + x, qMin(count, width - x), uchar(index));
            });
        add(row.data(), 1);
        next = top + 1;
    };
    if (m_header.bottomUp)
        std::for_each(m_rows.rbegin(), m_rows.rend(), decodeRow);
    else
        std::for_each(m_rows.begin(), m_rows.end(), decodeRow);
    firstIndexUntil(m_header.rows);
}
