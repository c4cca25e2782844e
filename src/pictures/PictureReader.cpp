#include "pictures/PictureReader.h"

#include "pictures/BmpBandDecoder.h"
#include "pictures/GifFirstFrameDecoder.h"
#include "pictures/ImageFileEnd.h"
#include "pictures/WebpScaledDecoder.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <optional>

namespace {

// Qt's readers of these formats ignore a scaled size: they decode at full size
// first, under Qt's process-wide allocation limit, which server images rely
// on and which stops a large photo. A picture of theirs that needs scaling is
// decoded here instead; a null optional for any other format.
std::optional<QImage> decodeScaled(const QByteArray& bytes, const QByteArray& format, QSize stored, QSize scaled)
{
    if (format == "webp")
        return WebpScaledDecoder::decode(bytes, scaled);
    if (format == "bmp")
        return BmpBandDecoder::decode(bytes, scaled);
    if (format == "gif") {
        const QImage frame = GifFirstFrameDecoder::decode(bytes, stored);
        return frame.isNull() ? frame : frame.scaled(scaled, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return std::nullopt;
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
    std::optional<QImage> image;
    if (stored.isValid() && (stored.width() > maxSide || stored.height() > maxSide)) {
        const QSize scaled = stored.scaled(maxSide, maxSide, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
        image = decodeScaled(bytes, reader.format(), stored, scaled);
        reader.setScaledSize(scaled);
    }
    if (!image)
        image = reader.read();
    if (image->isNull())
        return {};
    // One pixel layout for drawing and cutting; alpha stays where there is some.
    return image->convertToFormat(
        image->hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
}
