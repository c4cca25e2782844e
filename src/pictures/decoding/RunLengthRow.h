#pragma once

#include "pictures/decoding/AreaAverager.h"

#include <QList>
#include <QRgb>
#include <algorithm>
#include <vector>

// One row of a run-length picture, filled as its runs are walked and handed
// to an AreaAverager: as runs of one colour while they are long, so that a
// wide row of a few runs costs its runs, not its width; as pixels once they
// are short, which the averager sums for less than as many runs, and which
// bound the row's memory at its width. A row starts as pixels when the row
// before it ended as pixels of short runs, as rows of a picture are alike.
// Pixels that no run reaches take the palette's first colour.
class RunLengthRow {
public:
    // `palette` names every index a run may hold; it outlives the row.
    RunLengthRow(int width, const QList<QRgb>& palette);

    // Pixels [x, x + count) of the row are `index`; those beyond its width
    // are left out. Runs come left to right.
    void fill(int x, int count, int index)
    {
        if (x >= m_width)
            return;
        count = qMin(count, m_width - x);
        ++m_fills;
        if (!m_asPixels) {
            append(x, count, m_palette[index]);
            return;
        }
        std::fill_n(m_pixels.data() + x, count, rgba(m_palette[index]));
    }

    // Hands the row to `averager`, `count` times, and empties it.
    void addTo(AreaAverager& averager, int count = 1);

private:
    // A colour as the averager's rows hold it: red, green, blue, alpha bytes.
    static quint32 rgba(QRgb colour) { return (colour & 0xff00ff00) | (colour >> 16 & 0xff) | (colour & 0xff) << 16; }

    bool areShort(qint64 runs) const;
    void append(int x, int count, QRgb colour);
    void becomePixels();

    int m_width;
    const QList<QRgb>& m_palette;
    qint64 m_fills = 0; // runs filled into the row
    bool m_asPixels = false;
    std::vector<AreaAverager::Run> m_runs; // while the row is runs
    std::vector<quint32> m_pixels; // while it is pixels
};
