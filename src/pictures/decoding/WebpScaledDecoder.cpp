#include "pictures/decoding/WebpScaledDecoder.h"

#include "pictures/decoding/PictureBounds.h"

#include <QScopeGuard>
#include <webp/decode.h>
#include <webp/demux.h>

namespace {

// The byte order of Qt's 32-bit formats in memory.
constexpr bool littleEndian = Q_BYTE_ORDER == Q_LITTLE_ENDIAN;

// The first frame of an animation on its canvas, which libwebp clears to
// transparent, at `size`.
QImage firstFrame(const QByteArray& bytes, QSize size)
{
    const WebPData data { reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()) };
    WebPAnimDecoderOptions options;
    if (!WebPAnimDecoderOptionsInit(&options))
        return {};
    options.color_mode = littleEndian ? MODE_bgrA : MODE_Argb; // premultiplied
    WebPAnimDecoder* decoder = WebPAnimDecoderNew(&data, &options);
    if (!decoder)
        return {};
    const auto release = qScopeGuard([decoder] { WebPAnimDecoderDelete(decoder); });
    WebPAnimInfo info;
    uint8_t* canvas = nullptr;
    int timestamp = 0;
    if (!WebPAnimDecoderGetInfo(decoder, &info) || !WebPAnimDecoderGetNext(decoder, &canvas, &timestamp))
        return {};
    // The canvas is the decoder's: copied, or scaled, before it goes.
    const QImage frame(canvas, int(info.canvas_width), int(info.canvas_height), QImage::Format_ARGB32_Premultiplied);
    return frame.size() == size ? frame.copy() : frame.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

QImage WebpScaledDecoder::decode(const QByteArray& bytes, QSize size)
{
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.constData());
    const auto length = size_t(bytes.size());
    WebPDecoderConfig config;
    if (!WebPInitDecoderConfig(&config) || WebPGetFeatures(data, length, &config.input) != VP8_STATUS_OK)
        return {};
    if (config.input.has_animation) {
        const qint64 canvas = qint64(config.input.width) * config.input.height;
        return canvas > PictureBounds::maxAnimationPixels ? QImage() : firstFrame(bytes, size);
    }
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
    config.output.colorspace = littleEndian ? MODE_BGRA : MODE_ARGB;
    config.output.is_external_memory = 1;
    config.output.u.RGBA.rgba = image.bits();
    config.output.u.RGBA.stride = int(image.bytesPerLine());
    config.output.u.RGBA.size = size_t(image.sizeInBytes());
    const bool decoded = WebPDecode(data, length, &config) == VP8_STATUS_OK;
    WebPFreeDecBuffer(&config.output);
    return decoded ? image : QImage();
}
