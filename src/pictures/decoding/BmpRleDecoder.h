#pragma once

#include "pictures/decoding/BmpHeader.h"

#include <QByteArray>
#include <QImage>

// Decodes a run-length encoded BMP (4 or 8 bits a pixel) at full size into an
// indexed image, top down, in memory this program allocates: Qt's reader
// holds it under its process-wide allocation limit, and runs cannot be cut
// into bands by byte ranges. Pixels the runs skip take the first colour.
// Gives a null image when the runs stop before the picture's end.
class BmpRleDecoder {
public:
    static QImage decode(const QByteArray& bytes, const BmpHeader& header);
};
