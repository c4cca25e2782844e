#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// Decodes a WEBP at `size`, in memory this program allocates: Qt's reader
// would first decode at full size under its process-wide allocation limit.
// A still one is decoded straight at `size`; an animation's first frame is
// composed on its whole canvas, cleared first (Qt's reader leaves the canvas
// of an animation without alpha unwritten where that frame does not reach),
// then scaled. Gives a null image when the file does not decode.
class WebpScaledDecoder {
public:
    static QImage decode(const QByteArray& bytes, QSize size);
};
