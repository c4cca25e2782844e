#include "pictures/PictureReader.h"

#include "pictures/BmpBandDecoder.h"
#include "pictures/GifFirstFrameDecoder.h"
#include "pictures/ImageFileEnd.h"
#include "pictures/PngScaledDecoder.h"
#include "pictures/WebpScaledDecoder.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

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

} // namespace

QImage PictureReader::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    // A file cut short decodes with its lower part grey; it is no picture to use.
    if (!ImageFileEnd::isComplete(bytes, reader.format()))
        return {};
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (stored.isValid() && qint64(stored.width()) * stored.height() * 4 > maxDecodedBytes)
        return {};
    QImage image;
    if (stored.isValid() && (stored.width() > maxSide || stored.height() > maxSide)) {
        const QSize scaled = stored.scaled(maxSide, maxSide, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
        image = decodeScaled(bytes, reader.format(), stored, scaled);
        reader.setScaledSize(scaled);
    }
    // Other formats, and what is not decoded here (an animation, an indexed
    // BMP), are Qt's reader's, within its limit.
    if (image.isNull())
        image = reader.read();
    if (image.isNull())
        return {};
    // One pixel layout for drawing and cutting; alpha stays where there is some.
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
}
