#include "pictures/decoding/BmpRleDecoder.h"

#include "pictures/decoding/RunLengthRow.h"

namespace {

using Place = BmpRleDecoder::Place;

// The most stretches a bottom-up picture is walked in, whose notes stay
// within a megabyte however many rows the file claims; a stretch is then
// few pixels (its rows times the width, within the picture bound).
constexpr qint64 mostStretches = 1 << 16;

// Walks the runs from `place` to the start of stored row `endRow` or the
// picture's end, handing each stretch of indexes to `put(row, x, count,
// indexAt)`, the n-th index `indexAt(n)`, or for a run of one index to
// `fill(row, x, count, index)`; `row` is where the walk entered the row the
// stretch is on. False when the runs stop first, inside the file or at its
// end, unless they have filled the last stored row to its end.
template <class Put, class Fill>
bool walkRuns(const QByteArray& bytes, const BmpHeader& header, Place place, int endRow, Put put, Fill fill)
{
    // Copied, so that they stay in registers whatever the callbacks write.
    const bool nibbles = header.storage == BmpHeader::Storage::Rle4;
    const int width = header.width;
    const int rows = header.rows;
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const qint64 end = bytes.size();
    const auto whole = [&] { return place.y == rows - 1 && place.x == width; };
    Place row = place;
    while (place.y < endRow) {
        if (end - place.at < 2)
            return whole();
        const int count = data[place.at];
        const int code = data[place.at + 1];
        place.at += 2;
        if (count > 0) { // a run of one index, or of two alternating ones
            if (!nibbles || code >> 4 == (code & 0x0f))
                fill(row, place.x, count, nibbles ? code & 0x0f : code);
            else
                put(row, place.x, count, [code](int n) { return n % 2 ? code & 0x0f : code >> 4; });
            place.x = qMin(place.x + count, width);
        } else if (code == 0) { // end of the row
            place.x = 0;
            ++place.y;
            row = place;
        } else if (code == 1) { // end of the picture
            return true;
        } else if (code == 2) { // a move right and down
            if (end - place.at < 2)
                return whole();
            place.x = qMin(place.x + data[place.at], width);
            const int down = data[place.at + 1];
            place.at += 2;
            if (down > 0) {
                place.y = int(qMin(qint64(place.y) + down, qint64(rows)));
                row = place;
            }
        } else { // `code` indexes as they are, padded to a 16-bit word
            const qint64 length = nibbles ? (code + 1) / 2 : code;
            if (end - place.at < length)
                return whole();
            const uchar* indexes = data + place.at;
            if (nibbles)
                put(row, place.x, code,
                    [indexes](int n) { return n % 2 ? indexes[n / 2] & 0x0f : indexes[n / 2] >> 4; });
            else
                put(row, place.x, code, [indexes](int n) { return indexes[n]; });
            place.x = qMin(place.x + code, width);
            place.at += length + length % 2;
        }
    }
    return true;
}

// Walks the runs as walkRuns does, into the RunLengthRow `rowAt(y)` gives for
// stored row y, asked once a row.
template <class RowAt>
void walkRows(const QByteArray& bytes, const BmpHeader& header, Place place, int endRow, RowAt rowAt)
{
    const int width = header.width;
    int y = -1;
    RunLengthRow* into = nullptr;
    const auto rowOf = [&](const Place& row) -> RunLengthRow& {
        if (row.y != y) {
            y = row.y;
            into = &rowAt(y);
        }
        return *into;
    };
    walkRuns(
        bytes, header, place, endRow,
        [&](const Place& row, int x, int count, auto indexAt) {
            RunLengthRow& pixels = rowOf(row);
            for (int n = 0; n < count && x + n < width; ++n)
                pixels.fill(x + n, 1, indexAt(n));
        },
        [&](const Place& row, int x, int count, int index) { rowOf(row).fill(x, count, index); });
}

} // namespace

BmpRleDecoder::BmpRleDecoder(const QByteArray& bytes, const BmpHeader& header)
    : m_bytes(bytes)
    , m_header(header)
    , m_rowsPerStretch(int(qMax(qint64(1), (header.rows + mostStretches - 1) / mostStretches)))
{
}

std::optional<BmpRleDecoder> BmpRleDecoder::read(const QByteArray& bytes, const BmpHeader& header)
{
    if (header.storage == BmpHeader::Storage::Plain)
        return {};
    BmpRleDecoder decoder(bytes, header);
    // Top down, the rows come in the order the averager takes them, and one
    // walk from the first run hands them on. Bottom up, a stretch is noted
    // where the walk entered it, when a run reaches it: one that no run
    // reaches is left to the stretches of untouched rows.
    std::vector<Place>& notes = decoder.m_notes;
    const bool bottomUp = header.bottomUp;
    qint64 stretchEnd = 0; // the row after the stretch last noted
    const auto reached = [&](const Place& row) {
        if (!bottomUp || row.y < stretchEnd)
            return;
        notes.push_back(row);
        stretchEnd = (qint64(row.y) / decoder.m_rowsPerStretch + 1) * decoder.m_rowsPerStretch;
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
    RunLengthRow untouched(width, palette);
    int next = 0; // the next row from the top to hand on
    // The rows above `top` that no run reached, then `row` as row `top`.
    const auto handOn = [&](RunLengthRow& row, int top) {
        if (top > next)
            untouched.addTo(averager, top - next);
        row.addTo(averager);
        next = top + 1;
    };
    if (!m_header.bottomUp) {
        RunLengthRow row(width, palette);
        int y = -1;
        walkRows(m_bytes, m_header, { m_header.pixelsAt, 0, 0 }, m_header.rows, [&](int at) -> RunLengthRow& {
            if (y >= 0)
                handOn(row, y);
            y = at;
            return row;
        });
        if (y >= 0)
            handOn(row, y);
    } else {
        // The rows of a stretch that runs reach, in the order they are stored, and which row each is.
        std::vector<RunLengthRow> rows;
        std::vector<int> stored;
        for (auto note = m_notes.rbegin(); note != m_notes.rend(); ++note) {
            const int end = int(qMin(qint64(note->y / m_rowsPerStretch + 1) * m_rowsPerStretch, qint64(m_header.rows)));
            size_t reached = 0;
            walkRows(m_bytes, m_header, *note, end, [&](int at) -> RunLengthRow& {
                if (reached == 0 || stored[reached - 1] != at) {
                    if (reached == rows.size()) {
                        rows.emplace_back(width, palette);
                        stored.push_back(at);
                    }
                    stored[reached++] = at;
                }
                return rows[reached - 1];
            });
            while (reached > 0) {
                --reached;
                handOn(rows[reached], m_header.rows - 1 - stored[reached]);
            }
        }
    }
    if (m_header.rows > next)
        untouched.addTo(averager, m_header.rows - next);
}
