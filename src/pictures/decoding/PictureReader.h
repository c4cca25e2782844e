#pragma once

#include "pictures/decoding/PictureBounds.h"

#include <QImage>
#include <QString>

// Reads a picked picture as any viewer would show it: judged by its content,
// not its name; turned upright from its EXIF orientation; the first frame of
// an animation; a picture longer than `PictureBounds::maxSide` decoded scaled
// down to it, in 32 bits. Safe on any thread: it changes no process-wide
// reader setting.
//
// Who reads what (large: longer than maxSide on a side):
//
//   format | small                   | large                     | refused
//   -------+-------------------------+---------------------------+------------------------------
//   JPEG   | Qt's reader             | Qt's reader, scaled read  | no end-of-image marker
//   PNG    | Qt's reader             | PngScaledDecoder          | a chunk before IEND claiming
//          |                         |                           | more than the file holds (by
//          |                         |                           | PngChunks, before any reader
//          |                         |                           | sees it); no IEND chunk; rows
//          |                         |                           | missing
//   GIF    | GifFirstFrameDecoder    | GifFirstFrameDecoder      | first frame missing a line
//   BMP    | BmpBandDecoder (plain), | BmpBandDecoder (plain),   | runs or rows missing; a header
//          | BmpRleDecoder (RLE)     | BmpRleDecoder (RLE)       | BmpHeader does not read (JPEG
//          |                         |                           | or PNG inside)
//   WEBP   | Qt's reader (still),    | WebpScaledDecoder         | does not decode; an animation
//          | WebpScaledDecoder       |                           | whose canvas is beyond
//          | (animation)             |                           | `maxAnimationPixels`
//
// Every format is refused as too large when its header claims more than
// `PictureBounds::maxPixels` (a BMP's as BmpHeader reads it), and as
// unreadable when it does not decode.
class PictureReader {
public:
    enum class Refusal { None, Unreadable, TooLarge };

    struct Result {
        QImage image; // null when refused
        Refusal refusal = Refusal::None;
        qint64 mostPixels = 0; // too large: the most pixels a picture of its kind may have
    };

    static Result read(const QString& path);
};
