#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// Decodes a GIF's first frame onto a `canvas`-sized image this program
// allocates (Qt's reader allocates under its process-wide limit). As Qt's
// reader does, a frame whose data ends early keeps the rows it has; a file
// without a frame gives a null image.
class GifFirstFrameDecoder {
public:
    static QImage decode(const QByteArray& bytes, QSize canvas);
};
