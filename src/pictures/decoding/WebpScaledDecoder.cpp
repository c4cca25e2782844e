#include "pictures/decoding/WebpScaledDecoder.h"

#include "pictures/decoding/PictureBounds.h"

#include <webp/decode.h>

QImage WebpScaledDecoder::decode(const QByteArray& bytes, QSize size)
{
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.constData());
    const auto length = size_t(bytes.size());
    WebPDecoderConfig config;
    if (!WebPInitDecoderConfig(&config) || WebPGetFeatures(data, length, &config.input) != VP8_STATUS_OK)
        return {};
    // The library decodes a lossless file whole, at four bytes a pixel, at
    // any scale; as a plain colour costs such a file no bits, no amount of
    // data bounds its size: the reader's bound does.
    if (qint64(config.input.width) * config.input.height > PictureBounds::maxPixels)
        return {};
    QImage image(size, config.input.has_alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        return {};
    config.options.use_scaling = 1;
    config.options.scaled_width = size.width();
    config.options.scaled_height = size.height();
    // The byte order of Qt's 32-bit formats in memory.
    config.output.colorspace = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? MODE_BGRA : MODE_ARGB;
    config.output.is_external_memory = 1;
    config.output.u.RGBA.rgba = image.bits();
    config.output.u.RGBA.stride = int(image.bytesPerLine());
    config.output.u.RGBA.size = size_t(image.sizeInBytes());
    const bool decoded = WebPDecode(data, length, &config) == VP8_STATUS_OK;
    WebPFreeDecBuffer(&config.output);
    return decoded ? image : QImage();
}
