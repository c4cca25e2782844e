#pragma once

// Whether a picture file reaches its own end. A JPEG or PNG cut short (an
// interrupted copy or download) still decodes, with its lower part grey or
// black, and the reader reports nothing; the file's structure shows it: a
// JPEG ends with its end-of-image marker, a PNG with its IEND chunk. (The
// GIF decoder refuses a first frame that lacks a line itself.)

#include <QByteArray>

class ImageFileEnd {
public:
    // False for a JPEG or PNG that stops before its end; true for a complete
    // one and for any other format, which this does not judge.
    static bool isComplete(const QByteArray& bytes, const QByteArray& format);

private:
    static bool jpegReachesItsEnd(const QByteArray& bytes);
};
