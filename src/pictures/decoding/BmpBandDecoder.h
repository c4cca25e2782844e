#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// Decodes a BMP at `size` in memory this program allocates: Qt's reader
// would hold the whole picture under its process-wide allocation limit, and
// leaves unwritten the pixels a file cut short lacks. The rows of a 24-bit or
// indexed picture, scaled, and of a run-length encoded one at any size, are
// averaged into the result as they are read from the file's bytes. Those of
// 16 or 32 bits, which Qt's reader unpacks by their masks, go to Qt's reader
// a band at a time, each a BMP of its own, each band turned into 32 bits and
// scaled before the next is read. At its own size a plain picture is read by
// Qt's reader whole. Gives a null image for a BMP holding a JPEG or PNG, runs
// claiming more than PictureBounds' limit, or a file cut short.
class BmpBandDecoder {
public:
    static QImage decode(const QByteArray& bytes, QSize size);
};
