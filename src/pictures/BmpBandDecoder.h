#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// Decodes an uncompressed 16-, 24- or 32-bit BMP at `size` a band of rows at a
// time: each band is a BMP of its own for Qt's reader, small enough for its
// process-wide allocation limit, scaled before the next one is read. Gives a
// null image for other BMPs or a file cut short.
class BmpBandDecoder {
public:
    static QImage decode(const QByteArray& bytes, QSize size);
};
