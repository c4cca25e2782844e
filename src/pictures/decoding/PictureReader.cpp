#include "pictures/decoding/PictureReader.h"

#include "pictures/decoding/BmpBandDecoder.h"
#include "pictures/decoding/BmpHeader.h"
#include "pictures/decoding/GifFirstFrameDecoder.h"
#include "pictures/decoding/ImageFileEnd.h"
#include "pictures/decoding/PngChunks.h"
#include "pictures/decoding/PngScaledDecoder.h"
#include "pictures/decoding/WebpScaledDecoder.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <optional>
#include <webp/decode.h>

namespace {

struct Stored {
    QSize size; // invalid when the header does not say
    bool animation = false;
};

bool isLarge(QSize size)
{
    return size.width() > PictureBounds::maxSide || size.height() > PictureBounds::maxSide;
}

QSize fitted(QSize size)
{
    return size.scaled(PictureBounds::maxSide, PictureBounds::maxSide, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

// The picture as decoded here, or nothing where Qt's reader is to read it; a
// null image is a refusal. Qt's readers of WEBP, GIF and BMP ignore a scaled
// size, and of PNG scale only some kinds: they decode at full size first,
// under Qt's process-wide allocation limit, which server images rely on and
// which stops a large photo. Its readers of BMP and animated WEBP also leave
// pixels unwritten (those a BMP cut short lacks or its runs skip, those of an
// animation's canvas that its first frame does not reach), and of GIF show a
// frame cut short as far as it goes: those are read here at any size, a GIF
// so that it is decoded once, not checked and then decoded again.
std::optional<QImage> decodedHere(const QByteArray& bytes, const QByteArray& format, const Stored& stored, bool large)
{
    const QSize size = large ? fitted(stored.size) : stored.size;
    if (format == "bmp")
        return BmpBandDecoder::decode(bytes, size);
    if (format == "webp" && stored.animation)
        return WebpScaledDecoder::decode(bytes, size);
    if (format == "gif") {
        const QImage frame = GifFirstFrameDecoder::decode(bytes, stored.size);
        return frame.isNull() || !large ? frame : frame.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    if (!large)
        return std::nullopt;
    if (format == "png")
        return PngScaledDecoder::decode(bytes, size);
    if (format == "webp")
        return WebpScaledDecoder::decode(bytes, size);
    return std::nullopt;
}

// Qt's reader gives an animated WEBP whose canvas is beyond its allocation
// limit no size at all.
Stored storedPicture(QImageReader& reader, const QByteArray& bytes)
{
    if (reader.format() == "webp") {
        WebPBitstreamFeatures features;
        if (WebPGetFeatures(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()), &features)
            != VP8_STATUS_OK)
            return {};
        return { QSize(features.width, features.height), features.has_animation != 0 };
    }
    return { reader.size() };
}

bool isIndexed(QImage::Format format)
{
    return format == QImage::Format_Mono || format == QImage::Format_MonoLSB || format == QImage::Format_Indexed8;
}

PictureReader::Result unreadable()
{
    return { {}, PictureReader::Refusal::Unreadable };
}

PictureReader::Result tooLarge(qint64 mostPixels)
{
    return { {}, PictureReader::Refusal::TooLarge, mostPixels };
}

} // namespace

PictureReader::Result PictureReader::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return unreadable();
    const QByteArray bytes = file.readAll();
    // libpng allocates a buffer of a chunk's claimed length before reading
    // it, even when Qt's reader only asks for the picture's size.
    if (PngChunks::isPng(bytes) && !PngChunks(bytes).fitTheFile())
        return unreadable();
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    // A BMP is known by its own header, which Qt's reader does not know when
    // it claims a very large picture; one whose header is not read here is refused.
    const std::optional<BmpHeader> bmp = BmpHeader::read(bytes);
    const QByteArray format = bmp ? QByteArray("bmp") : reader.format();
    if (format == "bmp" && !bmp)
        return unreadable();
    // The size first: a picture too large to open says so, however its file ends.
    const Stored stored = bmp ? Stored { QSize(bmp->width, bmp->rows) } : storedPicture(reader, bytes);
    if (stored.size.isValid()) {
        const qint64 pixels = qint64(stored.size.width()) * stored.size.height();
        if (pixels > PictureBounds::maxPixels)
            return tooLarge(PictureBounds::maxPixels);
        if (stored.animation && pixels > PictureBounds::maxAnimationPixels)
            return tooLarge(PictureBounds::maxAnimationPixels);
    }
    const bool large = isLarge(stored.size);
    // A file cut short decodes with its lower part grey; it is no picture to
    // use. (The GIF decoder refuses a frame cut short itself.)
    if (!ImageFileEnd::isComplete(bytes, format))
        return unreadable();
    QImage image;
    if (const std::optional<QImage> decoded = decodedHere(bytes, format, stored, large)) {
        image = *decoded;
    } else {
        // Qt's reader scales a JPEG or PNG as it reads it, but an indexed one
        // it scales in its own format, re-quantised to a default palette: that
        // one is read at full size and scaled below.
        if (large && reader.supportsOption(QImageIOHandler::ScaledSize) && !isIndexed(reader.imageFormat()))
            reader.setScaledSize(fitted(stored.size));
        image = reader.read();
    }
    if (image.isNull())
        return unreadable();
    // One pixel layout for drawing and cutting; alpha stays where there is some.
    // Nothing is scaled before it is in 32 bits.
    image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (image.width() > PictureBounds::maxSide || image.height() > PictureBounds::maxSide)
        image = image.scaled(fitted(image.size()), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return { image };
}
