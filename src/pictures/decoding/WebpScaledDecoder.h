#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// Decodes a still WEBP straight at `size`, in memory this program allocates:
// Qt's reader would first decode at full size under its process-wide
// allocation limit. Gives a null image when the file does not decode.
class WebpScaledDecoder {
public:
    static QImage decode(const QByteArray& bytes, QSize size);
};
