#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// Decodes a BMP at `size` a band of rows at a time, in memory this program
// allocates: Qt's reader would hold the whole picture under its process-wide
// allocation limit, and leaves unwritten the pixels a file cut short lacks.
// A plain band is a BMP of its own for Qt's reader; a run-length encoded
// picture is decoded to its palette indexes first. Each band is turned into
// 32 bits (scaling an indexed image re-quantises it) and scaled before the
// next one is read. Gives a null image for a BMP holding a JPEG or PNG, runs
// claiming more than PictureBounds' limit, or a file cut short.
class BmpBandDecoder {
public:
    static QImage decode(const QByteArray& bytes, QSize size);
};
