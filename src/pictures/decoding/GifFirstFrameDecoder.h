#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// Decodes a GIF's first frame onto a `canvas`-sized image this program
// allocates (Qt's reader allocates under its process-wide limit), in the
// format it is then scaled in: RGB32, or ARGB32_Premultiplied when the frame
// has a transparent colour. A file without a frame, or whose first frame ends
// before its last line, gives a null image.
class GifFirstFrameDecoder {
public:
    static QImage decode(const QByteArray& bytes, QSize canvas);

    // Whether the file holds a first frame and every line of it: Qt's reader
    // shows a frame cut short as far as it goes, and says nothing.
    static bool firstFrameIsWhole(const QByteArray& bytes);
};
