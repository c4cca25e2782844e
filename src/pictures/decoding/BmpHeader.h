#pragma once

#include <QByteArray>
#include <QList>
#include <QRgb>
#include <optional>

// What a BMP's file and info headers (Windows' of 40 bytes or more, or OS/2's
// of 12) say about its pixels: where they start, their size, the order of
// their rows and how they are stored.
struct BmpHeader {
    enum class Storage { Plain, Rle8, Rle4 };

    qint64 pixelsAt = 0;
    int width = 0;
    int rows = 0; // the absolute height; a negative one stores the rows top down
    bool bottomUp = true;
    int bits = 0;
    Storage storage = Storage::Plain;
    bool os2 = false; // a 12-byte header: unsigned 16-bit sizes, three-byte palette entries
    QList<QRgb> colours; // the palette of an indexed picture, at most 256

    // The bytes of one stored row of a plain picture, which pads its rows to four bytes.
    qint64 stride() const { return (qint64(width) * bits + 31) / 32 * 4; }
    // The bytes of a row's pixels, without that padding: the last row may lack it.
    qint64 rowBytes() const { return (qint64(width) * bits + 7) / 8; }

    // Nothing for a BMP holding a JPEG or PNG, a bit count its storage does
    // not allow, or an info header of another size.
    static std::optional<BmpHeader> read(const QByteArray& bytes);
};
