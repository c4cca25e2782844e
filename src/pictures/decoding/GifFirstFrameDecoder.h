#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// Decodes a GIF's first frame onto a `canvas`-sized image this program
// allocates (Qt's reader allocates under its process-wide limit), in the
// format it is then scaled in: RGB32, or ARGB32_Premultiplied when the frame
// has a transparent colour. Around a frame smaller than the canvas, the
// screen's background colour, or transparency, as Qt's reader shows it. A
// file without a frame, or whose first frame ends before its last line (Qt's
// reader shows such a frame as far as it goes, and says nothing), gives a
// null image; one whose every pixel decodes shows the frame, whatever
// follows it (its block terminator, the trailer alone, or nothing).
class GifFirstFrameDecoder {
public:
    static QImage decode(const QByteArray& bytes, QSize canvas);
};
