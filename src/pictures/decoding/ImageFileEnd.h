#pragma once

// Whether a picture file reaches its own end. A JPEG, PNG or GIF cut short (an
// interrupted copy or download) still decodes, with its lower part grey or
// black, and the reader reports nothing; the file's structure shows it: a
// JPEG ends with its end-of-image marker, a PNG with its IEND chunk, and a
// GIF's first frame, the one shown, holds all its lines.

#include <QByteArray>

class ImageFileEnd {
public:
    // False for a JPEG, PNG or GIF that stops before its end; true for a
    // complete one and for any other format, which this does not judge.
    static bool isComplete(const QByteArray& bytes, const QByteArray& format);

private:
    static bool jpegReachesItsEnd(const QByteArray& bytes);
    static bool pngReachesItsEnd(const QByteArray& bytes);
};
