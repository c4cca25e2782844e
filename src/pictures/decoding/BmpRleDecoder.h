#pragma once

#include "pictures/decoding/AreaAverager.h"
#include "pictures/decoding/BmpHeader.h"

#include <QByteArray>
#include <optional>
#include <vector>

// Decodes a run-length encoded BMP (4 or 8 bits a pixel) into an
// AreaAverager, a row at a time, top down also when its rows are stored
// bottom up. A few bytes of runs may claim millions of rows, or of columns,
// so no picture of them is held: each row that runs reach goes to the
// averager as a RunLengthRow, and the rows between as one stretch of the
// palette's first colour, which pixels the runs skip take.
class BmpRleDecoder {
public:
    // Nothing for a plain picture, or when the runs stop, inside the file or
    // at its end, before the picture's end and before they fill its last
    // stored row: a file that lacks only its end markers holds every pixel.
    static std::optional<BmpRleDecoder> read(const QByteArray& bytes, const BmpHeader& header);

    // Every row of the picture, top down, `header.rows` in all, its indexes
    // coloured from `palette`, which names all 256.
    void decode(const QList<QRgb>& palette, AreaAverager& averager) const;

    // A place in the runs: byte `at` of the file, pixel `x` of stored row `y`.
    struct Place {
        qint64 at = 0;
        int x = 0;
        int y = 0;
    };

private:
    BmpRleDecoder(const QByteArray& bytes, const BmpHeader& header);

    QByteArray m_bytes;
    BmpHeader m_header;
    // Bottom up, the rows are walked a stretch of this many at a time, the
    // topmost stretch first, each from where the walk entered it: its note.
    int m_rowsPerStretch = 1;
    std::vector<Place> m_notes; // of the stretches that runs reach, in the order they are stored
};
