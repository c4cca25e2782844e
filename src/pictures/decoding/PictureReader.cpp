#include "pictures/decoding/PictureReader.h"

#include "pictures/decoding/BmpBandDecoder.h"
#include "pictures/decoding/GifFirstFrameDecoder.h"
#include "pictures/decoding/ImageFileEnd.h"
#include "pictures/decoding/PngScaledDecoder.h"
#include "pictures/decoding/WebpScaledDecoder.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <limits>
#include <webp/decode.h>

namespace {

// Qt's readers of these formats ignore a scaled size: they decode at full size
// first, under Qt's process-wide allocation limit, which server images rely
// on and which stops a large photo. A picture of theirs that needs scaling is
// decoded here instead.
QImage decodeScaled(const QByteArray& bytes, const QByteArray& format, QSize stored, QSize scaled)
{
    if (format == "webp")
        return WebpScaledDecoder::decode(bytes, scaled);
    if (format == "bmp")
        return BmpBandDecoder::decode(bytes, scaled);
    if (format == "png")
        return PngScaledDecoder::decode(bytes, scaled);
    if (format == "gif") {
        const QImage frame = GifFirstFrameDecoder::decode(bytes, stored);
        return frame.isNull() ? frame : frame.scaled(scaled, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return {};
}

struct Stored {
    QSize size; // invalid when the header does not say
    bool animation = false;
};

// Qt's reader gives a top-down BMP a negative height, and an animated WEBP
// whose canvas is beyond its allocation limit no size at all.
Stored storedPicture(QImageReader& reader, const QByteArray& bytes)
{
    if (reader.format() == "webp") {
        WebPBitstreamFeatures features;
        if (WebPGetFeatures(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()), &features)
            != VP8_STATUS_OK)
            return {};
        return { QSize(features.width, features.height), features.has_animation != 0 };
    }
    const QSize size = reader.size();
    return { QSize(size.width(), size.height() == std::numeric_limits<int>::min() ? -1 : qAbs(size.height())) };
}

// The most pixels Qt's reader holds at full size: its limit counts four bytes a pixel.
qint64 qtReaderMaxPixels()
{
    const int megabytes = QImageReader::allocationLimit();
    return megabytes > 0 ? (qint64(megabytes) << 20) / 4 : PictureBounds::maxPixels;
}

bool isIndexed(QImage::Format format)
{
    return format == QImage::Format_Mono || format == QImage::Format_MonoLSB || format == QImage::Format_Indexed8;
}

QSize fitted(QSize size)
{
    return size.scaled(PictureBounds::maxSide, PictureBounds::maxSide, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
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
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    // The size first: a picture too large to open says so, however its file ends.
    const Stored stored = storedPicture(reader, bytes);
    if (stored.size.isValid()) {
        const qint64 pixels = qint64(stored.size.width()) * stored.size.height();
        if (pixels > PictureBounds::maxPixels)
            return tooLarge(PictureBounds::maxPixels);
        // Only Qt's reader decodes an animation, holding its whole canvas.
        if (stored.animation && pixels > qtReaderMaxPixels())
            return tooLarge(qtReaderMaxPixels());
    }
    // A file cut short decodes with its lower part grey; it is no picture to use.
    if (!ImageFileEnd::isComplete(bytes, reader.format()))
        return unreadable();
    QImage image;
    if (stored.size.isValid()
        && (stored.size.width() > PictureBounds::maxSide || stored.size.height() > PictureBounds::maxSide)) {
        image = decodeScaled(bytes, reader.format(), stored.size, fitted(stored.size));
        // Qt's reader scales a JPEG or PNG as it reads it, but an indexed one
        // it scales in its own format, re-quantised to a default palette: that
        // one is read at full size and scaled below.
        if (reader.supportsOption(QImageIOHandler::ScaledSize) && !isIndexed(reader.imageFormat()))
            reader.setScaledSize(fitted(stored.size));
    }
    // Other formats, and what is not decoded here (an animation), are Qt's
    // reader's, within its limit.
    if (image.isNull())
        image = reader.read();
    if (image.isNull())
        return unreadable();
    // One pixel layout for drawing and cutting; alpha stays where there is some.
    // Nothing is scaled before it is in 32 bits.
    image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (image.width() > PictureBounds::maxSide || image.height() > PictureBounds::maxSide)
        image = image.scaled(fitted(image.size()), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return { image };
}
