#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// Decodes a PNG of any kind (palette, greyscale, 16-bit, with or without
// alpha) at `scaled`, in memory this program allocates: Qt's reader scales
// only 8-bit RGB(A) files as it reads them and decodes every other kind at
// full size under its process-wide allocation limit. Rows are averaged into
// the result as they are read; an interlaced file, whose rows come in seven
// passes, is first decoded at full size, up to PictureBounds' limit. The
// result is RGB32, or ARGB32_Premultiplied where the file has transparency;
// a file that does not decode, or stops early, gives a null image, as does
// one whose compressed data could not fill the size its header claims, or
// with a chunk longer than the rest of the file.
class PngScaledDecoder {
public:
    static QImage decode(const QByteArray& bytes, QSize scaled);
};
